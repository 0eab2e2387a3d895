#pragma once

#include "export/ThemeExport.h"

#include <QByteArray>
#include <QString>

class PicturePlan;
class Procedure;
struct ColorScheme;

// The scheme as one style sheet: a ":root" block with one custom property per
// attribute (CssProperties.h, values as CssValues.h writes them), then rules that use
// them for the page (body), h1 to h6, a:link, a:visited and a:active, the bullets
// (ul), the rule (hr), and classes for the pictures with text on them: .tintora-banner,
// .tintora-nav and .tintora-vnav (navigation buttons), .tintora-global, and the quick
// links .tintora-back, .tintora-home, .tintora-up, .tintora-next; a button in the
// state .tintora-current, or under the pointer, shows its pushed picture. Pictures are
// named as `pictures` names their copies beside the sheet.
QByteArray cssStyleSheet(const ColorScheme& scheme, const PicturePlan& pictures);

// Writes the style sheet to `path` and a copy of every picture beside it. A file of
// a picture's name that is not the same picture is left alone: the copy takes another
// name. The sheet itself replaces an existing file only when `existing` says so
// (error 58 otherwise); it is written whole or not at all. Errors go to the handler
// inside the caller's routine, a missing picture as error 53 after which the rest is
// still written. True when the sheet was written.
bool exportCss(Procedure& proc, const ColorScheme& scheme, const QString& path,
               ExistingOutput existing);
