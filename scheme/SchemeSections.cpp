#include "scheme/SchemeSections.h"

#include "framework/Globals.h"
#include "theme/ColorScheme.h"
#include "theme/ThemeElement.h"

namespace {
QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Text colours first, as a designer names them ("ForeColor BackColor").
constexpr Attribute LockOrder[] = {Attribute::ForeColor, Attribute::BackColor, Attribute::Color};

QString lockedNames(const ColorScheme& scheme, const ThemeElement& element) {
    QStringList names;
    for (const Attribute attribute : LockOrder) {
        if (!element.has(attribute))
            continue;
        const ColorPlace place = *colorPlace(element, attribute);
        if (scheme.isLocked(place.attr, place.slot))
            names.append(latin1(attributeName(attribute)));
    }
    return names.join(QLatin1Char(' '));
}

bool isColor(Attribute attribute) {
    return attribute == Attribute::Color || attribute == Attribute::BackColor ||
           attribute == Attribute::ForeColor;
}
} // namespace

const char* variantSectionPrefix(Variant variant) {
    switch (variant) {
    case Variant::Light:
        return nullptr;
    case Variant::Dark:
        return "DARK ";
    case Variant::Contrast:
        return "CONTRAST ";
    }
    return nullptr;
}

QList<SchemeSection> schemeSections(const ColorScheme& scheme, const FileInformation& info) {
    QList<SchemeSection> sections;
    sections.reserve(ElementCount + 1);
    sections.append({QString::fromLatin1(FileInformationTitle),
                     {{QStringLiteral("Application Name"), QString::fromLatin1(ApplicationName)},
                      {QStringLiteral("Program Version"), info.VersionText},
                      {QStringLiteral("Program Author"), info.UserName},
                      {QStringLiteral("Theme"), scheme.ThemeName}}});
    for (const ThemeElement& element : ThemeElements) {
        SchemeSection section{latin1(element.key), {}};
        section.entries.reserve(element.attributeCount);
        for (int i = 0; i < element.attributeCount; ++i) {
            const Attribute attribute = element.attributes[static_cast<size_t>(i)];
            // Face names are shown in proper case; every other value exactly as held.
            QString value = attribute == Attribute::Font
                                ? ProperCase(scheme.valueText(element, attribute))
                                : scheme.valueText(element, attribute);
            section.entries.append({latin1(attributeName(attribute)), std::move(value)});
        }
        if (QString locked = lockedNames(scheme, element); !locked.isEmpty())
            section.entries.append({QString::fromLatin1(LockedKey), std::move(locked)});
        sections.append(std::move(section));
    }
    return sections;
}

QList<SchemeSection> variantSections(const ColorScheme& scheme) {
    QList<SchemeSection> sections;
    for (const Variant variant : {Variant::Dark, Variant::Contrast}) {
        if (!scheme.hasVariant(variant))
            continue;
        const ColorScheme shown = scheme.shownAs(variant);
        for (const ThemeElement& element : ThemeElements) {
            if (element.colorSlot == NoSlot)
                continue;
            SchemeSection section{
                QString::fromLatin1(variantSectionPrefix(variant)) + latin1(element.key), {}};
            for (int i = 0; i < element.attributeCount; ++i) {
                const Attribute attribute = element.attributes[static_cast<size_t>(i)];
                if (isColor(attribute))
                    section.entries.append(
                        {latin1(attributeName(attribute)), shown.valueText(element, attribute)});
            }
            sections.append(std::move(section));
        }
    }
    return sections;
}
