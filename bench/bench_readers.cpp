// Choosing a theme (the four style-sheet readers on the bundled Studio theme) against
// the raw reading of the same four files, timed in the same run. The counter "ratio"
// is reader time over raw time.
#include "framework/BuildPaths.h"
#include "framework/DataFolder.h"
#include "theme/ChooseTheme.h"
#include "theme/ColorScheme.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

namespace {
using Clock = std::chrono::steady_clock;

const QStringList Sheets{QStringLiteral("color1.css"), QStringLiteral("graph0.css"),
                         QStringLiteral("graph1.css"), QStringLiteral("theme.css")};

// A copy of the Studio sheets in a temporary data folder, so that the run reads the
// same files whatever the working folder.
class StudioCopy {
public:
    StudioCopy() {
        const QString source = QStringLiteral(TINTORA_BUILD_DATA_DIR "/Themes/Studio/");
        folder_ = dir_.filePath(QStringLiteral("Themes/Studio"));
        if (!dir_.isValid() || !QDir().mkpath(folder_))
            std::abort();
        for (const QString& sheet : Sheets)
            if (!QFile::copy(source + sheet, folder_ + QLatin1Char('/') + sheet))
                std::abort();
    }
    const QString& folder() const { return folder_; }
    QString themesDir() const { return DataFolder::themesDir(dir_.path()); }

private:
    QTemporaryDir dir_;
    QString folder_;
};

qint64 readRaw(const QString& folder) {
    qint64 bytes = 0;
    for (const QString& sheet : Sheets) {
        QFile file(folder + QLatin1Char('/') + sheet);
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        const QByteArray data = file.readAll();
        bytes += data.size();
        benchmark::DoNotOptimize(data.constData());
    }
    return bytes;
}

void BM_ChooseTheme(benchmark::State& state) {
    const StudioCopy studio;
    const QString themesDir = studio.themesDir();
    ColorScheme scheme;
    scheme.fillFontSizeTable();
    double readerSeconds = 0;
    double rawSeconds = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        chooseTheme(scheme, themesDir, QStringLiteral("Default"));
        const auto t1 = Clock::now();
        bytes += readRaw(studio.folder());
        const auto t2 = Clock::now();
        const double reader = std::chrono::duration<double>(t1 - t0).count();
        readerSeconds += reader;
        rawSeconds += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(reader);
        benchmark::DoNotOptimize(scheme);
    }
    state.SetBytesProcessed(bytes);
    state.counters["raw_us"] =
        benchmark::Counter(rawSeconds * 1e6 / static_cast<double>(state.iterations()));
    state.counters["ratio"] = benchmark::Counter(readerSeconds / rawSeconds);
}
BENCHMARK(BM_ChooseTheme)->UseManualTime()->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
