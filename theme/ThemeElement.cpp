#include "theme/ThemeElement.h"

std::string_view attributeName(Attribute attribute) {
    switch (attribute) {
    case Attribute::Image:
        return "Image";
    case Attribute::Color:
        return "Color";
    case Attribute::Font:
        return "Font";
    case Attribute::FontSize:
        return "FontSize";
    case Attribute::FontStyle:
        return "FontStyle";
    case Attribute::BackColor:
        return "BackColor";
    case Attribute::ForeColor:
        return "ForeColor";
    }
    return {};
}

const ThemeElement* elementForRow(int row) {
    for (const ThemeElement& e : ThemeElements)
        if (e.editorRow == row && row != NoSlot)
            return &e;
    return nullptr;
}

const ThemeElement* elementForKey(std::string_view key) {
    for (const ThemeElement& e : ThemeElements)
        if (e.key == key)
            return &e;
    return nullptr;
}
