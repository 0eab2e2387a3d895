#include "export/SiteStyles.h"

#include "export/CssValues.h"
#include "theme/DrawnFont.h"

#include <QLocale>

#include <array>

namespace {

constexpr std::array<SiteElement, 14> Elements{{
    {Element::BANNER, "banner", true},
    {Element::BODY, "body", true},
    {Element::HEADING1, "h1", true},
    {Element::HEADING2, "h2", true},
    {Element::HEADING3, "h3", true},
    {Element::HEADING4, "h4", true},
    {Element::HEADING5, "h5", true},
    {Element::HEADING6, "h6", true},
    {Element::REGULARLINK, "link", true},
    {Element::VISITEDLINK, "visited", true},
    {Element::ACTIVELINK, "active", true},
    {Element::NAVBUTTONS, "navigation", true},
    {Element::GLOBALBUTTONS, "global-buttons", true},
    {Element::BACKGROUND, "page", false},
}};

std::optional<qint32> webColor(qint32 value) {
    if (value < 0 || value > 0xFFFFFF)
        return std::nullopt;
    return value;
}

qint32 slotColor(const SchemeColorTable& colors, int attr, int slot) {
    return colors[static_cast<std::size_t>(attr)][static_cast<std::size_t>(slot)];
}

} // namespace

std::span<const SiteElement> siteElements() {
    return Elements;
}

const SiteElement* siteElementNamed(QStringView name) {
    for (const SiteElement& e : Elements)
        if (name == QLatin1String(e.name))
            return &e;
    return nullptr;
}

QString siteDescription(Element element) {
    const ThemeElement& e = themeElement(element);
    // The global buttons have no row of their own in the editor.
    if (e.rowCaption.empty())
        return QStringLiteral("Global Buttons");
    return QString::fromLatin1(e.rowCaption.data(), static_cast<qsizetype>(e.rowCaption.size()));
}

std::optional<qint32> siteColor(const SchemeColorTable& colors, Element element) {
    return webColor(slotColor(colors, ColorAttr::Fore, themeElement(element).colorSlot));
}

std::optional<qint32> siteBackground(const SchemeColorTable& colors, Element element) {
    return webColor(slotColor(colors, ColorAttr::Back, themeElement(element).colorSlot));
}

SiteFont siteFont(const ColorScheme& scheme, Element element) {
    const int slot = themeElement(element).fontSlot;
    SiteFont font;
    const QString face = scheme.font(FontAttr::Face, slot).toText();
    if (!face.isEmpty()) {
        font.face = drawnFamily(face);
        font.generic = cssvalue::genericFamily(face);
        font.cssFamily = cssvalue::face(face) + QStringLiteral(", ") + font.generic;
    }
    if (const std::optional<float> points = drawnPointSize(scheme.font(FontAttr::Size, slot)))
        font.px = pointsToPixels(static_cast<double>(*points));
    // A style the preview cannot draw leaves the label regular.
    const DrawnStyle style = drawnStyle(scheme.font(FontAttr::Style, slot)).value_or(DrawnStyle{});
    font.bold = style.bold;
    font.italic = style.italic;
    return font;
}

QString shortestNumber(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}
