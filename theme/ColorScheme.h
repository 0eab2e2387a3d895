#pragma once

#include "theme/SchemeValue.h"
#include "theme/ThemeElement.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// Attribute rows of SchemeColors and SchemeFonts.
namespace ColorAttr {
inline constexpr int Back = 0;
inline constexpr int Fore = 1;
} // namespace ColorAttr
namespace FontAttr {
inline constexpr int Face = 0;
inline constexpr int Size = 1;
inline constexpr int Style = 2;
} // namespace FontAttr

// The looks a scheme may have: Light is the scheme's own colours; Dark and High
// contrast are optional second and third sets of every colour, sharing the fonts,
// sizes, styles and pictures.
enum class Variant : std::uint8_t { Light, Dark, Contrast };
inline constexpr Variant Variants[] = {Variant::Light, Variant::Dark, Variant::Contrast};

// The one editable colour scheme. Plain data addressed by slot, as the element table
// says; the checked accessors raise run-time error 9 for a slot out of range.
struct ColorScheme {
    static constexpr int ImageSlots = 21;     // 0..20
    static constexpr int ColorAttrs = 3;      // 0..2
    static constexpr int ColorSlots = 14;     // 0..13
    static constexpr int FontAttrs = 3;       // 0..2
    static constexpr int FontSlots = 21;      // 0..20
    static constexpr int FontSizeEntries = 6; // size numbers 1..6

    std::array<QString, ImageSlots> SchemeImages;
    using ColorTable = std::array<std::array<qint32, ColorSlots>, ColorAttrs>;
    using LockTable = std::array<std::array<bool, ColorSlots>, ColorAttrs>;

    ColorTable SchemeColors{}; // the Light variant
    std::optional<ColorTable> DarkColors;
    std::optional<ColorTable> ContrastColors;
    // Colours the designer fixed (brand colours): making a variant and Make It Pass
    // leave them as they are in every variant. Addressed like SchemeColors.
    LockTable LockedColors{};
    std::array<std::array<SchemeValue, FontSlots>, FontAttrs> SchemeFonts;
    std::array<qint16, FontSizeEntries> FontSizeTable{};
    QString ThemeName;
    QString SchemeFileName;
    bool SchemeChanged = false;

    QString& image(int slot);
    const QString& image(int slot) const;
    qint32& color(int attr, int slot);
    qint32 color(int attr, int slot) const;
    SchemeValue& font(int attr, int slot);
    const SchemeValue& font(int attr, int slot) const;
    // The point size for an HTML-style size number 1..6.
    qint16 fontSizeFor(int sizeNumber) const;

    // Fills FontSizeTable with 8, 10, 12, 14, 18, 24, as the main window does at load.
    void fillFontSizeTable();

    // The page background: Color of BACKGROUND, which is BackColor of BANNER.
    qint32& pageBackground() { return color(ColorAttr::Back, 0); }
    qint32 pageBackground() const { return color(ColorAttr::Back, 0); }

    // Whether the scheme has the variant; Light it always has.
    bool hasVariant(Variant variant) const;
    // Whether it has a Dark or High contrast variant.
    bool hasVariants() const { return DarkColors.has_value() || ContrastColors.has_value(); }
    // The variant's colours; those of Light for a variant the scheme does not have.
    const ColorTable& colorsOf(Variant variant) const;
    void setColors(Variant variant, const ColorTable& colors);
    // The scheme as it looks in `variant`: its colours in SchemeColors, everything
    // else shared. What the preview, the audit and Make It Pass work on.
    ColorScheme shownAs(Variant variant) const;

    bool isLocked(int attr, int slot) const;
    void setLocked(int attr, int slot, bool locked);
    bool hasLocks() const;

    // Reads an attribute of an element as the scheme file writes it: images as held,
    // colours in decimal, fonts, sizes and styles as held (no ProperCase here).
    QString valueText(const ThemeElement& element, Attribute attribute) const;
};

// Where an element's colour attribute lives in SchemeColors.
struct ColorPlace {
    int attr;
    int slot;
};
// nullopt for an attribute that is no colour.
std::optional<ColorPlace> colorPlace(const ThemeElement& element, Attribute attribute);

// The colour value of r, g, b (each 0..255): r + 256 g + 65536 b.
constexpr qint32 rgbValue(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}
