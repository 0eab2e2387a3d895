// The scheme as a document: every change one step to undo and redo, the changed mark
// following the history, and reverting to the theme or file the scheme came from.
#include "EditWindow.h"
#include "scheme/SchemeFile.h"
#include "ui/editor/ColorSwatch.h"
#include "ui/preview/PreviewItem.h"

#include <QCheckBox>
#include <QPushButton>

using Kind = ScriptedDialogs::Kind;

namespace {
QStringList lines(const frmMain& main) {
    return schemeFileLines(main.scheme(), testFileInformation());
}

// A second theme "Other": the bundled one with another body text colour and banner.
void addOtherTheme(TestWorld& world, frmMain& main) {
    const QString studio = world.path(QStringLiteral("Themes/Studio/"));
    const QString other = world.path(QStringLiteral("Themes/Other/"));
    QDir().mkpath(other);
    for (const QString& file : QDir(studio).entryList(QDir::Files))
        QFile::copy(studio + file, other + file);
    QByteArray css = readFile(studio + QStringLiteral("color1.css"));
    css.replace("color: rgb(51, 56, 71);", "color: rgb(1, 2, 3);");
    QFile::remove(other + QStringLiteral("color1.css"));
    writeFile(other + QStringLiteral("color1.css"), css);
    QFile::remove(other + QStringLiteral("banner.gif"));
    QFile::copy(studio + QStringLiteral("qback.gif"), other + QStringLiteral("banner.gif"));
    main.themes().addItem(QStringLiteral("Other"));
}

void clickTextColour(EditWindow& w, int row, qint32 color) {
    w.dialogs->answerColor(color);
    QTest::mouseClick(control<QWidget>(w.main, "lblFGColorSelect", row), Qt::LeftButton);
}

void press(EditWindow& w, const char* keys) {
    QTest::keySequence(&w.main, QKeySequence(QString::fromLatin1(keys)));
}

QImage banner(const frmMain& main) {
    return control<PreviewItem>(main, "imgWebImage", 0)->picture().toImage();
}
} // namespace

