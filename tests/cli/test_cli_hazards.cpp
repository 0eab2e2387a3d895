#include "CliFixtures.h"
#include "support/TestSupport.h"
#include "support/ThemeFixtures.h"
#include "support/UnusualFiles.h"

#include "framework/BusyFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

#include <sys/time.h>

// The command line's outputs under attack: links and pipes in the output folder, a
// disk that fills up, theme names that look like format codes.
namespace {

// Sets the time `path` was last changed to `age` seconds before now.
bool setModified(const QString& path, qint64 age) {
    const qint64 when = QDateTime::currentSecsSinceEpoch() - age;
    const struct timeval times[2] = {{static_cast<time_t>(when), 0},
                                     {static_cast<time_t>(when), 0}};
    return ::utimes(QFile::encodeName(path).constData(), times) == 0;
}

// The first picture the style sheet names whose copy beside it is not the picture of
// that name in `theme`; empty when each is. A copy named "banner-2.gif" stands for
// "banner.gif".
QString picturesNamedBy(const QString& sheet, const QString& theme) {
    const QString css = QString::fromUtf8(readFile(sheet));
    const QRegularExpression url(QStringLiteral("url\\(\"([^\"]+)\"\\)"));
    const QRegularExpression number(QStringLiteral("-\\d+(\\.[^.]+)$"));
    for (const QRegularExpressionMatch& m : url.globalMatch(css)) {
        const QString copy = m.captured(1);
        const QString original = QString(copy).replace(number, QStringLiteral("\\1"));
        if (readFile(QFileInfo(sheet).dir().filePath(copy)) != readFile(theme + original))
            return copy;
    }
    return {};
}

} // namespace

