#include "contrast/MakeVariant.h"

#include "contrast/ColorSpace.h"
#include "contrast/MakeAllPass.h"
#include "contrast/MakeItPass.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

// Dark: a white page becomes a near-black grey of lightness DarkPageTop (not black,
// which makes light text glare), darker backgrounds somewhat darker still; a background
// already dark stays. Black text becomes DarkTextTop, darker text lighter by its
// darkness; text already light stays.
constexpr double DarkPageTop = 0.18;
constexpr double DarkPageRange = 0.2;
constexpr double DarkTextTop = 0.93;
constexpr double DarkTextFall = 0.45;
// High contrast: a colour goes as far towards black or white as it can while still
// holding this much of its chroma (or all of it, when it has less), so that its hue
// is still seen: a link stays blue, not a black beside black body text.
constexpr double ContrastKeptChroma = 0.08;
constexpr int LightnessIterations = 30;
// Above this lightness a background is light, and goes lighter still in High contrast.
constexpr double LightBackdrop = 0.5;

double lightnessOf(qint32 color) {
    return toOkLab(toLinear(color)).L;
}

double darkBackground(double lightness) {
    return std::min(lightness, DarkPageTop + DarkPageRange * (1 - lightness));
}

double darkText(double lightness) {
    return std::max(lightness, DarkTextTop - DarkTextFall * lightness);
}

// The lightness furthest towards black (towardsWhite false) or white at which the
// colour's hue still holds ContrastKeptChroma inside sRGB.
double extremeLightness(qint32 color, bool towardsWhite) {
    const OkLch lch = toOkLch(toOkLab(toLinear(color)));
    const double kept = std::min(lch.C, ContrastKeptChroma);
    const auto holds = [&](double l) { return inGamut(fromOkLab(fromOkLch({l, kept, lch.h}))); };
    const double end = towardsWhite ? 1.0 : 0.0;
    if (holds(end))
        return end;
    // The colour itself holds its chroma, so at least `kept`.
    double inside = lch.L;
    double outside = end;
    for (int i = 0; i < LightnessIterations; ++i) {
        const double mid = (inside + outside) / 2;
        (holds(mid) ? inside : outside) = mid;
    }
    return inside;
}

double backgroundLightness(Variant variant, qint32 color) {
    const double l = lightnessOf(color);
    if (variant == Variant::Dark)
        return darkBackground(l);
    return extremeLightness(color, l >= LightBackdrop);
}

// The lightnesses a text may take: in Dark as it was or lighter (light text on a dark
// backdrop), in High contrast as far towards black or towards white as its hue allows.
std::array<double, 2> textLightnesses(Variant variant, qint32 color) {
    if (variant == Variant::Dark) {
        const double l = lightnessOf(color);
        return {l, darkText(l)};
    }
    return {extremeLightness(color, false), extremeLightness(color, true)};
}

// The colour slots whose colours a variant holds: every element's with colours.
std::vector<int> colorSlots() {
    std::vector<int> slots;
    for (const ThemeElement& e : ThemeElements)
        if (e.colorSlot != NoSlot &&
            std::find(slots.begin(), slots.end(), e.colorSlot) == slots.end())
            slots.push_back(e.colorSlot);
    return slots;
}

// The element whose text colour a slot holds.
std::optional<Element> textElement(int slot) {
    for (const ThemeElement& e : ThemeElements)
        if (e.colorSlot == slot && e.has(Attribute::ForeColor))
            return e.element;
    return std::nullopt;
}

// Of the lightnesses a text may take, the one that reads best over what the preview
// draws behind it, with the backgrounds already made: over a dark page light text,
// over a light picture (the global navigation buttons) dark text, and where the text
// lies over light and dark at once, the side that keeps most of it readable.
qint32 bestText(Variant variant, qint32 color, const std::vector<Backdrop>& behind) {
    qint32 best = color;
    double bestRatio = -1;
    for (const double lightness : textLightnesses(variant, color)) {
        const qint32 candidate = colorAtLightness(color, lightness);
        const double ratio = contrastOver(candidate, behind).typical;
        if (ratio > bestRatio) {
            best = candidate;
            bestRatio = ratio;
        }
    }
    return best;
}

} // namespace

ContrastLevel variantLevel(Variant variant) {
    return variant == Variant::Contrast ? ContrastLevel::AAA : ContrastLevel::AA;
}

VariantMade makeVariant(const ColorScheme& scheme, Variant variant,
                        const BackdropSource& backdrops) {
    ColorScheme shown = scheme.shownAs(Variant::Light);
    const std::vector<int> slots = colorSlots();
    // Backgrounds first: where each text goes depends on what ends up behind it.
    for (const int slot : slots)
        if (!shown.isLocked(ColorAttr::Back, slot)) {
            qint32& back = shown.color(ColorAttr::Back, slot);
            back = colorAtLightness(back, backgroundLightness(variant, back));
        }
    for (const int slot : slots) {
        const std::optional<Element> element = textElement(slot);
        if (!element || shown.isLocked(ColorAttr::Fore, slot))
            continue;
        qint32& text = shown.color(ColorAttr::Fore, slot);
        text = bestText(variant, text, backdrops.backdropsFor(shown, *element));
    }
    const ContrastLevel level = variantLevel(variant);
    const AllPassResult passing = makeAllPass(shown, backdrops, level);
    VariantMade made{passing.scheme.SchemeColors, {}};
    for (int row = 1; row < EditorRowCount; ++row) {
        const ThemeElement* e = elementForRow(row);
        if (checkRow(passing.scheme, backdrops, level, e->element).pass)
            continue;
        made.failing.push_back({e->element, scheme.isLocked(ColorAttr::Fore, e->colorSlot),
                                scheme.isLocked(ColorAttr::Back, 0) ||
                                    scheme.isLocked(ColorAttr::Back, e->colorSlot)});
    }
    return made;
}

ColorScheme withVariantsMade(const ColorScheme& scheme, const BackdropSource& backdrops,
                             std::vector<RowLeftFailing>* failingDark,
                             std::vector<RowLeftFailing>* failingContrast) {
    ColorScheme made = scheme;
    for (const auto& [variant, failing] :
         {std::pair{Variant::Dark, failingDark}, std::pair{Variant::Contrast, failingContrast}}) {
        VariantMade one = makeVariant(scheme, variant, backdrops);
        made.setColors(variant, one.colors);
        if (failing)
            *failing = std::move(one.failing);
    }
    return made;
}
