#include "contrast/VisionSimulation.h"

#include "contrast/ColorSpace.h"

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes (2009), severity 1.0, for linear RGB.
constexpr Matrix Protanopia{{{0.152286, 1.052583, -0.204868},
                             {0.114503, 0.786281, 0.099216},
                             {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix Deuteranopia{{{0.367322, 0.860646, -0.227968},
                               {0.280085, 0.672501, 0.047413},
                               {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix Tritanopia{{{1.255528, -0.076749, -0.178779},
                             {-0.078411, 0.930809, 0.147602},
                             {0.004733, 0.691367, 0.303900}}};

// The names of files and the command line; the desktop shows them translated.
constexpr std::array<const char*, 5> Names{
    QT_TRANSLATE_NOOP("Deficiency", "normal"), QT_TRANSLATE_NOOP("Deficiency", "protanopia"),
    QT_TRANSLATE_NOOP("Deficiency", "deuteranopia"), QT_TRANSLATE_NOOP("Deficiency", "tritanopia"),
    QT_TRANSLATE_NOOP("Deficiency", "achromatopsia")};

LinearRgb apply(const Matrix& m, const LinearRgb& c) {
    return {m[0][0] * c.r + m[0][1] * c.g + m[0][2] * c.b,
            m[1][0] * c.r + m[1][1] * c.g + m[1][2] * c.b,
            m[2][0] * c.r + m[2][1] * c.g + m[2][2] * c.b};
}

LinearRgb simulateLinear(const LinearRgb& c, Deficiency deficiency) {
    switch (deficiency) {
    case Deficiency::Normal:
        return c;
    case Deficiency::Protanopia:
        return apply(Protanopia, c);
    case Deficiency::Deuteranopia:
        return apply(Deuteranopia, c);
    case Deficiency::Tritanopia:
        return apply(Tritanopia, c);
    case Deficiency::Achromatopsia: {
        const double y = relativeLuminance(c);
        return {y, y, y};
    }
    }
    return c;
}

} // namespace

QString deficiencyName(Deficiency deficiency) {
    return QLatin1String(Names[static_cast<std::size_t>(deficiency)]);
}

std::optional<Deficiency> deficiencyFromText(QStringView text) {
    for (std::size_t i = 0; i < Names.size(); ++i)
        if (text.compare(QLatin1String(Names[i]), Qt::CaseInsensitive) == 0)
            return static_cast<Deficiency>(i);
    return std::nullopt;
}

qint32 simulateColor(qint32 value, Deficiency deficiency) {
    if (deficiency == Deficiency::Normal)
        return value & 0xFFFFFF;
    return fromLinear(simulateLinear(toLinear(value), deficiency));
}

void simulatePixels(std::span<quint32> pixels, Deficiency deficiency) {
    if (deficiency == Deficiency::Normal)
        return;
    // Pictures repeat a few colours over and over: remember recent answers in a small
    // direct-mapped cache keyed by the colour.
    struct Entry {
        quint32 in = 0xFFFFFFFFu; // no 0xRRGGBB colour has these bits set
        quint32 out = 0;
    };
    std::array<Entry, 4096> cache{};
    for (quint32& pixel : pixels) {
        const quint32 rgb = pixel & 0xFFFFFFu;
        Entry& e = cache[(rgb ^ (rgb >> 12)) & 0xFFFu];
        if (e.in != rgb) {
            // 0xRRGGBB to the colour value's r + 256 g + 65536 b, and back.
            const auto value = static_cast<qint32>(((rgb >> 16) & 0xFFu) | (rgb & 0xFF00u) |
                                                   ((rgb & 0xFFu) << 16));
            const auto out = static_cast<quint32>(simulateColor(value, deficiency));
            e = {rgb, ((out & 0xFFu) << 16) | (out & 0xFF00u) | ((out >> 16) & 0xFFu)};
        }
        pixel = (pixel & 0xFF000000u) | e.out;
    }
}
