#pragma once

#include <QtGlobal>

#include <algorithm>
#include <array>

// The colour arithmetic the contrast rule, Make It Pass and the colour-vision
// simulation share: the 8-bit channels of a colour value, sRGB linear light and the
// perceptual OKLab space.

// A colour in linear-light sRGB, each channel 0..1 (outside that range: out of gamut).
struct LinearRgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

// OKLab, and its polar form OKLCH with the hue in radians.
struct OkLab {
    double L = 0;
    double a = 0;
    double b = 0;
};
struct OkLch {
    double L = 0;
    double C = 0;
    double h = 0;
};

// The channels of a colour value r + 256 g + 65536 b. Only the low 24 bits count,
// as the preview and the swatches read them.
constexpr int redOf(qint32 value) {
    return static_cast<int>(static_cast<quint32>(value) & 0xFFu);
}
constexpr int greenOf(qint32 value) {
    return static_cast<int>((static_cast<quint32>(value) >> 8) & 0xFFu);
}
constexpr int blueOf(qint32 value) {
    return static_cast<int>((static_cast<quint32>(value) >> 16) & 0xFFu);
}

// The tables behind linearChannel and encodeChannel, built once. Loops over whole
// pictures hold on to them and encode inline instead of calling once per channel.
class ChannelTables {
public:
    static const ChannelTables& instance();

    double linear(int v) const { return linear_[static_cast<std::size_t>(std::clamp(v, 0, 255))]; }
    int encode(double linear) const {
        const double x = std::clamp(linear, 0.0, 1.0);
        // The guess is at most one code low, so one comparison settles it, added rather
        // than branched on: over a picture of unrelated colours a branch here would be
        // mispredicted every other time.
        const int code = guess_[static_cast<std::size_t>(x * GuessSize)];
        return code + static_cast<int>(x >= thresholds_[static_cast<std::size_t>(code)]);
    }

private:
    ChannelTables();

    std::array<double, 256> linear_{};
    // thresholds_[v]: the linear value at which the code v + 1 becomes the nearest; the
    // last lies beyond 1, so no code steps past 255.
    std::array<double, 256> thresholds_{};
    // A first guess of the code for a linear value, indexed by value * GuessSize;
    // never above the true code, at most one below (the codes lie further apart).
    static constexpr int GuessSize = 4096;
    std::array<quint8, GuessSize + 1> guess_{};
};

// One 8-bit sRGB channel in linear light: c = v/255, c/12.92 when c <= 0.04045,
// else ((c + 0.055)/1.055)^2.4. Read from the tables.
double linearChannel(int v);
// The 8-bit code whose encoding is nearest to a linear value (clamped to 0..1);
// exactly the rounded inverse of linearChannel, fast enough for whole pictures.
int encodeChannel(double linear);

LinearRgb toLinear(qint32 value);
// Back to a colour value; channels outside 0..1 are clipped.
qint32 fromLinear(const LinearRgb& rgb);
bool inGamut(const LinearRgb& rgb);

// Relative luminance: 0.2126 R + 0.7152 G + 0.0722 B of the linear channels.
double relativeLuminance(const LinearRgb& rgb);
double relativeLuminance(qint32 value);

OkLab toOkLab(const LinearRgb& rgb);
LinearRgb fromOkLab(const OkLab& lab);
OkLch toOkLch(const OkLab& lab);
OkLab fromOkLch(const OkLch& lch);
// Euclidean distance in OKLab; about 0.02 is just noticeable side by side.
double okLabDistance(qint32 a, qint32 b);
