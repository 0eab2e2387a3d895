// What the main window remembers between runs, File > Open Recent, and files dropped
// onto the window. Each test keeps its settings in a file of its own temporary folder.
#include "EditWindow.h"
#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "support/UnusualFiles.h"
#include "ui/window/Remembered.h"

#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QUrl>

using Kind = ScriptedDialogs::Kind;

namespace {
std::unique_ptr<QSettings> settingsIn(const TestWorld& world) {
    return std::make_unique<QSettings>(world.path(QStringLiteral("tintora.conf")),
                                       QSettings::IniFormat);
}

// The window's scheme written as a scheme file at `relative` in the world's folder.
QString schemeFile(const TestWorld& world, frmMain& main, const QString& relative) {
    const QString path = world.path(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    Procedure proc(QStringLiteral("test.schemeFile"));
    if (!writeSchemeFile(proc, main.scheme(), testFileInformation(), path))
        qFatal("could not write %s", qPrintable(path));
    return path;
}

// File > Open Recent's items as shown after the menu is opened: text and enabled.
QList<QPair<QString, bool>> recentItems(frmMain& main) {
    auto* menu = control<QMenu>(main, "mnuFileRecent");
    Q_EMIT menu->aboutToShow();
    QList<QPair<QString, bool>> items;
    for (QAction* action : menu->actions())
        if (action->objectName().startsWith(QStringLiteral("mnuFileRecentItem_")))
            items.append({action->text(), action->isEnabled()});
    return items;
}

// Whether the window takes `urls` dragged over it, and what a drop of them does.
bool dragAccepted(frmMain& main, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&main, &enter);
    return enter.isAccepted();
}

// A drag over the window ended by letting go, as the window system delivers it: the
// drop reaches the window only when it took the drag.
void drop(frmMain& main, const QList<QUrl>& urls) {
    if (!dragAccepted(main, urls))
        return;
    QMimeData data;
    data.setUrls(urls);
    QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&main, &event);
}
} // namespace

