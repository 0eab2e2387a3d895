#include "contrast/MakeItPass.h"

#include "contrast/ColorSpace.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int ChromaIterations = 30;
// How far, in 8-bit codes per channel, the search for a colour that keeps the hue
// looks around the rounded one.
constexpr int HueSearchReach = 3;
constexpr double MadeHueTolerance = HueTolerance / 2;
constexpr double ChromaSlack = 0.0015;
constexpr double Pi = 3.14159265358979323846;

double hueDistanceDegrees(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 2 * Pi);
    return std::min(d, 2 * Pi - d) * 180 / Pi;
}

double squaredDistance(const OkLab& x, const OkLab& y) {
    return (x.L - y.L) * (x.L - y.L) + (x.a - y.a) * (x.a - y.a) + (x.b - y.b) * (x.b - y.b);
}

// Whether an 8-bit colour may stand for `target`: it keeps the hue and adds no more
// chroma than rounding must (near black one code step is a large step in OKLab).
bool standsFor(qint32 color, const OkLch& target) {
    return keepsHue(color, target.h, MadeHueTolerance) &&
           toOkLch(toOkLab(toLinear(color))).C <= target.C + ChromaSlack;
}

// The 8-bit colour nearest to `target` that may stand for it; the plainly rounded one
// when it may, or when none near it may.
qint32 roundKeepingHue(const OkLch& target) {
    const OkLab lab = fromOkLch(target);
    const qint32 rounded = fromLinear(fromOkLab(lab));
    if (standsFor(rounded, target))
        return rounded;
    qint32 best = rounded;
    double bestDistance = -1;
    for (int dr = -HueSearchReach; dr <= HueSearchReach; ++dr)
        for (int dg = -HueSearchReach; dg <= HueSearchReach; ++dg)
            for (int db = -HueSearchReach; db <= HueSearchReach; ++db) {
                const int r = redOf(rounded) + dr;
                const int g = greenOf(rounded) + dg;
                const int b = blueOf(rounded) + db;
                if (r < 0 || g < 0 || b < 0 || r > 255 || g > 255 || b > 255)
                    continue;
                const qint32 candidate = r + 256 * g + 65536 * b;
                if (!standsFor(candidate, target))
                    continue;
                const double distance = squaredDistance(toOkLab(toLinear(candidate)), lab);
                if (bestDistance < 0 || distance < bestDistance) {
                    best = candidate;
                    bestDistance = distance;
                }
            }
    return best;
}

} // namespace

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

bool keepsHue(qint32 color, double hue, double tolerance) {
    const OkLch lch = toOkLch(toOkLab(toLinear(color)));
    return lch.C <= NeutralChroma || hueDistanceDegrees(lch.h, hue) <= tolerance;
}

namespace {

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
    return roundKeepingHue(fitChroma(lch));
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
