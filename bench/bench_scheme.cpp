// Writing, reading and reporting a scheme, each timed against the raw file I/O of
// the same bytes in the same run. The "ratio" counter is engine time over raw time.
#include "framework/ErrorHandler.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "scheme/SchemeReport.h"
#include "theme/ColorScheme.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// A scheme as a chosen theme leaves it: every used slot set.
ColorScheme benchScheme() {
    ColorScheme s;
    s.fillFontSizeTable();
    s.ThemeName = QStringLiteral("Studio");
    for (int slot = 0; slot <= 18; ++slot)
        s.SchemeImages[static_cast<size_t>(slot)] =
            QStringLiteral("/home/designer/.local/share/tintora/Themes/Studio/picture%1.gif")
                .arg(slot);
    for (int slot = 0; slot <= 12; ++slot) {
        s.SchemeColors[ColorAttr::Back][static_cast<size_t>(slot)] = rgbValue(slot, 100, 200);
        s.SchemeColors[ColorAttr::Fore][static_cast<size_t>(slot)] = rgbValue(250, slot, 20);
        s.SchemeFonts[FontAttr::Face][static_cast<size_t>(slot)] =
            SchemeValue::text(QStringLiteral("Verdana"));
        s.SchemeFonts[FontAttr::Size][static_cast<size_t>(slot)] =
            SchemeValue::text(QStringLiteral("10pt"));
        s.SchemeFonts[FontAttr::Style][static_cast<size_t>(slot)] = SchemeValue::integer(slot % 4);
    }
    return s;
}

// What the benchmarked files say about the program.
FileInformation benchInformation() {
    return {QStringLiteral("0001.0000.0000"), QStringLiteral("designer")};
}

void rawWrite(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();
}

// The same, made durable as the scheme writer makes its file before it replaces
// the old one.
void rawWriteSynced(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush() || ::fdatasync(file.handle()) != 0)
        std::abort();
    file.close();
}

QByteArray rawRead(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

double nanoseconds(Clock::duration d) {
    return static_cast<double>(std::chrono::duration_cast<std::chrono::nanoseconds>(d).count());
}

void report(benchmark::State& state, double engine, double raw) {
    const auto n = static_cast<double>(state.iterations());
    state.counters["engine_us"] = engine / n / 1000;
    state.counters["raw_us"] = raw / n / 1000;
    state.counters["ratio"] = engine / raw;
}

void BM_WriteSchemeFile(benchmark::State& state) {
    QTemporaryDir dir;
    const ColorScheme scheme = benchScheme();
    const QString path = dir.filePath(QStringLiteral("scheme.tna"));
    const QString rawPath = dir.filePath(QStringLiteral("raw.tna"));
    const QByteArray bytes = schemeFileBytes(schemeFileLines(scheme, benchInformation()));
    double engine = 0;
    double raw = 0;
    double synced = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
        benchmark::DoNotOptimize(writeSchemeFile(proc, scheme, benchInformation(), path));
        const auto t1 = Clock::now();
        rawWrite(rawPath, bytes);
        const auto t2 = Clock::now();
        rawWriteSynced(rawPath, bytes);
        const auto t3 = Clock::now();
        engine += nanoseconds(t1 - t0);
        raw += nanoseconds(t2 - t1);
        synced += nanoseconds(t3 - t2);
    }
    report(state, engine, raw);
    // The writer syncs its temporary file before the switch; set against a raw
    // write that syncs too.
    state.counters["ratio_synced"] = engine / synced;
}
BENCHMARK(BM_WriteSchemeFile);

void BM_ReadSchemeFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scheme.tna"));
    rawWrite(path, schemeFileBytes(schemeFileLines(benchScheme(), benchInformation())));
    double engine = 0;
    double raw = 0;
    for (auto _ : state) {
        ColorScheme scheme;
        const auto t0 = Clock::now();
        Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
        benchmark::DoNotOptimize(readSchemeFile(proc, scheme, path).sections);
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(rawRead(path));
        const auto t2 = Clock::now();
        engine += nanoseconds(t1 - t0);
        raw += nanoseconds(t2 - t1);
    }
    report(state, engine, raw);
}
BENCHMARK(BM_ReadSchemeFile);

// The report is an output: building its text is set against writing that text.
void BM_BuildReport(benchmark::State& state) {
    QTemporaryDir dir;
    const ColorScheme scheme = benchScheme();
    const QString rawPath = dir.filePath(QStringLiteral("report.txt"));
    const QByteArray bytes = reportText(reportLines(scheme, benchInformation()));
    double engine = 0;
    double raw = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(reportText(reportLines(scheme, benchInformation())));
        const auto t1 = Clock::now();
        rawWrite(rawPath, bytes);
        const auto t2 = Clock::now();
        engine += nanoseconds(t1 - t0);
        raw += nanoseconds(t2 - t1);
    }
    report(state, engine, raw);
}
BENCHMARK(BM_BuildReport);

} // namespace

BENCHMARK_MAIN();