class TestRemember : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A settings file is read whole: a huge one or a pipe in its place is left alone
    // and nothing is remembered, at once; an ordinary one is used.
    void onlyAnOrdinarySettingsFileIsRead_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("used");
        QTest::newRow("missing") << "missing" << true;
        QTest::newRow("ordinary") << "ordinary" << true;
        QTest::newRow("sparse 1 GiB") << "sparse" << false;
        QTest::newRow("pipe") << "pipe" << false;
    }
    void onlyAnOrdinarySettingsFileIsRead() {
        QFETCH(QString, kind);
        QFETCH(bool, used);
        TestWorld world;
        const QString path = world.path(QStringLiteral("tintora.ini"));
        if (kind == QLatin1String("ordinary"))
            writeFile(path, "[preview]\nshowBackgroundImage=true\n");
        else if (kind == QLatin1String("sparse"))
            QVERIFY(makeSparseFile(path, qint64(1) << 30));
        else if (kind == QLatin1String("pipe"))
            QVERIFY(makePipe(path));
        std::unique_ptr<QSettings> settings;
        QVERIFY(returnsAtOnce([&] { settings = Remembered::openSettings(path); }, path));
        QCOMPARE(settings != nullptr, used);
        if (kind == QLatin1String("ordinary"))
            QVERIFY(Remembered::previewOptions(*settings).backgroundPicture);
    }

    void recentListOrder_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("first") << QStringList{} << "/a" << QStringList{"/a"};
        QTest::newRow("newest first")
            << QStringList{"/a", "/b"} << "/c" << QStringList{"/c", "/a", "/b"};
        QTest::newRow("again moves up")
            << QStringList{"/a", "/b", "/c"} << "/c" << QStringList{"/c", "/a", "/b"};
        QTest::newRow("eight at most")
            << QStringList{"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"} << "/9"
            << QStringList{"/9", "/1", "/2", "/3", "/4", "/5", "/6", "/7"};
        QTest::newRow("case differs") << QStringList{"/A"} << "/a" << QStringList{"/a", "/A"};
    }
    void recentListOrder() {
        QFETCH(QStringList, before);
        QFETCH(QString, added);
        QFETCH(QStringList, after);
        QCOMPARE(Remembered::withRecentFile(before, added), after);
    }

    void positionStaysOnAPresentScreen_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QPoint>("placed");
        // Two screens side by side, the right one's task bar taking 40 pixels.
        QTest::newRow("inside") << QRect(100, 50, 800, 600) << QPoint(100, 50);
        QTest::newRow("over the right edge") << QRect(900, 50, 800, 600) << QPoint(566, 50);
        QTest::newRow("on the second screen") << QRect(1500, 100, 800, 600) << QPoint(1500, 100);
        QTest::newRow("below the second's work area")
            << QRect(1500, 500, 800, 600) << QPoint(1500, 1080 - 40 - 600);
        QTest::newRow("on a screen gone") << QRect(5000, 3000, 800, 600) << QPoint(566, 168);
        QTest::newRow("above and left") << QRect(-300, -200, 800, 600) << QPoint(0, 0);
        QTest::newRow("larger than the screen") << QRect(200, 100, 2000, 900) << QPoint(0, 0);
    }
    void positionStaysOnAPresentScreen() {
        QFETCH(QRect, frame);
        QFETCH(QPoint, placed);
        const QList<QRect> screens{QRect(0, 0, 1366, 768), QRect(1366, 0, 1920, 1080 - 40)};
        QCOMPARE(Remembered::positionOnScreens(frame, screens), placed);
        QCOMPARE(Remembered::positionOnScreens(frame, {}), frame.topLeft());
    }

    void openRecentListsEightNewestFirstGreysMissingAndClears() {
        TestWorld world;
        world.setUpGlobals();
        QStringList paths;
        {
            EditWindow w(world);
            w.main.useSettings(settingsIn(world));
            QVERIFY(recentItems(w.main).isEmpty());
            QVERIFY(!w.command("mnuFileRecentClear")->isEnabled());
            for (int i = 1; i <= 9; ++i) {
                paths.append(schemeFile(world, w.main, QStringLiteral("s%1.tna").arg(i)));
                w.main.files().openFile(paths.last());
            }
            // A file that holds no scheme is not listed.
            writeFile(world.path(QStringLiteral("junk.tna")), "no scheme here\r\n");
            w.main.files().openFile(world.path(QStringLiteral("junk.tna")));
            QVERIFY2(world.prompt.informed.size() == 1,
                     qPrintable(world.prompt.informed.join("|")));
            QFile::remove(paths[5]);
            const QList<QPair<QString, bool>> expected{
                {"&1 s9.tna", true}, {"&2 s8.tna", true}, {"&3 s7.tna", true}, {"&4 s6.tna", false},
                {"&5 s5.tna", true}, {"&6 s4.tna", true}, {"&7 s3.tna", true}, {"&8 s2.tna", true}};
            QCOMPARE(recentItems(w.main), expected);
        }
        // The next run lists the same files; an item opens its file as Open does.
        EditWindow again(world);
        again.main.useSettings(settingsIn(world));
        QCOMPARE(recentItems(again.main).size(), 8);
        QCOMPARE(again.main.recentFiles().first(), paths[8]);
        control<QAction>(again.main, "mnuFileRecentItem", 2)->trigger();
        QCOMPARE(again.main.windowTitle(), QStringLiteral("TNA: s7"));
        QCOMPARE(again.main.recentFiles().first(), paths[6]);

        QVERIFY(again.command("mnuFileRecentClear")->isEnabled());
        again.command("mnuFileRecentClear")->trigger();
        QVERIFY(recentItems(again.main).isEmpty());
        QVERIFY(!again.command("mnuFileRecentClear")->isEnabled());
        QVERIFY(Remembered::recentFiles(*settingsIn(world)).isEmpty());
    }

    void openAndSaveAsRememberTheFileAndItsFolder() {
        TestWorld world;
        world.setUpGlobals();
        QDir().mkpath(world.path(QStringLiteral("out")));
        {
            EditWindow w(world);
            const QString opened = schemeFile(world, w.main, QStringLiteral("in/a.tna"));
            w.main.useSettings(settingsIn(world));
            w.dialogs->answerFile(Kind::Open, opened);
            w.command("mnuFileOpen")->trigger();
            w.dialogs->answerFile(Kind::Save, world.path(QStringLiteral("out/b.tna")));
            w.command("mnuFileSaveAs")->trigger();
            QCOMPARE(w.main.recentFiles(),
                     (QStringList{world.path(QStringLiteral("out/b.tna")), opened}));
        }
        // A new scheme's dialogs start where the last one was saved.
        EditWindow again(world);
        again.main.useSettings(settingsIn(world));
        again.dialogs->answerCancel(Kind::Open);
        again.command("mnuFileOpen")->trigger();
        QCOMPARE(again.dialogs->calls.last().shownWith.InitDir, world.path(QStringLiteral("out")));
        // A folder gone since: the data folder, as without a memory.
        QDir(world.path(QStringLiteral("out"))).removeRecursively();
        again.dialogs->answerCancel(Kind::Open);
        again.command("mnuFileOpen")->trigger();
        QCOMPARE(again.dialogs->calls.last().shownWith.InitDir, globals().AppDataPath);
    }

    void previewOptionsAreRemembered() {
        TestWorld world;
        world.setUpGlobals();
        {
            EditWindow w(world);
            w.main.useSettings(settingsIn(world));
            QTest::mouseClick(control<QCheckBox>(w.main, "Check1"), Qt::LeftButton, Qt::NoModifier,
                              QPoint(5, 5));
            QTest::mouseClick(control<QCheckBox>(w.main, "chkTransLabels"), Qt::LeftButton,
                              Qt::NoModifier, QPoint(5, 5));
        }
        EditWindow again(world);
        QVERIFY(!control<QCheckBox>(again.main, "Check1")->isChecked());
        again.main.useSettings(settingsIn(world));
        QVERIFY(control<QCheckBox>(again.main, "Check1")->isChecked());
        QVERIFY(!control<QCheckBox>(again.main, "chkTransLabels")->isChecked());
        QVERIFY(control<QWidget>(again.main, "imgDisplayBackground")
                    ->isVisibleTo(control<QWidget>(again.main, "picDisplay")));
    }

    void viewChoicesAreRemembered() {
        TestWorld world;
        world.setUpGlobals();
        {
            EditWindow w(world);
            w.main.useSettings(settingsIn(world));
            w.command("mnuViewLevelAAA")->trigger();
            control<QAction>(w.main, "mnuViewSimulateTritanopia")->trigger();
            QTest::qWait(0);
        }
        EditWindow again(world);
        again.main.useSettings(settingsIn(world));
        QCOMPARE(again.main.accessibility().contrastLevel(), ContrastLevel::AAA);
        QCOMPARE(again.main.accessibility().simulation(), Deficiency::Tritanopia);
        QVERIFY(again.command("mnuViewLevelAAA")->isChecked());
        // A value no version wrote reads as the default.
        settingsIn(world)->setValue(QStringLiteral("view/contrastLevel"), QStringLiteral("AAAA"));
        EditWindow third(world);
        third.main.useSettings(settingsIn(world));
        QCOMPARE(third.main.accessibility().contrastLevel(), ContrastLevel::AA);
    }

    void positionIsRememberedAndKeptOnTheScreen() {
        TestWorld world;
        world.setUpGlobals();
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QPoint closedAt;
        {
            frmMain main;
            main.useSettings(settingsIn(world));
            main.show();
            QVERIFY(QTest::qWaitForWindowExposed(&main));
            main.move(area.topLeft() + QPoint(7, 5));
            QTRY_COMPARE(main.pos(), area.topLeft() + QPoint(7, 5));
            closedAt = main.pos();
            main.close();
        }
        {
            frmMain main;
            main.useSettings(settingsIn(world));
            main.show();
            QVERIFY(QTest::qWaitForWindowExposed(&main));
            QCOMPARE(main.pos(), closedAt);
        }
        // Stored on a screen since unplugged: back inside the screen there is.
        auto settings = settingsIn(world);
        Remembered::setWindowPosition(*settings, QPoint(20000, 15000));
        settings.reset();
        frmMain main;
        main.useSettings(settingsIn(world));
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QVERIFY2(area.contains(main.frameGeometry().topLeft()),
                 qPrintable(QStringLiteral("%1,%2").arg(main.x()).arg(main.y())));
    }

    void droppedSchemeFileOpensAndOtherDropsAreRefused() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QString scheme = schemeFile(world, w.main, QStringLiteral("dropped.TNA"));
        writeFile(world.path(QStringLiteral("notes.txt")), "text\n");
        const QUrl schemeUrl = QUrl::fromLocalFile(scheme);
        QVERIFY(dragAccepted(w.main, {schemeUrl}));
        QVERIFY(
            !dragAccepted(w.main, {QUrl::fromLocalFile(world.path(QStringLiteral("notes.txt")))}));
        QVERIFY(!dragAccepted(w.main, {schemeUrl, schemeUrl}));
        QVERIFY(!dragAccepted(w.main, {QUrl(QStringLiteral("https://example.org/a.tna"))}));
        QVERIFY(!dragAccepted(w.main, {}));

        const QString before = w.main.windowTitle();
        drop(w.main, {QUrl::fromLocalFile(world.path(QStringLiteral("notes.txt")))});
        QTest::qWait(0);
        QCOMPARE(w.main.windowTitle(), before);
        drop(w.main, {schemeUrl});
        QTRY_COMPARE(w.main.windowTitle(), QStringLiteral("TNA: dropped"));
        QCOMPARE(w.main.recentFiles(), QStringList{scheme});
        QVERIFY(world.prompt.messages.isEmpty() && world.prompt.informed.isEmpty());
    }
};

QTEST_MAIN(TestRemember)
#include "test_remember.moc"
