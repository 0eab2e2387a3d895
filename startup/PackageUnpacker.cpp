#include "startup/PackageUnpacker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace {

struct ArchiveFree {
    void operator()(archive* a) const { archive_read_free(a); }
};
using ArchivePtr = std::unique_ptr<archive, ArchiveFree>;

// Thrown inside this file only, to leave the entry loop with a reason.
struct Refusal {
    QString reason;
};

QString megabytes(qint64 bytes) {
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'g', 4) + QStringLiteral(" MB");
}

// The entry's path relative to the working folder, with "/" separators, or a refusal.
// Backslashes count as separators too, as packages made on Windows may use them.
QString relativePathOf(const QString& name) {
    if (name.isEmpty())
        throw Refusal{QCoreApplication::translate("PackageUnpacker", "an entry has no name")};
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool driveLetter = path.size() >= 2 && path[1] == QLatin1Char(':') && path[0].isLetter();
    if (path.startsWith(QLatin1Char('/')) || driveLetter)
        throw Refusal{
            QCoreApplication::translate("PackageUnpacker", "the entry \"%1\" has an absolute name")
                .arg(name)};
    QStringList parts;
    for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".."))
            throw Refusal{QCoreApplication::translate("PackageUnpacker",
                                                      "the entry \"%1\" points outside its folder")
                              .arg(name)};
        if (part != QLatin1String("."))
            parts.append(part);
    }
    return parts.join(QLatin1Char('/'));
}

class Unpacker {
public:
    Unpacker(const QString& package, const QString& folder, const UnpackLimits& limits,
             const UnpackProgress& progress)
        : package_(package), folder_(QDir(folder).absolutePath()), limits_(limits),
          progress_(progress) {
        const QFileInfo packageInfo(package);
        packageSize_ = packageInfo.size();
        packagePath_ = packageInfo.absoluteFilePath();
    }

