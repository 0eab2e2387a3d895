#pragma once

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <string_view>

// The seven attributes an element may carry; their names are the scheme file's.
enum class Attribute : std::uint8_t {
    Image,
    Color,
    Font,
    FontSize,
    FontStyle,
    BackColor,
    ForeColor
};

std::string_view attributeName(Attribute attribute);

// The thirty elements of a scheme, in the order of the scheme file's sections.
enum class Element : std::uint8_t {
    BACKGROUND,
    BANNER,
    BODY,
    HEADING1,
    HEADING2,
    HEADING3,
    HEADING4,
    HEADING5,
    HEADING6,
    REGULARLINK,
    VISITEDLINK,
    ACTIVELINK,
    NAVBUTTONS,
    GLOBALBUTTONS,
    HORIZNAVBTNNORM,
    HORIZNAVBTNPUSH,
    BULLETLIST1,
    BULLETLIST2,
    BULLETLIST3,
    HORIZRULE,
    BTNBACKNORM,
    BTNHOMENORM,
    BTNUPNORM,
    BTNNEXTNORM,
    BTNBACKPUSH,
    BTNHOMEPUSH,
    BTNUPPUSH,
    BTNEXTPUSH,
    VIRTNAVBTNNORM,
    VIRTNAVBTNPUSH
};

inline constexpr int ElementCount = 30;
inline constexpr int NoSlot = -1;

struct ThemeElement {
    Element element;
    std::string_view key;                // section name in the scheme file
    std::array<Attribute, 6> attributes; // in file order; the first attributeCount count
    int attributeCount;
    int imageSlot;               // SchemeImages, or NoSlot
    int colorSlot;               // SchemeColors, or NoSlot
    int fontSlot;                // SchemeFonts, or NoSlot
    int editorRow;               // row of the editor panel, or NoSlot
    std::string_view rowCaption; // English; the desktop shows it translated

    constexpr bool has(Attribute a) const {
        for (int i = 0; i < attributeCount; ++i)
            if (attributes[static_cast<std::size_t>(i)] == a)
                return true;
        return false;
    }
};

namespace detail {
using A = Attribute;
inline constexpr std::array<Attribute, 6> ImageColor{A::Image, A::Color};
inline constexpr std::array<Attribute, 6> ImageText{A::Image,     A::Font,      A::FontSize,
                                                    A::FontStyle, A::BackColor, A::ForeColor};
inline constexpr std::array<Attribute, 6> Text{A::Font, A::FontSize, A::FontStyle, A::BackColor,
                                               A::ForeColor};
inline constexpr std::array<Attribute, 6> ImageOnly{A::Image};
} // namespace detail

