// Choosing a theme whose 19 pictures are PNGs of 5700 x 5700 pixels (a few hundred
// kilobytes each on disk), in the main window, with the process's peak memory
// reported beside the time. Run on its own, so the peak is this theme's:
//   build/bench/bench_huge_pictures
#include "framework/BuildPaths.h"
#include "framework/ErrorHandler.h"
#include "framework/Globals.h"
#include "ui/window/frmMain.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <sys/resource.h>
#include <zlib.h>

namespace {

constexpr int Side = 5700;

class SilentPrompt : public ErrorPrompt {
public:
    Answer askRuntimeError(const QString&) override { return Answer::Ignore; }
    void inform(const QString&) override {}
};

// The peak resident memory of this process so far, in megabytes.
double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

void writeChunk(QFile& file, const char* type, const QByteArray& data) {
    const QByteArray body = QByteArray(type, 4) + data;
    const quint32 length = qToBigEndian(quint32(data.size()));
    const quint32 crc = qToBigEndian(
        quint32(crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size()))));
    file.write(reinterpret_cast<const char*>(&length), 4);
    file.write(body);
    file.write(reinterpret_cast<const char*>(&crc), 4);
}

// An RGB picture written row by row through zlib, so that making it never holds the
// picture in memory (which would raise the peak this benchmark measures).
bool writeLargePng(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write("\x89PNG\r\n\x1a\n", 8);
    QByteArray header(13, '\0');
    qToBigEndian(quint32(Side), header.data());
    qToBigEndian(quint32(Side), header.data() + 4);
    header[8] = 8; // bits per sample
    header[9] = 2; // RGB
    writeChunk(file, "IHDR", header);

    z_stream stream{};
    if (deflateInit(&stream, 1) != Z_OK)
        return false;
    QByteArray row(1 + 3 * Side, '\0');
    QByteArray out(256 * 1024, '\0');
    for (int y = 0; y <= Side; ++y) {
        const bool last = y == Side;
        if (!last)
            for (int x = 0; x < Side; ++x) {
                row[1 + 3 * x] = char((x + y) & 0xFF);
                row[2 + 3 * x] = char((x / 23) & 0xFF);
                row[3 + 3 * x] = char((y / 23) & 0xFF);
            }
        stream.next_in = reinterpret_cast<Bytef*>(row.data());
        stream.avail_in = last ? 0 : uInt(row.size());
        int status = Z_OK;
        do {
            stream.next_out = reinterpret_cast<Bytef*>(out.data());
            stream.avail_out = uInt(out.size());
            status = deflate(&stream, last ? Z_FINISH : Z_NO_FLUSH);
            const auto produced = qsizetype(out.size()) - qsizetype(stream.avail_out);
            if (produced > 0)
                writeChunk(file, "IDAT", out.left(produced));
        } while (stream.avail_out == 0 || (last && status != Z_STREAM_END));
    }
    deflateEnd(&stream);
    writeChunk(file, "IEND", {});
    return file.error() == QFileDevice::NoError;
}

// A copy of the Studio theme whose every picture is the large PNG (under the
// picture's own name: the preview tells the format from the content).
struct HugeTheme {
    QTemporaryDir dir;
    bool ok = false;

    HugeTheme() {
        const QDir studio(QStringLiteral(TINTORA_BUILD_DATA_DIR "/Themes/Studio"));
        const QString folder = dir.filePath(QStringLiteral("Themes/Huge"));
        if (!dir.isValid() || !QDir().mkpath(folder))
            return;
        const QString picture = dir.filePath(QStringLiteral("huge.png"));
        if (!writeLargePng(picture))
            return;
        int pictures = 0;
        for (const QString& name : studio.entryList(QDir::Files)) {
            const QString target = folder + QLatin1Char('/') + name;
            const bool isSheet = name.endsWith(QLatin1String(".css"));
            if (!QFile::copy(isSheet ? studio.filePath(name) : picture, target))
                return;
            pictures += isSheet ? 0 : 1;
        }
        ok = pictures == 19;
    }
};

void BM_ChooseHugePictureTheme(benchmark::State& state) {
    static SilentPrompt prompt;
    setErrorPrompt(&prompt);
    HugeTheme theme;
    if (!theme.ok) {
        state.SkipWithError("the theme of large pictures could not be made");
        return;
    }
    // The main window finds its themes in the data folder, as at start-up.
    globals().StartDir = theme.dir.path();

    frmMain window;
    window.themes().addItem(QStringLiteral("Huge"));
    window.show();
    QCoreApplication::processEvents();
    const double before = peakMegabytes();
    for (auto _ : state) {
        window.themes().mnuThemesItem_Click(1);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    state.counters["peak_MB"] = peakMegabytes();
    state.counters["peak_before_MB"] = before;
    setErrorPrompt(nullptr);
}
BENCHMARK(BM_ChooseHugePictureTheme)->Unit(benchmark::kMillisecond);

} // namespace
