#include "startup/PackageUnpacker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <archive.h>
#include <archive_entry.h>

#include <memory>
#include <optional>

namespace {

// libarchive is loaded with the first package to unpack, not with the program:
// nearly every start has none, and the library with the ones it brings (XML,
// cryptography, access lists) takes longer to load than the rest of the start-up
// of the splash window.
struct ArchiveLibrary {
    decltype(&::archive_read_new) read_new;
    decltype(&::archive_read_free) read_free;
    decltype(&::archive_read_support_format_all) support_format_all;
    decltype(&::archive_read_support_filter_all) support_filter_all;
    decltype(&::archive_read_open_filename) open_filename;
    decltype(&::archive_read_next_header) next_header;
    decltype(&::archive_read_data_block) data_block;
    decltype(&::archive_format) format;
    decltype(&::archive_filter_bytes) filter_bytes;
    decltype(&::archive_error_string) error_string;
    decltype(&::archive_entry_pathname_utf8) entry_pathname_utf8;
    decltype(&::archive_entry_pathname) entry_pathname;
    decltype(&::archive_entry_hardlink) entry_hardlink;
    decltype(&::archive_entry_filetype) entry_filetype;
    decltype(&::archive_entry_size_is_set) entry_size_is_set;
    decltype(&::archive_entry_size) entry_size;
};

template <class Function> bool resolve(QLibrary& library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

// The number in the library's file name since its version 3.
constexpr int LibarchiveAbi = 13;

std::optional<ArchiveLibrary> loadArchiveLibrary() {
    // The library by its ABI version first, then by its plain name.
    static QLibrary library;
    library.setFileNameAndVersion(QStringLiteral("archive"), LibarchiveAbi);
    if (!library.load()) {
        library.setFileName(QStringLiteral("archive"));
        if (!library.load())
            return std::nullopt;
    }
    ArchiveLibrary a{};
    const bool all = resolve(library, "archive_read_new", a.read_new) &&
                     resolve(library, "archive_read_free", a.read_free) &&
                     resolve(library, "archive_read_support_format_all", a.support_format_all) &&
                     resolve(library, "archive_read_support_filter_all", a.support_filter_all) &&
                     resolve(library, "archive_read_open_filename", a.open_filename) &&
                     resolve(library, "archive_read_next_header", a.next_header) &&
                     resolve(library, "archive_read_data_block", a.data_block) &&
                     resolve(library, "archive_format", a.format) &&
                     resolve(library, "archive_filter_bytes", a.filter_bytes) &&
                     resolve(library, "archive_error_string", a.error_string) &&
                     resolve(library, "archive_entry_pathname_utf8", a.entry_pathname_utf8) &&
                     resolve(library, "archive_entry_pathname", a.entry_pathname) &&
                     resolve(library, "archive_entry_hardlink", a.entry_hardlink) &&
                     resolve(library, "archive_entry_filetype", a.entry_filetype) &&
                     resolve(library, "archive_entry_size_is_set", a.entry_size_is_set) &&
                     resolve(library, "archive_entry_size", a.entry_size);
    if (!all)
        return std::nullopt;
    return a;
}

// The library, loaded on first use by whichever thread comes first; nullptr when it
// cannot be loaded.
const ArchiveLibrary* archiveLibrary() {
    static const std::optional<ArchiveLibrary> library = loadArchiveLibrary();
    return library ? &*library : nullptr;
}

struct ArchiveFree {
    const ArchiveLibrary* lib;
    void operator()(archive* a) const { lib->read_free(a); }
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
    Unpacker(const ArchiveLibrary& lib, const QString& package, const QString& folder,
             const UnpackLimits& limits, const UnpackProgress& progress)
        : lib_(lib), package_(package), folder_(QDir(folder).absolutePath()), limits_(limits),
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
        ArchivePtr reader(lib_.read_new(), ArchiveFree{&lib_});
        if (!reader)
            throw Refusal{QCoreApplication::translate("PackageUnpacker", "out of memory")};
        archive* a = reader.get();
        lib_.support_format_all(a);
        lib_.support_filter_all(a);
        const QByteArray nativePath = QFile::encodeName(package_);
        if (lib_.open_filename(a, nativePath.constData(), 64 * 1024) != ARCHIVE_OK)
            throw Refusal{damaged(a)};

        int entries = 0;
        for (;;) {
            archive_entry* entry = nullptr;
            const int status = lib_.next_header(a, &entry);
            if (status == ARCHIVE_EOF)
                break;
            if (status < ARCHIVE_WARN)
                throw Refusal{damaged(a)};
            // An mtree file is a list of files on this machine, not a package holding them.
            if ((lib_.format(a) & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_MTREE)
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
        const char* text = lib_.error_string(a);
        return QCoreApplication::translate(
                   "PackageUnpacker", "it is damaged or not in a format this program reads (%1)")
            .arg(text ? QString::fromLocal8Bit(text)
                      : QCoreApplication::translate("PackageUnpacker", "unknown archive error"));
    }

    QString entryName(archive_entry* entry) const {
        if (const char* utf8 = lib_.entry_pathname_utf8(entry))
            return QString::fromUtf8(utf8);
        if (const char* local = lib_.entry_pathname(entry))
            return QString::fromLocal8Bit(local);
        return {};
    }

    void unpackEntry(archive* a, archive_entry* entry) {
        const QString name = entryName(entry);
        const QString relative = relativePathOf(name);
        if (lib_.entry_hardlink(entry))
            throw Refusal{
                QCoreApplication::translate("PackageUnpacker", "the entry \"%1\" is a link")
                    .arg(name)};
        const auto type = lib_.entry_filetype(entry);
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
        if (lib_.entry_size_is_set(entry) &&
            lib_.entry_size(entry) > limits_.maxBytes - result_.bytes)
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
            const int status = lib_.data_block(a, &block, &size, &offset);
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
            progress_(qMin<qint64>(lib_.filter_bytes(a, -1), packageSize_), packageSize_);
    }

    const ArchiveLibrary& lib_;
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
    const ArchiveLibrary* lib = archiveLibrary();
    if (!lib) {
        UnpackResult result;
        result.error = QCoreApplication::translate(
            "PackageUnpacker", "the archive library (libarchive) cannot be loaded");
        return result;
    }
    return Unpacker(*lib, package, folder, limits, progress).run();
}
