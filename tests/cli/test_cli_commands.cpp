#include "../scheme/SchemeFixtures.h"
#include "CliFixtures.h"
#include "framework/Procedure.h"
#include "framework/Version.h"
#include "scheme/SchemeFile.h"
#include "support/TestSupport.h"
#include "support/ThemeFixtures.h"
#include "support/UnusualFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTest>

#include <cstring>

namespace {

// Every file under `root` with its bytes.
QMap<QString, QByteArray> treeOf(const QString& root) {
    QMap<QString, QByteArray> tree;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        tree.insert(QDir(root).relativeFilePath(path), readFile(path));
    }
    return tree;
}

} // namespace

class TestCliCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void themesListsTheMenu() {
        TestWorld world;
        const QString data = studioData(world);
        QDir().mkpath(data + "/Themes/blue");
        QDir().mkpath(data + "/Themes/Zeta");
        QDir().mkpath(data + "/Themes/.tintora-export-abc");
        writeFile(data + "/Themes/notes", "not a theme");
        const ProgramRun run = runCli(world.path("."), {"themes", "--data-dir", data});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.out, QByteArray("Default\nblue\nStudio\nZeta\n"));
    }

    // "Default" stands for Studio: a data folder without it lists no Default, and a
    // batch of it writes no empty entry for one.
    void dataFolderWithoutStudioHasNoDefault() {
        TestWorld world;
        const QString data = world.path("data");
        QVERIFY(copyStudioTheme(data + "/Themes", QStringLiteral("Blue")));
        const ProgramRun themes = runCli(world.path("."), {"themes", "--data-dir", data});
        QCOMPARE(themes.status, 0);
        QCOMPARE(themes.out, QByteArray("Blue\n"));
        const ProgramRun batch =
            runCli(world.path("."), {"batch", "--data-dir", data, "-o", world.path("out")});
        QCOMPARE(batch.status, 0);
        QCOMPARE(QDir(world.path("out")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{"Blue"});
        QCOMPARE(readFile(world.path("out/index.html")).count("<figure>"), 1);
    }

    // A theme written by export is listed at once and chosen with what it was made of.
    void exportedThemeIsListedAndChosen() {
        TestWorld world;
        const QString data = studioData(world);
        const QStringList from{"--data-dir", data, "Default"};
        ProgramRun run = runCli(world.path("."), QStringList{"export", "--theme", "Mine"} + from);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(runCli(world.path("."), {"themes", "--data-dir", data}).out,
                 QByteArray("Default\nMine\nStudio\n"));
        const QByteArray studio = runCli(world.path("."), QStringList{"scheme"} + from).out;
        QByteArray mine = runCli(world.path("."), {"scheme", "--data-dir", data, "Mine"}).out;
        mine.replace("/Themes/Mine/", "/Themes/Studio/").replace("Theme: Mine", "Theme: Studio");
        QCOMPARE(mine, studio);

        run = runCli(world.path("."), QStringList{"export", "--theme", "Mine"} + from);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("already exists; --replace replaces it"), run.err.constData());
        run = runCli(world.path("."), QStringList{"export", "--replace", "--theme", "Mine"} + from);
        QCOMPARE(run.status, 0);
    }

    void exportStatuses_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("css") << QStringList{"--css", "out/site.css"} << 0 << QByteArray();
        QTest::newRow("neither") << QStringList{} << 1
                                 << QByteArray("one of --css OUT.css, --theme");
        QTest::newRow("both") << QStringList{"--css", "a.css", "--theme", "A"} << 1
                              << QByteArray("one file or theme at a time");
        QTest::newRow("tokens and scss") << QStringList{"--tokens", "a.json", "--scss", "a.scss"}
                                         << 1 << QByteArray("one file or theme at a time");
        QTest::newRow("tailwind without a value")
            << QStringList{"--tailwind", ""} << 1 << QByteArray("--tailwind needs a value");
        QTest::newRow("theme name with a slash")
            << QStringList{"--theme", "a/b"} << 1 << QByteArray("cannot hold \"/\"");
        QTest::newRow("Default") << QStringList{"--theme", "Default"} << 1
                                 << QByteArray("name for the theme Studio");
    }
    void exportStatuses() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QByteArray, message);
        TestWorld world;
        const QString data = studioData(world);
        QDir().mkpath(world.path("out"));
        const ProgramRun run =
            runCli(world.path("."), QStringList{"export", "--data-dir", data, "Default"} + args);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), run.err.constData());
        checkErrorLines(run.err);
        if (status == 0)
            QVERIFY(readFile(world.path("out/site.css")).contains("--tintora-h1-font: Georgia;"));
    }

    // A picture the scheme names but nobody has: reported, and the rest is written.
    void exportWithMissingPictureExits2() {
        TestWorld world;
        ColorScheme scheme = populatedScheme();
        Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
        writeSchemeFile(proc, scheme, testFileInformation(), world.path("blue.tna"));
        const ProgramRun run = runCli(world.path("."), {"export", "--from", world.path("blue.tna"),
                                                        "--css", world.path("site.css")});
        QCOMPARE(run.status, 2);
        // Nineteen pictures, none of which exists.
        QCOMPARE(run.err.count("File not found (error 53) while Export CSS"), 19);
        checkErrorLines(run.err);
        QVERIFY(readFile(world.path("site.css")).contains("--tintora-h1-color: "));
    }

    // report reads a file or standard input alike, as text or JSON.
    void reportAsJsonFromFileOrStandardInput() {
        TestWorld world;
        Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
        writeSchemeFile(proc, populatedScheme(), testFileInformation(), world.path("blue.tna"));
        const QByteArray bytes = readFile(world.path("blue.tna"));
        const ProgramRun file =
            runCli(world.path("."), {"report", "--format", "json", world.path("blue.tna")});
        const ProgramRun input = runCli(world.path("."), {"report", "--format=json", "-"}, bytes);
        QCOMPARE(file.status, 0);
        QCOMPARE(input.status, 0);
        QCOMPARE(input.out, file.out);
        const QJsonObject root = QJsonDocument::fromJson(file.out).object();
        QCOMPARE(root.size(), 32);
        QCOMPARE(root.value("format").toInteger(), 2);
        QCOMPARE(root.value("HEADING2").toObject().value("FontSize").toDouble(), 10.5);
        QCOMPARE(root.value("BODY").toObject().value("ForeColor").toString(), "#FEFFFF");

        const ProgramRun text = runCli(world.path("."), {"report", "-"}, bytes);
        QCOMPARE(text.out, runCli(world.path("."), {"report", world.path("blue.tna")}).out);
        const ProgramRun scheme =
            runCli(world.path("."), {"scheme", "--format", "json", "--from", "-"}, bytes);
        QCOMPARE(scheme.status, 0);
        QCOMPARE(QJsonDocument::fromJson(scheme.out).object().value("HEADING2"),
                 root.value("HEADING2"));

        const ProgramRun foreign =
            runCli(world.path("."), {"report", "-"},
                   "FILE INFORMATION\r\n{\r\n\tApplication Name: Other\r\n}\r\n");
        QCOMPARE(foreign.status, 2);
        QVERIFY2(foreign.err.contains("(error 19691) while Open file: standard input"),
                 foreign.err.constData());
        const ProgramRun bad = runCli(world.path("."), {"report", "--format", "xml", "-"});
        QCOMPARE(bad.status, 1);
        QVERIFY(bad.err.contains("--format takes text or json"));
    }

    // scheme -o writes either format as Save writes a scheme file: a device in place,
    // never replaced by an ordinary file, and a failed write is an error.
    void schemeToADevice_data() {
        QTest::addColumn<QString>("format");
        QTest::newRow("scheme file") << "tna";
        QTest::newRow("JSON") << "json";
    }
    void schemeToADevice() {
        QFETCH(QString, format);
        TestWorld world;
        const QString data = studioData(world);
        const QString out = world.path("full");
        if (!makeFullDevice(out))
            QSKIP("device nodes cannot be made here");
        const ProgramRun run = runCli(world.path("."), {"scheme", "--data-dir", data, "--format",
                                                        format, "-o", out, "Default"});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("full: Disk full (error 61)"), run.err.constData());
        checkErrorLines(run.err);
        QVERIFY(QFileInfo::exists(out) && !QFileInfo(out).isFile());
    }

    // The batch writes the same bytes on every run, whoever runs it and wherever to.
    void batchIsByteIdenticalOnRerun_data() {
        QTest::addColumn<int>("generated");
        QTest::newRow("bundled themes") << 0;
        QTest::newRow("100 generated themes") << 100;
    }
    void batchIsByteIdenticalOnRerun() {
        QFETCH(int, generated);
        TestWorld world;
        const QString data = studioData(world);
        const QStringList names = makeGeneratedThemes(data + "/Themes", generated);
        const QStringList batch{"batch", "--data-dir", data, "-o"};
        const ProgramRun first = runCli(world.path("."), batch + QStringList{world.path("one")});
        QCOMPARE(first.status, 0);
        QCOMPARE(first.err, QByteArray());
        const QMap<QString, QByteArray> tree = treeOf(world.path("one"));
        static const QRegularExpression url(QStringLiteral("url\\(\"([^\"]+)\"\\)"));
        QSet<QString> pictures;
        for (const QRegularExpressionMatch& m :
             url.globalMatch(QString::fromUtf8(tree.value("Studio/theme.css"))))
            pictures.insert(m.captured(1));
        QVERIFY(pictures.size() > 10);
        // Five outputs, the style sheet, its example page and its pictures per theme.
        QCOMPARE(tree.size(), 1 + (5 + 2 + pictures.size()) * (generated + 1));
        for (const QString& name : names + QStringList{"Studio"}) {
            QVERIFY2(tree.value(name + "/preview.png").startsWith("\x89PNG"), qPrintable(name));
            QVERIFY(
                tree.value(name + "/scheme.tna").contains("\tTheme: " + name.toUtf8() + "\r\n"));
            QVERIFY(tree.value("index.html").contains("src=\"" + name.toUtf8() + "/preview.png\""));
            QVERIFY(tree.value("index.html")
                        .contains("href=\"" + name.toUtf8() + "/theme.html\">example page</a>"));
            QVERIFY(tree.value(name + "/theme.html").contains("href=\"theme.css\""));
            for (const QString& picture : pictures)
                QVERIFY2(tree.contains(name + "/" + picture), qPrintable(name + "/" + picture));
        }
        // In menu order: "Default" first.
        const QByteArray index = tree.value("index.html");
        QVERIFY(index.contains("<strong>Default (Studio)</strong>"));
        // Every preview loads as it scrolls into view, its size known before it comes.
        const QRegularExpression lazy(
            QStringLiteral("<img src=\"[^\"]+\" width=\"\\d+\" height=\"\\d+\" loading=\"lazy\""));
        QCOMPARE(QString::fromUtf8(index).count(lazy), generated + 1);
        // Each theme's contrast audit, as the audit command prints it, and its sum in
        // the index.
        const ProgramRun audit = runCli(world.path("."), {"audit", "--data-dir", data, "Default"});
        QCOMPARE(audit.status, 0);
        QCOMPARE(tree.value("Studio/audit.txt"), audit.out);
        QVERIFY(index.contains("href=\"Studio/audit.txt\">contrast audit</a>"));
        QVERIFY(index.contains("Contrast AA: every text passes"));
        if (generated > 0) {
            QVERIFY(index.indexOf("Default (Studio)") < index.indexOf("Generated0001"));
            // The generated themes' random colours fail somewhere; the index counts it.
            const ProgramRun failing =
                runCli(world.path("."), {"audit", "--data-dir", data, "Generated0001"});
            QCOMPARE(failing.status, 3);
            QCOMPARE(tree.value("Generated0001/audit.txt"), failing.out);
            const int fails = int(failing.out.count(" FAIL\n"));
            QVERIFY(index.contains(QByteArray("Contrast AA: ") + QByteArray::number(fails) +
                                   " of 12 texts fail"));
        }

        const ProgramRun second = runCli(world.path("."), batch + QStringList{world.path("two")});
        QCOMPARE(second.status, 0);
        QVERIFY(treeOf(world.path("two")) == tree);
        const ProgramRun again = runCli(world.path("."), batch + QStringList{world.path("one")});
        QCOMPARE(again.status, 0);
        QVERIFY(treeOf(world.path("one")) == tree);
    }

    void batchNamesTheThemesThatReportedErrors() {
        TestWorld world;
        const QString data = studioData(world);
        makeGeneratedThemes(data + "/Themes", 2);
        QFile::remove(data + "/Themes/Generated0002/color1.css");
        QFile::remove(data + "/Themes/Generated0002/banner.gif");
        const ProgramRun run =
            runCli(world.path("."), {"batch", "--data-dir", data, "-o", world.path("out")});
        QCOMPARE(run.status, 2);
        checkErrorLines(run.err);
        QVERIFY2(run.err.contains("tintora-cli: Generated0002: " + data.toUtf8() +
                                  "/Themes/Generated0002/color1.css: File not found (error 53)"),
                 run.err.constData());
        QVERIFY(run.err.contains("Generated0002/banner.gif"));
        QVERIFY(run.err.endsWith("tintora-cli: 1 of 3 themes reported errors: Generated0002\n"));
        // The theme's files are written all the same, and the page shows what went wrong.
        QVERIFY(QFileInfo::exists(world.path("out/Generated0002/preview.png")));
        QVERIFY(readFile(world.path("out/index.html")).contains("color1.css: File not found"));
    }

    // On a terminal the batch counts the themes done on one line of standard error,
    // and clears it at the end; --quiet, or a pipe (every other test here), shows
    // nothing.
    void batchShowsProgressOnATerminalOnly_data() {
        QTest::addColumn<bool>("quiet");
        QTest::newRow("terminal") << false;
        QTest::newRow("--quiet") << true;
    }
    void batchShowsProgressOnATerminalOnly() {
        QFETCH(bool, quiet);
        const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
        QVERIFY2(!script.isEmpty(), "script (util-linux) is needed to run under a terminal");
        TestWorld world;
        const QString data = studioData(world);
        makeGeneratedThemes(data + "/Themes", 2);
        QString command = QStringLiteral("'%1' batch --data-dir '%2' -o '%3'")
                              .arg(QStringLiteral(TINTORA_CLI_PATH), data, world.path("out"));
        if (quiet)
            command += QStringLiteral(" --quiet");
        // script gives the command a pseudo-terminal and copies what it shows.
        const ProgramRun run =
            runProgram(script, world.path("."),
                       {QStringLiteral("-qec"), command, QStringLiteral("/dev/null")});
        QCOMPARE(run.status, 0);
        const QByteArray shown = run.out;
        if (quiet) {
            QVERIFY2(!shown.contains("themes"), shown.constData());
            return;
        }
        QVERIFY2(shown.startsWith("\rtintora-cli: 0 of 3 themes"), shown.constData());
        QVERIFY2(shown.contains("\rtintora-cli: 3 of 3 themes"), shown.constData());
        // The last line is blanked out, so what follows starts on a clean line.
        QVERIFY2(shown.endsWith(QByteArray(std::strlen("tintora-cli: 3 of 3 themes"), ' ') + "\r"),
                 shown.constData());
    }

    // A scheme file's control characters (escape sequences that retitle a terminal or
    // change its colours, BEL, C1) reach a terminal only as visible signs; a pipe gets
    // the text as it is.
    void controlCharactersShowOnATerminal_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("report") << QStringList{"report", "evil.tna"};
        QTest::newRow("diff") << QStringList{"diff", "plain.tna", "evil.tna"};
    }
    void controlCharactersShowOnATerminal() {
        QFETCH(QStringList, args);
        const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
        QVERIFY2(!script.isEmpty(), "script (util-linux) is needed to run under a terminal");
        TestWorld world;
        ColorScheme evil = populatedScheme();
        const QString face = QStringLiteral("Evil\x1b]0;owned\x07\u009b31m");
        evil.font(FontAttr::Face, themeElement(Element::BODY).fontSlot) = SchemeValue::text(face);
        Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
        writeSchemeFile(proc, populatedScheme(), testFileInformation(), world.path("plain.tna"));
        writeSchemeFile(proc, evil, testFileInformation(), world.path("evil.tna"));
        QString command = QStringLiteral("'%1'").arg(QStringLiteral(TINTORA_CLI_PATH));
        for (const QString& arg : args)
            command += QStringLiteral(" '%1'").arg(arg);
        const ProgramRun shown =
            runProgram(script, world.path("."),
                       {QStringLiteral("-qec"), command, QStringLiteral("/dev/null")});
        QVERIFY2(
            shown.out.contains(QString::fromUtf8("Evil\u241B]0;owned\u2407\\u009b31m").toUtf8()),
            shown.out.constData());
        for (const char control : {'\x1b', '\x07'})
            QVERIFY(!shown.out.contains(control));
        QVERIFY(!shown.out.contains("\xC2\x9B"));
        const ProgramRun piped = runCli(world.path("."), args);
        QVERIFY(piped.out.contains(face.toUtf8()));
    }

    void batchUsage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("no output") << QStringList{"batch"} << QByteArray("batch needs -o OUTDIR");
        QTest::newRow("theme names")
            << QStringList{"batch", "-o", "x", "Studio"} << QByteArray("it takes no theme names");
        QTest::newRow("output is a file")
            << QStringList{"batch", "-o", "file"} << QByteArray("could not be made");
        QTest::newRow("themes with an argument")
            << QStringList{"themes", "Studio"} << QByteArray("themes takes no arguments");
    }
    void batchUsage() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, message);
        TestWorld world;
        writeFile(world.path("file"), "x");
        QDir().mkpath(world.path("Themes"));
        const ProgramRun run = runCli(world.path("."), args);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(message), run.err.constData());
    }

    // b.tna is a.tna with the first occurrence of each text replaced.
    void diffComparesValues_data() {
        QTest::addColumn<QByteArrayList>("replace"); // old, new, old, new, ...
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        const QByteArray body = "\tForeColor: 16777214\r\n";
        QTest::newRow("the same file") << QByteArrayList{} << 0 << QByteArray();
        QTest::newRow("colour with a fraction")
            << QByteArrayList{body, "\tForeColor: 16777214.0\r\n"} << 0 << QByteArray();
        QTest::newRow("colour with an exponent")
            << QByteArrayList{body, "\tForeColor: 1.6777214E7\r\n"} << 0 << QByteArray();
        QTest::newRow("size with a trailing zero")
            << QByteArrayList{"\tFontSize: 10.5\r\n", "\tFontSize: 10.50\r\n"} << 0 << QByteArray();
        QTest::newRow("face in capitals")
            << QByteArrayList{"\tFont: Arial\r\n", "\tFont: ARIAL\r\n"} << 0 << QByteArray();
        QTest::newRow("another colour") << QByteArrayList{body, "\tForeColor: 255\r\n"} << 3
                                        << QByteArray("BODY.ForeColor: 16777214 -> 255\n");
        QTest::newRow("in file order, whatever the order of the edits")
            << QByteArrayList{"\tImage: C:\\Themes\\Blue\\caf\xc3\xa9_18.gif\r\n", "\tImage: \r\n",
                              "\tFontStyle: 1\r\n", "\tFontStyle: 3\r\n"}
            << 3
            << QByteArray("BODY.FontStyle: 1 -> 3\n"
                          "VIRTNAVBTNPUSH.Image: C:\\Themes\\Blue\\caf\xc3\xa9_18.gif -> \n");
        QTest::newRow("a colour that is no number")
            << QByteArrayList{body, "\tForeColor: blue\r\n"} << 2
            << QByteArray("BODY.ForeColor: 16777214 -> 0\n");
    }
    void diffComparesValues() {
        QFETCH(QByteArrayList, replace);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        TestWorld world;
        const QByteArray a =
            schemeFileBytes(schemeFileLines(populatedScheme(), testFileInformation()));
        QByteArray b = a;
        for (qsizetype i = 0; i + 1 < replace.size(); i += 2) {
            const qsizetype at = b.indexOf(replace[i]);
            QVERIFY2(at >= 0, replace[i].constData());
            b.replace(at, replace[i].size(), replace[i + 1]);
        }
        writeFile(world.path("a.tna"), a);
        writeFile(world.path("b.tna"), b);
        ProgramRun run = runCli(world.path("."), {"diff", "a.tna", "b.tna"});
        QCOMPARE(run.status, status);
        QCOMPARE(run.out, out);
        checkErrorLines(run.err);
        QCOMPARE(run.err.isEmpty(), status != 2);
        // Either file may come from standard input.
        run = runCli(world.path("."), {"diff", "a.tna", "-"}, b);
        QCOMPARE(run.status, status);
        QCOMPARE(run.out, out);
    }

    // a.tna has a Dark variant whose body text is 1118481 (#111111); b.tna differs from
    // it in its Dark variant or its locks only.
    void diffSeesVariantsAndLocks_data() {
        QTest::addColumn<int>("darkBody"); // b's Dark body text; -1: b has no Dark variant
        QTest::addColumn<bool>("lockPage");
        QTest::addColumn<QByteArray>("out"); // %1 stands for the Light body text
        QTest::newRow("the same") << 1118481 << false << QByteArray();
        QTest::newRow("a Dark colour")
            << 2236962 << false << QByteArray("DARK BODY.ForeColor: 1118481 -> 2236962\n");
        QTest::newRow("Dark dropped")
            << -1 << false
            << QByteArray("DARK: made -> none\nDARK BODY.ForeColor: 1118481 -> %1\n");
        QTest::newRow("a lock") << 1118481 << true
                                << QByteArray(
                                       "Locked: none -> BACKGROUND.Color BANNER.BackColor\n");
    }
    void diffSeesVariantsAndLocks() {
        QFETCH(int, darkBody);
        QFETCH(bool, lockPage);
        QFETCH(QByteArray, out);
        const int body = themeElement(Element::BODY).colorSlot;
        const auto withDarkBody = [&](qint32 color) {
            ColorScheme scheme = populatedScheme();
            ColorScheme::ColorTable dark = scheme.SchemeColors;
            dark[ColorAttr::Fore][static_cast<std::size_t>(body)] = color;
            scheme.setColors(Variant::Dark, dark);
            return scheme;
        };
        const ColorScheme a = withDarkBody(1118481);
        ColorScheme b = darkBody < 0 ? populatedScheme() : withDarkBody(darkBody);
        b.setLocked(ColorAttr::Back, 0, lockPage);
        TestWorld world;
        writeFile(world.path("a.tna"), schemeFileBytes(schemeFileLines(a, testFileInformation())));
        writeFile(world.path("b.tna"), schemeFileBytes(schemeFileLines(b, testFileInformation())));
        const ProgramRun run = runCli(world.path("."), {"diff", "a.tna", "b.tna"});
        QCOMPARE(run.status, out.isEmpty() ? 0 : 3);
        QCOMPARE(run.out, out.replace("%1", QByteArray::number(a.color(ColorAttr::Fore, body))));
    }

    void diffUsageAndUnreadableFiles_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("one file") << QStringList{"diff", "a.tna"}
                                  << QByteArray("two scheme files are needed");
        QTest::newRow("three files") << QStringList{"diff", "a.tna", "a.tna", "a.tna"}
                                     << QByteArray("two scheme files at a time");
        QTest::newRow("standard input twice")
            << QStringList{"diff", "-", "-"} << QByteArray("only one of the files");
        QTest::newRow("missing file")
            << QStringList{"diff", "a.tna", "gone.tna"} << QByteArray("gone.tna");
        QTest::newRow("no scheme in it")
            << QStringList{"diff", "junk.tna", "a.tna"} << QByteArray("junk.tna is not a Tintora");
        QTest::newRow("unknown option")
            << QStringList{"diff", "--fast", "a.tna", "a.tna"} << QByteArray("unknown option");
    }
    void diffUsageAndUnreadableFiles() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, message);
        TestWorld world;
        writeFile(world.path("a.tna"),
                  schemeFileBytes(schemeFileLines(populatedScheme(), testFileInformation())));
        writeFile(world.path("junk.tna"), "no sections");
        const ProgramRun run = runCli(world.path("."), args);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QByteArray());
        QVERIFY2(run.err.contains(message), run.err.constData());
        checkErrorLines(run.err);
    }
};

QTEST_GUILESS_MAIN(TestCliCommands)
#include "test_cli_commands.moc"
