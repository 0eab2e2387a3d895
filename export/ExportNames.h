#pragma once

#include <QHash>
#include <QSet>
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

// File names given out so far, compared ignoring letter case as the readers and the
// preview look pictures up. Giving out a name takes time in proportion to its length
// however many are taken, so a plan of thousands of alike names stays quick.
class FreeNames {
public:
    explicit FreeNames(const QStringList& taken = {});
    bool contains(const QString& name) const;
    void take(const QString& name);
    // `name`, or it with "-2", "-3", ... before its extension, whichever is free first;
    // not taken yet.
    QString free(const QString& name);

private:
    QSet<QString> taken_;
    QHash<QString, int> next_; // the number to try next for a name
};
