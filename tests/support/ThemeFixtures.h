#pragma once

#include "theme/ColorScheme.h"

#include <QString>
#include <QStringList>

// Theme folders and schemes that tests and benchmarks share. Plain engine code: no
// Qt Test, so the benchmarks build it too.

// The bundled data folder of the source tree (its Themes/Studio is the Default theme).
QString bundledDataFolder();

// The theme folders bundled in the source tree's data folder, by name; a theme added
// there is in the list without further ado.
QStringList bundledThemeFolders();

// The Themes menu caption of a bundled theme folder: "Default" for Studio.
QString bundledThemeCaption(const QString& folder);

// Copies the bundled theme `folder`'s files into the theme folder `themesDir`/`name`
// (`folder` when empty), made when missing. False when a file could not be copied.
bool copyBundledTheme(const QString& themesDir, const QString& folder,
                      const QString& name = QString());

// Copies the bundled Studio theme's files into the theme folder `themesDir`/`name`,
// made when missing. False when a file could not be copied.
bool copyStudioTheme(const QString& themesDir, const QString& name = QStringLiteral("Studio"));

// The scheme after choosing the bundled Studio theme on a freshly loaded window.
ColorScheme studioScheme();

// Writes `count` themes "Generated0001", "Generated0002", ... into `themesDir`, each
// with its own copy of Studio's pictures and Studio's style sheets with the colours,
// faces and sizes varied by the theme's number, so that every theme looks different.
// The same count gives the same files. Returns their folder names.
QStringList makeGeneratedThemes(const QString& themesDir, int count);

// The Studio scheme with the colours, faces, sizes and styles of its twelve text rows,
// the page colour and the navigation labels' colour drawn from a generator seeded with
// `seed`: the same seed gives the same scheme on every machine. Faces are those every
// machine with the Liberation fonts draws with the same metrics (Arial, Times New Roman,
// Courier New); sizes are whole points from 8 to 28.
ColorScheme randomScheme(quint32 seed);

// A scheme with every attribute set to a value that is easy to lose: fractional
// and textual sizes, quoted and odd face names, colours 0 and 16777215, empty
// values, every style code and a style that is no code, pictures with names that need
// care (made as files in `pictureFolder`, which must exist).
ColorScheme unusualScheme(const QString& pictureFolder);