// The one element table: readers, writer, report, preview and editor all use it.
inline constexpr std::array<ThemeElement, ElementCount> ThemeElements{{
    {Element::BACKGROUND, "BACKGROUND", detail::ImageColor, 2, 0, 0, NoSlot, 0,
     QT_TRANSLATE_NOOP("ThemeElement", "Background")},
    {Element::BANNER, "BANNER", detail::ImageText, 6, 1, 0, 0, 1,
     QT_TRANSLATE_NOOP("ThemeElement", "Banner Text")},
    {Element::BODY, "BODY", detail::Text, 5, NoSlot, 1, 1, 2,
     QT_TRANSLATE_NOOP("ThemeElement", "Body")},
    {Element::HEADING1, "HEADING1", detail::Text, 5, NoSlot, 2, 2, 3,
     QT_TRANSLATE_NOOP("ThemeElement", "Heading 1")},
    {Element::HEADING2, "HEADING2", detail::Text, 5, NoSlot, 3, 3, 4,
     QT_TRANSLATE_NOOP("ThemeElement", "Heading 2")},
    {Element::HEADING3, "HEADING3", detail::Text, 5, NoSlot, 4, 4, 5,
     QT_TRANSLATE_NOOP("ThemeElement", "Heading 3")},
    {Element::HEADING4, "HEADING4", detail::Text, 5, NoSlot, 5, 5, 6,
     QT_TRANSLATE_NOOP("ThemeElement", "Heading 4")},
    {Element::HEADING5, "HEADING5", detail::Text, 5, NoSlot, 6, 6, 7,
     QT_TRANSLATE_NOOP("ThemeElement", "Heading 5")},
    {Element::HEADING6, "HEADING6", detail::Text, 5, NoSlot, 7, 7, 8,
     QT_TRANSLATE_NOOP("ThemeElement", "Heading 6")},
    {Element::REGULARLINK, "REGULARLINK", detail::Text, 5, NoSlot, 8, 8, 9,
     QT_TRANSLATE_NOOP("ThemeElement", "Hyperlink")},
    {Element::VISITEDLINK, "VISITEDLINK", detail::Text, 5, NoSlot, 9, 9, 10,
     QT_TRANSLATE_NOOP("ThemeElement", "Hyperlink (Followed)")},
    {Element::ACTIVELINK, "ACTIVELINK", detail::Text, 5, NoSlot, 10, 10, 11,
     QT_TRANSLATE_NOOP("ThemeElement", "Hyperlink (Active)")},
    {Element::NAVBUTTONS, "NAVBUTTONS", detail::Text, 5, NoSlot, 11, 11, 12,
     QT_TRANSLATE_NOOP("ThemeElement", "Navigation Text")},
    {Element::GLOBALBUTTONS, "GLOBALBUTTONS", detail::ImageText, 6, 16, 12, 12, NoSlot, ""},
    {Element::HORIZNAVBTNNORM, "HORIZNAVBTNNORM", detail::ImageOnly, 1, 2, NoSlot, NoSlot, NoSlot,
     ""},
    {Element::HORIZNAVBTNPUSH, "HORIZNAVBTNPUSH", detail::ImageOnly, 1, 3, NoSlot, NoSlot, NoSlot,
     ""},
    {Element::BULLETLIST1, "BULLETLIST1", detail::ImageOnly, 1, 4, NoSlot, NoSlot, NoSlot, ""},
    {Element::BULLETLIST2, "BULLETLIST2", detail::ImageOnly, 1, 5, NoSlot, NoSlot, NoSlot, ""},
    {Element::BULLETLIST3, "BULLETLIST3", detail::ImageOnly, 1, 6, NoSlot, NoSlot, NoSlot, ""},
    {Element::HORIZRULE, "HORIZRULE", detail::ImageOnly, 1, 7, NoSlot, NoSlot, NoSlot, ""},
    {Element::BTNBACKNORM, "BTNBACKNORM", detail::ImageOnly, 1, 8, NoSlot, NoSlot, NoSlot, ""},
    {Element::BTNHOMENORM, "BTNHOMENORM", detail::ImageOnly, 1, 9, NoSlot, NoSlot, NoSlot, ""},
    {Element::BTNUPNORM, "BTNUPNORM", detail::ImageOnly, 1, 10, NoSlot, NoSlot, NoSlot, ""},
    {Element::BTNNEXTNORM, "BTNNEXTNORM", detail::ImageOnly, 1, 11, NoSlot, NoSlot, NoSlot, ""},
    {Element::BTNBACKPUSH, "BTNBACKPUSH", detail::ImageOnly, 1, 12, NoSlot, NoSlot, NoSlot, ""},
    {Element::BTNHOMEPUSH, "BTNHOMEPUSH", detail::ImageOnly, 1, 13, NoSlot, NoSlot, NoSlot, ""},
    {Element::BTNUPPUSH, "BTNUPPUSH", detail::ImageOnly, 1, 14, NoSlot, NoSlot, NoSlot, ""},
    {Element::BTNEXTPUSH, "BTNEXTPUSH", detail::ImageOnly, 1, 15, NoSlot, NoSlot, NoSlot, ""},
    {Element::VIRTNAVBTNNORM, "VIRTNAVBTNNORM", detail::ImageOnly, 1, 17, NoSlot, NoSlot, NoSlot,
     ""},
    {Element::VIRTNAVBTNPUSH, "VIRTNAVBTNPUSH", detail::ImageOnly, 1, 18, NoSlot, NoSlot, NoSlot,
     ""},
}};

constexpr const ThemeElement& themeElement(Element e) {
    return ThemeElements[static_cast<std::size_t>(e)];
}

// The element of an editor row (0..12); nullptr for any other row.
const ThemeElement* elementForRow(int row);
// The element whose section name is `key` (exact, case-sensitive); nullptr if none.
const ThemeElement* elementForKey(std::string_view key);

inline constexpr int EditorRowCount = 13;
