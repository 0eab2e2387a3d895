// The desktop program's command line, run as the user runs it.
#include "framework/Globals.h"
#include "framework/Version.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTest>

namespace {
const QString Program = QStringLiteral(TINTORA_PATH);

// As on a machine without a display: no X or Wayland display, no platform chosen.
const ExtraEnvironment NoDisplay{{QStringLiteral("DISPLAY"), QString()},
                                 {QStringLiteral("WAYLAND_DISPLAY"), QString()},
                                 {QStringLiteral("QT_QPA_PLATFORM"), QString()}};
} // namespace

class TestArguments : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answeredWithoutADisplay_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        // The version as About, the manual page and the package give it.
        const QString version = QStringLiteral("tintora 1.0.0\n");
        QCOMPARE(QLatin1String(tintora::VersionString), QStringLiteral("%1.%2.%3")
                                                            .arg(tintora::VersionMajor)
                                                            .arg(tintora::VersionMinor)
                                                            .arg(tintora::VersionRevision));
        QTest::newRow("--help") << QStringList{"--help"} << 0
                                << "Usage: tintora [options] [FILE.tna]\n"
                                << QString();
        QTest::newRow("-h") << QStringList{"-h"} << 0 << "Usage: tintora [options] [FILE.tna]\n"
                            << QString();
        QTest::newRow("--version") << QStringList{"--version"} << 0 << version << QString();
        QTest::newRow("-v with a file") << QStringList{"-v", "x.tna"} << 0 << version << QString();
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 1 << QString()
                                        << "tintora: Unknown option 'frobnicate'.\nTry 'tintora "
                                           "--help' for more information.\n";
        QTest::newRow("Qt's option without its value")
            << QStringList{"-platform"} << 1 << QString() << "tintora: Missing value after";
    }
    void answeredWithoutADisplay() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        TestWorld world;
        const ProgramRun run = runProgram(Program, world.dir.path(), args, {}, NoDisplay);
        QCOMPARE(run.status, status);
        QVERIFY2(QString::fromLocal8Bit(run.out).startsWith(out), run.out.constData());
        QVERIFY2(QString::fromLocal8Bit(run.err).startsWith(err), run.err.constData());
        if (status == 0)
            QVERIFY(run.err.isEmpty());
        else
            QVERIFY(run.out.isEmpty());
    }

    void helpNamesEveryOption() {
        TestWorld world;
        const QString help = QString::fromLocal8Bit(
            runProgram(Program, world.dir.path(), {"--help"}, {}, NoDisplay).out);
        for (const char* line : {"-h, --help", "-v, --version", "FILE.tna"})
            QVERIFY2(help.contains(QLatin1String(line)), line);
        // Qt's own options are understood but not offered.
        QVERIFY(!help.contains(QLatin1String("platform")));
    }

    // The file named opens after start-up: it becomes the first recent file, which the
    // program stores only once the file was read as a scheme.
    void fileArgumentOpens() {
        TestWorld world;
        const QString scheme = world.path(QStringLiteral("docs/mine.tna"));
        QDir().mkpath(world.path(QStringLiteral("docs")));
        // The Default theme's scheme, as the command-line twin writes it.
        const ProgramRun written = runProgram(QStringLiteral(TINTORA_CLI_PATH), world.dir.path(),
                                              {"scheme", "-o", scheme, "Default"});
        QVERIFY2(written.status == 0, written.err.constData());
        QProcess process;
        // A relative name, as typed in a terminal in the file's folder.
        startProgram(process, Program, world.path(QStringLiteral("docs")), {"mine.tna"},
                     {{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")}});
        QVERIFY(process.waitForStarted());
        const QString config = world.path(QStringLiteral("docs/config/tintora/tintora.ini"));
        const auto recent = [&] {
            QSettings settings(config, QSettings::IniFormat);
            return settings.value(QStringLiteral("files/recent")).toStringList();
        };
        QTRY_COMPARE_WITH_TIMEOUT(recent(), QStringList{scheme}, 60000);
        QCOMPARE(process.state(), QProcess::Running);
        process.kill();
        process.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestArguments)
#include "test_arguments.moc"
