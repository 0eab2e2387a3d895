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

namespace {

// Each output channel's share of each input channel's 8-bit code, for one deficiency:
// shares[out][in][code]. The products are the ones the formula makes, taken from it on
// one channel at a time, and added in its order, so a pixel costs nine lookups and
// three encodings with the very result of simulateColor.
using Shares = std::array<std::array<std::array<double, 256>, 3>, 3>;

Shares sharesOf(Deficiency deficiency) {
    Shares shares{};
    for (int code = 0; code < 256; ++code) {
        const double x = linearChannel(code);
        const std::array<LinearRgb, 3> one{simulateLinear({x, 0, 0}, deficiency),
                                           simulateLinear({0, x, 0}, deficiency),
                                           simulateLinear({0, 0, x}, deficiency)};
        const auto c = static_cast<std::size_t>(code);
        for (std::size_t in = 0; in < 3; ++in) {
            shares[0][in][c] = one[in].r;
            shares[1][in][c] = one[in].g;
            shares[2][in][c] = one[in].b;
        }
    }
    return shares;
}

const Shares& sharesFor(Deficiency deficiency) {
    static const std::array<Shares, 5> all = [] {
        std::array<Shares, 5> t{};
        for (std::size_t d = 0; d < t.size(); ++d)
            t[d] = sharesOf(static_cast<Deficiency>(d));
        return t;
    }();
    return all[static_cast<std::size_t>(deficiency)];
}

// One pixel 0xRRGGBB through the shares, back as 0xRRGGBB.
quint32 simulateRgb(quint32 rgb, const Shares& s, const ChannelTables& tables) {
    const auto r = static_cast<std::size_t>((rgb >> 16) & 0xFFu);
    const auto g = static_cast<std::size_t>((rgb >> 8) & 0xFFu);
    const auto b = static_cast<std::size_t>(rgb & 0xFFu);
    const auto channel = [&](std::size_t out) {
        return static_cast<quint32>(tables.encode(s[out][0][r] + s[out][1][g] + s[out][2][b]));
    };
    return (channel(0) << 16) | (channel(1) << 8) | channel(2);
}

} // namespace

void simulatePixels(std::span<quint32> pixels, Deficiency deficiency) {
    if (deficiency == Deficiency::Normal)
        return;
    const Shares& shares = sharesFor(deficiency);
    const ChannelTables& tables = ChannelTables::instance();
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
        if (e.in != rgb)
            e = {rgb, simulateRgb(rgb, shares, tables)};
        pixel = (pixel & 0xFF000000u) | e.out;
    }
}
