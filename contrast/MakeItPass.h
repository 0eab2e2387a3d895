#pragma once

#include "contrast/ContrastRule.h"

#include <QtGlobal>

#include <span>

// Make It Pass: the text colour that reaches a required ratio over its backdrops by
// the least change of OKLCH lightness, hue and chroma kept as far as the sRGB gamut
// allows.

// Lightness moves in steps of this size (OKLCH lightness runs 0..1); finer than one
// 8-bit code, so the search can stop at the first colour that passes.
inline constexpr double LightnessStep = 1.0 / 2048;

// The colour of the same hue and chroma as `original` at OKLCH lightness L (0..1);
// where that lies outside the sRGB gamut the chroma is reduced until it fits.
qint32 colorAtLightness(qint32 original, double lightness);

struct PassingColor {
    enum class Outcome { AlreadyPasses, Changed, Impossible };
    Outcome outcome = Outcome::Impossible;
    qint32 color = 0;     // the colour to use; the original unless Changed
    double lightness = 0; // its OKLCH lightness on the search's grid
};

// Searches lighter and darker by bisection on the lightness steps away from the
// original and takes the smaller change; on a tie the larger ratio. Impossible when
// neither end of the range, white or black, passes: over a plain colour no text
// colour can then.
PassingColor makeItPass(qint32 text, std::span<const Backdrop> backdrops, double required);
