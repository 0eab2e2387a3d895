#include "framework/DataFolder.h"
#include "framework/Globals.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
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
        // Letters whose full case mapping changes the length keep their length.
        QTest::newRow("sharp s first") << "ßerif"
                                       << "ßerif";
        QTest::newRow("sharp s inside") << "STRAẞE"
                                        << "Straße";
        QTest::newRow("ligature first") << "ﬁne"
                                        << "ﬁne";
        QTest::newRow("outside the basic plane") << "𐐨𐐀X"
                                                 << "𐐀𐐨x";
    }

    // Proper-casing twice gives what proper-casing once gave, at the same length,
    // whatever letter a name starts or goes on with.
    void properCaseIsIdempotentForEveryCharacter() {
        TestWorld world;
        QStringList failures;
        for (char32_t c = 1; c <= 0x10FFFF && failures.size() < 5; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF)
                continue;
            // Built by hand: fromUcs4 would drop a byte-order mark.
            const QChar pair[2] = {QChar(QChar::highSurrogate(c)), QChar(QChar::lowSurrogate(c))};
            const QString letter = QChar::requiresSurrogates(c)
                                       ? QString(pair, 2)
                                       : QString(QChar(static_cast<char16_t>(c)));
            const QString text = letter + letter;
            const QString once = ProperCase(text);
            if (once.size() != text.size() || ProperCase(once) != once)
                failures << QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char(' '))));
        QVERIFY2(world.prompt.messages.isEmpty(), qPrintable(world.prompt.messages.value(0)));
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
        const QString home = world.path("home");
        QDir().mkpath(home);
        qputenv("HOME", home.toUtf8());
        qputenv("XDG_CONFIG_HOME", (home + "/.config").toUtf8());
        qputenv("XDG_DATA_HOME", world.path("xdg").toUtf8());
        qunsetenv("USERPROFILE");
        qunsetenv("USERNAME");
        qputenv("USER", "designer");
        QDir().mkpath(world.path("data/Themes"));
        const QString oldCurrent = QDir::currentPath();
        QDir::setCurrent(world.path("data"));

        subSetupGlobals();
        const Globals& g = globals();
        QCOMPARE(g.VersionText, QStringLiteral("0001.0000.0000"));
        QCOMPARE(g.UserName, QStringLiteral("designer"));
        QCOMPARE(g.AppDataPath, home + "/Documents/Tintora");
        QCOMPARE(g.StartDir, QDir(world.path("data")).absolutePath());
        // Setting up the globals writes nothing.
        QCOMPARE(QDir(home).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());

        // The desktop's start-up leaves the folder for scheme files to the first save
        // there; a data folder in the current folder leaves the per-user one alone.
        subSetupFolders();
        QVERIFY(!QFileInfo::exists(home + "/Documents"));
        QVERIFY(!QFileInfo::exists(world.path("xdg")));

        // USERNAME wins over USER; an existing AppDataPath is left untouched.
        writeFile(g.AppDataPath + "/keep.tna", "x");
        qputenv("USERNAME", "winuser");
        subSetupGlobals();
        subSetupFolders();
        QCOMPARE(globals().UserName, QStringLiteral("winuser"));
        QVERIFY(QFileInfo::exists(g.AppDataPath + "/keep.tna"));

        // The documents folder is the desktop's, wherever the user has put it.
        writeFile(home + "/.config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
        subSetupGlobals();
        QCOMPARE(globals().AppDataPath, home + "/Dokumente/Tintora");

        QDir::setCurrent(oldCurrent);
        qunsetenv("USERNAME");
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
        QVERIFY(world.prompt.messages.isEmpty());
    }

    // The per-user folder gets the bundled themes once, when it has no Themes folder:
    // what the user deletes or changes there stays so.
    void userFolderIsSeededOnlyWithoutThemes() {
        TestWorld world;
        const QString bundled = world.path("bundle");
        writeFile(bundled + "/studio.stamp", "1\n");
        writeFile(bundled + "/Themes/Studio/theme.css", "bundled");
        writeFile(bundled + "/Themes/Studio/rule.gif", "picture");
        const QString user = world.path("user");

        DataFolder::seedUserFolder(bundled, user);
        QCOMPARE(readFile(user + "/Themes/Studio/theme.css"), QByteArray("bundled"));
        QCOMPARE(readFile(user + "/Themes/Studio/rule.gif"), QByteArray("picture"));
        QVERIFY(QFileInfo::exists(user + "/" + DataFolder::SeedRecordName));

        QFile::remove(user + "/Themes/Studio/rule.gif");
        writeFile(user + "/Themes/Studio/theme.css", "mine");
        DataFolder::seedUserFolder(bundled, user);
        QVERIFY(!QFileInfo::exists(user + "/Themes/Studio/rule.gif"));
        QCOMPARE(readFile(user + "/Themes/Studio/theme.css"), QByteArray("mine"));
        QVERIFY(world.prompt.messages.isEmpty());
    }

    void newerBundleReplacesOnlyAnUnchangedCopy_data() {
        QTest::addColumn<QString>("userChange");
        QTest::addColumn<QByteArray>("newStamp");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("unchanged, newer bundle") << "none" << QByteArray("2") << true;
        QTest::newRow("unchanged, same bundle") << "none" << QByteArray("1") << false;
        QTest::newRow("file edited") << "edit" << QByteArray("2") << false;
        QTest::newRow("file deleted") << "delete" << QByteArray("2") << false;
        QTest::newRow("no record of the seeding") << "record" << QByteArray("2") << false;
    }
    void newerBundleReplacesOnlyAnUnchangedCopy() {
        QFETCH(QString, userChange);
        QFETCH(QByteArray, newStamp);
        QFETCH(bool, replaced);
        TestWorld world;
        const QString bundled = world.path("bundle");
        writeFile(bundled + "/studio.stamp", "1\n");
        writeFile(bundled + "/Themes/Studio/theme.css", "first");
        writeFile(bundled + "/Themes/Studio/old.gif", "dropped later");
        const QString user = world.path("user");
        DataFolder::seedUserFolder(bundled, user);
        writeFile(user + "/Themes/Mine/theme.css", "another theme");
        const QString css = user + "/Themes/Studio/theme.css";
        if (userChange == QLatin1String("edit"))
            writeFile(css, "mine");
        else if (userChange == QLatin1String("delete"))
            QFile::remove(user + "/Themes/Studio/old.gif");
        else if (userChange == QLatin1String("record"))
            QFile::remove(user + "/" + DataFolder::SeedRecordName);
        const QByteArray before = readFile(css);

        // The next edition of the program brings another Studio.
        writeFile(bundled + "/studio.stamp", newStamp + "\n");
        writeFile(bundled + "/Themes/Studio/theme.css", "second");
        writeFile(bundled + "/Themes/Studio/new.gif", "added");
        QFile::remove(bundled + "/Themes/Studio/old.gif");
        DataFolder::seedUserFolder(bundled, user);

        QCOMPARE(readFile(css), replaced ? QByteArray("second") : before);
        QCOMPARE(QFileInfo::exists(user + "/Themes/Studio/new.gif"), replaced);
        if (replaced) {
            QVERIFY(!QFileInfo::exists(user + "/Themes/Studio/old.gif"));
            // The replaced copy is recorded, so a still newer bundle replaces it too.
            writeFile(bundled + "/studio.stamp", "3\n");
            writeFile(bundled + "/Themes/Studio/theme.css", "third");
            DataFolder::seedUserFolder(bundled, user);
            QCOMPARE(readFile(css), QByteArray("third"));
        }
        QCOMPARE(readFile(user + "/Themes/Mine/theme.css"), QByteArray("another theme"));
        QVERIFY(world.prompt.messages.isEmpty());
    }

    // A newer bundle with more themes, theme by theme: the new ones reach a folder
    // seeded before even where the user changed another theme; a theme the user
    // deleted does not come back, and the user's own theme of a new theme's name stays.
    void newerBundleAddsNewThemes_data() {
        QTest::addColumn<QString>("userChange");
        QTest::addColumn<QByteArray>("studioAfter");
        QTest::addColumn<QByteArray>("harbourAfter");
        QTest::addColumn<QByteArray>("oldThemeAfter");
        QTest::newRow("unchanged")
            << "none" << QByteArray("second") << QByteArray("harbour") << QByteArray("old");
        QTest::newRow("Studio edited")
            << "edit" << QByteArray("mine") << QByteArray("harbour") << QByteArray("old");
        QTest::newRow("a seeded theme deleted")
            << "delete" << QByteArray("second") << QByteArray("harbour") << QByteArray();
        QTest::newRow("own theme of the new name")
            << "own" << QByteArray("second") << QByteArray("my harbour") << QByteArray("old");
    }
    void newerBundleAddsNewThemes() {
        QFETCH(QString, userChange);
        QFETCH(QByteArray, studioAfter);
        QFETCH(QByteArray, harbourAfter);
        QFETCH(QByteArray, oldThemeAfter);
        TestWorld world;
        const QString bundled = world.path("bundle");
        writeFile(bundled + "/studio.stamp", "1\n");
        writeFile(bundled + "/Themes/Studio/theme.css", "first");
        writeFile(bundled + "/Themes/Old/theme.css", "old");
        const QString user = world.path("user");
        DataFolder::seedUserFolder(bundled, user);
        if (userChange == QLatin1String("edit"))
            writeFile(user + "/Themes/Studio/theme.css", "mine");
        else if (userChange == QLatin1String("delete"))
            QVERIFY(QDir(user + "/Themes/Old").removeRecursively());
        else if (userChange == QLatin1String("own"))
            writeFile(user + "/Themes/Harbour/theme.css", "my harbour");

        writeFile(bundled + "/studio.stamp", "2\n");
        writeFile(bundled + "/Themes/Studio/theme.css", "second");
        writeFile(bundled + "/Themes/Harbour/theme.css", "harbour");
        writeFile(bundled + "/Themes/Harbour/banner.gif", "picture");
        DataFolder::seedUserFolder(bundled, user);

        QCOMPARE(readFile(user + "/Themes/Studio/theme.css"), studioAfter);
        QCOMPARE(readFile(user + "/Themes/Harbour/theme.css"), harbourAfter);
        QCOMPARE(QFileInfo::exists(user + "/Themes/Harbour/banner.gif"),
                 userChange != QLatin1String("own"));
        QCOMPARE(readFile(user + "/Themes/Old/theme.css"), oldThemeAfter);
        QVERIFY(world.prompt.messages.isEmpty());

        // What came in is recorded: a later bundle updates it while it is unchanged, and
        // a theme the user keeps changed stays theirs.
        writeFile(bundled + "/studio.stamp", "3\n");
        writeFile(bundled + "/Themes/Harbour/theme.css", "harbour 3");
        DataFolder::seedUserFolder(bundled, user);
        QCOMPARE(readFile(user + "/Themes/Harbour/theme.css"), userChange == QLatin1String("own")
                                                                   ? QByteArray("my harbour")
                                                                   : QByteArray("harbour 3"));
        QCOMPARE(readFile(user + "/Themes/Studio/theme.css"), studioAfter);
        QVERIFY(world.prompt.messages.isEmpty());
    }

    // A folder that cannot be made is said, not passed over.
    void seedingThatFailsIsReported() {
        TestWorld world;
        world.setUpGlobals();
        writeFile(world.path("bundle/Themes/Studio/theme.css"), "bundled");
        writeFile(world.path("blocker"), "a file where a folder should be");
        const QString user = world.path("blocker/tintora");
        DataFolder::seedUserFolder(world.path("bundle"), user);
        QCOMPARE(world.prompt.messages.size(), 1);
        const QString& message = world.prompt.messages.first();
        QVERIFY2(message.contains(QStringLiteral("Task: Set up the data folder ") + user),
                 qPrintable(message));
        QVERIFY(message.contains(QStringLiteral("CV-Code.subSeedDataFolder")));
    }

    // Only the per-user folder, about to be used, is prepared: the current folder or
    // a folder given on the command line is left as it is.
    void prepareTouchesOnlyTheUserFolder() {
        TestWorld world;
        qputenv("XDG_DATA_HOME", world.path("xdg").toUtf8());
        QStandardPaths::setTestModeEnabled(false);
        const QString user = DataFolder::userDataDir();
        QCOMPARE(user, world.path("xdg") + "/tintora");
        QVERIFY(!QFileInfo::exists(user));

        QDir().mkpath(world.path("elsewhere/Themes"));
        DataFolder::prepare(world.path("elsewhere"));
        QVERIFY(!QFileInfo::exists(user));

        DataFolder::prepare(user);
        const QString bundled = DataFolder::bundledDataDir();
        QCOMPARE(readFile(user + "/Themes/Studio/theme.css"),
                 readFile(bundled + "/Themes/Studio/theme.css"));
        QVERIFY(readFile(user + "/" + DataFolder::SeedRecordName)
                    .startsWith(readFile(bundled + "/" + DataFolder::BundleStampName)));
        qunsetenv("XDG_DATA_HOME");
        QVERIFY(world.prompt.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGlobals)
#include "test_globals.moc"
