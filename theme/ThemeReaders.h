#pragma once

#include "theme/StyleSheetInput.h"

#include <QString>

#include <span>
#include <string_view>

struct ColorScheme;

// The four style-sheet readers. Each reads one style sheet of the theme that the
// Themes menu caption `caption` names ("Default" is the folder Studio) in the folder
// `themesDir` (the data folder's Themes), sets ThemeName, and overwrites only the
// values its style sheet declares. Every failure is a run-time error handed to the
// central handler under the reader's own trace name.

// theme.css: fonts of body text, headings, navigation and top-bar buttons, the
// top-bar text colour, the background and top-bar pictures; then the hyperlinks take
// the body text's font and size.
void LoadTheme(ColorScheme& scheme, const QString& themesDir, const QString& caption);
// color1.css: text and background colours.
void LoadColors(ColorScheme& scheme, const QString& themesDir, const QString& caption);
// graph0.css: the banner, rule, bullet and normal navigation-button pictures.
void LoadGraph0(ColorScheme& scheme, const QString& themesDir, const QString& caption);
// graph1.css: the pressed quick-link pictures and the banner and navigation text style.
void LoadGraph1(ColorScheme& scheme, const QString& themesDir, const QString& caption);

// A declaration sheet (color1.css, graph0.css, graph1.css) as its reader reads it: the
// selectors in order and the declarations each section holds. Theme export writes
// those sheets from the same tables, so what it writes is what the readers read.
struct DeclarationSheet {
    std::span<const std::u16string_view> selectors;
    std::span<const Declaration> table;
};
DeclarationSheet colorSheetTable();
DeclarationSheet graph0SheetTable();
DeclarationSheet graph1SheetTable();
