#pragma once

#include <QString>
#include <QStringList>

// Why `name` cannot name a new theme folder, or an empty text when it can. A theme
// name is one folder name inside Themes: no path separators, no "." (the Themes menu
// lists only folders without one, so ".." and hidden names are out too), no control
// characters or characters other file systems refuse, no blanks at either end, and
// neither "Default" (the menu item that stands for Studio) nor "-" (the menu's
// separator).
QString themeNameProblem(const QString& name);

// The last component of a picture path as a scheme holds it, with "/" or "\" as
// separators (theme files made on Windows name their pictures with "\").
QString pictureFileName(const QString& path);

// A file name for a copy of the picture `fileName` that both the style-sheet readers
// and CSS take as it stands: letters, digits, "-", "_" and "." only (anything else
// becomes "_"), not hidden, at most MaxPictureNameLength characters, the extension
// kept. Never empty.
QString safePictureName(const QString& fileName);
inline constexpr int MaxPictureNameLength = 80;

// `name` with "-2", "-3", ... before its extension until `taken` (compared ignoring
// letter case, as the readers and the preview look pictures up) does not hold it.
QString uniqueName(const QString& name, const QStringList& taken);
