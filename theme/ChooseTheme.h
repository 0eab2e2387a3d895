#pragma once

#include <QString>

struct ColorScheme;

// The theme folder a Themes menu caption stands for: "Default" is the folder Studio.
QString themeFolderFor(const QString& caption);

// True when the Themes menu would list `caption` for the folder `themesDir`: "Default"
// always, as the menu always has it (its readers then report what is missing); any
// other caption when it is a plain folder name of a theme folder there.
bool isThemesMenuCaption(const QString& themesDir, const QString& caption);

// Choosing a theme, as the Themes menu does it: the styles of font slots 0..11 go
// back to regular, then color1.css, graph0.css, graph1.css and theme.css of the
// theme named by `caption` in the folder `themesDir` (the data folder's Themes) are
// read in that order, each overwriting only what it declares. Errors go through the
// central handler.
void chooseTheme(ColorScheme& scheme, const QString& themesDir, const QString& caption);
