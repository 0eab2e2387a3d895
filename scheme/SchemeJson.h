#pragma once

#include "scheme/SchemeSections.h"

#include <QByteArray>
#include <QList>

// The sections of a scheme as one JSON object, for scripts: each section's name is a
// key, in file order, holding its attributes in file order. Colours ("Color",
// "BackColor", "ForeColor") are numbers; every other value is the text the scheme file
// and the report show. UTF-8, two-space indentation, a line end at the end.
//
//     {
//       "FILE INFORMATION": {"Application Name": "Tintora", ...},
//       "BACKGROUND": {"Image": "/d/Themes/Studio/bkgnd.gif", "Color": 15857658},
//       ...
//     }
QByteArray schemeJson(const QList<SchemeSection>& sections);

// A JSON string literal of `text`, quotes included.
QByteArray jsonString(const QString& text);
