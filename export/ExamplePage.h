#pragma once

#include <QByteArray>
#include <QString>

struct ColorScheme;

// The example page written beside an exported style sheet: the preview's mock page in
// plain HTML (the banner, the navigation buttons, the bullets, the rule, the quick
// links, headings 1 to 6, the body text, the three link states, the global and the
// vertical navigation buttons), styled by the sheet's rules and classes alone, so that
// a designer opens it in any browser and sees the preview. Its links go nowhere.

// The page's file for the style sheet `cssPath`: the same name with ".html" in place of
// ".css" (or added, when the sheet's name has no ".css").
QString examplePagePath(const QString& cssPath);

// The page for the style sheet of file name `styleSheetName` in the same folder, titled
// with the scheme's name.
QByteArray examplePage(const ColorScheme& scheme, const QString& styleSheetName);
