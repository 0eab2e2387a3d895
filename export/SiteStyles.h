#pragma once

#include "theme/ColorScheme.h"
#include "theme/ThemeElement.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

// The scheme as the values a site's build takes: one entry per element a page styles
// (its text colour, its background colour and its font), named as the design-token,
// Tailwind and SCSS files name them. Those three writers share these, so a colour or a
// size is turned into a web value once.

// The colours of one variant of a scheme: SchemeColors as the scheme holds them. The
// writers take the colours apart from the scheme so that each variant's colours can be
// written with the one scheme's fonts.
using SchemeColorTable = decltype(ColorScheme::SchemeColors);

struct SiteElement {
    Element element;
    const char* name; // "banner", "body", "h1" ... "h6", "link", ..., "page"
    bool text;        // carries a text colour and a font; the page only its colour
};

// banner, body, h1 ... h6, link, visited, active, navigation, global-buttons, page.
std::span<const SiteElement> siteElements();
const SiteElement* siteElementNamed(QStringView name);

// The element's name as the editor shows it (English).
QString siteDescription(Element element);

// The line height the preview's labels have, as a multiple of the font size: one line
// of the Liberation faces the preview draws (ascent, descent and gap) is 1.15 sizes.
inline constexpr double PreviewLineHeight = 1.15;

// The text colour of a text element, the background colour of any (the page's own
// colour for "page"); nullopt for a value that is no 24-bit colour.
std::optional<qint32> siteColor(const SchemeColorTable& colors, Element element);
std::optional<qint32> siteBackground(const SchemeColorTable& colors, Element element);

// The element's font as a page draws it. `family` is empty for no face; `px` is empty
// when the preview cannot draw the size (a word, empty, out of range).
struct SiteFont {
    QString face;      // the face as the preview draws it (no quotes around it)
    QString cssFamily; // the family list the CSS export writes: the face, then a generic one
    QString generic;   // that generic family alone
    std::optional<double> px;
    bool bold = false;
    bool italic = false;
};
SiteFont siteFont(const ColorScheme& scheme, Element element);

// Points to CSS pixels (96 per inch, 72 points per inch), and back.
constexpr double pointsToPixels(double points) {
    return points * 96.0 / 72.0;
}
constexpr double pixelsToPoints(double pixels) {
    return pixels * 72.0 / 96.0;
}

// The shortest decimal text that reads back as the same double ("13.333333333333334",
// "16", "0.2").
QString shortestNumber(double value);
