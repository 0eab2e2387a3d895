#include "framework/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace DataFolder {

QString bundledDataDir() {
    const QString installed =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../") +
                        QStringLiteral(TINTORA_INSTALL_DATA_SUBDIR));
    if (QFileInfo::exists(installed + QStringLiteral("/Themes")))
        return installed;
    const QString build = QStringLiteral(TINTORA_BUILD_DATA_DIR);
    if (QFileInfo::exists(build + QStringLiteral("/Themes")))
        return build;
    return {};
}

QString userDataDir() {
    // Both programs share one folder whatever their executable's name.
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                        QStringLiteral("/tintora");
    QDir().mkpath(dir);
    return dir;
}

bool seed(const QString& from, const QString& to) {
    bool ok = QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(path);
        if (info.isDir())
            ok = QDir().mkpath(target) && ok;
        else if (!QFileInfo::exists(target))
            ok = QFile::copy(path, target) && ok;
    }
    return ok;
}

QString resolveStartDir() {
    const QString current = QDir::currentPath();
    if (QFileInfo(current + QStringLiteral("/Themes")).isDir())
        return current;
    const QString user = userDataDir();
    const QString bundled = bundledDataDir();
    if (!bundled.isEmpty())
        seed(bundled, user);
    else
        QDir().mkpath(user + QStringLiteral("/Themes"));
    return user;
}

QString themesDir(const QString& startDir) {
    return startDir + QDir::separator() + QStringLiteral("Themes");
}

} // namespace DataFolder
