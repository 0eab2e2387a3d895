#include "theme/VariantNames.h"

const char* variantKey(Variant variant) {
    switch (variant) {
    case Variant::Light:
        return "light";
    case Variant::Dark:
        return "dark";
    case Variant::Contrast:
        return "contrast";
    }
    return "light";
}

std::optional<Variant> variantFromKey(QStringView key) {
    for (const Variant variant : Variants)
        if (key.compare(QLatin1StringView(variantKey(variant)), Qt::CaseInsensitive) == 0)
            return variant;
    return std::nullopt;
}

namespace {

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

std::optional<ColorPlace> colorPlaceNamed(QStringView name) {
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return std::nullopt;
    const QStringView elementName = name.left(dot);
    const QStringView attributeText = name.mid(dot + 1);
    for (const ThemeElement& element : ThemeElements) {
        if (elementName.compare(latin1(element.key), Qt::CaseInsensitive) != 0)
            continue;
        for (int i = 0; i < element.attributeCount; ++i) {
            const Attribute attribute = element.attributes[static_cast<size_t>(i)];
            if (attributeText.compare(latin1(attributeName(attribute)), Qt::CaseInsensitive) == 0)
                return colorPlace(element, attribute);
        }
    }
    return std::nullopt;
}

QStringList lockedColorNames(const ColorScheme& scheme) {
    QStringList names;
    for (const ThemeElement& element : ThemeElements)
        for (int i = 0; i < element.attributeCount; ++i) {
            const Attribute attribute = element.attributes[static_cast<size_t>(i)];
            const std::optional<ColorPlace> place = colorPlace(element, attribute);
            if (place && scheme.isLocked(place->attr, place->slot))
                names << latin1(element.key) + QLatin1Char('.') + latin1(attributeName(attribute));
        }
    return names;
}
