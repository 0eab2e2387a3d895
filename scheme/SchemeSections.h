#pragma once

#include "scheme/FileInformation.h"

#include <QList>
#include <QString>

struct ColorScheme;

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

// The 31 sections with the values the file and the report write: FILE INFORMATION
// from `info` and ThemeName, images as held, colours in decimal, face names through
// ProperCase (whose error goes to the handler and gives an empty value after
// Ignore), sizes and styles as held.
QList<SchemeSection> schemeSections(const ColorScheme& scheme, const FileInformation& info);
