#include "framework/FileLookup.h"

#include <QDir>
#include <QFileInfo>

QString fileIgnoringCase(const QString& path) {
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    if (info.isFile())
        return path;
    const QString name = info.fileName();
    const QDir folder = info.absoluteDir();
    if (name.isEmpty() || !folder.exists())
        return {};
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    return {};
}

namespace {

bool isBelow(const QString& target, const QString& folder) {
    if (folder.isEmpty() || target.isEmpty())
        return false;
    return target == folder ||
           target.startsWith(folder.endsWith(QLatin1Char('/')) ? folder
                                                               : folder + QLatin1Char('/'));
}

} // namespace

bool staysInItsFolder(const QString& file) {
    const QFileInfo info(file);
    const QString folder = info.absoluteDir().canonicalPath();
    const QString target = info.canonicalFilePath();
    return target != folder && isBelow(target, folder);
}

bool liesWithin(const QString& path, const QString& folder) {
    // The deepest part of the path that exists; what lies beyond it holds no links.
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    while (!QFileInfo::exists(existing)) {
        const QString parent = QFileInfo(existing).absolutePath();
        if (parent == existing)
            return false;
        existing = parent;
    }
    return isBelow(QFileInfo(existing).canonicalFilePath(), QFileInfo(folder).canonicalFilePath());
}
