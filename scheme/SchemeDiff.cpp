#include "scheme/SchemeDiff.h"

#include "theme/ColorScheme.h"

namespace {

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

bool sameAttributeValue(const ColorScheme& a, const ColorScheme& b, const ThemeElement& e,
                        Attribute attribute) {
    switch (attribute) {
    case Attribute::Image:
        return a.image(e.imageSlot) == b.image(e.imageSlot);
    case Attribute::Color:
    case Attribute::BackColor:
        return a.color(ColorAttr::Back, e.colorSlot) == b.color(ColorAttr::Back, e.colorSlot);
    case Attribute::ForeColor:
        return a.color(ColorAttr::Fore, e.colorSlot) == b.color(ColorAttr::Fore, e.colorSlot);
    case Attribute::Font: {
        const SchemeValue& x = a.font(FontAttr::Face, e.fontSlot);
        const SchemeValue& y = b.font(FontAttr::Face, e.fontSlot);
        return x == y || x.toText().compare(y.toText(), Qt::CaseInsensitive) == 0;
    }
    case Attribute::FontSize:
        return a.font(FontAttr::Size, e.fontSlot) == b.font(FontAttr::Size, e.fontSlot);
    case Attribute::FontStyle:
        return a.font(FontAttr::Style, e.fontSlot) == b.font(FontAttr::Style, e.fontSlot);
    }
    return true;
}

QList<SchemeDifference> elementDifferences(const ColorScheme& then, const ColorScheme& now,
                                           const ThemeElement& element) {
    QList<SchemeDifference> found;
    for (int i = 0; i < element.attributeCount; ++i) {
        const Attribute attribute = element.attributes[static_cast<std::size_t>(i)];
        if (!sameAttributeValue(then, now, element, attribute))
            found.append({&element, attribute, then.valueText(element, attribute),
                          now.valueText(element, attribute)});
    }
    return found;
}

QList<SchemeDifference> schemeDifferences(const ColorScheme& then, const ColorScheme& now) {
    QList<SchemeDifference> found;
    for (const ThemeElement& element : ThemeElements)
        found += elementDifferences(then, now, element);
    return found;
}

void copyAttribute(ColorScheme& to, const ColorScheme& from, const ThemeElement& e,
                   Attribute attribute) {
    switch (attribute) {
    case Attribute::Image:
        to.image(e.imageSlot) = from.image(e.imageSlot);
        break;
    case Attribute::Color:
    case Attribute::BackColor:
        to.color(ColorAttr::Back, e.colorSlot) = from.color(ColorAttr::Back, e.colorSlot);
        break;
    case Attribute::ForeColor:
        to.color(ColorAttr::Fore, e.colorSlot) = from.color(ColorAttr::Fore, e.colorSlot);
        break;
    case Attribute::Font:
        to.font(FontAttr::Face, e.fontSlot) = from.font(FontAttr::Face, e.fontSlot);
        break;
    case Attribute::FontSize:
        to.font(FontAttr::Size, e.fontSlot) = from.font(FontAttr::Size, e.fontSlot);
        break;
    case Attribute::FontStyle:
        to.font(FontAttr::Style, e.fontSlot) = from.font(FontAttr::Style, e.fontSlot);
        break;
    }
}

QString differenceLine(const SchemeDifference& d) {
    return latin1(d.element->key) + QLatin1Char('.') + latin1(attributeName(d.attribute)) +
           QStringLiteral(": ") + d.then + QStringLiteral(" -> ") + d.now;
}
