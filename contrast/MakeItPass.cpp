#include "contrast/MakeItPass.h"

#include "contrast/ColorSpace.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int ChromaIterations = 30;

// The largest chroma up to lch.C that is inside the gamut at lch's lightness and hue.
OkLch fitChroma(OkLch lch) {
    if (inGamut(fromOkLab(fromOkLch(lch))))
        return lch;
    double inside = 0;
    double outside = lch.C;
    for (int i = 0; i < ChromaIterations; ++i) {
        const double mid = (inside + outside) / 2;
        if (inGamut(fromOkLab(fromOkLch({lch.L, mid, lch.h}))))
            inside = mid;
        else
            outside = mid;
    }
    return {lch.L, inside, lch.h};
}

struct Search {
    qint32 original;
    double startLightness;
    std::span<const Backdrop> backdrops;
    double required;

    double lightnessAt(int direction, int steps) const {
        return std::clamp(startLightness + direction * steps * LightnessStep, 0.0, 1.0);
    }
    bool passes(qint32 color) const { return contrastOver(color, backdrops).typical >= required; }
    bool passesAt(int direction, int steps) const {
        return passes(colorAtLightness(original, lightnessAt(direction, steps)));
    }
    // The fewest steps in `direction` (+1 lighter, -1 darker) that pass; nullopt when
    // even the end of the range does not. Step 0, the original, fails.
    std::optional<int> fewestSteps(int direction) const {
        const double room = direction > 0 ? 1.0 - startLightness : startLightness;
        int fail = 0;
        int pass = static_cast<int>(std::ceil(room / LightnessStep));
        if (pass == 0 || !passesAt(direction, pass))
            return std::nullopt;
        while (pass - fail > 1) {
            const int mid = fail + (pass - fail) / 2;
            if (passesAt(direction, mid))
                pass = mid;
            else
                fail = mid;
        }
        return pass;
    }
};

} // namespace

qint32 colorAtLightness(qint32 original, double lightness) {
    OkLch lch = toOkLch(toOkLab(toLinear(original)));
    lch.L = std::clamp(lightness, 0.0, 1.0);
    return fromLinear(fromOkLab(fromOkLch(fitChroma(lch))));
}

PassingColor makeItPass(qint32 text, std::span<const Backdrop> backdrops, double required) {
    const Search search{text, toOkLab(toLinear(text)).L, backdrops, required};
    if (search.passes(text))
        return {PassingColor::Outcome::AlreadyPasses, text, search.startLightness};
    std::optional<PassingColor> best;
    double bestChange = 0;
    double bestRatio = 0;
    for (const int direction : {+1, -1}) {
        const std::optional<int> steps = search.fewestSteps(direction);
        if (!steps)
            continue;
        const double lightness = search.lightnessAt(direction, *steps);
        const qint32 color = colorAtLightness(text, lightness);
        const double change = std::fabs(lightness - search.startLightness);
        const double ratio = contrastOver(color, backdrops).typical;
        if (!best || change < bestChange || (change == bestChange && ratio > bestRatio)) {
            best = PassingColor{PassingColor::Outcome::Changed, color, lightness};
            bestChange = change;
            bestRatio = ratio;
        }
    }
    return best.value_or(
        PassingColor{PassingColor::Outcome::Impossible, text, search.startLightness});
}
