#pragma once

#include "scheme/FileInformation.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class Procedure;
struct ColorScheme;

// The scheme file (*.tna): 31 sections, 182 lines, each attribute line a tab, the
// name, ": " and the value. Locks add a line to their elements' sections, and the
// Dark and High contrast variants follow as sections of their own. Written as UTF-8 without a
// byte-order mark, every line ended by CR LF.

inline constexpr int SchemeFileLineCount = 182; // without variants or locks

// The file's lines in order, without line ends; `info` fills FILE INFORMATION.
QStringList schemeFileLines(const ColorScheme& scheme, const FileInformation& info);

// The lines as the file holds them: UTF-8, CR LF after every line.
QByteArray schemeFileBytes(const QStringList& lines);

// Writes the scheme to `path` as Save does, inside the caller's trap. The file is
// replaced only when it is complete: a failure (folder missing 76, permission 70,
// disk full 61, ...) leaves any old file as it was and goes to the handler; Retry
// tries the whole write again. True when the file was written. SchemeChanged and
// the caption are the caller's business.
bool writeSchemeFile(Procedure& proc, const ColorScheme& scheme, const FileInformation& info,
                     const QString& path);

// What reading a scheme file came to.
struct SchemeFileRead {
    bool complete = false; // opened and read to its end
    int sections = 0;      // header lines that opened a section of the format
    QString themeName;     // the theme FILE INFORMATION names, where it names one
};

// Reads a scheme file into `scheme` as Open does, inside the caller's trap, with the
// Task "Open file: " + path. Nothing is cleared first, ThemeName is not taken from
// the file, SchemeFileName is the caller's business. Each line is one statement:
// Ignore skips the rest of that line. A file in which no section was recognised
// (empty, bare line feeds, any other kind of file) stores nothing. `shownName`, when
// given, stands for the path in the Task (a file that holds what came from elsewhere,
// such as standard input).
SchemeFileRead readSchemeFile(Procedure& proc, ColorScheme& scheme, const QString& path,
                              const QString& shownName = {});

// The message for a file in which no section was recognised; `name` is the file's
// name as the user knows it.
QString notASchemeFileMessage(const QString& name);

// The error a file not made by this program raises, and its texts.
inline constexpr int ForeignFileError = 19691;
inline constexpr const char* ForeignFileSource = "TNA: Open File";
inline constexpr const char* ForeignFileDescription = QT_TRANSLATE_NOOP(
    "RuntimeError", "Attempting to open a file not created by the Tintora software.");
