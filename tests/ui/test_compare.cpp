// View > Compare: the differences from the theme or file the scheme came from, or
// from another scheme file, and a double-click that takes a value back.
#include "EditWindow.h"
#include "scheme/SchemeFile.h"
#include "widgets/WindowUtil.h"

#include <QDockWidget>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

using Kind = ScriptedDialogs::Kind;

namespace {
QTreeWidget* list(const frmMain& main) {
    return control<QTreeWidget>(main, "lstCompare");
}

// The listed lines as "Element / Attribute / Then / Now".
QStringList listed(const frmMain& main) {
    QStringList rows;
    QTreeWidget* tree = list(main);
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = tree->topLevelItem(i);
        rows << QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}.join(
            QStringLiteral(" / "));
    }
    return rows;
}

// A click on the line, then a double-click, once the panel is laid out on the screen.
// (A list that has never had a click takes Qt Test's first double-click for a press.)
void doubleClick(const frmMain& main, int row) {
    QTreeWidget* tree = list(main);
    QTRY_VERIFY(
        tree->viewport()->rect().contains(tree->visualItemRect(tree->topLevelItem(row)).center()));
    const QPoint at = tree->visualItemRect(tree->topLevelItem(row)).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
}

QString caption(const frmMain& main) {
    return control<QLabel>(main, "lblCompareWith")->text();
}

void clickTextColour(EditWindow& w, int row, qint32 color) {
    w.dialogs->answerColor(color);
    QTest::mouseClick(control<QWidget>(w.main, "lblFGColorSelect", row), Qt::LeftButton);
}
} // namespace

