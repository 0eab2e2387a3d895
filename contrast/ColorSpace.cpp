#include "contrast/ColorSpace.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

double linearise(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

ChannelTables::ChannelTables() {
    for (int v = 0; v < 256; ++v)
        linear_[static_cast<std::size_t>(v)] = linearise(v / 255.0);
    for (int v = 0; v < 255; ++v)
        thresholds_[static_cast<std::size_t>(v)] = linearise((v + 0.5) / 255.0);
    thresholds_[255] = 2.0;
    for (int i = 0; i <= GuessSize; ++i) {
        const double x = static_cast<double>(i) / GuessSize;
        guess_[static_cast<std::size_t>(i)] = static_cast<quint8>(
            std::upper_bound(thresholds_.begin(), thresholds_.end(), x) - thresholds_.begin());
    }
}

const ChannelTables& ChannelTables::instance() {
    static const ChannelTables t;
    return t;
}

double linearChannel(int v) {
    return ChannelTables::instance().linear(v);
}

int encodeChannel(double linear) {
    return ChannelTables::instance().encode(linear);
}

LinearRgb toLinear(qint32 value) {
    return {linearChannel(redOf(value)), linearChannel(greenOf(value)),
            linearChannel(blueOf(value))};
}

qint32 fromLinear(const LinearRgb& rgb) {
    return encodeChannel(rgb.r) + 256 * encodeChannel(rgb.g) + 65536 * encodeChannel(rgb.b);
}

bool inGamut(const LinearRgb& rgb) {
    // A hair of tolerance so that colours on the gamut's edge count as inside.
    constexpr double lo = -1e-9;
    constexpr double hi = 1 + 1e-9;
    return rgb.r >= lo && rgb.r <= hi && rgb.g >= lo && rgb.g <= hi && rgb.b >= lo && rgb.b <= hi;
}

double relativeLuminance(const LinearRgb& rgb) {
    return 0.2126 * rgb.r + 0.7152 * rgb.g + 0.0722 * rgb.b;
}

double relativeLuminance(qint32 value) {
    return relativeLuminance(toLinear(value));
}

OkLab toOkLab(const LinearRgb& c) {
    const double l = std::cbrt(0.4122214708 * c.r + 0.5363325363 * c.g + 0.0514459929 * c.b);
    const double m = std::cbrt(0.2119034982 * c.r + 0.6806995451 * c.g + 0.1073969566 * c.b);
    const double s = std::cbrt(0.0883024619 * c.r + 0.2817188376 * c.g + 0.6299787005 * c.b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

LinearRgb fromOkLab(const OkLab& c) {
    const double l = std::pow(c.L + 0.3963377774 * c.a + 0.2158037573 * c.b, 3);
    const double m = std::pow(c.L - 0.1055613458 * c.a - 0.0638541728 * c.b, 3);
    const double s = std::pow(c.L - 0.0894841775 * c.a - 1.2914855480 * c.b, 3);
    return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

OkLch toOkLch(const OkLab& lab) {
    return {lab.L, std::hypot(lab.a, lab.b), std::atan2(lab.b, lab.a)};
}

OkLab fromOkLch(const OkLch& lch) {
    return {lch.L, lch.C * std::cos(lch.h), lch.C * std::sin(lch.h)};
}

double okLabDistance(qint32 a, qint32 b) {
    const OkLab x = toOkLab(toLinear(a));
    const OkLab y = toOkLab(toLinear(b));
    return std::sqrt((x.L - y.L) * (x.L - y.L) + (x.a - y.a) * (x.a - y.a) +
                     (x.b - y.b) * (x.b - y.b));
}
