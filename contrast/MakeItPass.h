#pragma once

#include "contrast/ColorSpace.h"
#include "contrast/ContrastRule.h"

#include <QtGlobal>

#include <span>

// Make It Pass: the text colour that reaches a required ratio over its backdrops by
// the least change of OKLCH lightness, hue and chroma kept as far as the sRGB gamut
// allows.

// Lightness moves in steps of this size (OKLCH lightness runs 0..1); finer than one
// 8-bit code, so the search can stop at the first colour that passes.
inline constexpr double LightnessStep = 1.0 / 2048;

// A colour keeps its hue when it turns by at most HueTolerance degrees, or when its
// chroma is at most NeutralChroma (below that a hue is barely seen, and rounding to
// 8 bits alone turns it).
inline constexpr double HueTolerance = 2.0;
inline constexpr double NeutralChroma = 0.02;

// The colour of the same hue and chroma as `original` at OKLCH lightness L (0..1);
// where that lies outside the sRGB gamut the chroma is reduced until it fits. Of the
// 8-bit colours near it, the nearest that turns the hue by at most half HueTolerance,
// so that a colour made from a colour made so still keeps the first one's hue.
qint32 colorAtLightness(qint32 original, double lightness);
// Whether `color` has the hue `hue` (radians) within `tolerance` degrees, or is near
// neutral.
bool keepsHue(qint32 color, double hue, double tolerance = HueTolerance);

// The largest chroma up to lch.C that is inside the gamut at lch's lightness and hue.
OkLch fitChroma(OkLch lch);

struct PassingColor {
    enum class Outcome { AlreadyPasses, Changed, Impossible };
    Outcome outcome = Outcome::Impossible;
    qint32 color = 0;     // the colour to use; the original unless Changed
    double lightness = 0; // its OKLCH lightness on the search's grid
    // Impossible because the text colour is locked (a row's Make It Pass only).
    bool locked = false;
};

// Searches lighter and darker by bisection on the lightness steps away from the
// original and takes the smaller change; on a tie the larger ratio. Impossible when
// neither end of the range, white or black, passes: over a plain colour no text
// colour can then.
PassingColor makeItPass(qint32 text, std::span<const Backdrop> backdrops, double required);
