#pragma once

#include "theme/SchemeValue.h"
#include "theme/ThemeElement.h"

#include <QString>

#include <array>

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
    std::array<std::array<qint32, ColorSlots>, ColorAttrs> SchemeColors{};
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

    // Reads an attribute of an element as the scheme file writes it: images as held,
    // colours in decimal, fonts, sizes and styles as held (no ProperCase here).
    QString valueText(const ThemeElement& element, Attribute attribute) const;
};

// The colour value of r, g, b (each 0..255): r + 256 g + 65536 b.
constexpr qint32 rgbValue(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}
