#include "framework/Globals.h"
#include "startup/frmSplash.h"
#include "support/TestSupport.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

class TestSplash : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startUpOrder() {
        TestWorld world;
        qputenv("HOME", world.path("home").toUtf8());
        QDir().mkpath(world.path("data/Themes"));
        const QString oldCurrent = QDir::currentPath();
        QDir::setCurrent(world.path("data"));

        std::unique_ptr<frmMain> main;
        int loads = 0;
        frmSplash splash([&] {
            if (!main) {
                main = std::make_unique<frmMain>();
                ++loads;
            }
            return main.get();
        });
        // Load: version label and globals, nothing else yet.
        QCOMPARE(splash.lblVersion->text(), QStringLiteral("Version 0001.0000.0000"));
        QCOMPARE(globals().VersionText, QStringLiteral("0001.0000.0000"));
        QVERIFY(splash.Timer1->isActive());
        QVERIFY(!splash.Timer2->isActive());
        QVERIFY(!main);
        QCOMPARE(splash.size(), QSize(492, 283));
        splash.show();
        QVERIFY(splash.lblThemeStatus->isHidden());

        // Timer1: main window loaded but not shown; status caption with one ampersand.
        QTRY_VERIFY_WITH_TIMEOUT(splash.Timer2->isActive(), 3000);
        QVERIFY(!splash.Timer1->isActive());
        QVERIFY(main);
        QVERIFY(!main->isVisible());
        QCOMPARE(main->windowTitle(), QStringLiteral("TNA"));
        QCOMPARE(splash.lblThemeStatus->text(), QStringLiteral("File copy & extraction complete."));
        QVERIFY(splash.lblThemeStatus->isHidden()); // no package needed unpacking
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

        // Timer2: splash closes, default theme applied, main window shown, cursor back.
        QTRY_VERIFY_WITH_TIMEOUT(main->isVisible(), 3000);
        QVERIFY(!splash.isVisible());
        QVERIFY(!splash.Timer2->isActive());
        QCOMPARE(loads, 1);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(main->scheme().FontSizeTable[0], qint16(8));
        QCOMPARE(main->scheme().SchemeFonts[FontAttr::Style][0], SchemeValue::integer(0));
        QCOMPARE(main->themesItemCaption(0), QStringLiteral("Default"));
        QVERIFY(!main->mnuFileSave->isEnabled());
        QDir::setCurrent(oldCurrent);
    }
};

QTEST_MAIN(TestSplash)
#include "test_splash.moc"
