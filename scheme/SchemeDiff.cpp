#include "scheme/SchemeDiff.h"

#include "scheme/SchemeSections.h"
#include "theme/ColorScheme.h"
#include "theme/VariantNames.h"

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

QStringList variantDifferenceLines(const ColorScheme& then, const ColorScheme& now) {
    QStringList lines;
    const auto arrow = [](const QString& a, const QString& b) {
        return QStringLiteral(": ") + a + QStringLiteral(" -> ") + b;
    };
    for (const Variant variant : {Variant::Dark, Variant::Contrast}) {
        if (!then.hasVariant(variant) && !now.hasVariant(variant))
            continue;
        const QString prefix = QString::fromLatin1(variantSectionPrefix(variant));
        if (then.hasVariant(variant) != now.hasVariant(variant)) {
            const QString none = QStringLiteral("none");
            const QString made = QStringLiteral("made");
            lines << prefix.trimmed() + arrow(then.hasVariant(variant) ? made : none,
                                              now.hasVariant(variant) ? made : none);
        }
        const ColorScheme::ColorTable& a = then.colorsOf(variant);
        const ColorScheme::ColorTable& b = now.colorsOf(variant);
        for (const ThemeElement& element : ThemeElements)
            for (int i = 0; i < element.attributeCount; ++i) {
                const Attribute attribute = element.attributes[static_cast<std::size_t>(i)];
                const std::optional<ColorPlace> place = colorPlace(element, attribute);
                if (!place)
                    continue;
                const qint32 x =
                    a[static_cast<std::size_t>(place->attr)][static_cast<std::size_t>(place->slot)];
                const qint32 y =
                    b[static_cast<std::size_t>(place->attr)][static_cast<std::size_t>(place->slot)];
                if (x != y)
                    lines << prefix + latin1(element.key) + QLatin1Char('.') +
                                 latin1(attributeName(attribute)) +
                                 arrow(QString::number(x), QString::number(y));
            }
    }
    const QStringList thenLocks = lockedColorNames(then);
    const QStringList nowLocks = lockedColorNames(now);
    if (thenLocks != nowLocks) {
        const auto listed = [](const QStringList& names) {
            return names.isEmpty() ? QStringLiteral("none") : names.join(QLatin1Char(' '));
        };
        lines << QStringLiteral("Locked") + arrow(listed(thenLocks), listed(nowLocks));
    }
    return lines;
}

QString differenceLine(const SchemeDifference& d) {
    return latin1(d.element->key) + QLatin1Char('.') + latin1(attributeName(d.attribute)) +
           QStringLiteral(": ") + d.then + QStringLiteral(" -> ") + d.now;
}
