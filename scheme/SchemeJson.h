#pragma once

#include "scheme/SchemeSections.h"

#include <QByteArray>
#include <QList>

// The sections of a scheme as one JSON object, for scripts: "format" first, then each
// section's name as a key, in file order, holding its attributes in file order.
// Colours ("Color", "BackColor", "ForeColor") are "#RRGGBB" (a value outside 0 to
// 16777215, which is no colour, stays its number); "FontSize" and "FontStyle" are
// numbers when the text is one (an empty size stays ""); every other value is the
// text the scheme file and the report show. UTF-8, two-space indentation, a line end
// at the end.
//
//     {
//       "format": 2,
//       "FILE INFORMATION": {"Application Name": "Tintora", ...},
//       "BACKGROUND": {"Image": "/d/Themes/Studio/bkgnd.gif", "Color": "#FAF5F1"},
//       "BODY": {"ForeColor": "#333A47", "BackColor": "#FAF5F1", "Font": "Georgia",
//                "FontSize": 10.5, "FontStyle": 0},
//       ...
//     }
QByteArray schemeJson(const QList<SchemeSection>& sections);
