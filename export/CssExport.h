#pragma once

#include "export/PicturePlan.h"
#include "export/ThemeExport.h"
#include "framework/FileAccess.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class PicturePlan;
class Procedure;
struct ColorScheme;

// How the preview shows the page, which the rules follow: the page's background
// picture shown or hidden, and the labels over the banner, the horizontal navigation
// buttons and the quick links painted in their element's background colour or left
// transparent. The window's check boxes, or --show-background and --opaque-labels.
struct CssPageOptions {
    bool showBackground = false;
    bool opaqueLabels = false;
};

// The scheme as one style sheet: a ":root" block with one custom property per
// attribute (CssProperties.h, values as CssValues.h writes them) and, when a colour is
// locked, the list of locked colours; for each Dark or High contrast variant the scheme
// has, a ":root" block of its colours under the media condition that asks for it
// (cssVariantMedia); then rules that use
// them so that a page looks as the preview draws it: the page (body) with its colour
// and, when shown, its picture stretched over it; h1 to h6, the body text and the
// links (a:link, a:visited or .tintora-visited, a:active or .tintora-active) in their
// colours and fonts on the page, without a background of their own; the bullets (ul)
// and the rule (hr); and classes for the pictures with text on them: .tintora-banner,
// .tintora-nav and .tintora-vnav (navigation buttons), .tintora-global, and the quick
// links .tintora-back, .tintora-home, .tintora-up, .tintora-next. Each takes its
// picture's size, paints it as its background and centres its text on it; a button in
// the state .tintora-current, or under the pointer, shows its pushed picture. Pictures
// are named as `pictures` names their copies beside the sheet.
QByteArray cssStyleSheet(const ColorScheme& scheme, const PicturePlan& pictures,
                         CssPageOptions options = {});

// Writes the style sheet to `path`, its example page (examplePagePath) and a copy of
// every picture beside them. A file of a picture's name that is not the same picture is
// left alone: the copy takes another name. The sheet and the page replace existing
// files only when `existing` says so (error 58 otherwise, before anything is written);
// each is written whole or not at all. Errors go to the handler inside the caller's
// routine, a missing picture as error 53 after which the rest is still written.
// Pictures are copied as PicturePlan::copyInto says; when the sheet cannot be written,
// the copies made for it are removed again, so a pipe that nobody reads, refused at
// once (75), is all that is left. Where and what is checked first, and the folder made,
// as prepareExportOutputs does it. `place` says how the sheet and the page treat what
// they find under their names (FileAccess.h): a batch fills its own folder. True when
// the sheet and the page were written; the files written (the sheet, the page, then the
// pictures) go to `written` when given.
bool exportCss(Procedure& proc, const ColorScheme& scheme, const QString& path,
               ExistingOutput existing, PictureTest isPicture, CssPageOptions options = {},
               OutputPlace place = OutputPlace::Named, QStringList* written = nullptr);
