// The main window by keyboard and through a screen reader's eyes: the Tab order, the
// swatches' keys, the accessible names and the Help menu.
#include "EditWindow.h"
#include "support/ModalSteps.h"
#include "ui/dialogs/HelpDialogs.h"
#include "ui/editor/ColorSwatch.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>

using Kind = ScriptedDialogs::Kind;

namespace {
QString accessibleText(QObject* object, QAccessible::Text text) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(text) : QString();
}

// The top-level window of the application named `name`, once shown.
QWidget* shownWindow(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && widget->isVisible())
            return widget;
    return nullptr;
}
} // namespace

class TestKeyboardAccess : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tabGoesRowByRowThenToTheOptions() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        QStringList expected{QStringLiteral("lblBGColorSelect_0")};
        for (int row = 1; row < EditorRowCount; ++row)
            for (const char* name : {"lblFGColorSelect", "lblBGColorSelect", "cmdFontSelect"})
                expected.append(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(row));
        expected += {"Check1", "chkUseSame_0", "chkUseSame_1", "chkTransLabels"};

        control<ColorSwatch>(w.main, "lblBGColorSelect", 0)->setFocus(Qt::OtherFocusReason);
        QStringList reached{QApplication::focusWidget()->objectName()};
        for (qsizetype i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(reached, expected);
    }

    void keysOnAFocusedSwatchOpenItsDialog_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("text");
        QTest::newRow("Space, text swatch") << int(Qt::Key_Space) << true;
        QTest::newRow("Return, background swatch") << int(Qt::Key_Return) << false;
        QTest::newRow("keypad Enter, text swatch") << int(Qt::Key_Enter) << true;
    }
    void keysOnAFocusedSwatchOpenItsDialog() {
        QFETCH(int, key);
        QFETCH(bool, text);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        auto* swatch =
            control<ColorSwatch>(w.main, text ? "lblFGColorSelect" : "lblBGColorSelect", 4);
        const qint32 chosen = 0x5C6F1F;
        w.dialogs->answerColor(chosen);
        swatch->setFocus(Qt::TabFocusReason);
        QVERIFY(swatch->hasFocus());
        QTest::keyClick(swatch, Qt::Key(key));
        QCOMPARE(w.dialogs->calls.size(), 1);
        QCOMPARE(w.dialogs->calls.first().kind, Kind::Color);
        QCOMPARE(swatch->colorValue(), chosen);
        // Other keys leave the swatch alone.
        QTest::keyClick(swatch, Qt::Key_A);
        QTest::keyClick(swatch, Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(w.dialogs->calls.size(), 1);
    }

    void focusIsDrawnOnTheSwatch() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        auto* swatch = control<ColorSwatch>(w.main, "lblFGColorSelect", 4);
        const QImage plain = swatch->grab().toImage();
        swatch->setFocus(Qt::TabFocusReason);
        const QImage focused = swatch->grab().toImage();
        QVERIFY(plain != focused);
        // The swatch's own colour still shows in the middle.
        QCOMPARE(focused.pixelColor(focused.rect().center()),
                 plain.pixelColor(plain.rect().center()));
    }

    void namesFollowTheEdits() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        auto* text = control<ColorSwatch>(w.main, "lblFGColorSelect", 4);
        auto* back = control<ColorSwatch>(w.main, "lblBGColorSelect", 4);
        auto* page = control<ColorSwatch>(w.main, "lblBGColorSelect", 0);
        auto* font = control<QPushButton>(w.main, "cmdFontSelect", 4);

        w.dialogs->answerColor(0x5C6F1F); // red 1F, green 6F, blue 5C
        QTest::mouseClick(text, Qt::LeftButton);
        QCOMPARE(accessibleText(text, QAccessible::Name),
                 QStringLiteral("Heading 2 text colour, #1F6F5C"));
        QVERIFY(text->toolTip().startsWith(QStringLiteral("Heading 2 text colour: #1F6F5C")));
        QVERIFY(accessibleText(back, QAccessible::Name)
                    .startsWith(QStringLiteral("Heading 2 background colour, #")));
        QVERIFY(accessibleText(page, QAccessible::Name)
                    .startsWith(QStringLiteral("Background colour, #")));
        QVERIFY(!accessibleText(text, QAccessible::Description).isEmpty());
        // A screen reader presses the swatch as a button.
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(text);
        QCOMPARE(face->role(), QAccessible::Button);
        QVERIFY(face->actionInterface());
        w.dialogs->answerColor(0x000000);
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(accessibleText(text, QAccessible::Name),
                 QStringLiteral("Heading 2 text colour, #000000"));

        w.dialogs->answerFont(QStringLiteral("Georgia"), 18, false, false);
        QTest::mouseClick(font, Qt::LeftButton);
        QCOMPARE(accessibleText(font, QAccessible::Name),
                 QStringLiteral("Heading 2 font, Georgia 18 pt"));
        QVERIFY(font->toolTip().contains(QStringLiteral("Georgia 18 pt")));
        QVERIFY(!accessibleText(font, QAccessible::Description).isEmpty());

        for (const char* name : {"Check1", "chkUseSame_0", "chkUseSame_1", "chkTransLabels"}) {
            auto* box = control<QCheckBox>(w.main, QLatin1String(name));
            QVERIFY2(!box->toolTip().isEmpty(), name);
            QVERIFY2(!accessibleText(box, QAccessible::Name).isEmpty(), name);
        }
    }

    void swatchColumnsHaveHeadingsOnTheTitleLine() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        QStringList titles;
        for (QLabel* label : w.main.findChildren<QLabel*>())
            if (label->objectName().startsWith(QStringLiteral("lblTitle_")))
                titles.append(label->text());
        for (const char* title : {"ITEM NAME", "TEXT", "BACK", "FONT"})
            QVERIFY2(titles.contains(QLatin1String(title)), title);
        // Each heading stands above its column and ends before the rows start.
        auto* textHeading = control<QLabel>(w.main, "lblTitle", 3);
        auto* backHeading = control<QLabel>(w.main, "lblTitle", 4);
        auto* textColumn = control<ColorSwatch>(w.main, "lblFGColorSelect", 1);
        auto* backColumn = control<ColorSwatch>(w.main, "lblBGColorSelect", 0);
        QCOMPARE(textHeading->text(), QStringLiteral("TEXT"));
        QVERIFY(textHeading->geometry().right() >= textColumn->geometry().left());
        QVERIFY(backHeading->geometry().left() <= backColumn->geometry().right());
        QVERIFY(textHeading->geometry().bottom() <= backColumn->geometry().top());
    }

    void shortcutsAreListedFromTheActions() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        QAction* saveAs = w.command("mnuFileSaveAs");
        QVERIFY(saveAs->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Shift+S"))));
        QVERIFY(saveAs->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+A"))));
        w.dialogs->answerCancel(Kind::Save);
        QTest::keyClick(&w.main, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.dialogs->calls.size(), 1);
        QCOMPARE(w.dialogs->calls.first().kind, Kind::Save);

        w.command("mnuHelpShortcuts")->trigger();
        QWidget* dialog = shownWindow(QStringLiteral("dlgShortcuts"));
        QVERIFY(dialog);
        auto* list = control<QTreeWidget>(*dialog, "lstShortcuts");
        QMap<QString, QString> keys;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            keys.insert(list->topLevelItem(i)->text(0), list->topLevelItem(i)->text(1));
        QVERIFY2(
            keys.value(QStringLiteral("File > Save As")).contains(QStringLiteral("Ctrl+Shift+S")),
            qPrintable(keys.value(QStringLiteral("File > Save As"))));
        QCOMPARE(keys.value(QStringLiteral("File > Open")), QStringLiteral("Ctrl+O"));
        QCOMPARE(keys.value(QStringLiteral("Themes > Default")), QStringLiteral("F1"));
        QVERIFY(keys.value(QStringLiteral("Refresh the editor and the preview")).startsWith("F5"));
        // Every menu command with keys is there, and nothing without.
        int withKeys = 0;
        for (QAction* action : w.main.findChildren<QAction*>())
            if (!action->shortcuts().isEmpty())
                ++withKeys;
        QCOMPARE(list->topLevelItemCount(), withKeys);
        dialog->close();
    }

    void aboutNamesVersionLicenceAndLibraries() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        QAction* about = w.command("mnuHelpAbout");
        // The Help menu comes last, after Themes.
        QCOMPARE(w.main.menuBar()->actions().last()->menu()->objectName(),
                 QStringLiteral("mnuHelp"));
        about->trigger();
        QWidget* dialog = shownWindow(QStringLiteral("dlgAbout"));
        QVERIFY(dialog);
        const QString text = control<QLabel>(*dialog, "lblAbout")->text();
        for (const QString& part :
             {QStringLiteral("Tintora 1."), QStringLiteral("GPL-3.0-or-later"),
              QStringLiteral("Qt ") + QLatin1String(qVersion()), QStringLiteral("libarchive 3.")})
            QVERIFY2(text.contains(part), qPrintable(part));
        dialog->close();
    }

    void printPreviewShowsWhatPrintPrints() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        // What Print prints, into a PDF file.
        const QString pdf = world.path(QStringLiteral("printed.pdf"));
        w.main.cdbMain().printer().setOutputFileName(pdf);
        w.dialogs->answerPrinter(1);
        w.command("mnuFilePrint")->trigger();
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished(60000));
        const QRegularExpression pagesLine(QStringLiteral("Pages:\\s+(\\d+)"));
        const int printed =
            pagesLine.match(QString::fromUtf8(info.readAllStandardOutput())).captured(1).toInt();
        // The report's pages, then the picture of the window on a page of its own.
        QVERIFY2(printed >= 2, qPrintable(QString::number(printed)));

        int previewed = 0;
        ModalSteps steps;
        steps.then<QPrintPreviewDialog>([&](QPrintPreviewDialog* dialog) {
            auto* preview = dialog->findChild<QPrintPreviewWidget*>();
            QTRY_VERIFY(preview->pageCount() > 0);
            previewed = preview->pageCount();
            dialog->reject();
        });
        steps.start();
        w.command("mnuFilePrintPreview")->trigger();
        QCOMPARE(steps.done(), 1);
        QCOMPARE(previewed, printed);
        QVERIFY(world.prompt.messages.isEmpty());
    }
};

QTEST_MAIN(TestKeyboardAccess)
#include "test_keyboard_access.moc"
