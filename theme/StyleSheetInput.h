#pragma once

#include "framework/TextFile.h"

#include <QString>
#include <QStringView>

#include <span>

class Procedure;
struct ColorScheme;

// One style sheet of the chosen theme, read line by line under the calling routine's
// trap.
class StyleSheetInput {
public:
    // Sets ThemeName from the menu caption, then opens the style sheet `fileName` of
    // that theme's folder in `themesDir` as one step. False when the opening failed
    // and the failure was ignored: there is nothing to read.
    bool open(Procedure& proc, ColorScheme& scheme, const QString& themesDir,
              const QString& caption, const QString& fileName);
    // Reads the next line; false at the end of the file, or after a read failure that
    // was ignored (nothing more can be read then).
    bool next(Procedure& proc);
    const QString& line() const { return line_; }
    // themesDir/ThemeName, with the platform's separator.
    const QString& folder() const { return folder_; }

private:
    TextLineReader reader_;
    QString folder_;
    QString line_;
};

// Where a declaration's value is stored, and by which value rule.
enum class Store { Image, Face, Size, Fore, Back };

// One row of a reader's table: a declaration of `property` in section `section` (an
// index into the reader's selectors) is stored into slots first..last.
struct Declaration {
    int section;
    std::u16string_view property;
    Store store;
    int first;
    int last;
};

inline constexpr int NoSection = -1;

// The index of `text` among `selectors`, or NoSection.
int selectorIndex(std::span<const std::u16string_view> selectors, QStringView text);

// Reads a declaration line of `section` by the declaration rule and stores its value
// wherever `table` says; lines that match no row are passed over.
void readDeclaration(ColorScheme& scheme, std::span<const Declaration> table, int section,
                     QStringView line, QStringView trimmed, const QString& folder);
