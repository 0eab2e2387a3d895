#pragma once

#include <QtGlobal>

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

// One 8-bit sRGB channel in linear light: c = v/255, c/12.92 when c <= 0.04045,
// else ((c + 0.055)/1.055)^2.4. Read from a table built once.
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
