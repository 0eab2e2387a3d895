#include "CliFixtures.h"
#include "support/TestSupport.h"
#include "support/ThemeFixtures.h"
#include "support/UnusualFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

// The command line's outputs under attack: links and pipes in the output folder, a
// disk that fills up, theme names that look like format codes.

class TestCliHazards : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What a batch finds in its output folder never takes its outputs elsewhere, nor
    // keeps it waiting: a link is replaced (a file) or refused (a folder), a pipe refused.
    void batchStaysInItsFolder_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("status");
        QTest::newRow("link to a file") << "file link" << 0;
        QTest::newRow("link to a folder") << "folder link" << 2;
        QTest::newRow("pipe") << "pipe" << 2;
    }
    void batchStaysInItsFolder() {
        QFETCH(QString, kind);
        QFETCH(int, status);
        TestWorld world;
        const QString data = studioData(world);
        QDir().mkpath(world.path("elsewhere"));
        QDir().mkpath(world.path("out/Studio"));
        writeFile(world.path("elsewhere/report.txt"), "mine");
        if (kind == QLatin1String("file link"))
            QVERIFY(QFile::link(world.path("elsewhere/report.txt"),
                                world.path("out/Studio/report.txt")));
        else if (kind == QLatin1String("folder link"))
            QVERIFY(QDir(world.path("out/Studio")).removeRecursively() &&
                    QFile::link(world.path("elsewhere"), world.path("out/Studio")));
        else
            QVERIFY(makePipe(world.path("out/Studio/report.txt")));
        const ProgramRun run =
            runCli(world.path("."), {"batch", "--data-dir", data, "-o", world.path("out")});
        QCOMPARE(run.status, status);
        QCOMPARE(QDir(world.path("elsewhere")).entryList(QDir::Files), QStringList{"report.txt"});
        QCOMPARE(readFile(world.path("elsewhere/report.txt")), QByteArray("mine"));
        if (status != 0)
            QVERIFY2(run.err.contains(world.path("out/Studio").toUtf8()), run.err.constData());
        if (kind == QLatin1String("file link"))
            QVERIFY(readFile(world.path("out/Studio/report.txt")).contains("Studio"));
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
};

QTEST_GUILESS_MAIN(TestCliHazards)
#include "test_cli_hazards.moc"
