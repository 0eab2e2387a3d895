#include "scheme/PictureRelocation.h"

#include "framework/FileLookup.h"
#include "theme/ColorScheme.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The last part of a path written on this system or on Windows.
QString fileNameOf(const QString& path) {
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

// A theme name that names a folder inside a Themes folder, not one beside or above it.
bool isFolderName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

} // namespace

PicturesRelocated relocatePictures(ColorScheme& scheme, const QString& schemeFilePath,
                                   const QString& themeName, const QStringList& themesFolders) {
    QStringList places{QFileInfo(schemeFilePath).absolutePath()};
    if (isFolderName(themeName))
        for (const QString& themes : themesFolders)
            places << QDir(themes).filePath(themeName);

    PicturesRelocated result;
    for (const ThemeElement& element : ThemeElements) {
        if (element.imageSlot == NoSlot)
            continue;
        QString& path = scheme.image(element.imageSlot);
        if (path.isEmpty() || QFileInfo::exists(path))
            continue;
        const QString name = fileNameOf(path);
        bool found = false;
        for (const QString& place : places) {
            const QString candidate =
                name.isEmpty() ? QString() : fileIgnoringCase(QDir(place).filePath(name));
            if (!candidate.isEmpty()) {
                path = candidate;
                found = true;
                break;
            }
        }
        if (found)
            ++result.foundElsewhere;
        else if (!result.missing.contains(path))
            result.missing << path;
    }
    return result;
}