class TestCliHazards : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What a batch finds in its output folder never takes its outputs elsewhere, nor
    // keeps it waiting: a link is replaced (a file, also the example sheet and page) or
    // refused (a folder), a pipe refused.
    void batchStaysInItsFolder_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("status");
        QTest::newRow("link to a file") << "file link"
                                        << "report.txt" << 0;
        QTest::newRow("sheet: link to a file") << "file link"
                                               << "theme.css" << 0;
        QTest::newRow("page: link to a file") << "file link"
                                              << "theme.html" << 0;
        QTest::newRow("sheet: link to nowhere") << "dangling link"
                                                << "theme.css" << 0;
        QTest::newRow("page: link to nowhere") << "dangling link"
                                               << "theme.html" << 0;
        QTest::newRow("link to a folder") << "folder link"
                                          << "Studio" << 2;
        QTest::newRow("pipe") << "pipe"
                              << "report.txt" << 2;
    }
    void batchStaysInItsFolder() {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(int, status);
        TestWorld world;
        const QString data = studioData(world);
        QDir().mkpath(world.path("elsewhere"));
        QDir().mkpath(world.path("out/Studio"));
        writeFile(world.path("elsewhere/report.txt"), "mine");
        const QString inside = world.path("out/Studio/") + name;
        if (kind == QLatin1String("file link"))
            QVERIFY(QFile::link(world.path("elsewhere/report.txt"), inside));
        else if (kind == QLatin1String("dangling link"))
            QVERIFY(QFile::link(world.path("elsewhere/new.txt"), inside));
        else if (kind == QLatin1String("folder link"))
            QVERIFY(QDir(world.path("out/Studio")).removeRecursively() &&
                    QFile::link(world.path("elsewhere"), world.path("out/Studio")));
        else
            QVERIFY(makePipe(inside));
        const ProgramRun run =
            runCli(world.path("."), {"batch", "--data-dir", data, "-o", world.path("out")});
        QCOMPARE(run.status, status);
        QCOMPARE(QDir(world.path("elsewhere")).entryList(QDir::Files), QStringList{"report.txt"});
        QCOMPARE(readFile(world.path("elsewhere/report.txt")), QByteArray("mine"));
        if (status != 0)
            QVERIFY2(run.err.contains(world.path("out/Studio").toUtf8()), run.err.constData());
        if (kind.endsWith(QLatin1String("link")) && kind != QLatin1String("folder link")) {
            QVERIFY(!QFileInfo(inside).isSymLink());
            QVERIFY(readFile(inside).size() > 100);
        }
    }

    // A batch whose writes fail (the file size limit stands for a full disk) says so
    // and keeps the index of the run before.
    void batchKeepsItsIndexWhenTheDiskIsFull() {
        TestWorld world;
        const QString data = studioData(world);
        const QStringList batch{"batch", "--data-dir", data, "-o", world.path("out")};
        QCOMPARE(runCli(world.path("."), batch).status, 0);
        const QByteArray index = readFile(world.path("out/index.html"));
        ProgramRun run;
        {
            const FileSizeLimit limit(256);
            run = runCli(world.path("."), batch);
        }
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("index.html could not be written: Disk full"),
                 run.err.constData());
        QCOMPARE(readFile(world.path("out/index.html")), index);
    }

    // Every link of the index leads to its file, whatever the theme folder is called.
    void indexLinksHoldForEveryFolderName() {
        TestWorld world;
        const QString name = QStringLiteral("a*+,:;<=>?b %2 %3");
        const QString data = studioData(world, name);
        const ProgramRun run =
            runCli(world.path("."), {"batch", "--data-dir", data, "-o", world.path("out")});
        QCOMPARE(run.status, 0);
        const QString index = QString::fromUtf8(readFile(world.path("out/index.html")));
        const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
        int links = 0;
        for (const QRegularExpressionMatch& m : link.globalMatch(index)) {
            const QString file = QUrl::fromPercentEncoding(m.captured(1).toUtf8());
            QVERIFY2(QFileInfo::exists(world.path("out/") + file), qPrintable(file));
            ++links;
        }
        // Per theme: the preview (link and picture), the example page and five outputs.
        QCOMPARE(links, 2 * 8);
        QVERIFY(index.contains(QStringLiteral("width=\"")));
    }

    // "-" is no style sheet's name: the export says so and writes nothing.
    void cssExportToStandardOutputIsRefused() {
        TestWorld world;
        const QString data = studioData(world);
        const ProgramRun run =
            runCli(world.path("."), {"export", "--data-dir", data, "--css", "-", "Default"});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("standard output"), run.err.constData());
        QVERIFY(!QFileInfo::exists(world.path("-")));
    }

    // A theme export whose picture copy fails does not end as a success.
    void themeExportReportsACutPicture() {
        TestWorld world;
        const QString data = studioData(world);
        QVERIFY(makePictureFile(data + "/Themes/Studio/banner.gif", 64 * 1024));
        ProgramRun run;
        {
            const FileSizeLimit limit(16 * 1024);
            run = runCli(world.path("."),
                         {"export", "--data-dir", data, "--theme", "Cut", "Default"});
        }
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("Themes/Cut/banner.gif: Disk full"), run.err.constData());
        QVERIFY(!QFileInfo::exists(data + "/Themes/Cut/banner.gif"));
    }

    // An export of a theme clears away what exports killed before it left: a hidden
    // building folder older than its run that no export at work holds. One at work, one
    // newer than the run and a link of such a name are left alone.
    void themeExportRemovesStaleBuildingFolders() {
        TestWorld world;
        const QString data = studioData(world);
        const QString themes = data + "/Themes/";
        struct Leftover {
            const char* name;
            qint64 age; // seconds before now; negative: after
            bool kept;
        };
        const Leftover leftovers[] = {
            {".tintora-export-killed", 3600, false},
            {".tintora-export-atwork", 3600, true},
            {".tintora-export-future", -3600, true},
        };
        for (const Leftover& leftover : leftovers) {
            writeFile(themes + leftover.name + "/theme.css", "half a theme");
            QVERIFY(setModified(themes + leftover.name, leftover.age));
        }
        writeFile(world.path("keep/precious.txt"), "keep me");
        QVERIFY(QFile::link(world.path("keep"), themes + ".tintora-export-link"));
        const BusyFolder atWork(themes + ".tintora-export-atwork");

        const ProgramRun run =
            runCli(world.path("."), {"export", "--data-dir", data, "--theme", "Mine", "Default"});
        QCOMPARE(run.status, 0);
        for (const Leftover& leftover : leftovers)
            QVERIFY2(QFileInfo::exists(themes + leftover.name) == leftover.kept, leftover.name);
        QCOMPARE(readFile(world.path("keep/precious.txt")), QByteArray("keep me"));
        QVERIFY(QFileInfo(themes + "Mine/theme.css").isFile());
    }

    // Two style sheets exported into one folder at once, of themes whose pictures have
    // the same names, each name their own pictures.
    void concurrentExportsKeepTheirPictures() {
        TestWorld world;
        const QString data = studioData(world, QStringLiteral("Other"));
        const QString other = data + "/Themes/Other/";
        const QStringList pictures = QDir(other).entryList({"*.gif"}, QDir::Files, QDir::Name);
        QVERIFY(pictures.size() > 2);
        // Same names, other pictures: each takes the bytes of the next one.
        for (qsizetype i = 0; i < pictures.size(); ++i)
            writeFile(other + pictures[i],
                      readFile(data + "/Themes/Studio/" + pictures[(i + 1) % pictures.size()]));
        for (int round = 0; round < 4; ++round) {
            const QString site = world.path(QStringLiteral("site%1").arg(round));
            QDir().mkpath(site);
            QProcess a;
            QProcess b;
            startProgram(a, QStringLiteral(TINTORA_CLI_PATH), world.path("."),
                         {"export", "--data-dir", data, "--css", site + "/a.css", "Default"});
            startProgram(b, QStringLiteral(TINTORA_CLI_PATH), world.path("."),
                         {"export", "--data-dir", data, "--css", site + "/b.css", "Other"});
            QVERIFY(a.waitForFinished(60000) && b.waitForFinished(60000));
            QCOMPARE(a.exitCode(), 0);
            QCOMPARE(b.exitCode(), 0);
            QCOMPARE(picturesNamedBy(site + "/a.css", data + "/Themes/Studio/"), QString());
            QCOMPARE(picturesNamedBy(site + "/b.css", other), QString());
        }
    }
};

QTEST_GUILESS_MAIN(TestCliHazards)
#include "test_cli_hazards.moc"
