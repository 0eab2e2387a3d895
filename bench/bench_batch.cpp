// The batch of tintora-cli over generated themes, against an in-process render of one
// theme as the render command does it (read the theme, draw the page, encode the PNG,
// write it). Run with
//   build/bench/bench_batch --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
// The counters: per_theme_ms is the batch's wall time per theme, cores the CPU time
// used per wall-clock second, peak_rss_MiB the process's peak memory so far (the
// 100-theme batch runs before the 1000-theme one, so a peak that grows with the number
// of themes would show there).
#include "app/cli/Batch.h"
#include "framework/DataFolder.h"
#include "support/ThemeFixtures.h"
#include "theme/ChooseTheme.h"
#include "ui/preview/PreviewPage.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QThreadPool>

#include <sys/resource.h>

namespace {

constexpr int ThemeCount = 1000;

struct GeneratedData {
    QTemporaryDir dir;
    QString themesDir;
    QStringList names;
    GeneratedData() {
        themesDir = DataFolder::themesDir(dir.path());
        QDir().mkpath(themesDir + QStringLiteral("/Studio"));
        const QDir studio(DataFolder::themesDir(bundledDataFolder()) + QStringLiteral("/Studio"));
        for (const QString& file : studio.entryList(QDir::Files))
            QFile::copy(studio.filePath(file), themesDir + QStringLiteral("/Studio/") + file);
        names = makeGeneratedThemes(themesDir, ThemeCount);
    }
};

GeneratedData& data() {
    static GeneratedData generated;
    return generated;
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double peakRssMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// One theme as "tintora-cli render" draws it, each iteration a different theme so its
// pictures are decoded afresh, as in a batch.
void BM_RenderOneTheme(benchmark::State& state) {
    GeneratedData& generated = data();
    QTemporaryDir out;
    PreviewPage page;
    page.setOverPictureLabelsTransparent(true);
    qsizetype next = 0;
    for (auto _ : state) {
        const QString name = generated.names[next++ % generated.names.size()];
        ColorScheme scheme;
        scheme.fillFontSizeTable();
        chooseTheme(scheme, generated.themesDir, name);
        page.DisplayRefresh(scheme);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        page.grab().toImage().save(&buffer, "PNG");
        QSaveFile file(out.filePath(QStringLiteral("preview.png")));
        file.open(QIODevice::WriteOnly);
        file.write(png);
        file.commit();
    }
}
BENCHMARK(BM_RenderOneTheme)->Unit(benchmark::kMillisecond)->UseRealTime();

// The batch over the first N generated themes (and Studio), with T worker threads
// (0: every core).
void BM_Batch(benchmark::State& state) {
    GeneratedData& generated = data();
    const int count = static_cast<int>(state.range(0));
    const int threads = static_cast<int>(state.range(1));
    QList<BatchTheme> themes{{QStringLiteral("Default"), QStringLiteral("Studio")}};
    for (int i = 0; i < count; ++i)
        themes.append({generated.names[i], generated.names[i]});
    QThreadPool* pool = QThreadPool::globalInstance();
    const int ideal = QThread::idealThreadCount();
    pool->setMaxThreadCount(threads > 0 ? threads : ideal);
    QTemporaryDir out;
    BatchSettings settings;
    settings.themesDir = generated.themesDir;
    settings.outputDir = out.path();
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        const double cpuBefore = cpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        const BatchResult result = runBatch(settings, themes);
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        cpu += cpuSeconds() - cpuBefore;
        if (!result.failures.isEmpty() || !result.indexWritten)
            state.SkipWithError("the batch reported errors");
    }
    pool->setMaxThreadCount(ideal);
    state.counters["per_theme_ms"] =
        benchmark::Counter(1000.0 * wall / static_cast<double>(state.iterations()) /
                           static_cast<double>(themes.size()));
    state.counters["cores"] = benchmark::Counter(cpu / wall);
    state.counters["peak_rss_MiB"] = benchmark::Counter(peakRssMiB());
}
BENCHMARK(BM_Batch)
    ->Args({100, 1})
    ->Args({100, 0})
    ->Args({ThemeCount, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

} // namespace
