#pragma once

#include "scheme/FileInformation.h"

#include <QList>
#include <QString>

#include <cstdint>

struct ColorScheme;
enum class Variant : std::uint8_t;

// One attribute of a section as the scheme file and the report show it.
struct SchemeEntry {
    QString name;
    QString value;
};

// A section of the scheme file and the report: FILE INFORMATION, then the thirty
// elements in the order of the element table.
struct SchemeSection {
    QString title;
    QList<SchemeEntry> entries;
};

// The product name written as "Application Name" and required by the reader.
inline constexpr const char* ApplicationName = "Tintora";
inline constexpr const char* FileInformationTitle = "FILE INFORMATION";

// The key of the attribute line that lists an element's locked colours, by their
// attribute names separated by blanks ("ForeColor BackColor"). Readers that know no
// locks skip it as a key of no attribute.
inline constexpr const char* LockedKey = "Locked";

// The header word of a variant's sections, before the element key ("DARK BODY");
// nullptr for Light, whose sections are the elements' own.
const char* variantSectionPrefix(Variant variant);

// The 31 sections with the values the file and the report write: FILE INFORMATION
// from `info` and ThemeName, images as held, colours in decimal, face names through
// ProperCase (whose error goes to the handler and gives an empty value after
// Ignore), sizes and styles as held. An element with a locked colour ends with its
// Locked line.
QList<SchemeSection> schemeSections(const ColorScheme& scheme, const FileInformation& info);

// The sections of the Dark and then the High contrast variant, where the scheme has
// them: one per element with colours, its colour attributes only, after the Light
// sections in the file. None for a scheme without variants.
QList<SchemeSection> variantSections(const ColorScheme& scheme);
