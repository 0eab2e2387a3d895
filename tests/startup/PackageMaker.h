#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Writes real theme packages with libarchive's writer, for tests and benchmarks.
enum class PackageFormat { Zip, TarGz };

struct PackageEntry {
    enum Kind { File, Folder, Symlink, Hardlink, CharDevice };
    PackageEntry(QString entryName = {}, QByteArray entryData = {}, Kind entryKind = File,
                 QString target = {}, qint64 size = -1)
        : name(std::move(entryName)), data(std::move(entryData)), kind(entryKind),
          linkTarget(std::move(target)), declaredSize(size) {}

    QString name;
    QByteArray data;
    Kind kind = File;
    QString linkTarget;
    // The size written into the entry's header when larger than the data; the
    // writer pads the rest with zero bytes.
    qint64 declaredSize = -1;
};

// Writes the package, creating its folder. Returns an error text, empty on success.
QString writePackage(const QString& path, PackageFormat format, const QList<PackageEntry>& entries);

// A theme's usual files: the four style sheets and a picture, each naming the theme.
QList<PackageEntry> themeFiles(const QString& theme);
