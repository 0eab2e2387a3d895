#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The largest style sheet or scheme file the program reads. Real ones hold a few
// kilobytes; the limit only keeps a runaway file (a link to an endless device, a
// file without a line end) from taking all memory.
inline constexpr qint64 MaxTextFileSize = qint64(16) * 1024 * 1024;

// Opens `path` for reading, unbuffered, when it is an ordinary file: a folder, pipe,
// device or socket is refused at once (75), as is a file larger than `maxSize`
// (Err::FileTooLarge); any other failure raises the run-time error that describes
// it. Opening a pipe or device can block or act on the device, so neither is ever
// opened for reading. The file is opened through its handle, so `file` keeps no name.
void openRegularFile(QFile& file, const QString& path, qint64 maxSize = -1);

// Appends up to `want` bytes read from `file` (opened from `path`) to `bytes` and
// returns how many came: 0 only at the end of the file. A failed read raises the file
// error of `path`: it is never taken for the end of the file.
qint64 appendRead(QFile& file, QByteArray& bytes, qint64 want, const QString& path);

// Writes `bytes` to `path` as the scheme writer does: an ordinary file (or a new one)
// is replaced in one piece, so a failure leaves any old file as it was; a device or
// pipe is written in place, since replacing it would destroy it. A failure raises
// the matching run-time error (76 folder missing, 70 permission, 61 disk full, ...).
void saveFileBytes(const QString& path, const QByteArray& bytes);

// Raises the run-time error that describes why `path` could not be opened, read or
// written. `systemError` is the errno of the failing call (0 when unknown); without
// one the file system is looked at instead.
[[noreturn]] void raiseFileError(const QString& path, bool writing, int systemError = 0);
