#include "PackageMaker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <archive.h>
#include <archive_entry.h>

#include <memory>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {
struct WriterFree {
    void operator()(archive* a) const { archive_write_free(a); }
};
struct EntryFree {
    void operator()(archive_entry* e) const { archive_entry_free(e); }
};
} // namespace

QString writePackage(const QString& path, PackageFormat format,
                     const QList<PackageEntry>& entries) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    std::unique_ptr<archive, WriterFree> writer(archive_write_new());
    archive* a = writer.get();
    if (format == PackageFormat::Zip) {
        archive_write_set_format_zip(a);
    } else {
        archive_write_set_format_pax_restricted(a);
        archive_write_add_filter_gzip(a);
    }
    const QByteArray file = QFile::encodeName(path);
    if (archive_write_open_filename(a, file.constData()) != ARCHIVE_OK)
        return QString::fromLocal8Bit(archive_error_string(a));
    for (const PackageEntry& item : entries) {
        std::unique_ptr<archive_entry, EntryFree> entry(archive_entry_new());
        archive_entry* e = entry.get();
        const QByteArray name = item.name.toUtf8();
        archive_entry_set_pathname_utf8(e, name.constData());
        archive_entry_set_mtime(e, 1700000000, 0);
        switch (item.kind) {
        case PackageEntry::File:
            archive_entry_set_filetype(e, AE_IFREG);
            archive_entry_set_perm(e, 0644);
            archive_entry_set_size(e, qMax<qint64>(item.declaredSize, item.data.size()));
            break;
        case PackageEntry::Folder:
            archive_entry_set_filetype(e, AE_IFDIR);
            archive_entry_set_perm(e, 0755);
            break;
        case PackageEntry::Symlink:
            archive_entry_set_filetype(e, AE_IFLNK);
            archive_entry_set_perm(e, 0777);
            archive_entry_set_symlink_utf8(e, item.linkTarget.toUtf8().constData());
            break;
        case PackageEntry::Hardlink:
            archive_entry_set_filetype(e, AE_IFREG);
            archive_entry_set_perm(e, 0644);
            archive_entry_set_hardlink_utf8(e, item.linkTarget.toUtf8().constData());
            archive_entry_set_size(e, 0);
            break;
        case PackageEntry::CharDevice:
            archive_entry_set_filetype(e, AE_IFCHR);
            archive_entry_set_perm(e, 0666);
            archive_entry_set_rdev(e, makedev(1, 3));
            break;
        }
        if (archive_write_header(a, e) < ARCHIVE_WARN)
            return QString::fromLocal8Bit(archive_error_string(a));
        if (item.kind == PackageEntry::File && !item.data.isEmpty() &&
            archive_write_data(a, item.data.constData(), size_t(item.data.size())) < 0)
            return QString::fromLocal8Bit(archive_error_string(a));
        if (archive_write_finish_entry(a) < ARCHIVE_WARN)
            return QString::fromLocal8Bit(archive_error_string(a));
    }
    if (archive_write_close(a) != ARCHIVE_OK)
        return QString::fromLocal8Bit(archive_error_string(a));
    return {};
}

QList<PackageEntry> themeFiles(const QString& theme) {
    QList<PackageEntry> files;
    for (const char* sheet : {"theme.css", "color1.css", "graph0.css", "graph1.css"})
        files.append({QString::fromLatin1(sheet),
                      QStringLiteral("body\r\n{\r\n\tcolor: #000000;\r\n}\r\n/* %1 */\r\n")
                          .arg(theme)
                          .toUtf8()});
    files.append({QStringLiteral("images/banner.gif"), QByteArray("GIF89a") + theme.toUtf8()});
    return files;
}
