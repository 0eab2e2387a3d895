#include "../scheme/SchemeFixtures.h"
#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "framework/Version.h"
#include "scheme/SchemeFile.h"
#include "scheme/SchemeReport.h"
#include "support/TestSupport.h"
#include "support/ThemeFixtures.h"
#include "theme/ThemeElement.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

using Run = ProgramRun;

Run runCli(const QString& workDir, const QStringList& args, const ExtraEnvironment& extra = {}) {
    return runProgram(QStringLiteral(TINTORA_CLI_PATH), workDir, args, {}, extra);
}

// What the program's files say about it under runCli's environment.
FileInformation programInformation() {
    return {formatVersion(tintora::VersionMajor, tintora::VersionMinor, tintora::VersionRevision),
            QStringLiteral("tester")};
}

// Writes a complete scheme file made by the engine and returns its path.
QString writeScheme(TestWorld& world, const QString& name, const ColorScheme& scheme) {
    const QString path = world.path(name);
    Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
    writeSchemeFile(proc, scheme, programInformation(), path);
    return path;
}

} // namespace

class TestCliScheme : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void schemeFromFileToStandardOutput() {
        TestWorld world;
        const QString from = writeScheme(world, "blue.tna", populatedScheme());
        const Run run =
            runCli(world.path("."), {"scheme", "--data-dir", world.path("."), "--from", from});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QByteArray());
        // Exactly what Save writes after Open: the theme name is not taken from the file.
        ColorScheme expected = populatedScheme();
        expected.ThemeName.clear();
        QCOMPARE(run.out, schemeFileBytes(schemeFileLines(expected, programInformation())));
    }

    void schemeToFileMatchesStandardOutput_data() {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QStringList>("given");
        QTest::newRow("-o file") << "out.tna" << QStringList{"-o", "out.tna"};
        QTest::newRow("-oFILE") << "out.tna" << QStringList{"-oout.tna"};
        QTest::newRow("--output file") << "out.tna" << QStringList{"--output", "out.tna"};
        QTest::newRow("--output=file") << "out.tna" << QStringList{"--output=out.tna"};
        QTest::newRow("-o=file") << "out.tna" << QStringList{"-o=out.tna"};
        QTest::newRow("-o -") << "-" << QStringList{"-o", "-"};
        QTest::newRow("-o-") << "-" << QStringList{"-o-"};
        QTest::newRow("--on-error=abort") << "" << QStringList{"--on-error=abort"};
    }
    void schemeToFileMatchesStandardOutput() {
        QFETCH(QString, output);
        QFETCH(QStringList, given);
        TestWorld world;
        const QString from = writeScheme(world, "blue.tna", populatedScheme());
        const Run run =
            runCli(world.path("."),
                   QStringList{"scheme", "--data-dir=" + world.path("."), "--from", from} + given);
        QCOMPARE(run.status, 0);
        const QByteArray stdoutBytes = runCli(world.path("."), {"scheme", "--from", from}).out;
        if (output.endsWith(QLatin1String(".tna"))) {
            QCOMPARE(run.out, QByteArray());
            QCOMPARE(readFile(world.path(output)), stdoutBytes);
        } else {
            QCOMPARE(run.out, stdoutBytes);
        }
    }

    // A scheme file written on another machine finds a picture beside it, as Open does,
    // and says so on standard error; the pictures found nowhere keep their names.
    void schemeFromTravelledFileFindsItsPictures() {
        TestWorld world;
        QVERIFY(QDir().mkpath(world.path("away")));
        const QString from = writeScheme(world, "away/blue.tna", populatedScheme());
        const int banner = themeElement(Element::BANNER).imageSlot;
        const QString beside = world.path("away/CAF\u00c9_%1.GIF").arg(banner);
        writeFile(beside, "GIF89a");
        const Run run =
            runCli(world.path("."), {"scheme", "--data-dir", world.path("."), "--from", from});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains("BANNER\r\n{\r\n\tImage: " + beside.toUtf8() + "\r\n"),
                 run.out.constData());
        QVERIFY(run.out.contains("\tImage: C:\\Themes\\Blue\\caf\xc3\xa9_0.gif\r\n"));
        QCOMPARE(run.err,
                 "tintora-cli: " + from.toUtf8() +
                     ": 1 of its pictures found beside it or in its theme's folder, not where "
                     "it names them\n");
    }

    // Without a theme or a file there is no scheme: one line says so, and nothing is
    // written.
    void noSchemeIsOneLine_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("scheme") << QStringList{"scheme"};
        QTest::newRow("scheme to a file") << QStringList{"scheme", "-o", "out.tna"};
        QTest::newRow("audit") << QStringList{"audit"};
        QTest::newRow("export") << QStringList{"export", "--tokens", "out.tokens.json"};
    }
    void noSchemeIsOneLine() {
        QFETCH(QStringList, args);
        TestWorld world;
        const Run run = runCli(world.path("."), args + QStringList{"--data-dir", world.path(".")});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err, QByteArray("tintora-cli: no scheme to work on: name a THEME "
                                     "(tintora-cli themes lists them) or --from FILE\n"));
        QCOMPARE(QDir(world.path(".")).entryList(QDir::Files), QStringList());
    }

    void foreignFileByPolicy_data() {
        QTest::addColumn<QString>("policy");
        QTest::addColumn<int>("status");
        QTest::newRow("ignore loads it") << "ignore" << 2;
        QTest::newRow("abort stops at once") << "abort" << 1;
    }
    void foreignFileByPolicy() {
        QFETCH(QString, policy);
        QFETCH(int, status);
        TestWorld world;
        const QString from = world.path("other.tna");
        QByteArray bytes =
            schemeFileBytes(schemeFileLines(populatedScheme(), programInformation()));
        bytes.replace("Application Name: Tintora", "Application Name: Other Tool");
        writeFile(from, bytes);
        const Run run = runCli(world.path("."), {"scheme", "--on-error", policy, "--from", from,
                                                 "-o", world.path("out.tna")});
        QCOMPARE(run.status, status);
        QCOMPARE(run.err,
                 "tintora-cli: Attempting to open a file not created by the Tintora software "
                 "(error 19691) while Open file: " +
                     from.toUtf8() + "\n");
        if (status == 1) {
            QVERIFY(!QFileInfo::exists(world.path("out.tna")));
        } else {
            QVERIFY(readFile(world.path("out.tna")).contains("\tFont: Times new roman\r\n"));
            QVERIFY(readFile(world.path("out.tna")).contains("\tApplication Name: Tintora\r\n"));
        }
    }

    // A missing folder is made (as mkdir -p makes it), but not where a file stands.
    void unwritableOutputExits1() {
        TestWorld world;
        const QString from = writeScheme(world, "blue.tna", populatedScheme());
        writeFile(world.path("nofolder"), "a file");
        const Run run = runCli(world.path("."),
                               {"scheme", "--from", from, "-o", world.path("nofolder/out.tna")});
        QCOMPARE(run.status, 1);
        // One line naming the file; the routine's name stays out of it.
        QCOMPARE(run.err, "tintora-cli: " + world.path("nofolder/out.tna").toUtf8() +
                              ": Path not found (error 76)\n");
    }

    // An input that cannot be read is one line naming it and why, status 1, and no
    // output is written or replaced ("@" is the test's folder, which holds a data
    // folder with the theme Blue and an old out.tna).
    void unreadableInputWritesNothing_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("error");
        const QByteArray missing = "@/none.tna: File not found (error 53)";
        QTest::newRow("scheme --from")
            << QStringList{"scheme", "--from", "@/none.tna", "-o", "@/out.tna"} << missing;
        QTest::newRow("scheme --from a folder")
            << QStringList{"scheme", "--from", "@/data", "-o", "@/out.tna"}
            << QByteArray("@/data: Path/File access error (error 75)");
        QTest::newRow("style sheet")
            << QStringList{"scheme", "--from", "@/none.css", "-o", "@/out.tna"}
            << QByteArray("@/none.css: File not found (error 53)");
        QTest::newRow("render --from")
            << QStringList{"render", "--from", "@/none.tna", "-o", "@/out.png"} << missing;
        QTest::newRow("audit --from") << QStringList{"audit", "--from", "@/none.tna"} << missing;
        QTest::newRow("export --from")
            << QStringList{"export", "--css", "@/out.css", "--from", "@/none.tna"} << missing;
        QTest::newRow("report") << QStringList{"report", "@/none.tna"} << missing;
        QTest::newRow("diff") << QStringList{"diff", "@/out.tna", "@/none.tna"} << missing;
        QTest::newRow("theme") << QStringList{"scheme", "--data-dir", "@/data",
                                              "-o",     "@/out.tna",  "Nosuch"}
                               << QByteArray("there is no theme \"Nosuch\" in @/data/Themes");
        QTest::newRow("data folder")
            << QStringList{"render", "--data-dir", "@/nodata", "-o", "@/out.png", "Blue"}
            << QByteArray("the data folder @/nodata does not exist");
    }
    void unreadableInputWritesNothing() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, error);
        TestWorld world;
        QVERIFY(copyStudioTheme(world.path("data/Themes"), "Blue"));
        writeScheme(world, "out.tna", populatedScheme());
        const QByteArray oldBytes = readFile(world.path("out.tna"));
        args.replaceInStrings(QStringLiteral("@"), world.dir.path());
        error.replace("@", world.dir.path().toUtf8());

        const Run run = runCli(world.path("."), args);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, "tintora-cli: " + error + "\n");
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(readFile(world.path("out.tna")), oldBytes);
        QVERIFY(!QFileInfo::exists(world.path("out.png")));
        QVERIFY(!QFileInfo::exists(world.path("out.css")));
    }

    void themesAreChosenByFolder() {
        TestWorld world;
        QDir().mkpath(world.path("data/Themes/Studio"));
        const QString from = writeScheme(world, "blue.tna", populatedScheme());
        // "Default" stands for the folder Studio, so it is a theme here.
        const Run run = runCli(world.path("."), {"scheme", "--data-dir", world.path("data"),
                                                 "--from", from, "Default"});
        QVERIFY2(run.status == 0 || run.status == 2, run.err.constData());
        QCOMPARE(run.out.count("\r\n"), SchemeFileLineCount);
        // The theme reset the styles of the text elements to regular.
        QVERIFY(
            run.out.contains("BODY\r\n{\r\n\tFont: Arial\r\n\tFontSize: 9\r\n\tFontStyle: 0\r\n"));
    }

    void defaultIsChosenEvenWithoutItsFolder() {
        TestWorld world;
        QDir().mkpath(world.path("data/Themes"));
        const Run run = runCli(world.path("."), {"scheme", "--data-dir", world.path("data"), "-o",
                                                 world.path("out.tna"), "Default"});
        // Each reader reports its missing style sheet; the scheme is written all the same.
        QCOMPARE(run.status, 2);
        const QByteArray studio = world.path("data/Themes/Studio/").toUtf8();
        // The theme's folder is missing: each reader reports its style sheet's path.
        for (const char* sheet : {"color1.css", "graph0.css", "graph1.css", "theme.css"})
            QVERIFY2(run.err.contains("tintora-cli: " + studio + sheet +
                                      ": Path not found (error 76)\n"),
                     sheet);
        const QByteArray written = readFile(world.path("out.tna"));
        QCOMPARE(written.count("\r\n"), SchemeFileLineCount);
        QVERIFY(written.contains("\tTheme: Studio\r\n"));
    }

    void bundledDefaultThemeLoadsWithoutErrors() {
        TestWorld world;
        const QString data = qEnvironmentVariable("TINTORA_SOURCE_DIR") + QStringLiteral("/data");
        const Run run = runCli(world.path("."), {"scheme", "--data-dir", data, "Default"});
        QVERIFY2(run.status == 0, run.err.constData());
        QVERIFY(run.out.contains("\tTheme: Studio\r\n"));
        const QByteArray image = "\tImage: " + QDir::cleanPath(data).toUtf8() + "/Themes/Studio/";
        QVERIFY(run.out.contains("BANNER\r\n{\r\n" + image));
        QCOMPARE(run.out.count("\r\n"), SchemeFileLineCount);
    }

    void badUsageExits1_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("unknown option")
            << QStringList{"scheme", "--colour"} << QByteArray("unknown option --colour");
        QTest::newRow("missing value")
            << QStringList{"scheme", "-o"} << QByteArray("-o needs a value");
        QTest::newRow("bad policy") << QStringList{"scheme", "--on-error", "retry"}
                                    << QByteArray("--on-error takes ignore or abort");
        QTest::newRow("no data folder") << QStringList{"scheme", "--data-dir", "nowhere", "Default"}
                                        << QByteArray("the data folder nowhere does not exist");
        QTest::newRow("no such theme")
            << QStringList{"scheme", "Nosuch"} << QByteArray("there is no theme \"Nosuch\"");
        QTest::newRow("parent folder as theme")
            << QStringList{"scheme", ".."} << QByteArray("there is no theme \"..\"");
        QTest::newRow("theme folder with a line end")
            << QStringList{"scheme", "Bad\rName"}
            << QString::fromUtf8("there is no theme \"Bad\u240DName\"").toUtf8();
        QTest::newRow("report without file")
            << QStringList{"report"}
            << QByteArray("usage: tintora-cli report [--format text|json] FILE.tna|-");
        QTest::newRow("report with two files")
            << QStringList{"report", "a.tna", "b.tna"} << QByteArray("one scheme file at a time");

        QTest::newRow("no command") << QStringList{} << QByteArray("a command is needed");
        QTest::newRow("unknown command")
            << QStringList{"paint"} << QByteArray("unknown command paint");
        QTest::newRow("option before the command")
            << QStringList{"--from", "a.tna", "scheme"} << QByteArray("unknown option --from");
        QTest::newRow("empty data folder")
            << QStringList{"scheme", "--data-dir="} << QByteArray("--data-dir needs a value");
        QTest::newRow("flag with a value")
            << QStringList{"render", "--opaque-labels=yes", "-o", "x.png"}
            << QByteArray("Unexpected value after '--opaque-labels'");
        QTest::newRow("report option")
            << QStringList{"report", "--from", "a.tna"} << QByteArray("unknown option --from");
    }
    void badUsageExits1() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, message);
        TestWorld world;
        QDir().mkpath(world.path("Themes/Bad\rName"));
        const Run run = runCli(world.path("."), args);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(message), run.err.constData());
        QCOMPARE(run.out, QByteArray());
    }

    // Every command answers --help with its own usage on standard output, and
    // --version with the program's name and version, without doing anything else.
    void helpAndVersion_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QByteArrayList>("mentions");
        const QByteArray version = "tintora-cli " + QByteArray(tintora::VersionString) + "\n";
        QTest::newRow("program help")
            << QStringList{"--help"} << QByteArray("Usage: tintora-cli COMMAND")
            << QByteArrayList{"tintora-cli scheme [options] [THEME ...]",
                              "tintora-cli report [--format text|json] FILE.tna|-",
                              "tintora-cli render",
                              "tintora-cli themes",
                              "tintora-cli export",
                              "tintora-cli batch"};
        QTest::newRow("program -h") << QStringList{"-h"} << QByteArray("Usage: tintora-cli COMMAND")
                                    << QByteArrayList{"--version"};
        QTest::newRow("scheme help")
            << QStringList{"scheme", "--help"} << QByteArray("Usage: tintora-cli scheme")
            << QByteArrayList{"--data-dir <DIR>", "--from <FILE.tna>", "--on-error",
                              "-o, --output <OUT>"};
        QTest::newRow("report help")
            << QStringList{"report", "-h"} << QByteArray("Usage: tintora-cli report [--format")
            << QByteArrayList{"--version"};
        QTest::newRow("render help, after other options")
            << QStringList{"render", "--from", "a.tna", "--help"}
            << QByteArray("Usage: tintora-cli render")
            << QByteArrayList{"--show-background", "--opaque-labels", "-o, --output <OUT>"};
        QTest::newRow("program version") << QStringList{"--version"} << version << QByteArrayList{};
        QTest::newRow("scheme version")
            << QStringList{"scheme", "--version", "Nosuch"} << version << QByteArrayList{};
        QTest::newRow("report -v") << QStringList{"report", "-v"} << version << QByteArrayList{};
        QTest::newRow("render version")
            << QStringList{"render", "--version"} << version << QByteArrayList{};
        QTest::newRow("themes help") << QStringList{"themes", "--help"}
                                     << QByteArray("Usage: tintora-cli themes [--data-dir DIR]")
                                     << QByteArrayList{"--data-dir <DIR>"};
        QTest::newRow("export help")
            << QStringList{"export", "--theme", "x/y", "--help"}
            << QByteArray("Usage: tintora-cli export --css OUT.css | --theme NAME")
            << QByteArrayList{"--css <OUT.css>", "--theme <NAME>", "--replace", "--from"};
        QTest::newRow("batch help")
            << QStringList{"batch", "-h"} << QByteArray("Usage: tintora-cli batch [--data-dir DIR]")
            << QByteArrayList{"-o, --output <OUTDIR>", "index.html"};
        QTest::newRow("report format")
            << QStringList{"report", "--help"} << QByteArray("Usage: tintora-cli report")
            << QByteArrayList{"--format <text|json>", "FILE.tna|-"};
        QTest::newRow("batch version")
            << QStringList{"batch", "--version"} << version << QByteArrayList{};
        QTest::newRow("export version")
            << QStringList{"export", "-v"} << version << QByteArrayList{};
    }
    void helpAndVersion() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, start);
        QFETCH(QByteArrayList, mentions);
        TestWorld world;
        const Run run = runCli(world.path("."), args);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QByteArray());
        QVERIFY2(run.out.startsWith(start), run.out.constData());
        if (mentions.isEmpty())
            QCOMPARE(run.out, start); // the version line and nothing else
        for (const QByteArray& mention : mentions)
            QVERIFY2(run.out.contains(mention), mention.constData());
        // Nothing was set up: no data folder was seeded, no scheme folder made.
        QVERIFY(QDir(world.path(".")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }

    // A trace log that cannot be used is told on standard error once, and the command
    // still does its work.
    void unusableTraceLog_data() {
        QTest::addColumn<QString>("log");
        QTest::addColumn<QByteArray>("told");
        QTest::newRow("folder missing") << "nofolder/trace.log" << QByteArray("cannot be opened");
        QTest::newRow("device full") << "/dev/full" << QByteArray("cannot be written");
    }
    void unusableTraceLog() {
        QFETCH(QString, log);
        QFETCH(QByteArray, told);
        TestWorld world;
        if (log.startsWith(QLatin1Char('/')) && !QFileInfo::exists(log))
            QSKIP("no such device here");
        const QString path = log.startsWith(QLatin1Char('/')) ? log : world.path(log);
        const QString from = writeScheme(world, "blue.tna", populatedScheme());
        const Run run = runCli(world.path("."), {"report", from}, {{"TINTORA_TRACE", path}});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.contains("trace log " + path.toUtf8() + " " + told), run.err.constData());
        QCOMPARE(run.err.count("trace log"), 1);
        QVERIFY(run.out.startsWith("FILE INFORMATION\n"));
    }

    void reportPrintsSections() {
        TestWorld world;
        const QString from = writeScheme(world, "blue.tna", populatedScheme());
        const Run run = runCli(world.path("."), {"report", from});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QByteArray());
        ColorScheme expected = populatedScheme();
        expected.ThemeName.clear();
        QCOMPARE(run.out, reportText(reportLines(expected, programInformation())));
        QVERIFY(run.out.startsWith("FILE INFORMATION\n\tApplication Name: Tintora\n"));
        QVERIFY(run.out.contains("\tTheme: \n\n\nBACKGROUND\n"));
        QVERIFY(!run.out.contains('\r'));
    }

    void fileWithoutASchemeIsBadInput_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("report") << "report";
        QTest::newRow("scheme --from") << "scheme";
    }
    void fileWithoutASchemeIsBadInput() {
        QFETCH(QString, command);
        TestWorld world;
        QDir().mkpath(world.path("Themes"));
        const QString path = world.path("empty.tna");
        writeFile(path, QByteArray());
        const QStringList args =
            command == QLatin1String("report")
                ? QStringList{command, path}
                : QStringList{command, "--data-dir", world.path("."), "--from", path};
        const Run run = runCli(world.path("."), args);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(path.toUtf8() + " is not a Tintora scheme file: no section "
                                                  "was recognised."),
                 run.err.constData());
        QCOMPARE(run.out, QByteArray());
    }

    // Commands that only read leave the user's home as it was: no folder for scheme
    // files, no per-user data folder; without one they read the bundled themes.
    void commandsThatOnlyReadWriteNothingHome_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("--version") << QStringList{"--version"};
        QTest::newRow("--help") << QStringList{"--help"};
        QTest::newRow("report") << QStringList{"report", "@/blue.tna"};
        QTest::newRow("themes") << QStringList{"themes"};
        QTest::newRow("scheme") << QStringList{"scheme", "-o", "@/out.tna", "Default"};
        QTest::newRow("audit") << QStringList{"audit", "--level", "AA", "Default"};
        QTest::newRow("export --css") << QStringList{"export", "--css", "@/site.css", "Default"};
        QTest::newRow("scheme --data-dir") << QStringList{"scheme", "--data-dir", "@/data", "Blue"};
        QTest::newRow("render --data-dir")
            << QStringList{"render", "--data-dir", "@/data", "-o", "@/out.png", "Blue"};
    }
    void commandsThatOnlyReadWriteNothingHome() {
        QFETCH(QStringList, args);
        TestWorld world;
        writeScheme(world, "blue.tna", populatedScheme());
        QVERIFY(copyStudioTheme(world.path("data/Themes"), "Blue"));
        const QString home = world.path("home");
        QDir().mkpath(home);
        args.replaceInStrings(QStringLiteral("@"), world.dir.path());

        const Run run = runCli(home, args);
        // The audit's 3 says a check failed: a finding, not an error.
        QVERIFY2(run.status == 0 || (args.first() == QLatin1String("audit") && run.status == 3),
                 run.err.constData());
        QCOMPARE(QDir(home).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
    }

    // Only a command that writes into the data folder (export --theme) seeds the
    // per-user one, the first time only; later runs read it as the user keeps it: a file
    // the user deleted there does not come back.
    void userDataFolderIsSeededOnce() {
        TestWorld world;
        const QString home = world.path("home");
        QDir().mkpath(home);
        const QString studio = home + "/share/tintora/Themes/Studio";
        const Run read = runCli(home, {"scheme", "Default"});
        QVERIFY2(read.status == 0, read.err.constData());
        QVERIFY(!QFileInfo::exists(studio));
        const Run first = runCli(home, {"export", "--theme", "Mine", "Default"});
        QVERIFY2(first.status == 0, first.err.constData());
        QVERIFY(QFile::exists(studio + "/theme.css"));
        QVERIFY(QFile::exists(home + "/share/tintora/Themes/Mine/theme.css"));
        QVERIFY(!QFileInfo::exists(home + "/Documents"));

        QVERIFY(QFile::remove(studio + "/theme.css"));
        const Run second = runCli(home, {"scheme", "Default"});
        QCOMPARE(second.status, 2);
        QVERIFY(second.err.contains(studio.toUtf8() + "/theme.css: File not found (error 53)"));
        QVERIFY(!QFile::exists(studio + "/theme.css"));
    }
};

QTEST_GUILESS_MAIN(TestCliScheme)
#include "test_cli_scheme.moc"
