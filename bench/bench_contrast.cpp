// The contrast audit of the bundled Studio theme, read by the same chooseTheme as the
// Themes menu: on the plain page, and with the theme's pictures behind the banner and
// navigation text and the page background picture behind the page text (whole
// pictures, more pixels than the text boxes the preview will hand in). Also Make It
// Pass over the banner picture, making the Dark and High contrast variants, and the
// simulation of a preview-sized picture.
#include "contrast/ContrastAudit.h"
#include "contrast/MakeVariant.h"
#include "contrast/VisionSimulation.h"
#include "framework/BuildPaths.h"
#include "framework/DataFolder.h"
#include "theme/ChooseTheme.h"
#include "theme/ColorScheme.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

ColorScheme studioScheme() {
    ColorScheme scheme;
    scheme.fillFontSizeTable();
    chooseTheme(scheme, DataFolder::themesDir(QStringLiteral(TINTORA_BUILD_DATA_DIR)),
                QStringLiteral("Default"));
    return scheme;
}

std::vector<qint32> studioPixels(const char* name) {
    const QImage image =
        QImage(QStringLiteral(TINTORA_BUILD_DATA_DIR "/Themes/Studio/") + QLatin1String(name))
            .convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        std::abort();
    std::vector<qint32> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            pixels.push_back(rgbValue(qRed(p), qGreen(p), qBlue(p)));
        }
    return pixels;
}

// Hands in pixels at every call, as the preview will: the histograms are part of the
// time measured.
class StudioPictures : public BackdropSource {
public:
    StudioPictures() {
        banner_ = {studioPixels("banner.gif")};
        for (const char* name : {"hnav.gif", "hnavpush.gif", "qback.gif", "qhome.gif", "qup.gif",
                                 "qnext.gif", "qbackhov.gif", "qhomehov.gif", "quphov.gif",
                                 "qnexthov.gif", "vnav.gif", "vnavpush.gif"})
            buttons_.push_back(studioPixels(name));
        page_ = {studioPixels("bkgnd.gif")};
    }
    std::vector<Backdrop> backdropsFor(const ColorScheme&, Element element) const override {
        const auto& pictures = element == Element::BANNER       ? banner_
                               : element == Element::NAVBUTTONS ? buttons_
                                                                : page_;
        std::vector<Backdrop> result;
        for (const std::vector<qint32>& pixels : pictures)
            result.push_back(Backdrop::picture(pixels));
        return result;
    }

private:
    std::vector<std::vector<qint32>> banner_;
    std::vector<std::vector<qint32>> buttons_;
    std::vector<std::vector<qint32>> page_;
};

void BM_AuditStudioPlain(benchmark::State& state) {
    const ColorScheme scheme = studioScheme();
    const PlainBackdrops plain;
    for (auto _ : state)
        benchmark::DoNotOptimize(auditScheme(scheme, plain, ContrastLevel::AA));
}
BENCHMARK(BM_AuditStudioPlain)->Unit(benchmark::kMillisecond);

void BM_AuditStudioPictures(benchmark::State& state) {
    const ColorScheme scheme = studioScheme();
    const StudioPictures pictures;
    for (auto _ : state)
        benchmark::DoNotOptimize(auditScheme(scheme, pictures, ContrastLevel::AA));
}
BENCHMARK(BM_AuditStudioPictures)->Unit(benchmark::kMillisecond);

void BM_MakeItPassOverBanner(benchmark::State& state) {
    const ColorScheme scheme = studioScheme();
    const std::vector<Backdrop> banner = StudioPictures().backdropsFor(scheme, Element::BANNER);
    // A slate grey that fails as large text over the blue banner picture.
    PassingColor result;
    for (auto _ : state) {
        result = makeItPass(rgbValue(90, 96, 110), banner, 3.0);
        benchmark::DoNotOptimize(result);
    }
    state.counters["changed"] = result.outcome == PassingColor::Outcome::Changed;
}
BENCHMARK(BM_MakeItPassOverBanner)->Unit(benchmark::kMillisecond);

// Both variants of Studio, on the plain page and over its pictures (whole pictures,
// handed in afresh at every call: more than the preview's text boxes).
void BM_MakeVariantsStudio(benchmark::State& state) {
    const ColorScheme scheme = studioScheme();
    const PlainBackdrops plain;
    const StudioPictures pictures;
    const BackdropSource& backdrops =
        state.range(0) ? static_cast<const BackdropSource&>(pictures) : plain;
    for (auto _ : state)
        benchmark::DoNotOptimize(withVariantsMade(scheme, backdrops));
}
BENCHMARK(BM_MakeVariantsStudio)
    ->ArgName("pictures")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void BM_SimulatePreview(benchmark::State& state) {
    // A 700 x 1000 picture: with state.range(0) every pixel a colour of its own (the
    // worst case), else the theme's text colours in runs of eight pixels.
    const ColorScheme scheme = studioScheme();
    std::vector<quint32> source(700 * 1000);
    for (std::size_t i = 0; i < source.size(); ++i) {
        const auto c = static_cast<quint32>(scheme.SchemeColors[ColorAttr::Fore][(i / 8) % 12]);
        source[i] = 0xFF000000u |
                    (state.range(0) ? static_cast<quint32>(i) * 23u
                                    : ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu));
    }
    std::vector<quint32> pixels;
    for (auto _ : state) {
        pixels = source;
        simulatePixels(pixels, Deficiency::Deuteranopia);
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(source.size()));
}
BENCHMARK(BM_SimulatePreview)->ArgName("distinct")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
