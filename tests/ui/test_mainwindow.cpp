#include "support/Controls.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "support/ThemeFixtures.h"
#include "ui/editor/ColorSwatch.h"
#include "ui/editor/EditorPanel.h"
#include "ui/preview/PreviewItem.h"
#include "ui/preview/PreviewPage.h"
#include "ui/window/frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTest>

using SaveAnswer = DialogService::SaveAnswer;

namespace {
// A main window with a scripted dialog service, the scripted service kept at hand.
struct Window {
    frmMain main;
    ScriptedDialogs* dialogs = nullptr;

    Window() {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        main.setDialogService(std::move(scripted));
    }

    void markChanged() {
        main.scheme().SchemeChanged = true;
        main.UpdateFormCaption(main.scheme().SchemeFileName);
    }

    // Puts the bundled Default theme into the test's Themes folder and chooses it,
    // as the start-up does, so that the scheme is complete.
    void chooseDefaultTheme(TestWorld& world) {
        installTheme(world, QStringLiteral("Studio"));
        main.themes().mnuThemesItem_Click(0);
    }

    static void installTheme(TestWorld& world, const QString& name) {
        QVERIFY(copyStudioTheme(world.path(QStringLiteral("Themes")), name));
    }

    QAction* action(const char* name) const { return control<QAction>(main, name); }
    PreviewPage* preview() const { return control<PreviewPage>(main, "picDisplay"); }

