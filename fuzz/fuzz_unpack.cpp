// Feeds arbitrary bytes as a theme package to the unpacker and checks the one promise
// that matters most: nothing appears outside the working folder, and no link inside it.
#include "startup/PackageUnpacker.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QTemporaryDir root;
    const QString package = root.filePath(QStringLiteral("Theme.elm"));
    const QString folder = root.filePath(QStringLiteral("Themes/Theme"));
    QDir().mkpath(folder);
    QFile file(package);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();

    UnpackLimits limits;
    limits.maxBytes = 4 * 1024 * 1024;
    limits.maxEntries = 2000;
    unpackPackage(package, folder, limits);

    QDirIterator it(root.path(),
                    QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        const bool inside = path.startsWith(folder + QLatin1Char('/'));
        const bool expected = inside || path == package ||
                              path == root.filePath(QStringLiteral("Themes")) || path == folder;
        if (!expected || info.isSymLink()) {
            std::fprintf(stderr, "unpacking wrote %s\n", qPrintable(path));
            std::abort();
        }
    }
    return 0;
}
