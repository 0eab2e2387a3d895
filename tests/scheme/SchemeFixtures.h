#pragma once

#include "theme/ColorScheme.h"

#include <QString>

// A scheme with a distinct value in every used slot, as a theme and some edits
// would leave it: text sizes, a fractional size, integer styles, colours across the
// whole range and image paths with a drive colon and a non-ASCII letter.
inline ColorScheme populatedScheme() {
    ColorScheme s;
    s.fillFontSizeTable();
    s.ThemeName = QStringLiteral("Blue");
    for (int slot = 0; slot <= 18; ++slot)
        s.SchemeImages[static_cast<size_t>(slot)] =
            QStringLiteral("C:\\Themes\\Blue\\caf\u00e9_%1.gif").arg(slot);
    for (int slot = 0; slot <= 12; ++slot) {
        s.SchemeColors[ColorAttr::Back][static_cast<size_t>(slot)] = rgbValue(slot, 2 * slot, 255);
        s.SchemeColors[ColorAttr::Fore][static_cast<size_t>(slot)] = 16777215 - slot;
        s.SchemeFonts[FontAttr::Face][static_cast<size_t>(slot)] = SchemeValue::text(
            slot % 2 ? QStringLiteral("Arial") : QStringLiteral("Times New Roman"));
        s.SchemeFonts[FontAttr::Size][static_cast<size_t>(slot)] =
            slot == 3  ? SchemeValue::single(10.5f)
            : slot % 2 ? SchemeValue::text(QString::number(8 + slot))
                       : SchemeValue::integer(8 + slot);
        s.SchemeFonts[FontAttr::Style][static_cast<size_t>(slot)] = SchemeValue::integer(slot % 4);
    }
    // Slots no element uses must never reach the file.
    s.SchemeImages[19] = QStringLiteral("unused19");
    s.SchemeColors[ColorAttr::Back][13] = 4242;
    s.SchemeFonts[FontAttr::Face][13] = SchemeValue::text(QStringLiteral("Unused"));
    return s;
}
