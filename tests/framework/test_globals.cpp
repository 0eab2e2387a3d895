#include "framework/DataFolder.h"
#include "framework/Globals.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QStandardPaths>
#include <QTest>

class TestGlobals : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileAndPathExistence() {
        TestWorld world;
        QDir().mkpath(world.path("folder"));
        writeFile(world.path("plain.elm"), "x");
        writeFile(world.path(".hidden"), "x");

        // A folder is a path but not a file.
        QVERIFY(!fcnFileExists(world.path("folder")));
        QVERIFY(fcnPathExists(world.path("folder")));
        QVERIFY(fcnPathExists(world.path("folder/")));
        // A hidden file counts only as a path.
        QVERIFY(!fcnFileExists(world.path(".hidden")));
        QVERIFY(fcnPathExists(world.path(".hidden")));
        // Wildcards are honoured.
        QVERIFY(fcnFileExists(world.path("*.elm")));
        QVERIFY(fcnFileExists(world.path("pl?in.*")));
        QVERIFY(!fcnFileExists(world.path("*.css")));
        // Missing things, an empty path, a missing folder on the way.
        QVERIFY(!fcnFileExists(world.path("missing.gif")));
        QVERIFY(!fcnPathExists(world.path("missing")));
        QVERIFY(!fcnFileExists(QString()));
        QVERIFY(!fcnPathExists(world.path("no/such/file")));
        QVERIFY(world.prompt.messages.isEmpty());
    }

    void properCase_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("upper") << "TIMES NEW ROMAN"
                               << "Times new roman";
        QTest::newRow("one char") << "a"
                                  << "A";
        QTest::newRow("mixed") << "vERDANA"
                               << "Verdana";
        QTest::newRow("accented") << "ÉCOLE"
                                  << "École";
    }
    void properCase() {
        QFETCH(QString, in);
        QFETCH(QString, out);
        TestWorld world;
        QCOMPARE(ProperCase(in), out);
        QVERIFY(world.prompt.messages.isEmpty());
    }

    void properCaseOfEmptyTextIsError5ThenEmpty() {
        TestWorld world;
        QCOMPARE(ProperCase(QString()), QString());
        QCOMPARE(world.prompt.messages.size(), 1);
        QVERIFY(world.prompt.messages[0].startsWith(
            " Encountered Err#5 - Invalid procedure call or argument\r\rRoutine: "
            "|CV-Code.ProperCase"));
    }

    void versionTextIsZeroPadded() {
        QCOMPARE(formatVersion(1, 0, 0), QStringLiteral("0001.0000.0000"));
        QCOMPARE(formatVersion(2013, 7, 1045), QStringLiteral("2013.0007.1045"));
        QCOMPARE(formatVersion(12345, 1, 2), QStringLiteral("12345.0001.0002"));
    }

    void setupFillsTheGlobalsFromTheEnvironment() {
        TestWorld world;
        const QByteArray home = world.path("home").toUtf8();
        QDir().mkpath(world.path("home"));
        qputenv("HOME", home);
        qunsetenv("USERPROFILE");
        qunsetenv("USERNAME");
        qputenv("USER", "designer");
        QDir().mkpath(world.path("data/Themes"));
        const QString oldCurrent = QDir::currentPath();
        QDir::setCurrent(world.path("data"));

        subSetupGlobals();
        const Globals& g = globals();
        QCOMPARE(g.CR, QStringLiteral("\r"));
        QCOMPARE(g.CRLF, QStringLiteral("\r\n"));
        QCOMPARE(g.CRCR, QStringLiteral("\r\r"));
        QCOMPARE(g.VersionText, QStringLiteral("0001.0000.0000"));
        QCOMPARE(g.UserName, QStringLiteral("designer"));
        QCOMPARE(g.AppDataPath, world.path("home") + "/Documents/Tintora");
        QVERIFY(QFileInfo(g.AppDataPath).isDir()); // created, parent included
        QCOMPARE(g.StartDir, QDir(world.path("data")).absolutePath());

        // USERNAME wins over USER; an existing AppDataPath is left untouched.
        writeFile(g.AppDataPath + "/keep.tna", "x");
        qputenv("USERNAME", "winuser");
        subSetupGlobals();
        QCOMPARE(globals().UserName, QStringLiteral("winuser"));
        QVERIFY(QFileInfo::exists(g.AppDataPath + "/keep.tna"));

        QDir::setCurrent(oldCurrent);
        qunsetenv("USERNAME");
        QVERIFY(world.prompt.messages.isEmpty());
    }

    void startDirFallsBackToASeededUserFolder() {
        TestWorld world;
        qputenv("XDG_DATA_HOME", world.path("xdg").toUtf8());
        QStandardPaths::setTestModeEnabled(false);
        QDir().mkpath(world.path("elsewhere"));
        const QString oldCurrent = QDir::currentPath();
        QDir::setCurrent(world.path("elsewhere"));

        const QString bundled = world.path("bundle");
        writeFile(bundled + "/Themes/Studio/theme.css", "bundled");
        const QString user = DataFolder::userDataDir();
        QCOMPARE(user, world.path("xdg") + "/tintora");
        QVERIFY(DataFolder::seed(bundled, user));
        QCOMPARE(readFile(user + "/Themes/Studio/theme.css"), QByteArray("bundled"));
        // A second seeding keeps the user's own changes.
        writeFile(user + "/Themes/Studio/theme.css", "mine");
        QVERIFY(DataFolder::seed(bundled, user));
        QCOMPARE(readFile(user + "/Themes/Studio/theme.css"), QByteArray("mine"));

        // Without a Themes folder in the current folder, StartDir is the user folder.
        QCOMPARE(DataFolder::resolveStartDir(), user);
        QVERIFY(QFileInfo(user + "/Themes").isDir());

        QDir::setCurrent(oldCurrent);
        qunsetenv("XDG_DATA_HOME");
    }
};

QTEST_GUILESS_MAIN(TestGlobals)
#include "test_globals.moc"
