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

bool ColorScheme::hasVariant(Variant variant) const {
    switch (variant) {
    case Variant::Light:
        return true;
    case Variant::Dark:
        return DarkColors.has_value();
    case Variant::Contrast:
        return ContrastColors.has_value();
    }
    return false;
}

const ColorScheme::ColorTable& ColorScheme::colorsOf(Variant variant) const {
    if (variant == Variant::Dark && DarkColors)
        return *DarkColors;
    if (variant == Variant::Contrast && ContrastColors)
        return *ContrastColors;
    return SchemeColors;
}

void ColorScheme::setColors(Variant variant, const ColorTable& colors) {
    switch (variant) {
    case Variant::Light:
        SchemeColors = colors;
        break;
    case Variant::Dark:
        DarkColors = colors;
        break;
    case Variant::Contrast:
        ContrastColors = colors;
        break;
    }
}

ColorScheme ColorScheme::shownAs(Variant variant) const {
    ColorScheme shown = *this;
    shown.SchemeColors = colorsOf(variant);
    return shown;
}

bool ColorScheme::isLocked(int attr, int slot) const {
    checkIndex(attr, ColorAttrs);
    checkIndex(slot, ColorSlots);
    return LockedColors[static_cast<size_t>(attr)][static_cast<size_t>(slot)];
}

void ColorScheme::setLocked(int attr, int slot, bool locked) {
    checkIndex(attr, ColorAttrs);
    checkIndex(slot, ColorSlots);
    LockedColors[static_cast<size_t>(attr)][static_cast<size_t>(slot)] = locked;
}

bool ColorScheme::hasLocks() const {
    for (const auto& row : LockedColors)
        if (std::find(row.begin(), row.end(), true) != row.end())
            return true;
    return false;
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

std::optional<ColorPlace> colorPlace(const ThemeElement& element, Attribute attribute) {
    switch (attribute) {
    case Attribute::Color:
    case Attribute::BackColor:
        return ColorPlace{ColorAttr::Back, element.colorSlot};
    case Attribute::ForeColor:
        return ColorPlace{ColorAttr::Fore, element.colorSlot};
    default:
        return std::nullopt;
    }
}
