#pragma once

#include <QString>
#include <QStringList>

struct ColorScheme;

// Scheme files name their pictures by absolute paths, which break when a file travels
// to another machine or its theme folder moves. What became of the pictures a scheme
// names once the missing ones were looked for elsewhere.
struct PicturesRelocated {
    int foundElsewhere = 0; // pictures now taken from another folder
    QStringList missing;    // pictures found nowhere, as the scheme names them, each once
};

// Gives every picture of `scheme` whose path does not exist the file of the same name
// found first in the scheme file's own folder, then in the folder of theme
// `themeName` under each of `themesFolders` in turn. A name is matched as the readers
// match theirs, in any letter case; the path may have been written with either kind of
// separator.
PicturesRelocated relocatePictures(ColorScheme& scheme, const QString& schemeFilePath,
                                   const QString& themeName, const QStringList& themesFolders);
