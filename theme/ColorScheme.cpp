#include "theme/ColorScheme.h"

#include "framework/RuntimeError.h"

#include <algorithm>

namespace {
void checkIndex(int index, int size) {
    if (index < 0 || index >= size)
        raiseError(Err::SubscriptOutOfRange);
}
} // namespace

QString& ColorScheme::image(int slot) {
    checkIndex(slot, ImageSlots);
    return SchemeImages[static_cast<size_t>(slot)];
}

const QString& ColorScheme::image(int slot) const {
    checkIndex(slot, ImageSlots);
    return SchemeImages[static_cast<size_t>(slot)];
}

qint32& ColorScheme::color(int attr, int slot) {
    checkIndex(attr, ColorAttrs);
    checkIndex(slot, ColorSlots);
    return SchemeColors[static_cast<size_t>(attr)][static_cast<size_t>(slot)];
}

qint32 ColorScheme::color(int attr, int slot) const {
    checkIndex(attr, ColorAttrs);
    checkIndex(slot, ColorSlots);
    return SchemeColors[static_cast<size_t>(attr)][static_cast<size_t>(slot)];
}

SchemeValue& ColorScheme::font(int attr, int slot) {
    checkIndex(attr, FontAttrs);
    checkIndex(slot, FontSlots);
    return SchemeFonts[static_cast<size_t>(attr)][static_cast<size_t>(slot)];
}

const SchemeValue& ColorScheme::font(int attr, int slot) const {
    checkIndex(attr, FontAttrs);
    checkIndex(slot, FontSlots);
    return SchemeFonts[static_cast<size_t>(attr)][static_cast<size_t>(slot)];
}

qint16 ColorScheme::fontSizeFor(int sizeNumber) const {
    checkIndex(sizeNumber - 1, FontSizeEntries);
    return FontSizeTable[static_cast<size_t>(sizeNumber - 1)];
}

void ColorScheme::fillFontSizeTable() {
    FontSizeTable = {8, 10, 12, 14, 18, 24};
}

QString ColorScheme::valueText(const ThemeElement& e, Attribute attribute) const {
    switch (attribute) {
    case Attribute::Image:
        return image(e.imageSlot);
    case Attribute::Color:
    case Attribute::BackColor:
        return QString::number(color(ColorAttr::Back, e.colorSlot));
    case Attribute::ForeColor:
        return QString::number(color(ColorAttr::Fore, e.colorSlot));
    case Attribute::Font:
        return font(FontAttr::Face, e.fontSlot).toText();
    case Attribute::FontSize:
        return font(FontAttr::Size, e.fontSlot).toText();
    case Attribute::FontStyle:
        return font(FontAttr::Style, e.fontSlot).toText();
    }
    return {};
}
