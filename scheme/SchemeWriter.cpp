#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "framework/TextFile.h"
#include "scheme/SchemeFile.h"
#include "scheme/SchemeSections.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <utility>

namespace {

[[noreturn]] void raiseWriteError(const QString& path, const QString& detail) {
    const QFileInfo info(path);
    // A folder that does not let us create the temporary file is a permission
    // problem even when the old file itself is writable.
    const QFileInfo folder(info.absolutePath());
    if (folder.isDir() && !folder.isWritable())
        raiseError(Err::PermissionDenied);
    raiseFileError(path, true, detail);
}

// Writes to a device or pipe in place: replacing it by a regular file would destroy
// it, and it has no old contents to keep. No temporary file is made, so the folder's
// permissions do not matter here: a full device is reported as full.
void writeInPlace(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        raiseFileError(path, true, file.errorString());
    const qint64 written = file.write(bytes);
    if (written >= 0 && written < bytes.size())
        raiseError(Err::DiskFull);
    if (written != bytes.size())
        raiseFileError(path, true, file.errorString());
}

// Replaces the file at `path` by `bytes` in one piece: the bytes go to a temporary
// file beside it, which takes the old file's place only once it is complete.
void saveBytes(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty())
        raiseError(Err::BadFileName);
    const QFileInfo info(path);
    if (info.isDir())
        raiseError(Err::PathFileAccess);
    if (info.exists() && !info.isFile()) {
        writeInPlace(path, bytes);
        return;
    }
    QSaveFile file(path);
    // Unbuffered, so a short write shows in write()'s count: a buffered flush at
    // commit() can drop the rest of the bytes and still report success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        raiseWriteError(path, file.errorString());
    const qint64 written = file.write(bytes);
    if (written >= 0 && written < bytes.size())
        raiseError(Err::DiskFull); // the device took only part of the file
    if (written != bytes.size() || !file.commit())
        raiseWriteError(path, file.errorString());
}

} // namespace

QStringList schemeFileLines(const ColorScheme& scheme, const FileInformation& info) {
    QStringList lines;
    lines.reserve(SchemeFileLineCount);
    for (const SchemeSection& section : schemeSections(scheme, info)) {
        lines.append(section.title);
        lines.append(QStringLiteral("{"));
        for (const SchemeEntry& entry : section.entries)
            lines.append(QLatin1Char('\t') + entry.name + QLatin1String(": ") + entry.value);
        lines.append(QStringLiteral("}"));
    }
    return lines;
}

QByteArray schemeFileBytes(const QStringList& lines) {
    QByteArray bytes;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    bytes.reserve(size);
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

bool writeSchemeFile(Procedure& proc, const ColorScheme& scheme, const FileInformation& info,
                     const QString& path) {
    // The values are taken once, so a Retry of a failed write does not ask again
    // about an empty face name.
    const QByteArray bytes = schemeFileBytes(schemeFileLines(scheme, info));
    // The file being written is the detail of any error writing it.
    const QVariant detail = std::exchange(proc.TaskDetail, path);
    const bool written = proc.step([&] { saveBytes(path, bytes); });
    proc.TaskDetail = detail;
    return written;
}
