#include "contrast/MakeVariant.h"

#include "contrast/ColorSpace.h"
#include "contrast/MakeAllPass.h"
#include "contrast/MakeItPass.h"

#include <algorithm>

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
// Above this lightness a backdrop is light, and the text on it goes dark.
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

// A text over a backdrop of lightness `behind`: in Dark light over a dark backdrop and
// left as it was over a light one (a picture, a locked colour); in High contrast as far
// from the backdrop as the hue allows.
double textLightness(Variant variant, qint32 color, double behind) {
    const bool onLight = behind >= LightBackdrop;
    if (variant == Variant::Dark)
        return onLight ? lightnessOf(color) : darkText(lightnessOf(color));
    return extremeLightness(color, !onLight);
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

// What lies behind a slot's text: its row's backdrop as the audit finds it. A slot of
// no text row (the global navigation buttons) is judged the same way over what the
// preview draws behind its text, often a picture that no variant changes.
double backdropLightness(const ColorScheme& shown, const BackdropSource& backdrops, int slot) {
    for (int row = 1; row < EditorRowCount; ++row) {
        const ThemeElement* e = elementForRow(row);
        if (e->colorSlot == slot)
            return lightnessOf(
                checkRow(shown, backdrops, ContrastLevel::AA, e->element).background);
    }
    for (const ThemeElement& e : ThemeElements)
        if (e.colorSlot == slot && e.has(Attribute::ForeColor)) {
            const std::vector<Backdrop> behind = backdrops.backdropsFor(shown, e.element);
            return lightnessOf(
                contrastOver(shown.color(ColorAttr::Fore, slot), behind).typicalColor);
        }
    return lightnessOf(shown.pageBackground());
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
    for (const int slot : slots)
        if (!shown.isLocked(ColorAttr::Fore, slot)) {
            const double behind = backdropLightness(shown, backdrops, slot);
            qint32& text = shown.color(ColorAttr::Fore, slot);
            text = colorAtLightness(text, textLightness(variant, text, behind));
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
