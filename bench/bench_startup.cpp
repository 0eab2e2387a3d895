// Start-up overhead: process start to main window shown, less the splash window's two
// one-second timers, against a bare Qt program showing one window, both started the
// same way in each iteration. Run: build/bench/bench_startup
#include "framework/BuildPaths.h"
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr double TimerSeconds = 2.0;

// Copies the bundled Themes folder, so the program reads the real Default theme.
bool copyTree(const QString& from, const QString& to) {
    if (!QDir().mkpath(to))
        return false;
    const QDir source(from);
    for (const QString& name : source.entryList(QDir::Files))
        if (!QFile::copy(source.filePath(name), to + QLatin1Char('/') + name))
            return false;
    for (const QString& name : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (!copyTree(source.filePath(name), to + QLatin1Char('/') + name))
            return false;
    return true;
}

// Seconds from starting the program to its exit, which both probes do as soon as
// their window is shown. Negative when it failed.
double runProbe(const QString& program, const QString& folder) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), folder + QStringLiteral("/home"));
    env.insert(QStringLiteral("WINEPREFIX"), folder + QStringLiteral("/wine"));
    env.remove(QStringLiteral("TINTORA_TRACE"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder + QStringLiteral("/data"));
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return -1.0;
    return double(clock.nsecsElapsed()) / 1e9;
}

void BM_StartUpOverhead(benchmark::State& state) {
    QTemporaryDir folder;
    if (!copyTree(QStringLiteral(TINTORA_BUILD_DATA_DIR "/Themes"),
                  folder.filePath("data/Themes"))) {
        state.SkipWithError("cannot copy the bundled themes");
        return;
    }
    double tintoraTotal = 0.0;
    double bareTotal = 0.0;
    for (auto _ : state) {
        const double tintora = runProbe(QStringLiteral(TINTORA_PROBE), folder.path());
        const double bare = runProbe(QStringLiteral(BARE_PROBE), folder.path());
        if (tintora < 0.0 || bare < 0.0) {
            state.SkipWithError("a probe failed");
            return;
        }
        state.SetIterationTime(tintora - TimerSeconds);
        tintoraTotal += tintora - TimerSeconds;
        bareTotal += bare;
    }
    const double n = double(state.iterations());
    state.counters["tintora_ms"] = tintoraTotal / n * 1000.0;
    state.counters["bare_ms"] = bareTotal / n * 1000.0;
    state.counters["ratio"] = tintoraTotal / bareTotal;
}

} // namespace

BENCHMARK(BM_StartUpOverhead)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
