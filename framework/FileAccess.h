#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The largest style sheet or scheme file the program reads. Real ones hold a few
// kilobytes; the limit only keeps a runaway file (a link to an endless device, a
// file without a line end) from taking all memory.
inline constexpr qint64 MaxTextFileSize = qint64(16) * 1024 * 1024;

// The largest picture an export copies. A theme's pictures take a few kilobytes; the
// limit keeps a huge or sparse file from filling the disk it is copied to.
inline constexpr qint64 MaxPictureFileSize = qint64(64) * 1024 * 1024;

// Where an output goes. A file the user named is written where its links lead, and a
// character device or pipe so named (such as /dev/stdout) is written in place, a pipe
// only while a reader has it open: one without is refused at once, as opening it would
// wait for ever. A file in a folder the program fills (an export's pictures, a batch's
// outputs) is written in that folder only: a link there is replaced, never followed,
// and anything but an ordinary file refused.
enum class OutputPlace { Named, InFolder };

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

// The whole of the ordinary file `path`, at most `maxSize` bytes (Err::FileTooLarge
// beyond); errors as openRegularFile and appendRead raise them.
QByteArray readFileBytes(const QString& path, qint64 maxSize);

// Raises 75 when `path` holds something an output at `place` may not replace (a
// folder, socket; in a folder also a device or pipe); a missing file is fine.
void checkOutputTarget(const QString& path, OutputPlace place);

// Writes `bytes` to `path`, the one way every file is written: an ordinary file (or a
// new one) is replaced in one piece, so a failure, also one when the data reaches the
// disk, leaves any old file as it was and no partial file. A device or pipe the user
// named is written in place (a pipe nobody reads is refused, 75); what
// checkOutputTarget refuses is refused. A new
// file gets the usual permissions, an existing one keeps its own, neither more than
// `within`. A failure raises the matching run-time error (76 folder missing, 70
// permission, 61 disk full, 75 a refused target, ...).
void saveFileBytes(const QString& path, const QByteArray& bytes,
                   OutputPlace place = OutputPlace::Named,
                   QFileDevice::Permissions within = QFileDevice::Permissions(0x7777));

// Creates `path` as a new, empty file, unless anything already has that name (a link
// too, also one that leads nowhere): then false, and nothing is touched. The name is
// this caller's alone from then on, however many programs pick names in the folder at
// once. Any other failure raises the matching run-time error.
bool createNewFile(const QString& path);

// Raises the run-time error that describes why `path` could not be opened, read or
// written. `systemError` is the errno of the failing call (0 when unknown); without
// one the file system is looked at instead.
[[noreturn]] void raiseFileError(const QString& path, bool writing, int systemError = 0);
