#pragma once

class DialogService;
class Printer;
class QMainWindow;
class QWidget;
struct ColorScheme;
struct FileInformation;

// The design left of the preview area, in twips, where printing puts it back.
inline constexpr float PicDisplayDesignLeft = 4560.0f;

// The body of the File menu's Print command (traced as frmMain.mnuFilePrint_Click):
// the printer dialog of cdbMain, then per copy the scheme's text report (its FILE
// INFORMATION from `info`) as one document and a picture of the window's client
// area, with the preview moved to the left edge and the window maximised, as a
// second.
// Cancel in the dialog ends the command without a word; every other error goes to
// the handler, and after Ignore the command goes on with its next line.
void printScheme(QMainWindow& window, QWidget& picDisplay, DialogService& cdbMain, Printer& printer,
                 const ColorScheme& scheme, const FileInformation& info);
