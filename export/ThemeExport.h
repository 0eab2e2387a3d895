#pragma once

#include "export/PicturePlan.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

class Procedure;
struct ColorScheme;

// Whether an export may replace what is already there under its name. The caller
// decides (after asking, or from a command-line flag); an export never replaces
// anything on its own.
enum class ExistingOutput { Keep, Replace };

// The four style sheets of a theme folder, written so that the readers take back what
// they can carry: selectors alone on their line, declarations indented by one tab,
// every line shorter than the single-line mode's 256 characters, CR LF line ends.
struct ThemeSheets {
    QByteArray theme;  // theme.css
    QByteArray color1; // color1.css
    QByteArray graph0; // graph0.css
    QByteArray graph1; // graph1.css
};

// The names of the four style sheets, which no picture copy may take.
QStringList themeSheetNames();

// The style sheets of `scheme`, its pictures named as `pictures` names their copies.
// Values the readers cannot read back as they stand lose what would break the line:
// commas and semicolons in face names and sizes, line breaks, blanks after the colon,
// and whatever makes a line 256 characters long.
ThemeSheets themeSheets(const ColorScheme& scheme, const PicturePlan& pictures);

// Writes `scheme` as the theme folder `name` in `themesDir`: the four style sheets and
// a copy of every picture, nothing outside that folder. The folder is built under a
// hidden temporary name beside it and renamed into place only when complete, so the
// Themes menu never sees half a theme and a failure leaves what was there before.
// Errors go to the handler inside the caller's routine: a name themeNameProblem
// refuses is error 52, an existing folder kept by `existing` error 58 (the Themes
// folder is checked and made as prepareExportOutputs does it), a missing picture
// error 53 (after Ignore the theme is written without that copy); pictures are
// copied as PicturePlan::copyInto says. True when the folder is in place. A start
// removes the hidden folders of exports that never ended (removeExportLeftovers).
bool exportTheme(Procedure& proc, const ColorScheme& scheme, const QString& themesDir,
                 const QString& name, ExistingOutput existing, PictureTest isPicture);

// Removes the hidden building folders in `themesDir` that exports ended half-way
// (killed, or the machine stopped) left behind: those last changed before `before`
// (the start of the run that clears up, or at it) that no export at work holds (BusyFolder).
// Links are passed over.
void removeExportLeftovers(const QString& themesDir, const QDateTime& before);
