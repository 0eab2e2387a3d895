#include "ContrastFixtures.h"
#include "contrast/ColorSpace.h"
#include "contrast/ContrastRule.h"
#include "contrast/MakeItPass.h"
#include "contrast/VisionSimulation.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The first lightness step away from the original that passes, found by walking
// every step: what the bisection of Make It Pass must agree with.
std::optional<int> firstPassingStep(qint32 text, const Backdrop& backdrop, double required,
                                    int direction) {
    const double start = toOkLab(toLinear(text)).L;
    for (int k = 1;; ++k) {
        const double l = std::clamp(start + direction * k * LightnessStep, 0.0, 1.0);
        if (contrastOver(colorAtLightness(text, l), backdrop).typical >= required)
            return k;
        if (l == 0.0 || l == 1.0)
            return std::nullopt;
    }
}

double hueDistanceDegrees(qint32 a, qint32 b) {
    const double d = std::fabs(toOkLch(toOkLab(toLinear(a))).h - toOkLch(toOkLab(toLinear(b))).h);
    return std::min(d, 2 * std::numbers::pi - d) * 180 / std::numbers::pi;
}

} // namespace

class TestContrastRule : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void workedRatios_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<double>("ratio");
        QTest::newRow("#777777 on white") << "#777777"
                                          << "#FFFFFF" << 4.4781;
        QTest::newRow("#767676 on white") << "#767676"
                                          << "#FFFFFF" << 4.5422;
        QTest::newRow("link against black body") << "#0000EE"
                                                 << "#000000" << 2.2346;
        QTest::newRow("black on white") << "#000000"
                                        << "#FFFFFF" << 21.0;
        QTest::newRow("same colour") << "#336699"
                                     << "#336699" << 1.0;
    }
    void workedRatios() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(double, ratio);
        QVERIFY(std::fabs(contrastRatio(hexColor(a), hexColor(b)) - ratio) < 1e-4);
        QCOMPARE(contrastRatio(hexColor(b), hexColor(a)), contrastRatio(hexColor(a), hexColor(b)));
    }

    void encodingIsTheExactInverse() {
        for (int v = 0; v < 256; ++v)
            QCOMPARE(encodeChannel(linearChannel(v)), v);
        // Against the sRGB formula itself, on a fine sweep of linear values.
        for (int i = 0; i <= 100000; ++i) {
            const double x = i / 100000.0;
            const double c = x <= 0.0031308 ? 12.92 * x : 1.055 * std::pow(x, 1 / 2.4) - 0.055;
            QCOMPARE(encodeChannel(x), int(std::floor(c * 255 + 0.5)));
        }
    }

    void picturePercentile_data() {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("dark");
        QTest::addColumn<double>("typical");
        // Black text; dark pixels are black (ratio 1), the rest white (ratio 21).
        QTest::newRow("5 of 100 dark: 95 % reach 21") << 100 << 5 << 21.0;
        QTest::newRow("6 of 100 dark") << 100 << 6 << 1.0;
        QTest::newRow("1 of 20 dark") << 20 << 1 << 21.0;
        QTest::newRow("1 of 19 dark: only 94.7 % reach 21") << 19 << 1 << 1.0;
        QTest::newRow("no dark pixel") << 7 << 0 << 21.0;
    }
    void picturePercentile() {
        QFETCH(int, pixels);
        QFETCH(int, dark);
        QFETCH(double, typical);
        std::vector<qint32> picture(std::size_t(pixels), rgbValue(255, 255, 255));
        // Dark pixels spread over the picture, not gathered at one end.
        for (int i = 0; i < dark; ++i)
            picture[std::size_t(i * pixels / std::max(dark, 1))] = 0;
        const Contrast c = contrastOver(0, Backdrop::picture(picture));
        QCOMPARE(c.typical, typical);
        QCOMPARE(c.lowest, dark ? 1.0 : 21.0);
        QVERIFY(c.overPicture);
    }

    void oneDarkFrameDoesNotDecide() {
        // A 200 x 60 label box over a light picture with a one-pixel black frame.
        const Contrast c =
            contrastOver(0, Backdrop::picture(framedPicture(200, 60, hexColor("#FFFFCC"), 0)));
        QVERIFY(c.typical > 19);
        QCOMPARE(c.typicalColor, hexColor("#FFFFCC"));
        QCOMPARE(c.lowest, 1.0);
        QCOMPARE(c.lowestColor, 0);
    }

    void manyColoursAgreeWithSortingEveryPixel() {
        // Thousands of distinct colours, some repeated, in runs and scattered.
        std::vector<qint32> pixels;
        quint32 seed = 12345;
        for (int i = 0; i < 20000; ++i) {
            seed = seed * 1664525u + 1013904223u;
            const auto color = qint32((seed >> 8) & (i % 3 ? 0xFFFFFFu : 0x0F0F0Fu));
            pixels.insert(pixels.end(), std::size_t(1 + i % 4), color);
        }
        const qint32 text = hexColor("#6A6F7C");
        std::vector<double> ratios;
        for (const qint32 p : pixels)
            ratios.push_back(contrastRatio(text, p));
        std::sort(ratios.begin(), ratios.end());
        const Backdrop backdrop = Backdrop::picture(pixels);
        QCOMPARE(backdrop.pixelCount(), qint64(pixels.size()));
        QVERIFY(backdrop.colors().size() > 10000);
        const Contrast c = contrastOver(text, backdrop);
        QCOMPARE(c.typical, ratios[pixels.size() * 5 / 100]);
        QCOMPARE(c.lowest, ratios.front());
        QCOMPARE(contrastRatio(text, c.typicalColor), c.typical);
    }

    void simulatedColours_data() {
        QTest::addColumn<QString>("color");
        QTest::addColumn<int>("deficiency");
        QTest::addColumn<QString>("seen");
        // The matrices applied in linear light, clipped, re-encoded and rounded.
        const auto row = [](const char* c, Deficiency d, const char* seen) {
            QTest::addRow("%s %s", c, qPrintable(deficiencyName(d)))
                << QString::fromLatin1(c) << int(d) << QString::fromLatin1(seen);
        };
        row("#FF0000", Deficiency::Protanopia, "#6D5F00");
        row("#FF0000", Deficiency::Deuteranopia, "#A39000");
        row("#FF0000", Deficiency::Tritanopia, "#FF000F");
        row("#00FF00", Deficiency::Protanopia, "#FFE500");
        row("#00FF00", Deficiency::Tritanopia, "#00F7D9");
        row("#0000FF", Deficiency::Deuteranopia, "#003DFB");
        row("#C44A2E", Deficiency::Protanopia, "#6C612A");
        row("#2860C4", Deficiency::Tritanopia, "#007889");
        row("#2860C4", Deficiency::Achromatopsia, "#646464");
        row("#2860C4", Deficiency::Normal, "#2860C4");
    }
    void simulatedColours() {
        QFETCH(QString, color);
        QFETCH(int, deficiency);
        QFETCH(QString, seen);
        QCOMPARE(simulateColor(hexColor(color), Deficiency(deficiency)), hexColor(seen));
    }

    void achromatopsiaKeepsOnlyLuminance() {
        for (const char* hex : {"#FF0000", "#00FF00", "#0000FF", "#C44A2E", "#FAF7F1", "#123456"}) {
            const qint32 grey =
                simulateColor(hexColor(QLatin1String(hex)), Deficiency::Achromatopsia);
            QCOMPARE(redOf(grey), greenOf(grey));
            QCOMPARE(greenOf(grey), blueOf(grey));
            // The nearest grey: one code either way is further from the luminance.
            const double y = relativeLuminance(hexColor(QLatin1String(hex)));
            const double off = std::fabs(linearChannel(redOf(grey)) - y);
            QVERIFY(off <= std::fabs(linearChannel(std::min(redOf(grey) + 1, 255)) - y));
            QVERIFY(off <= std::fabs(linearChannel(std::max(redOf(grey) - 1, 0)) - y));
        }
    }

    void pixelBufferMatchesSingleColours() {
        // 0xAARRGGBB, runs and changes of colour, alpha that must survive.
        std::vector<quint32> pixels{0xFFFF0000u, 0xFFFF0000u, 0x80FF0000u, 0x0000FF00u,
                                    0xFF2860C4u, 0x7F123456u, 0xFFFFFFFFu, 0xFF000000u};
        const std::vector<quint32> original = pixels;
        for (const Deficiency d : Deficiencies) {
            pixels = original;
            simulatePixels(pixels, d);
            for (std::size_t i = 0; i < pixels.size(); ++i) {
                const quint32 in = original[i];
                const qint32 value =
                    rgbValue(int((in >> 16) & 0xFF), int((in >> 8) & 0xFF), int(in & 0xFF));
                const qint32 seen = simulateColor(value, d);
                const quint32 expected = (in & 0xFF000000u) | (quint32(redOf(seen)) << 16) |
                                         (quint32(greenOf(seen)) << 8) | quint32(blueOf(seen));
                QCOMPARE(pixels[i], expected);
            }
        }
        pixels = original;
        simulatePixels(pixels, Deficiency::Normal);
        QCOMPARE(pixels, original);
    }

    void simulatedPixelsFollowTheFormula_data() {
        QTest::addColumn<int>("deficiency");
        for (const Deficiency d : Deficiencies)
            QTest::newRow(qPrintable(deficiencyName(d))) << int(d);
    }
    void simulatedPixelsFollowTheFormula() {
        // A quarter of a million colours spread over the whole cube (an odd multiplier
        // walks it without repeating), then every grey and every code of each primary,
        // where the clipping at 0 and 1 is busiest. Alpha varies with the colour.
        std::vector<quint32> pixels;
        for (quint32 i = 0; i < (1u << 18); ++i)
            pixels.push_back(((i * 2654435761u) & 0xFFFFFFu) | ((i & 0xFFu) << 24));
        for (quint32 v = 0; v < 256; ++v)
            for (const quint32 rgb : {v * 0x010101u, v << 16, v << 8, v})
                pixels.push_back(0xFF000000u | rgb);
        const std::vector<quint32> original = pixels;
        QFETCH(int, deficiency);
        simulatePixels(pixels, Deficiency(deficiency));
        int worst = 0;
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const quint32 in = original[i];
            const qint32 seen = simulateColor(
                rgbValue(int((in >> 16) & 0xFF), int((in >> 8) & 0xFF), int(in & 0xFF)),
                Deficiency(deficiency));
            const quint32 out = pixels[i];
            QCOMPARE(out & 0xFF000000u, in & 0xFF000000u);
            worst = std::max({worst, std::abs(int((out >> 16) & 0xFF) - redOf(seen)),
                              std::abs(int((out >> 8) & 0xFF) - greenOf(seen)),
                              std::abs(int(out & 0xFF) - blueOf(seen))});
        }
        QVERIFY2(worst <= 1, qPrintable(QStringLiteral("a channel is %1 off").arg(worst)));
    }

    void deficiencyNames() {
        for (const Deficiency d :
             {Deficiency::Normal, Deficiency::Protanopia, Deficiency::Deuteranopia,
              Deficiency::Tritanopia, Deficiency::Achromatopsia})
            QCOMPARE(deficiencyFromText(deficiencyName(d).toUpper()), d);
        QCOMPARE(deficiencyFromText(u"protan"), std::nullopt);
        QCOMPARE(contrastLevelFromText(u"aaa"), ContrastLevel::AAA);
        QCOMPARE(contrastLevelFromText(u"AA"), ContrastLevel::AA);
        QCOMPARE(contrastLevelFromText(u"A"), std::nullopt);
    }

    void makeItPass_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("background");
        QTest::addColumn<double>("required");
        QTest::addColumn<int>("direction"); // -1 darker, +1 lighter, 0 impossible
        QTest::newRow("grey on white") << "#777777"
                                       << "#FFFFFF" << 4.5 << -1;
        QTest::newRow("sky blue on white") << "#3388FF"
                                           << "#FFFFFF" << 4.5 << -1;
        QTest::newRow("orange on white, AAA") << "#FF6600"
                                              << "#FFFFFF" << 7.0 << -1;
        QTest::newRow("link blue on navy") << "#2860C4"
                                           << "#2B3348" << 4.5 << +1;
        QTest::newRow("rust on black, AAA") << "#C44A2E"
                                            << "#000000" << 7.0 << +1;
        QTest::newRow("saturated green on grey") << "#00C000"
                                                 << "#606060" << 3.0 << +1;
        QTest::newRow("grey on grey: white falls short") << "#808080"
                                                         << "#777777" << 4.5 << -1;
        QTest::newRow("grey on grey: nothing reaches 7") << "#808080"
                                                         << "#777777" << 7.0 << 0;
    }
    void makeItPass() {
        QFETCH(QString, text);
        QFETCH(QString, background);
        QFETCH(double, required);
        QFETCH(int, direction);
        const qint32 original = hexColor(text);
        const Backdrop backdrop = Backdrop::plain(hexColor(background));
        QVERIFY(contrastOver(original, backdrop).typical < required);
        const PassingColor result = ::makeItPass(original, {&backdrop, 1}, required);
        if (direction == 0) {
            QCOMPARE(result.outcome, PassingColor::Outcome::Impossible);
            QCOMPARE(result.color, original);
            QVERIFY(contrastRatio(0, hexColor(background)) < required);
            QVERIFY(contrastRatio(rgbValue(255, 255, 255), hexColor(background)) < required);
            return;
        }
        QCOMPARE(result.outcome, PassingColor::Outcome::Changed);
        QVERIFY(contrastOver(result.color, backdrop).typical >= required);
        const double start = toOkLab(toLinear(original)).L;
        QCOMPARE(result.lightness > start ? +1 : -1, direction);
        // Minimal: one step back towards the original does not pass, and no direction
        // reaches a passing colour in fewer steps.
        const qint32 oneLess =
            colorAtLightness(original, result.lightness - direction * LightnessStep);
        QVERIFY(contrastOver(oneLess, backdrop).typical < required);
        const int steps = int(std::lround(std::fabs(result.lightness - start) / LightnessStep));
        for (const int d : {-1, +1})
            if (const std::optional<int> k = firstPassingStep(original, backdrop, required, d))
                QVERIFY(steps <= *k);
        // Hue kept wherever the colour keeps some chroma.
        if (toOkLch(toOkLab(toLinear(result.color))).C > 0.03)
            QVERIFY2(hueDistanceDegrees(result.color, original) < 3.0,
                     qPrintable(QString::number(hueDistanceDegrees(result.color, original))));
    }

    void makeItPassLeavesAPassingColour() {
        const Backdrop white = Backdrop::plain(rgbValue(255, 255, 255));
        const PassingColor result = ::makeItPass(hexColor("#333333"), {&white, 1}, 4.5);
        QCOMPARE(result.outcome, PassingColor::Outcome::AlreadyPasses);
        QCOMPARE(result.color, hexColor("#333333"));
    }

    void makeItPassOverAPicture() {
        // Grey text over a pale picture with a one-pixel black frame: the frame does not
        // decide, so the answer is the one for the pale colour alone.
        const qint32 pale = hexColor("#FFFFCC");
        const Backdrop picture = Backdrop::picture(framedPicture(200, 60, pale, 0));
        const Backdrop plain = Backdrop::plain(pale);
        const PassingColor overPicture = ::makeItPass(hexColor("#777777"), {&picture, 1}, 4.5);
        const PassingColor overPlain = ::makeItPass(hexColor("#777777"), {&plain, 1}, 4.5);
        QCOMPARE(overPicture.outcome, PassingColor::Outcome::Changed);
        QCOMPARE(overPicture.color, overPlain.color);
        QVERIFY(contrastOver(overPicture.color, picture).typical >= 4.5);
    }
};

QTEST_GUILESS_MAIN(TestContrastRule)
#include "test_contrastrule.moc"