    UnpackResult run() {
        try {
            unpackAll();
            if (result_.files == 0)
                throw Refusal{QCoreApplication::translate("PackageUnpacker", "it holds no files")};
            result_.ok = true;
        } catch (const Refusal& refusal) {
            result_.error = refusal.reason;
        }
        return result_;
    }

private:
    void unpackAll() {
        ArchivePtr reader(archive_read_new());
        if (!reader)
            throw Refusal{QCoreApplication::translate("PackageUnpacker", "out of memory")};
        archive* a = reader.get();
        archive_read_support_format_all(a);
        archive_read_support_filter_all(a);
        const QByteArray nativePath = QFile::encodeName(package_);
        if (archive_read_open_filename(a, nativePath.constData(), 64 * 1024) != ARCHIVE_OK)
            throw Refusal{damaged(a)};

        int entries = 0;
        for (;;) {
            archive_entry* entry = nullptr;
            const int status = archive_read_next_header(a, &entry);
            if (status == ARCHIVE_EOF)
                break;
            if (status < ARCHIVE_WARN)
                throw Refusal{damaged(a)};
            // An mtree file is a list of files on this machine, not a package holding them.
            if ((archive_format(a) & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_MTREE)
                throw Refusal{
                    QCoreApplication::translate("PackageUnpacker", "it is not a theme package")};
            if (++entries > limits_.maxEntries)
                throw Refusal{
                    QCoreApplication::translate("PackageUnpacker", "it holds more than %1 entries")
                        .arg(limits_.maxEntries)};
            unpackEntry(a, entry);
            reportProgress(a);
        }
    }

    QString damaged(archive* a) const {
        const char* text = archive_error_string(a);
        return QCoreApplication::translate(
                   "PackageUnpacker", "it is damaged or not in a format this program reads (%1)")
            .arg(text ? QString::fromLocal8Bit(text)
                      : QCoreApplication::translate("PackageUnpacker", "unknown archive error"));
    }

    QString entryName(archive_entry* entry) const {
        if (const char* utf8 = archive_entry_pathname_utf8(entry))
            return QString::fromUtf8(utf8);
        if (const char* local = archive_entry_pathname(entry))
            return QString::fromLocal8Bit(local);
        return {};
    }

    void unpackEntry(archive* a, archive_entry* entry) {
        const QString name = entryName(entry);
        const QString relative = relativePathOf(name);
        if (archive_entry_hardlink(entry))
            throw Refusal{
                QCoreApplication::translate("PackageUnpacker", "the entry \"%1\" is a link")
                    .arg(name)};
        const auto type = archive_entry_filetype(entry);
        if (type == AE_IFLNK)
            throw Refusal{
                QCoreApplication::translate("PackageUnpacker", "the entry \"%1\" is a link")
                    .arg(name)};
        if (type == AE_IFDIR) {
            if (!relative.isEmpty())
                makeFolder(relative, name);
            return;
        }
        if (type != AE_IFREG)
            throw Refusal{QCoreApplication::translate("PackageUnpacker",
                                                      "the entry \"%1\" is not an ordinary file")
                              .arg(name)};
        if (relative.isEmpty())
            throw Refusal{
                QCoreApplication::translate("PackageUnpacker", "the entry \"%1\" has no file name")
                    .arg(name)};

        const QString target = folder_ + QLatin1Char('/') + relative;
        if (samePath(target, packagePath_))
            return;
        if (archive_entry_size_is_set(entry) &&
            archive_entry_size(entry) > limits_.maxBytes - result_.bytes)
            throw sizeRefusal();
        const qsizetype slash = relative.lastIndexOf(QLatin1Char('/'));
        if (slash > 0)
            makeFolder(relative.left(slash), name);
        writeFile(a, target, name);
        ++result_.files;
    }

    static bool samePath(const QString& left, const QString& right) {
#ifdef Q_OS_WIN
        return left.compare(right, Qt::CaseInsensitive) == 0;
#else
        return left == right;
#endif
    }

    Refusal sizeRefusal() const {
        return Refusal{QCoreApplication::translate("PackageUnpacker", "it unpacks to more than %1")
                           .arg(megabytes(limits_.maxBytes))};
    }

    // Folders are made one level at a time, so that no level can be anything but a
    // plain folder of our own making.
    void makeFolder(const QString& relative, const QString& name) {
        QString path = folder_;
        for (const QString& part : relative.split(QLatin1Char('/'))) {
            path += QLatin1Char('/') + part;
            const QFileInfo info(path);
            if (info.isSymLink() || (info.exists() && !info.isDir()))
                throw Refusal{QCoreApplication::translate(
                                  "PackageUnpacker", "the entry \"%1\" clashes with another entry")
                                  .arg(name)};
            if (!info.exists() && !QDir().mkdir(path))
                throw Refusal{QCoreApplication::translate("PackageUnpacker",
                                                          "the folder for \"%1\" cannot be made")
                                  .arg(name)};
        }
    }

    void writeFile(archive* a, const QString& target, const QString& name) {
        if (QFileInfo(target).isSymLink())
            throw Refusal{QCoreApplication::translate("PackageUnpacker",
                                                      "the entry \"%1\" clashes with another entry")
                              .arg(name)};
        QFile file(target);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw Refusal{
                QCoreApplication::translate("PackageUnpacker", "\"%1\" cannot be written (%2)")
                    .arg(name, file.errorString())};
        qint64 length = 0;
        for (;;) {
            const void* block = nullptr;
            size_t size = 0;
            la_int64_t offset = 0;
            const int status = archive_read_data_block(a, &block, &size, &offset);
            if (status == ARCHIVE_EOF)
                break;
            if (status < ARCHIVE_WARN)
                throw Refusal{damaged(a)};
            // Sparse entries leave holes; they count towards the limit as the bytes
            // they will occupy.
            const qint64 end = qint64(offset) + qint64(size);
            if (end > length) {
                result_.bytes += end - length;
                length = end;
            }
            if (result_.bytes > limits_.maxBytes)
                throw sizeRefusal();
            if (file.pos() != offset && !file.seek(offset))
                throw Refusal{
                    QCoreApplication::translate("PackageUnpacker", "\"%1\" cannot be written (%2)")
                        .arg(name, file.errorString())};
            if (size > 0 &&
                file.write(static_cast<const char*>(block), qint64(size)) != qint64(size))
                throw Refusal{
                    QCoreApplication::translate("PackageUnpacker", "\"%1\" cannot be written (%2)")
                        .arg(name, file.errorString())};
            reportProgress(a);
        }
        if (file.size() < length && !file.resize(length))
            throw Refusal{
                QCoreApplication::translate("PackageUnpacker", "\"%1\" cannot be written (%2)")
                    .arg(name, file.errorString())};
        if (!file.flush())
            throw Refusal{
                QCoreApplication::translate("PackageUnpacker", "\"%1\" cannot be written (%2)")
                    .arg(name, file.errorString())};
    }

    void reportProgress(archive* a) {
        if (progress_)
            progress_(qMin<qint64>(archive_filter_bytes(a, -1), packageSize_), packageSize_);
    }

    QString package_;
    QString packagePath_;
    QString folder_;
    qint64 packageSize_ = 0;
    UnpackLimits limits_;
    const UnpackProgress& progress_;
    UnpackResult result_;
};

} // namespace

UnpackResult unpackPackage(const QString& package, const QString& folder,
                           const UnpackLimits& limits, const UnpackProgress& progress) {
    if (!QFileInfo(folder).isDir()) {
        UnpackResult result;
        result.error =
            QCoreApplication::translate("PackageUnpacker", "its working folder is missing");
        return result;
    }
    return Unpacker(package, folder, limits, progress).run();
}