    // The window's size as the resize rule makes it in the normal state: the size that
    // fits the preview, within the screen's available area, widened for the vertical
    // scroll bar where the height had to give.
    QSize snappedSize() const {
        const QSize frame = main.frameGeometry().size() - main.geometry().size();
        const int status = main.findChild<QStatusBar*>()->sizeHint().height();
        const QSize fitted =
            QSize(preview()->x() + preview()->width() + 16, preview()->height() + 52 + status) -
            frame;
        const QSize largest = main.screen()->availableGeometry().size() - frame;
        QSize size = fitted.boundedTo(largest);
        if (size.height() < fitted.height())
            size.setWidth(qMin(largest.width(), fitted.width() + main.style()->pixelMetric(
                                                                     QStyle::PM_ScrollBarExtent)));
        return size;
    }
};
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void controlsAtDesignGeometry_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("pixels");
        // Twips / 15, rounded: the table's positions on the client area.
        QTest::newRow("lblTitle(0)") << "lblTitle_0" << QRect(16, 0, 97, 17);
        QTest::newRow("lblTitle(1)") << "lblTitle_1" << QRect(168, 0, 97, 17);
        QTest::newRow("lblItemName(0)") << "lblItemName_0" << QRect(0, 24, 97, 17);
        QTest::newRow("lblItemName(12)") << "lblItemName_12" << QRect(0, 312, 97, 17);
        QTest::newRow("lblFGColorSelect(1)") << "lblFGColorSelect_1" << QRect(104, 40, 25, 25);
        QTest::newRow("lblBGColorSelect(0)") << "lblBGColorSelect_0" << QRect(128, 16, 25, 25);
        QTest::newRow("lblBGColorSelect(12)") << "lblBGColorSelect_12" << QRect(128, 304, 25, 25);
        QTest::newRow("cmdFontSelect(0)") << "cmdFontSelect_0" << QRect(168, -8, 121, 17);
        QTest::newRow("cmdFontSelect(7)") << "cmdFontSelect_7" << QRect(160, 184, 145, 25);
        QTest::newRow("Check1") << "Check1" << QRect(168, 16, 121, 17);
        QTest::newRow("chkUseSame(0)") << "chkUseSame_0" << QRect(176, 328, 97, 17);
        QTest::newRow("chkUseSame(1)") << "chkUseSame_1" << QRect(48, 336, 105, 17);
        QTest::newRow("chkTransLabels") << "chkTransLabels" << QRect(176, 344, 113, 17);
        // The contrast marks' column right of the font buttons, and its title.
        QTest::newRow("lblTitle(2)") << "lblTitle_2" << QRect(309, 0, 48, 17);
        QTest::newRow("lblContrast(1)") << "lblContrast_1" << QRect(309, 40, 48, 25);
        QTest::newRow("lblContrast(12)") << "lblContrast_12" << QRect(309, 304, 48, 25);
    }
    void controlsAtDesignGeometry() {
        QFETCH(QString, control);
        QFETCH(QRect, pixels);
        TestWorld world;
        frmMain main;
        QWidget* widget = ::control<QWidget>(main, control);
        // Positions are on the window's client area, whatever holds the control.
        QWidget* clientArea = ::control<QWidget>(main, "clientArea");
        QVERIFY(clientArea->isAncestorOf(widget));
        QCOMPARE(QRect(widget->mapTo(clientArea, QPoint(0, 0)), widget->size()), pixels);
    }

    void windowDesign() {
        TestWorld world;
        frmMain main;
        QCOMPARE(main.windowTitle(), QStringLiteral("TNA"));
        QVERIFY(!control<QAction>(main, "mnuFileSave")->isEnabled());
        auto* picDisplay = control<PreviewPage>(main, "picDisplay");
        QCOMPARE(picDisplay->parentWidget(), control<QWidget>(main, "clientArea"));
        // The design's preview at 4560 twips moves right of the contrast marks, 5400, and
        // the design's client area, 14175 x 12405 twips below the menu bar, grows by as
        // much.
        QCOMPARE(picDisplay->pos(), QPoint(360, 0));
        // The status bar below the client area takes room of its own.
        QCOMPARE(main.size() - QSize(0, main.menuBar()->sizeHint().height() +
                                            main.statusBar()->sizeHint().height()),
                 QSize(1001, 827));
        QCOMPARE(control<QMenu>(main, "mnuFile")->title(), QStringLiteral("&File"));
        QCOMPARE(control<QMenu>(main, "mnuThemes")->title(), QStringLiteral("&Themes"));
        QCOMPARE(control<QAction>(main, "mnuFileSaveAs")->shortcuts().value(0),
                 QKeySequence(QStringLiteral("Ctrl+A")));
        QCOMPARE(control<QAction>(main, "mnuThemesItem", 0)->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(main.scheme().FontSizeTable[5], qint16(24));
        // A few preview controls, relative to picDisplay.
        QCOMPARE(control<QWidget>(*picDisplay, "lblDisplayItemName", 0)->pos(), QPoint(8, 8));
        QCOMPARE(control<QWidget>(*picDisplay, "imgWebImage", 0)->pos(), QPoint(8, 32));
        QCOMPARE(control<QWidget>(*picDisplay, "imgWebImage", 19)->pos(), QPoint(8, 760));
    }

    void previewOptionsFollowTheBoxes() {
        TestWorld world;
        world.setUpGlobals();
        Window w;
        w.chooseDefaultTheme(world);
        w.main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        PreviewPage& page = *w.preview();
        QWidget* background = control<QWidget>(page, "imgDisplayBackground");
        QWidget* banner = control<QWidget>(page, "lblDisplayBanner");
        auto* Check1 = control<QCheckBox>(w.main, "Check1");
        auto* chkTransLabels = control<QCheckBox>(w.main, "chkTransLabels");
        QVERIFY(!background->isVisibleTo(&page));
        QVERIFY(!banner->autoFillBackground());

        QTest::mouseClick(Check1, Qt::LeftButton);
        QVERIFY(background->isVisibleTo(&page));
        QTest::mouseClick(chkTransLabels, Qt::LeftButton);
        QVERIFY(banner->autoFillBackground());
        QVERIFY(control<QWidget>(page, "lblQuickLinks", 3)->autoFillBackground());
        QVERIFY(!control<QWidget>(page, "lblSelQuickLinks", 0)->autoFillBackground());

        // A refresh keeps what the options set; clicking again undoes them.
        QTest::keyClick(&w.main, Qt::Key_F5);
        QVERIFY(background->isVisibleTo(&page));
        QVERIFY(banner->autoFillBackground());
        QTest::mouseClick(Check1, Qt::LeftButton);
        QTest::mouseClick(chkTransLabels, Qt::LeftButton);
        QVERIFY(!background->isVisibleTo(&page));
        QVERIFY(!banner->autoFillBackground());
        QVERIFY(!w.main.scheme().SchemeChanged);
        QCOMPARE(world.prompt.messages, QStringList());
    }

    void captionAndSaveState() {
        TestWorld world;
        frmMain main;
        QString name;
        main.UpdateFormCaption(name);
        QCOMPARE(name, QStringLiteral("Untitled"));
        QCOMPARE(main.windowTitle(), QStringLiteral("TNA: Untitled"));
        QVERIFY(!control<QAction>(main, "mnuFileSave")->isEnabled());

        main.scheme().SchemeChanged = true;
        main.UpdateFormCaption(main.scheme().SchemeFileName);
        QCOMPARE(main.scheme().SchemeFileName, QStringLiteral("Untitled"));
        QCOMPARE(main.windowTitle(), QStringLiteral("TNA: Untitled *"));
        QVERIFY(control<QAction>(main, "mnuFileSave")->isEnabled());

        main.scheme().SchemeChanged = false;
        QString path = QStringLiteral("/schemes/blue.tna");
        main.UpdateFormCaption(path);
        QCOMPARE(main.windowTitle(), QStringLiteral("TNA: /schemes/blue.tna"));
        QVERIFY(!control<QAction>(main, "mnuFileSave")->isEnabled());
    }

    void choosingAThemeKeepsTheChangedMark() {
        TestWorld world;
        world.setUpGlobals();
        Window w;
        w.main.scheme().SchemeFileName = QStringLiteral("/x/mine.tna");
        w.markChanged();
        w.main.themes().mnuThemesItem_Click(0);
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: /x/mine.tna *"));
        QVERIFY(w.action("mnuFileSave")->isEnabled());
        QVERIFY(w.main.scheme().SchemeChanged);
        QCOMPARE(w.main.scheme().SchemeFileName, QStringLiteral("/x/mine.tna"));
    }

    void f5FromAFocusedControlRedrawsThePanel() {
        TestWorld world;
        world.setUpGlobals();
        Window w;
        w.chooseDefaultTheme(world);
        QCOMPARE(world.prompt.messages, QStringList());
        frmMain& main = w.main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        auto* heading = control<QPushButton>(main, "cmdFontSelect", 3);
        heading->setFocus();
        QTRY_VERIFY(heading->hasFocus());
        main.scheme().font(FontAttr::Face, 2) = SchemeValue::text(QStringLiteral("Verdana"));
        main.scheme().font(FontAttr::Size, 2) = SchemeValue::text(QStringLiteral("10"));
        main.scheme().color(ColorAttr::Fore, 2) = rgbValue(0, 128, 0);

        const QString before = heading->text();
        QTest::keyClick(heading, Qt::Key_F4);
        QCOMPARE(heading->text(), before);

        QTest::keyClick(heading, Qt::Key_F5);
        QCOMPARE(heading->text(), QStringLiteral("Verdana - 10"));
        QCOMPARE(control<QWidget>(main, "lblDisplayHeading", 1)->font().family(),
                 QStringLiteral("Verdana"));
        QCOMPARE(control<ColorSwatch>(main, "lblFGColorSelect", 3)->colorValue(),
                 rgbValue(0, 128, 0));
        QVERIFY(!main.scheme().SchemeChanged);
        QCOMPARE(main.windowTitle(), QStringLiteral("TNA"));

        // The shift state does not matter, and a check box with the focus passes F5 on too.
        main.scheme().font(FontAttr::Size, 2) = SchemeValue::integer(12);
        auto* chkTransLabels = control<QCheckBox>(main, "chkTransLabels");
        chkTransLabels->setFocus();
        QTest::keyClick(chkTransLabels, Qt::Key_F5, Qt::ShiftModifier);
        QCOMPARE(heading->text(), QStringLiteral("Verdana - 12"));
        QCOMPARE(world.prompt.messages, QStringList());
    }

    void themeSwatchesShowTheBodyBackground() {
        // A body rule with a white background paints every row's background swatch
        // white, except the navigation text's, which the later BUTTON rule sets.
        TestWorld world;
        world.setUpGlobals();
        Window w;
        w.chooseDefaultTheme(world);
        Window::installTheme(world, QStringLiteral("White"));
        const QString css = world.path(QStringLiteral("Themes/White/color1.css"));
        QByteArray text = readFile(css);
        text.replace("background-color: rgb(250, 247, 241);", "background-color: white;");
        QFile::remove(css);
        writeFile(css, text);
        w.main.themes().addItem(QStringLiteral("White"));
        w.main.themes().mnuThemesItem_Click(1);
        QCOMPARE(world.prompt.messages, QStringList());
        const qint32 white = rgbValue(255, 255, 255);
        for (int row = 0; row <= 11; ++row)
            QCOMPARE(control<ColorSwatch>(w.main, "lblBGColorSelect", row)->colorValue(), white);
        QCOMPARE(control<ColorSwatch>(w.main, "lblBGColorSelect", 12)->colorValue(),
                 rgbValue(43, 51, 72));
        QCOMPARE(w.main.scheme().ThemeName, QStringLiteral("White"));
    }

    void missingPicturesAreReportedOnceByTheWindow() {
        TestWorld world;
        world.setUpGlobals();
        Window w;
        Window::installTheme(world, QStringLiteral("Studio"));
        const QString missing = world.path(QStringLiteral("Themes/Studio/hnav.gif"));
        QVERIFY(QFile::remove(missing));
        QVERIFY(QFile::remove(world.path(QStringLiteral("Themes/Studio/banner.gif"))));
        w.main.themes().mnuThemesItem_Click(0);
        QVERIFY(world.prompt.messages.isEmpty());
        QCOMPARE(world.prompt.informed.size(), 1);
        const QStringList lines = world.prompt.informed[0].split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), QStringLiteral("This theme didn't load correctly"));
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines.contains(missing));
        // F5 redraws the same scheme without a word; choosing the theme again says it
        // once more, and a complete theme reports nothing.
        w.main.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        QTest::keyClick(&w.main, Qt::Key_F5);
        QCOMPARE(world.prompt.informed.size(), 1);
        w.main.themes().mnuThemesItem_Click(0);
        QCOMPARE(world.prompt.informed.size(), 2);
        QCOMPARE(world.prompt.informed[1], world.prompt.informed[0]);
        Window::installTheme(world, QStringLiteral("Whole"));
        w.main.themes().addItem(QStringLiteral("Whole"));
        w.main.themes().mnuThemesItem_Click(1);
        QCOMPARE(world.prompt.informed.size(), 2);
    }

    // The window opens at the size that fits the preview and then keeps the size the
    // user gives it: the editor stays where it is, the preview is centred in the room
    // right of it, or scrolls with the editor where the room is smaller.
    void resizeKeepsTheUsersSize() {
        TestWorld world;
        Window w;
        w.main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        QTRY_COMPARE(w.main.size(), w.snappedSize());
        const QSize snapped = w.main.size();
        const QRect preview = w.preview()->geometry();
        auto* scroller = w.main.findChild<QScrollArea*>();
        auto* editor = control<QWidget>(w.main, "EditorPanel");
        auto* clientArea = control<QWidget>(w.main, "clientArea");
        const int fittedWidth = clientArea->width();

        w.main.resize(500, 400);
        QTRY_COMPARE(w.main.size(), QSize(500, 400));
        QCOMPARE(w.preview()->geometry(), preview);
        QVERIFY(scroller->horizontalScrollBar()->maximum() > 0);
        QVERIFY(scroller->verticalScrollBar()->maximum() > 0);

        w.main.resize(snapped.width() + 200, snapped.height() + 100);
        QTRY_COMPARE(w.main.size(), QSize(snapped.width() + 200, snapped.height() + 100));
        QCOMPARE(editor->pos(), QPoint(0, 0));
        QCOMPARE(w.preview()->size(), preview.size());
        QCOMPARE(w.preview()->y(), preview.y());
        // The room gained, shared on both sides of the preview.
        QTRY_VERIFY(w.preview()->x() >= preview.x() + 100);
        QVERIFY(qAbs(w.preview()->x() - preview.x() - (clientArea->width() - fittedWidth) / 2) <=
                1);
        QCOMPARE(scroller->horizontalScrollBar()->maximum(), 0);
        QVERIFY(world.prompt.messages.isEmpty());
    }

    void minimiseAndMaximiseKeepThePreview() {
        TestWorld world;
        Window w;
        w.main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        QTRY_COMPARE(w.main.size(), w.snappedSize());
        const QSize snapped = w.main.size();
        const QRect preview = w.preview()->geometry();

        w.main.showMinimized();
        QTRY_VERIFY(w.main.windowState() & Qt::WindowMinimized);
        QCOMPARE(w.preview()->geometry(), preview);
        QVERIFY(world.prompt.messages.isEmpty());

        // Maximised, the preview keeps its size, centred in the room it has.
        w.main.showMaximized();
        QTRY_VERIFY(w.main.windowState() & Qt::WindowMaximized);
        QTRY_VERIFY(w.main.size() != snapped);
        QCOMPARE(w.preview()->size(), preview.size());
        QTRY_VERIFY(w.preview()->x() > preview.x());

        w.main.showNormal();
        QTRY_COMPARE(w.main.size(), snapped);
        QTRY_COMPARE(w.preview()->geometry(), preview);
        QVERIFY(world.prompt.messages.isEmpty());
    }

    void quitWithoutChangesAsksNothing() {
        TestWorld world;
        Window w;
        w.main.show();
        w.action("mnuFileQuit")->trigger();
        QVERIFY(!w.main.isVisible());
        QVERIFY(w.dialogs->calls.isEmpty());
    }

    void quitWithChangesAsks_data() {
        QTest::addColumn<bool>("viaCloseButton");
        QTest::newRow("Quit") << false;
        QTest::newRow("close button") << true;
    }
    void quitWithChangesAsks() {
        QFETCH(bool, viaCloseButton);
        TestWorld world;
        world.setUpGlobals();
        Window w;
        const QString path = world.path(QStringLiteral("kept.tna"));
        w.main.scheme().SchemeFileName = path;
        w.markChanged();
        w.main.show();
        auto quit = [&] {
            if (viaCloseButton)
                w.main.close();
            else
                w.action("mnuFileQuit")->trigger();
        };

        // Cancel keeps the program running, with the changes.
        w.dialogs->answerSaveChanges(SaveAnswer::Cancel);
        quit();
        QVERIFY(w.main.isVisible());
        QVERIFY(w.main.scheme().SchemeChanged);
        QCOMPARE(w.dialogs->calls.size(), 1);
        QCOMPARE(w.dialogs->calls[0].kind, ScriptedDialogs::Kind::SaveChanges);
        QCOMPARE(w.dialogs->calls[0].documentName, QStringLiteral("kept.tna"));
        QVERIFY(!QFile::exists(path));

        // Save writes the scheme and then the window closes.
        w.dialogs->answerSaveChanges(SaveAnswer::Save);
        quit();
        QVERIFY(!w.main.isVisible());
        QVERIFY(!w.main.scheme().SchemeChanged);
        QVERIFY(readFile(path).startsWith("FILE INFORMATION\r\n"));
        QCOMPARE(w.dialogs->pending(), 0);
    }

    void discardClosesWithoutWriting() {
        TestWorld world;
        world.setUpGlobals();
        Window w;
        w.markChanged();
        w.main.show();
        w.dialogs->answerSaveChanges(SaveAnswer::Discard);
        QVERIFY(w.main.close());
        QVERIFY(!w.main.isVisible());
        QCOMPARE(QDir(world.dir.path()).entryList(QDir::Files), QStringList());
    }

    void saveOfAnUntitledSchemeAsksForAName() {
        TestWorld world;
        world.setUpGlobals();
        Window w;
        w.markChanged();
        QCOMPARE(w.main.scheme().SchemeFileName, QStringLiteral("Untitled"));
        w.main.show();

        // Cancelling the name keeps the window open and the changes unsaved.
        w.dialogs->answerSaveChanges(SaveAnswer::Save).answerCancel(ScriptedDialogs::Kind::Save);
        QVERIFY(!w.main.close());
        QVERIFY(w.main.scheme().SchemeChanged);
        QVERIFY(!QFile::exists(QStringLiteral("Untitled")));

        const QString path = world.path(QStringLiteral("chosen.tna"));
        w.dialogs->answerSaveChanges(SaveAnswer::Save)
            .answerFile(ScriptedDialogs::Kind::Save, path);
        QVERIFY(w.main.close());
        QVERIFY(QFile::exists(path));
        const DialogProperties& shown = w.dialogs->calls.last().shownWith;
        QCOMPARE(shown.Filter, QStringLiteral("All Files (*.*)|*.*|Tintora Scheme (*.tna)|*.tna"));
        QCOMPARE(shown.FilterIndex, 2);
        QCOMPARE(w.main.scheme().SchemeFileName, path);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
