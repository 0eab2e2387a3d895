#pragma once

#include <QString>

struct ColorScheme;

// The theme folder a Themes menu caption stands for: "Default" is the folder Studio.
QString themeFolderFor(const QString& caption);

// Whether a folder name can be a theme: it holds no control character. A line end
// in the name would break the "Theme" line of every scheme file saved from it.
bool isThemeName(const QString& name);

// The name with each control character shown as a visible sign, for messages.
QString visibleName(const QString& name);

// True when the Themes menu would list `caption` for the folder `themesDir`: "Default"
// always, as the menu always has it (its readers then report what is missing); any
// other caption when it is a plain folder name (no control character either) of a
// theme folder there.
bool isThemesMenuCaption(const QString& themesDir, const QString& caption);

// Choosing a theme, as the Themes menu does it: the styles of font slots 0..11 go
// back to regular, then color1.css, graph0.css, graph1.css and theme.css of the
// theme named by `caption` in the folder `themesDir` (the data folder's Themes) are
// read in that order, each overwriting only what it declares. Errors go through the
// central handler.
void chooseTheme(ColorScheme& scheme, const QString& themesDir, const QString& caption);
