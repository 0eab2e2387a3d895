// tintora-cli export as the table of formats builds it: one option per format, every
// format writing what its row says it writes, the one check of what is in the way,
// output folders made as mkdir -p makes them, and a read-only file system told once.
#include "../export/ExportFixtures.h"
#include "CliFixtures.h"
#include "export/ExportFormat.h"
#include "support/UnusualFiles.h"
#include "theme/ColorScheme.h"

#include <QFileInfo>

namespace {

// Where a row's export goes in a test's folder: a file named with its ending, or the
// theme folder of the data folder.
QString targetOf(const ExportFormat& format, const QString& data, const QString& folder) {
    if (format.target == ExportTarget::ThemeFolder)
        return data + QStringLiteral("/Themes/Mine");
    return folder + QStringLiteral("/out.") + QLatin1String(format.ending);
}

QString valueOf(const ExportFormat& format, const QString& target) {
    return format.target == ExportTarget::ThemeFolder ? QStringLiteral("Mine") : target;
}

// A scheme whose variants are those `variants` asks for, for the outputs a row names.
ColorScheme schemeWith(bool variants) {
    ColorScheme scheme;
    if (variants)
        scheme.DarkColors = scheme.ContrastColors = scheme.SchemeColors;
    return scheme;
}

} // namespace

