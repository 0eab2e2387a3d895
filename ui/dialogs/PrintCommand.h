#pragma once

#include "contrast/ContrastAudit.h"

#include <QString>

#include <vector>

class DialogService;
class Printer;
class Procedure;
class QWidget;
struct ColorScheme;
struct FileInformation;

// The body of the File menu's Print command (traced as frmMain.mnuFilePrint_Click):
// the printer dialog of cdbMain, then per copy the scheme's text report (its FILE
// INFORMATION from `info`), ending with the contrast table of `contrast` and then
// those of `variantContrasts` (a scheme's Dark and High contrast variants), as one
// document and a picture of the window's client area, editor and preview as they are
// laid out, as a second, with `pictureCaption` under it (what a simulation in force
// makes of the picture). The window is neither maximised nor moved for it, so it
// stays where the user has it.
// Cancel in the dialog ends the command without a word; every other error goes to
// the handler, and after Ignore the command goes on with its next line.
void printScheme(QWidget& clientArea, DialogService& cdbMain, Printer& printer,
                 const ColorScheme& scheme, const FileInformation& info,
                 const ContrastAudit& contrast,
                 const std::vector<ContrastAudit>& variantContrasts = {},
                 const QString& pictureCaption = {});

// What printScheme prints after its dialog, `copies` times: Print Preview shows
// these pages.
void printSchemePages(Procedure& proc, QWidget& clientArea, Printer& printer,
                      const ColorScheme& scheme, const FileInformation& info,
                      const ContrastAudit& contrast, int copies,
                      const std::vector<ContrastAudit>& variantContrasts = {},
                      const QString& pictureCaption = {});
