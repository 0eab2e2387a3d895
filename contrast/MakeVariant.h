#pragma once

#include "contrast/ContrastAudit.h"
#include "theme/ColorScheme.h"

#include <vector>

// Making the Dark and High contrast variants from the Light colours, in OKLCH: every
// colour keeps its hue (chroma is reduced only where the colour would leave sRGB) and
// moves in lightness only. In Dark the page and row backgrounds become dark and the
// text light; in High contrast every text and its background move as far apart as
// their hues allow. Each text row then takes the least change that passes the
// variant's level, as Make All Pass does. Locked colours keep their Light value.
// The same Light colours always give the same variants.

// The level a variant's text rows must pass: AA for Light and Dark, AAA for High
// contrast.
ContrastLevel variantLevel(Variant variant);

// A text row the variant leaves failing, and whether a lock is to blame.
struct RowLeftFailing {
    Element element = Element::BODY;
    bool textLocked = false;     // its text colour is locked
    bool backdropLocked = false; // the page or its own background colour is locked
};

struct VariantMade {
    ColorScheme::ColorTable colors{};
    std::vector<RowLeftFailing> failing; // in editor order
};

// `scheme`'s Light colours made into `variant` (Dark or Contrast), judged with
// `backdrops` as the audit judges (the pictures are every variant's).
VariantMade makeVariant(const ColorScheme& scheme, Variant variant,
                        const BackdropSource& backdrops);

// Both variants made and stored in a copy of `scheme`; the rows each leaves failing
// are in `failingDark` and `failingContrast` when given.
ColorScheme withVariantsMade(const ColorScheme& scheme, const BackdropSource& backdrops,
                             std::vector<RowLeftFailing>* failingDark = nullptr,
                             std::vector<RowLeftFailing>* failingContrast = nullptr);
