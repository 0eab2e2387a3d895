#include "PackageMaker.h"
#include "app/DesktopStartUp.h"
#include "framework/Globals.h"
#include "framework/Trace.h"
#include "support/Controls.h"
#include "support/TestSupport.h"
#include "widgets/Twips.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

namespace {

// Records, when the watched window is first shown, what the trace log and the
// theme folders held at that moment.
class ShowWatcher : public QObject {
public:
    ShowWatcher(QString logPath, QString probe)
        : logPath_(std::move(logPath)), probe_(std::move(probe)) {}
    bool shown = false;
    QByteArray logAtShow;
    bool probeAtShow = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !shown) {
            shown = true;
            logAtShow = readFile(logPath_);
            probeAtShow = QFileInfo::exists(probe_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QString logPath_;
    QString probe_;
};

template <class Control> Control* control(const QObject& window, const char* name) {
    auto* found = window.findChild<Control*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

} // namespace

class TestSplash : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startUpOrder() {
        TestWorld world;
        qputenv("HOME", world.path("home").toUtf8());
        qputenv("WINEPREFIX", world.path("wine").toUtf8());
        QDir().mkpath(world.path("data/Themes"));
        const QString oldCurrent = QDir::currentPath();
        QDir::setCurrent(world.path("data"));

        int loads = 0;
        DesktopStartUp startUp([&](frmMain&) { ++loads; });
        frmSplash& splash = startUp.splash;
        auto* lblVersion = control<QLabel>(splash, "lblVersion");
        auto* lblThemeStatus = control<QLabel>(splash, "lblThemeStatus");
        auto* Timer1 = control<QTimer>(splash, "Timer1");
        auto* Timer2 = control<QTimer>(splash, "Timer2");
        // Load: version label and globals, nothing else yet.
        QCOMPARE(lblVersion->text(), QStringLiteral("Version 0001.0000.0000"));
        QCOMPARE(globals().VersionText, QStringLiteral("0001.0000.0000"));
        QVERIFY(Timer1->isActive());
        QVERIFY(!Timer2->isActive());
        QVERIFY(!startUp.loadedMainWindow());
        QCOMPARE(splash.size(), QSize(492, 283));
        splash.show();
        QVERIFY(lblThemeStatus->isHidden());
        // Shown, the labels that size to their text fit it (to a pixel of the glyphs'
        // overhang): the version label on its design right edge, the maker's name from
        // its design left.
        const auto fits = [](const QLabel* label) {
            const int advance = QFontMetrics(label->font()).horizontalAdvance(label->text());
            return label->width() >= advance && label->width() <= advance + 2;
        };
        QVERIFY(fits(lblVersion));
        QCOMPARE(lblVersion->geometry().right(), twipsRect(5160, 960, 825, 285).right());
        auto* maker = control<QLabel>(splash, "lblCompanyProduct");
        QVERIFY(fits(maker));
        QCOMPARE(maker->x(), twipsToPixels(1440));
        // The notice states the licence About names, whole within its box.
        auto* notice = control<QLabel>(splash, "lblWarning");
        QVERIFY(notice->text().contains(QStringLiteral("GNU General Public License")));
        const QRect needed = QFontMetrics(notice->font())
                                 .boundingRect(QRect(0, 0, notice->width(), 10000),
                                               Qt::TextWordWrap, notice->text());
        QVERIFY2(needed.height() <= notice->height(), qPrintable(QString::number(needed.height())));

        // Timer1: main window loaded but not shown; status caption with one ampersand.
        QTRY_VERIFY_WITH_TIMEOUT(Timer2->isActive(), 3000);
        QVERIFY(!Timer1->isActive());
        frmMain* main = startUp.loadedMainWindow();
        QVERIFY(main);
        QVERIFY(!main->isVisible());
        QCOMPARE(main->windowTitle(), QStringLiteral("TNA"));
        QCOMPARE(lblThemeStatus->text(), QStringLiteral("File copy & extraction complete."));
        QVERIFY(lblThemeStatus->isHidden()); // no package needed unpacking
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

        // Timer2: splash closes, default theme applied, main window shown, cursor back.
        QTRY_VERIFY_WITH_TIMEOUT(main->isVisible(), 3000);
        QVERIFY(!splash.isVisible());
        QVERIFY(!Timer2->isActive());
        QCOMPARE(loads, 1);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(main->scheme().FontSizeTable[0], qint16(8));
        QCOMPARE(main->scheme().SchemeFonts[FontAttr::Style][0], SchemeValue::integer(0));
        QCOMPARE(main->themes().itemCaption(0), QStringLiteral("Default"));
        QVERIFY(!control<QAction>(*main, "mnuFileSave")->isEnabled());
        // Both windows show the one product icon: it is read once, not once a window.
        // Its sizes are read as they are asked for, the design's own or scaled.
        const QIcon icon = main->windowIcon();
        QCOMPARE(icon.cacheKey(), splash.windowIcon().cacheKey());
        QVERIFY(!icon.availableSizes().isEmpty());
        for (const int side : {16, 40, 64}) {
            const QImage drawn = icon.pixmap(side, side).toImage();
            QCOMPARE(drawn.size(), QSize(side, side));
            QVERIFY(!drawn.allGray()); // the coloured design, not an empty square
        }
        QDir::setCurrent(oldCurrent);
    }

    // With packages in both source folders: they are unpacked on the splash, listed in
    // the Themes menu, and the default theme is read only after the last unpack, before
    // the main window shows.
    void installsThemesBeforeShowing() {
        TestWorld world;
        qputenv("HOME", world.path("home").toUtf8());
        qputenv("WINEPREFIX", world.path("wine").toUtf8());
        qputenv("USERNAME", "ann");
        const QString driveC = world.path("wine/drive_c");
        const QString userSource = driveC + "/users/ann/AppData/Roaming/Microsoft/Themes";
        const QString sharedSource = driveC + "/Program Files/Common Files/microsoft shared/Themes";
        QVERIFY(
            writePackage(userSource + "/Alpha/Alpha.elm", PackageFormat::Zip, themeFiles("Alpha"))
                .isEmpty());
        QVERIFY(writePackage(sharedSource + "/Omega/Omega.elm", PackageFormat::TarGz,
                             themeFiles("Omega"))
                    .isEmpty());
        QDir().mkpath(world.path("data/Themes"));
        const QString oldCurrent = QDir::currentPath();
        QDir::setCurrent(world.path("data"));
        const QString log = world.path("trace.log");
        QVERIFY(trace().openLog(log));

        ShowWatcher watcher(log, world.path("data/Themes/Omega/theme.css"));
        DesktopStartUp startUp([&](frmMain& main) { main.installEventFilter(&watcher); });
        frmSplash& splash = startUp.splash;
        auto* lblThemeStatus = control<QLabel>(splash, "lblThemeStatus");
        auto* prgThemeStatus = control<QProgressBar>(splash, "prgThemeStatus");
        QCOMPARE(splash.themeSources.user, userSource);
        QCOMPARE(splash.themeSources.shared, sharedSource);
        splash.show();
        QVERIFY(prgThemeStatus->isHidden());

        QTRY_VERIFY_WITH_TIMEOUT(control<QTimer>(splash, "Timer2")->isActive(), 5000);
        QVERIFY(!lblThemeStatus->isHidden());
        QVERIFY(!prgThemeStatus->isHidden());
        QCOMPARE(prgThemeStatus->value(), 1000);
        QCOMPARE(lblThemeStatus->text(), QStringLiteral("File copy & extraction complete."));
        frmMain* main = startUp.loadedMainWindow();
        QVERIFY(main);
        QVERIFY(!main->isVisible());
        QStringList captions;
        for (int i = 0; i < main->themes().itemCount(); ++i)
            captions.append(main->themes().itemCaption(i));
        QCOMPARE(captions, (QStringList{"Default", "Alpha", "-", "Omega"}));
        QVERIFY(control<QMenu>(*main, "mnuThemes")->actions().at(2)->isSeparator());
        QVERIFY(world.prompt.informed.isEmpty());

        QTRY_VERIFY_WITH_TIMEOUT(main->isVisible(), 3000);
        QVERIFY(watcher.shown);
        QVERIFY(watcher.probeAtShow);
        const qsizetype installed = watcher.logAtShow.indexOf("frmSplash.Timer1_Timer - EXIT");
        const qsizetype applied = watcher.logAtShow.indexOf("frmMain.mnuThemesItem_Click - EXIT");
        QVERIFY(installed >= 0);
        QVERIFY2(applied > installed, watcher.logAtShow.constData());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        trace().closeLog();
        QDir::setCurrent(oldCurrent);
    }
};

QTEST_MAIN(TestSplash)
#include "test_splash.moc"