class TestCompare : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listFollowsEditsAndDoubleClickReverts() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        auto* dock = control<QDockWidget>(w.main, "dockCompare");
        QVERIFY(!dock->isVisible());
        w.command("mnuViewCompare")->trigger();
        QVERIFY(dock->isVisible());
        QCOMPARE(caption(w.main),
                 QStringLiteral("Compared with the theme Default: no differences."));
        QCOMPARE(listed(w.main), QStringList());

        const qint32 heading2 = w.scheme().color(ColorAttr::Fore, 3);
        const QString then = colorFromValue(heading2).name().toUpper();
        clickTextColour(w, 4, rgbValue(10, 20, 30));
        w.dialogs->answerFont(QStringLiteral("Georgia"), 10.5f, true, false);
        QTest::mouseClick(control<QWidget>(w.main, "cmdFontSelect", 2), Qt::LeftButton);
        QCOMPARE(listed(w.main),
                 (QStringList{"Body / Font / Verdana / Georgia", "Body / Font size / 10 / 10.5",
                              "Body / Font style / Regular / Bold",
                              "Heading 2 / Text colour / " + then + " / #0A141E"}));
        QCOMPARE(caption(w.main),
                 QStringLiteral("Compared with the theme Default: 4 differences."));
        const QTreeWidgetItem* colour = list(w.main)->topLevelItem(3);
        QVERIFY(!colour->icon(2).isNull() && !colour->icon(3).isNull());
        QCOMPARE(colour->toolTip(3), QString::number(rgbValue(10, 20, 30)));

        doubleClick(w.main, 3);
        QTRY_COMPARE(w.scheme().color(ColorAttr::Fore, 3), heading2);
        QCOMPARE(listed(w.main).size(), 3);
        QCOMPARE(w.command("mnuEditUndo")->text(),
                 QStringLiteral("&Undo Revert Heading 2 text colour"));
        QTest::keySequence(&w.main, QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(w.scheme().color(ColorAttr::Fore, 3), rgbValue(10, 20, 30));
        QCOMPARE(listed(w.main).size(), 4);
        QCOMPARE(world.prompt.messages, QStringList());
    }

    void comparesWithAnotherSchemeFile() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QString other = world.path(QStringLiteral("other.tna"));
        clickTextColour(w, 2, rgbValue(1, 2, 3));
        w.dialogs->answerFile(Kind::Save, other);
        w.command("mnuFileSaveAs")->trigger();
        clickTextColour(w, 2, rgbValue(4, 5, 6));

        w.dialogs->answerFile(Kind::Open, other);
        w.command("mnuViewCompareFile")->trigger();
        QCOMPARE(w.dialogs->calls.last().shownWith.Filter,
                 QStringLiteral("All Files (*.*)|*.*|Tintora Scheme (*.tna)|*.tna"));
        QVERIFY(control<QDockWidget>(w.main, "dockCompare")->isVisible());
        QCOMPARE(caption(w.main), QStringLiteral("Compared with other.tna: 1 difference."));
        QCOMPARE(listed(w.main), QStringList{"Body / Text colour / #010203 / #040506"});

        doubleClick(w.main, 0);
        QTRY_COMPARE(w.scheme().color(ColorAttr::Fore, 1), rgbValue(1, 2, 3));
        QCOMPARE(w.command("mnuEditUndo")->text(),
                 QStringLiteral("&Undo Body text colour from other.tna"));

        // Back to the theme the scheme came from.
        QTest::mouseClick(control<QPushButton>(w.main, "cmdCompareBase"), Qt::LeftButton);
        QCOMPARE(caption(w.main), QStringLiteral("Compared with the theme Default: 1 difference."));

        // A file that holds no scheme is refused and the panel stays as it was.
        const QString junk = world.path(QStringLiteral("junk.tna"));
        writeFile(junk, "no sections here");
        w.dialogs->answerFile(Kind::Open, junk);
        QTest::mouseClick(control<QPushButton>(w.main, "cmdCompareFile"), Qt::LeftButton);
        QCOMPARE(world.prompt.informed.size(), 1);
        QCOMPARE(caption(w.main), QStringLiteral("Compared with the theme Default: 1 difference."));
        QCOMPARE(world.prompt.messages, QStringList());
    }

    // An opened file is what the scheme is compared with afterwards, until the next load.
    void comparesWithTheOpenedFile() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QString blue = world.path(QStringLiteral("blue.tna"));
        clickTextColour(w, 2, rgbValue(0, 0, 255));
        w.dialogs->answerFile(Kind::Save, blue);
        w.command("mnuFileSaveAs")->trigger();
        w.dialogs->answerFile(Kind::Open, blue);
        w.command("mnuFileOpen")->trigger();
        w.command("mnuViewCompare")->trigger();
        QCOMPARE(caption(w.main), QStringLiteral("Compared with blue.tna: no differences."));
        QTest::keySequence(&w.main, QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(caption(w.main), QStringLiteral("Compared with the theme Default: 1 difference."));
    }

    // A picture taken from another folder under the same name shows the folders that
    // differ; Then and Now stay whole in the docked panel, the longest names beside them.
    void picturesShowTheirFoldersAndColumnsFit() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const int banner = themeElement(Element::BANNER).imageSlot;
        const QString studio = w.scheme().image(banner);
        const QString moved = world.path(QStringLiteral("Ocean/") + QFileInfo(studio).fileName());
        w.scheme().image(banner) = moved;
        clickTextColour(w, 10, rgbValue(1, 2, 3));
        w.command("mnuViewCompare")->trigger();
        const QString file = QFileInfo(studio).fileName();
        QVERIFY2(listed(w.main).contains(QStringLiteral("Banner Text / Picture / Studio/") + file +
                                         QStringLiteral(" / Ocean/") + file),
                 qPrintable(listed(w.main).join('\n')));

        QTreeWidget* tree = list(w.main);
        QTRY_VERIFY(tree->isVisible() && tree->viewport()->width() > 0);
        const QHeaderView* header = tree->header();
        for (int row = 0; row < tree->topLevelItemCount(); ++row)
            for (int column : {2, 3}) {
                const QTreeWidgetItem* item = tree->topLevelItem(row);
                const int needed = tree->fontMetrics().horizontalAdvance(item->text(column)) +
                                   (item->icon(column).isNull() ? 0 : 14);
                QVERIFY2(header->sectionSize(column) >= needed, qPrintable(item->text(column)));
            }
        QVERIFY(header->sectionViewportPosition(3) + header->sectionSize(3) <=
                tree->viewport()->width());
        QCOMPARE(tree->horizontalScrollBar()->maximum(), 0);
    }
};

QTEST_MAIN(TestCompare)
#include "test_compare.moc"