class TestUndo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyEditIsOneNamedStep_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("copyBox");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("redoKeys");
        QTest::newRow("text colour") << "lblFGColorSelect" << 4 << ""
                                     << "Heading 2 colour"
                                     << "Ctrl+Y";
        QTest::newRow("background") << "lblBGColorSelect" << 5 << ""
                                    << "Background colour"
                                    << "Ctrl+Shift+Z";
        QTest::newRow("font") << "cmdFontSelect" << 2 << ""
                              << "Body font"
                              << "Ctrl+Y";
        QTest::newRow("Copy FontName") << "cmdFontSelect" << 7 << "chkUseSame_0"
                                       << "Copy FontName"
                                       << "Ctrl+Shift+Z";
        QTest::newRow("Copy Background") << "lblBGColorSelect" << 9 << "chkUseSame_1"
                                         << "Copy Background"
                                         << "Ctrl+Y";
    }
    void everyEditIsOneNamedStep() {
        QFETCH(QString, control);
        QFETCH(int, row);
        QFETCH(QString, copyBox);
        QFETCH(QString, step);
        QFETCH(QString, redoKeys);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        QAction* undo = w.command("mnuEditUndo");
        QAction* redo = w.command("mnuEditRedo");
        QVERIFY(!undo->isEnabled());
        const QStringList before = lines(w.main);
        if (!copyBox.isEmpty())
            QTest::mouseClick(::control<QCheckBox>(w.main, copyBox), Qt::LeftButton);

        if (control == QLatin1String("cmdFontSelect"))
            w.dialogs->answerFont(QStringLiteral("Courier New"), 17, true, false);
        else
            w.dialogs->answerColor(rgbValue(12, 34, 56));
        QTest::mouseClick(::control<QWidget>(w.main, control, row), Qt::LeftButton);
        const QStringList after = lines(w.main);
        QVERIFY(after != before);
        QCOMPARE(undo->text(), QStringLiteral("&Undo ") + step);
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: Untitled *"));

        // Undo from the menu gives back the scheme and shows it, in the panel too.
        undo->trigger();
        QCOMPARE(lines(w.main), before);
        for (int r = 0; r < EditorRowCount; ++r)
            QCOMPARE(::control<ColorSwatch>(w.main, "lblBGColorSelect", r)->colorValue(),
                     w.scheme().color(ColorAttr::Back, elementForRow(r)->colorSlot));
        QCOMPARE(::control<QPushButton>(w.main, "cmdFontSelect", row)->text(),
                 w.scheme().font(FontAttr::Face, elementForRow(row)->fontSlot).toText() +
                     QStringLiteral(" - ") +
                     w.scheme().font(FontAttr::Size, elementForRow(row)->fontSlot).toText());
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: Untitled"));
        QVERIFY(!w.command("mnuFileSave")->isEnabled());
        QCOMPARE(redo->text(), QStringLiteral("&Redo ") + step);

        // Redo by its keys, then undo and redo by theirs.
        press(w, redoKeys.toLatin1().constData());
        QCOMPARE(lines(w.main), after);
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: Untitled *"));
        press(w, "Ctrl+Z");
        QCOMPARE(lines(w.main), before);
        press(w, "Ctrl+Shift+Z");
        QCOMPARE(lines(w.main), after);
        QCOMPARE(world.prompt.messages, QStringList());
    }

    void fiveEditsUndoneSaveTheSameBytes() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QString first = world.path(QStringLiteral("first.tna"));
        w.dialogs->answerFile(Kind::Save, first);
        w.command("mnuFileSaveAs")->trigger();
        const QByteArray saved = readFile(first);

        clickTextColour(w, 2, rgbValue(1, 1, 1));
        clickTextColour(w, 3, rgbValue(2, 2, 2));
        w.dialogs->answerFont(QStringLiteral("georgia"), 10.5f, false, true);
        QTest::mouseClick(control<QWidget>(w.main, "cmdFontSelect", 6), Qt::LeftButton);
        w.dialogs->answerColor(rgbValue(3, 3, 3));
        QTest::mouseClick(control<QWidget>(w.main, "lblBGColorSelect", 8), Qt::LeftButton);
        clickTextColour(w, 2, rgbValue(4, 4, 4));
        for (int i = 0; i < 5; ++i)
            press(w, "Ctrl+Z");

        QVERIFY(!w.command("mnuEditUndo")->isEnabled());
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: ") + first);
        QVERIFY(!w.command("mnuFileSave")->isEnabled());
        const QString second = world.path(QStringLiteral("second.tna"));
        w.dialogs->answerFile(Kind::Save, second);
        w.command("mnuFileSaveAs")->trigger();
        QCOMPARE(readFile(second), saved);
    }

    // The changed mark follows the history: back where it was saved, it goes.
    void changedMarkFollowsTheHistory() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QString path = world.path(QStringLiteral("mine.tna"));
        const QString clean = QStringLiteral("TNA: ") + path;
        const QString changed = clean + QStringLiteral(" *");
        clickTextColour(w, 2, rgbValue(1, 1, 1));
        w.dialogs->answerFile(Kind::Save, path);
        w.command("mnuFileSaveAs")->trigger();
        clickTextColour(w, 2, rgbValue(2, 2, 2));
        QCOMPARE(w.main.windowTitle(), changed);

        const struct {
            const char* keys;
            bool isChanged;
        } moves[] = {{"Ctrl+Z", false}, {"Ctrl+Z", true}, {"Ctrl+Y", false}, {"Ctrl+Y", true}};
        for (const auto& move : moves) {
            press(w, move.keys);
            QCOMPARE(w.main.windowTitle(), move.isChanged ? changed : clean);
            QCOMPARE(w.command("mnuFileSave")->isEnabled(), move.isChanged);
            QCOMPARE(w.scheme().SchemeChanged, move.isChanged);
        }
        // Save marks the history clean wherever it is.
        press(w, "Ctrl+Z");
        press(w, "Ctrl+Z");
        press(w, "Ctrl+S");
        QCOMPARE(w.main.windowTitle(), clean);
        QVERIFY(readFile(path).contains("\tForeColor: 4667443\r\n"));
        press(w, "Ctrl+Y");
        QCOMPARE(w.main.windowTitle(), changed);
    }

    void themeChoiceOverEditsIsOneUndoAway() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        addOtherTheme(world, w.main);
        const QImage studioBanner = banner(w.main);
        clickTextColour(w, 2, rgbValue(9, 9, 9));
        w.dialogs->answerFont(QStringLiteral("Georgia"), 20, true, true);
        QTest::mouseClick(control<QWidget>(w.main, "cmdFontSelect", 3), Qt::LeftButton);
        const QStringList edited = lines(w.main);

        w.command("mnuThemesItem_1")->trigger();
        QCOMPARE(w.scheme().ThemeName, QStringLiteral("Other"));
        QCOMPARE(w.scheme().color(ColorAttr::Fore, 1), rgbValue(1, 2, 3));
        QVERIFY(banner(w.main) != studioBanner);
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: Untitled *"));
        QCOMPARE(w.command("mnuEditUndo")->text(), QStringLiteral("&Undo Theme Other"));

        press(w, "Ctrl+Z");
        QCOMPARE(lines(w.main), edited);
        QCOMPARE(w.scheme().ThemeName, QStringLiteral("Studio"));
        QCOMPARE(banner(w.main), studioBanner);
        QCOMPARE(control<ColorSwatch>(w.main, "lblFGColorSelect", 2)->colorValue(),
                 rgbValue(9, 9, 9));
        QCOMPARE(control<QPushButton>(w.main, "cmdFontSelect", 3)->text(),
                 QStringLiteral("Georgia - 20"));
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: Untitled *"));
        press(w, "Ctrl+Y");
        QCOMPARE(w.scheme().ThemeName, QStringLiteral("Other"));
        QCOMPARE(world.prompt.messages, QStringList());
    }

    // A theme chosen over a clean scheme marks nothing, either way.
    void themeChoiceLeavesTheCaption() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        addOtherTheme(world, w.main);
        w.command("mnuThemesItem_1")->trigger();
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA"));
        QVERIFY(!w.command("mnuFileSave")->isEnabled());
        press(w, "Ctrl+Z");
        QCOMPARE(w.scheme().ThemeName, QStringLiteral("Studio"));
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA"));
        QVERIFY(!w.command("mnuFileSave")->isEnabled());
    }

    // Undoing Open gives back the scheme and its file: Save then never writes the
    // scheme that was there before over the file that was opened.
    void openIsOneUndoAway() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QString mine = world.path(QStringLiteral("mine.tna"));
        const QString blue = world.path(QStringLiteral("blue.tna"));
        clickTextColour(w, 2, rgbValue(0, 0, 255));
        w.dialogs->answerFile(Kind::Save, blue);
        w.command("mnuFileSaveAs")->trigger();
        const QByteArray blueBytes = readFile(blue);
        clickTextColour(w, 2, rgbValue(1, 1, 1));
        w.dialogs->answerFile(Kind::Save, mine);
        w.command("mnuFileSaveAs")->trigger();
        clickTextColour(w, 2, rgbValue(2, 2, 2));
        const QStringList edited = lines(w.main);

        w.dialogs->answerFile(Kind::Open, blue);
        w.command("mnuFileOpen")->trigger();
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: blue *"));
        QCOMPARE(w.scheme().color(ColorAttr::Fore, 1), rgbValue(0, 0, 255));
        QCOMPARE(w.command("mnuEditUndo")->text(), QStringLiteral("&Undo Open blue.tna"));

        press(w, "Ctrl+Z");
        QCOMPARE(lines(w.main), edited);
        QCOMPARE(w.scheme().SchemeFileName, mine);
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: ") + mine + QStringLiteral(" *"));
        QCOMPARE(control<ColorSwatch>(w.main, "lblFGColorSelect", 2)->colorValue(),
                 rgbValue(2, 2, 2));
        press(w, "Ctrl+S");
        QCOMPARE(readFile(blue), blueBytes);
        QVERIFY(readFile(mine).contains("\tForeColor: 131586\r\n"));

        // Redone over the scheme just saved, Open marks nothing, as ever.
        press(w, "Ctrl+Y");
        QCOMPARE(w.scheme().SchemeFileName, blue);
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: blue"));
    }

    void revertRowAndRevertAll() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QStringList loaded = lines(w.main);
        const ColorScheme base = w.scheme();
        QAction* revertRow = w.command("mnuEditRevertRow");
        QAction* revertAll = w.command("mnuEditRevertAll");
        QVERIFY(!revertRow->isEnabled());
        QVERIFY(!revertAll->isEnabled());
        w.dialogs->answerFont(QStringLiteral("Georgia"), 20, true, true);
        QTest::mouseClick(control<QWidget>(w.main, "cmdFontSelect", 3), Qt::LeftButton);
        clickTextColour(w, 5, rgbValue(7, 7, 7));

        // The row last clicked: Heading 3's text colour goes back, Heading 1 keeps its font.
        QVERIFY(revertRow->isEnabled());
        revertRow->trigger();
        QCOMPARE(w.scheme().color(ColorAttr::Fore, 4), base.color(ColorAttr::Fore, 4));
        QCOMPARE(control<ColorSwatch>(w.main, "lblFGColorSelect", 5)->colorValue(),
                 base.color(ColorAttr::Fore, 4));
        QCOMPARE(w.scheme().font(FontAttr::Face, 2).toText(), QStringLiteral("Georgia"));
        QCOMPARE(w.command("mnuEditUndo")->text(), QStringLiteral("&Undo Revert Heading 3"));
        QVERIFY(!revertRow->isEnabled());

        // The row whose button has the focus.
        QPushButton* heading1 = control<QPushButton>(w.main, "cmdFontSelect", 3);
        heading1->setFocus();
        QTRY_VERIFY(revertRow->isEnabled());
        revertRow->trigger();
        QCOMPARE(lines(w.main), loaded);
        QVERIFY(!revertAll->isEnabled());

        clickTextColour(w, 2, rgbValue(8, 8, 8));
        w.dialogs->answerColor(rgbValue(6, 6, 6));
        QTest::mouseClick(control<QWidget>(w.main, "lblBGColorSelect", 0), Qt::LeftButton);
        revertAll->trigger();
        QCOMPARE(lines(w.main), loaded);
        QCOMPARE(w.command("mnuEditUndo")->text(), QStringLiteral("&Undo Revert All"));
        press(w, "Ctrl+Z");
        QCOMPARE(w.scheme().pageBackground(), rgbValue(6, 6, 6));
        QCOMPARE(w.scheme().color(ColorAttr::Fore, 1), rgbValue(8, 8, 8));
    }

    // A click on a row's name selects that row for Revert, whose menu item names it,
    // whatever swatch was touched last.
    void clickOnARowsNameSelectsItForRevert() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const ColorScheme base = w.scheme();
        QAction* revertRow = w.command("mnuEditRevertRow");
        QCOMPARE(revertRow->text(), QStringLiteral("Revert &Row"));
        w.dialogs->answerFont(QStringLiteral("Georgia"), 20, true, true);
        QTest::mouseClick(control<QWidget>(w.main, "cmdFontSelect", 3), Qt::LeftButton);
        clickTextColour(w, 5, rgbValue(7, 7, 7));
        QCOMPARE(revertRow->text(), QStringLiteral("Revert Heading 3"));

        auto* name = control<QLabel>(w.main, "lblItemName", 3);
        QTest::mouseClick(name, Qt::LeftButton);
        QCOMPARE(revertRow->text(), QStringLiteral("Revert Heading 1"));
        QVERIFY(name->autoFillBackground());
        QVERIFY(!control<QLabel>(w.main, "lblItemName", 5)->autoFillBackground());
        QVERIFY(revertRow->isEnabled());
        revertRow->trigger();
        QCOMPARE(w.scheme().font(FontAttr::Face, 2), base.font(FontAttr::Face, 2));
        QCOMPARE(w.scheme().color(ColorAttr::Fore, 4), rgbValue(7, 7, 7));
        QCOMPARE(w.command("mnuEditUndo")->text(), QStringLiteral("&Undo Revert Heading 1"));
    }
};

QTEST_MAIN(TestUndo)
#include "test_undo.moc"