class TestCliExports : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The help and the usage line offer every format of the table, in its order.
    void everyFormatIsAnOption() {
        TestWorld world;
        const ProgramRun run = runCli(world.path("."), {"export", "--help"});
        QCOMPARE(run.status, 0);
        qsizetype at = 0;
        for (const ExportFormat& format : exportFormats()) {
            const QByteArray option = QByteArray("--") + format.name + ' ' + format.valueName;
            const qsizetype found = run.out.indexOf(option, at);
            QVERIFY2(found >= 0, option.constData());
            at = found;
            QVERIFY2(
                run.out.contains(QByteArray("--") + format.name + " <" + format.valueName + '>'),
                format.name);
        }
    }

    // Each row's export writes every output its row names, refuses to replace them
    // without --replace (naming the first in the way, writing nothing) and replaces
    // them with it; one that cannot carry the variants and locks says so.
    void everyFormatWritesItsOutputs_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("variants");
        for (const ExportFormat& format : exportFormats())
            for (const bool variants : {false, true})
                QTest::newRow(qPrintable(QStringLiteral("%1%2").arg(
                    QLatin1String(format.name),
                    variants ? QStringLiteral(" with variants") : QString())))
                    << QString::fromLatin1(format.name) << variants;
    }
    void everyFormatWritesItsOutputs() {
        QFETCH(QString, format);
        QFETCH(bool, variants);
        const ExportFormat& row = *exportFormatNamed(format);
        TestWorld world;
        const QString data = studioData(world);
        // The scheme of Studio, or that file made of it with variants and a lock.
        QStringList from{"Default"};
        if (variants) {
            const ProgramRun made =
                runCli(world.path("."), {"variants", "--data-dir", data, "--lock",
                                         "BANNER.BackColor", "-o", world.path("v.tna"), "Default"});
            QVERIFY2(made.status == 0 || made.status == 3, made.err.constData());
            from = QStringList{"--from", world.path("v.tna")};
        }
        const QString target = targetOf(row, data, world.path("site"));
        const QStringList args =
            QStringList{"export", "--data-dir", data, "--" + format, valueOf(row, target)} + from;
        const ProgramRun first = runCli(world.path("."), args);
        QCOMPARE(first.status, 0);
        checkErrorLines(first.err);
        const QStringList outputs = exportOutputs(row, schemeWith(variants), target);
        for (const QString& output : outputs)
            QVERIFY2(QFileInfo::exists(output), qPrintable(output));
        const bool loses = variants && !(row.carries.variants && row.carries.locks);
        QCOMPARE(first.err.contains("The export"), loses);

        writeFile(outputs.last() + (row.target == ExportTarget::ThemeFolder ? "/mine" : ""),
                  "mine");
        const ProgramRun kept = runCli(world.path("."), args);
        QCOMPARE(kept.status, 1);
        QVERIFY2(kept.err.contains(QFileInfo(outputs.first()).fileName().toUtf8() +
                                   " already exists; --replace replaces it"),
                 kept.err.constData());
        const ProgramRun replaced = runCli(world.path("."), args + QStringList{"--replace"});
        QCOMPARE(replaced.status, 0);
        QVERIFY(!QFileInfo::exists(outputs.last() + "/mine"));
        if (row.target == ExportTarget::File)
            QVERIFY(readFile(outputs.last()) != "mine");
    }

    // An output's folder is made as mkdir -p makes it, below the deepest folder of the
    // path that is there; something else in the way of a folder, or a data folder that
    // is not there, refuses the export and makes nothing.
    void outputFoldersAreMadeAsMkdirMakesThem_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("refused");
        QTest::newRow("the manual's example")
            << QStringList{"export", "--css", "site/theme.css", "Default"} << "site/theme.css"
            << QByteArray();
        QTest::newRow("folders in folders")
            << QStringList{"export", "--tokens", "a/b/c/t.tokens.json", "Default"}
            << "a/b/c/t.tokens.json" << QByteArray();
        QTest::newRow("through ..")
            << QStringList{"export", "--scss", "new/../other/_t.scss", "Default"} << "other/_t.scss"
            << QByteArray();
        QTest::newRow("scheme -o")
            << QStringList{"scheme", "-o", "out/s.tna", "Default"} << "out/s.tna" << QByteArray();
        QTest::newRow("a file where a folder goes")
            << QStringList{"export", "--tailwind", "plain/deeper/t.css", "Default"} << QString()
            << QByteArray("plain/deeper: Path not found (error 76)");
        QTest::newRow("a link leading nowhere")
            << QStringList{"export", "--css", "gone/site.css", "Default"} << QString()
            << QByteArray("gone: Path not found (error 76)");
        QTest::newRow("a data folder that is not there")
            << QStringList{"export", "--data-dir", "missing/data", "--theme", "Mine", "Default"}
            << QString() << QByteArray("the data folder missing/data does not exist");
    }
    void outputFoldersAreMadeAsMkdirMakesThem() {
        QFETCH(QStringList, args);
        QFETCH(QString, written);
        QFETCH(QByteArray, refused);
        TestWorld world;
        const QString data = studioData(world);
        writeFile(world.path("plain"), "a file");
        QVERIFY(QFile::link(world.path("nowhere"), world.path("gone")));
        QStringList withData = args;
        if (!args.contains("--data-dir"))
            withData.insert(1, QStringLiteral("--data-dir=") + data);
        const QSet<QString> before = entriesUnder(world.path("."));
        const ProgramRun run = runCli(world.path("."), withData);
        checkErrorLines(run.err);
        if (refused.isEmpty()) {
            QCOMPARE(run.status, 0);
            QVERIFY2(QFileInfo(world.path(written)).isFile(), qPrintable(written));
            // A folder the path only passed through serves nothing and is not kept.
            QVERIFY(!QFileInfo::exists(world.path("new")));
            return;
        }
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(refused), run.err.constData());
        QCOMPARE(entriesUnder(world.path(".")), before);
    }

    // An export that fails leaves no folder it made behind.
    void failedExportTakesItsFoldersAway() {
        TestWorld world;
        const QString data = studioData(world);
        ProgramRun run;
        {
            const FileSizeLimit limit(512);
            run = runCli(world.path("."), {"export", "--data-dir", data, "--tokens",
                                           "x/y/t.tokens.json", "Default"});
        }
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("Disk full (error 61)"), run.err.constData());
        QVERIFY(!QFileInfo::exists(world.path("x")));
    }

    // On a read-only file system the export is refused once, with the true reason and
    // the folder, before anything is tried: no line per picture.
    void readOnlyFileSystemIsToldOnce() {
        TestWorld world;
        const QString data = studioData(world);
        const QString site = world.path("site");
        QVERIFY(QDir().mkpath(site));
        const ProgramRun run =
            runProgram(QStringLiteral("unshare"), world.path("."),
                       onReadOnlyFileSystem(site, QStringLiteral(TINTORA_CLI_PATH),
                                            {"export", "--data-dir", data, "--css",
                                             site + "/theme.css", "Default"}));
        QVERIFY2(!run.err.startsWith("unshare:") && !run.err.startsWith("mount:"),
                 qPrintable("this test needs unshare and user namespaces: " + run.err));
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(run.err.startsWith("tintora-cli: " + site.toUtf8() +
                                    ": Read-only file system (error 70)"),
                 run.err.constData());
    }
};

QTEST_GUILESS_MAIN(TestCliExports)
#include "test_cli_exports.moc"
