#include "scheme/SchemeSections.h"

#include "framework/Globals.h"
#include "theme/ColorScheme.h"
#include "theme/ThemeElement.h"

namespace {
QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

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
        sections.append(std::move(section));
    }
    return sections;
}
