// Unpacking 200 theme packages of 30 files each: the program's own unpacker, the whole
// installation path (copy, worker thread, event loop) and bsdtar -xf of the same
// packages, in the same run. Run: build/bench/bench_unpack
#include "framework/Procedure.h"
#include "startup/PackageUnpacker.h"
#include "startup/ThemeInstaller.h"
#include "tests/startup/PackageMaker.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int PackageCount = 200;
constexpr int FilesPerPackage = 30;

struct PackageSet {
    QTemporaryDir dir;
    QStringList packages[2]; // zip, tar.gz
    QString error;

    QString source(int format) const {
        return dir.filePath(format == 0 ? QStringLiteral("zip") : QStringLiteral("tgz"));
    }

    PackageSet() {
        for (int format = 0; format < 2; ++format) {
            for (int p = 0; p < PackageCount && error.isEmpty(); ++p) {
                const QString name = QStringLiteral("Theme%1").arg(p, 3, 10, QLatin1Char('0'));
                QList<PackageEntry> entries = themeFiles(name);
                for (int f = int(entries.size()); f < FilesPerPackage; ++f) {
                    // Pictures of a few kilobytes, varied enough not to compress to nothing.
                    QByteArray picture("GIF89a");
                    for (int i = 0; i < 3000; ++i)
                        picture.append(char((i * 7 + f * 13 + p) % 251));
                    entries.append({QStringLiteral("images/pic%1.gif").arg(f), picture});
                }
                const QString path = source(format) + QLatin1Char('/') + name + QLatin1Char('/') +
                                     name + QStringLiteral(".elm");
                error = writePackage(path, format == 0 ? PackageFormat::Zip : PackageFormat::TarGz,
                                     entries);
                packages[format].append(path);
            }
        }
    }
};

PackageSet& packageSet() {
    static PackageSet set;
    return set;
}

// A fresh, empty folder per package for one iteration. Nothing is deleted while a
// benchmark runs: on ext4, creating files right after deleting many costs the kernel
// more than the unpacking itself, which would measure the order of the runs.
QStringList freshTargets(const QString& root) {
    static int iteration = 0;
    const QString folder = root + QStringLiteral("/i%1").arg(++iteration);
    QStringList targets;
    for (int p = 0; p < PackageCount; ++p) {
        targets.append(folder + QStringLiteral("/t%1").arg(p));
        QDir().mkpath(targets.last());
    }
    return targets;
}

void BM_UnpackPackage(benchmark::State& state) {
    PackageSet& set = packageSet();
    const int format = int(state.range(0));
    const QString root = set.dir.filePath(QStringLiteral("own"));
    for (auto _ : state) {
        state.PauseTiming();
        const QStringList targets = freshTargets(root);
        state.ResumeTiming();
        for (int p = 0; p < PackageCount; ++p) {
            const UnpackResult result = unpackPackage(set.packages[format][p], targets[p]);
            if (!result.ok) {
                state.SkipWithError(result.error.toUtf8().constData());
                return;
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * PackageCount);
}

void BM_Bsdtar(benchmark::State& state) {
    PackageSet& set = packageSet();
    const int format = int(state.range(0));
    const QString root = set.dir.filePath(QStringLiteral("bsdtar"));
    for (auto _ : state) {
        state.PauseTiming();
        const QStringList targets = freshTargets(root);
        state.ResumeTiming();
        for (int p = 0; p < PackageCount; ++p) {
            QProcess bsdtar;
            bsdtar.setWorkingDirectory(targets[p]);
            bsdtar.start(QStringLiteral("bsdtar"),
                         {QStringLiteral("-xf"), set.packages[format][p]});
            if (!bsdtar.waitForFinished(60000) || bsdtar.exitCode() != 0) {
                state.SkipWithError("bsdtar failed");
                return;
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * PackageCount);
}

// The start-up path: existence tests, copy into the working folder, unpacking on a
// worker thread while the event loop runs.
void BM_InstallerRun(benchmark::State& state) {
    PackageSet& set = packageSet();
    const int format = int(state.range(0));
    int items = 0;
    int unpacked = 0;
    static int iteration = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString themesDir =
            set.dir.filePath(QStringLiteral("start%1-%2/Themes").arg(format).arg(++iteration));
        QDir().mkpath(themesDir);
        items = 0;
        unpacked = 0;
        state.ResumeTiming();
        ThemeInstaller installer({set.source(format), QString()}, themesDir);
        installer.addThemesItem = [&items](const QString&) { ++items; };
        installer.packageStarted = [&unpacked](const QString&) { ++unpacked; };
        installer.yield = [] {};
        Procedure proc(QStringLiteral("frmSplash.Timer1_Timer"));
        installer.run(proc);
    }
    if (items != PackageCount + 1 || unpacked != PackageCount)
        state.SkipWithError("not every package was installed");
    state.SetItemsProcessed(state.iterations() * PackageCount);
}

} // namespace

BENCHMARK(BM_UnpackPackage)
    ->ArgName("tgz")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_Bsdtar)->ArgName("tgz")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_InstallerRun)
    ->ArgName("tgz")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!packageSet().error.isEmpty()) {
        std::fprintf(stderr, "cannot write the packages: %s\n", qPrintable(packageSet().error));
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
