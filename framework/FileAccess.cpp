#include "framework/FileAccess.h"

#include "framework/RuntimeError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// What the file system shows when the failing call left no error code to go by.
[[noreturn]] void raiseFromFileSystem(const QString& path, bool writing) {
    const QFileInfo info(path);
    if (!info.dir().exists())
        raiseError(Err::PathNotFound);
    if (info.isDir())
        raiseError(Err::PathFileAccess);
    if (!info.exists()) {
        if (writing)
            raiseError(Err::PermissionDenied);
        raiseError(Err::FileNotFound);
    }
    if ((writing && !info.isWritable()) || (!writing && !info.isReadable()))
        raiseError(Err::PermissionDenied);
    raiseError(Err::PathFileAccess);
}

// A failed write or open of `file`; `systemError` is the errno taken right after it.
// Qt itself reports a full device as a resource error, which covers a platform whose
// calls leave no errno.
[[noreturn]] void raiseWriteFailure(const QString& path, const QFileDevice& file, int systemError) {
    if (systemError == 0 && file.error() == QFileDevice::ResourceError)
        raiseError(Err::DiskFull);
    raiseFileError(path, true, systemError);
}

// A folder that does not let us create the temporary file is a permission problem
// even when the old file itself is writable.
[[noreturn]] void raiseSaveFailure(const QString& path, const QFileDevice& file, int systemError) {
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (systemError != EROFS && folder.isDir() && !folder.isWritable())
        raiseError(Err::PermissionDenied);
    raiseWriteFailure(path, file, systemError);
}

// Writes to a device or pipe in place: it has no old contents to keep. No temporary
// file is made, so the folder's permissions do not matter here.
void writeInPlace(const QString& path, const QByteArray& bytes) {
    QFile file(path);
#ifdef Q_OS_UNIX
    // Opened without waiting: a pipe that nobody reads is refused at once, where a plain
    // open would wait for a reader for ever.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        if (code == ENXIO)
            raiseError(Err::PathFileAccess);
        raiseFileError(path, true, code);
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !(S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode))) {
        ::close(fd);
        raiseError(Err::PathFileAccess); // swapped for something else meanwhile
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        raiseError(Err::PathFileAccess);
    }
#else
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int code = errno;
        raiseWriteFailure(path, file, code);
    }
#endif
    errno = 0;
    const qint64 written = file.write(bytes);
    const int code = errno;
    if (written >= 0 && written < bytes.size())
        raiseError(Err::DiskFull); // the device took only part of the bytes
    if (written != bytes.size())
        raiseWriteFailure(path, file, code);
}

#ifdef Q_OS_UNIX
[[noreturn]] void closeAndRaise(int fd, int number) {
    ::close(fd);
    raiseError(number);
}
#endif

} // namespace

void raiseFileError(const QString& path, bool writing, int systemError) {
    switch (systemError) {
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        raiseError(Err::DiskFull);
    case EIO:
        raiseError(Err::DeviceIO);
    case EACCES:
    case EPERM:
        raiseError(Err::PermissionDenied);
    case EROFS:
        // Not the user's rights but the medium: saying "Permission denied" sends them
        // looking in the wrong place.
        raiseError(Err::PermissionDenied,
                   QCoreApplication::translate("RuntimeError", "Read-only file system"));
    case EISDIR:
        raiseError(Err::PathFileAccess);
    case ENOTDIR:
        raiseError(Err::PathNotFound);
    case ENAMETOOLONG:
        raiseError(Err::BadFileName);
    case EMFILE:
    case ENFILE:
        raiseError(Err::TooManyFiles);
    default:
        // ENOENT among others: whether the file or its folder is missing shows on disk.
        raiseFromFileSystem(path, writing);
    }
}

qint64 appendRead(QFile& file, QByteArray& bytes, qint64 want, const QString& path) {
    const qsizetype old = bytes.size();
    bytes.resize(old + want);
    errno = 0;
    const qint64 got = file.read(bytes.data() + old, want);
    const int code = errno;
    bytes.resize(old + qMax<qint64>(got, 0));
    if (got < 0)
        raiseFileError(path, false, code == 0 ? EIO : code);
    return got;
}

void openRegularFile(QFile& file, const QString& path, qint64 maxSize) {
    file.close();
    if (path.isEmpty())
        raiseError(Err::BadFileName);
    file.setFileName(path);
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    // Looked at before opening: opening a pipe waits for a writer, and opening a
    // device may act on it.
    if (::stat(name.constData(), &status) != 0)
        raiseFileError(path, false, errno);
    if (!S_ISREG(status.st_mode))
        raiseError(Err::PathFileAccess);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        raiseFileError(path, false, errno);
    // Looked at again through the open file, in case the path was swapped meanwhile.
    if (::fstat(fd, &status) != 0) {
        const int code = errno;
        ::close(fd);
        raiseFileError(path, false, code);
    }
    if (!S_ISREG(status.st_mode))
        closeAndRaise(fd, Err::PathFileAccess);
    if (maxSize >= 0 && status.st_size > maxSize) {
        ::close(fd);
        raiseFileTooLarge(maxSize);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        closeAndRaise(fd, Err::PathFileAccess);
#else
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        raiseError(Err::PathFileAccess);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        raiseFileError(path, false);
    if (maxSize >= 0 && file.size() > maxSize) {
        file.close();
        raiseFileTooLarge(maxSize);
    }
#endif
}

QByteArray readFileBytes(const QString& path, qint64 maxSize) {
    QFile file;
    openRegularFile(file, path, maxSize);
    constexpr qint64 Chunk = 64 * 1024;
    QByteArray bytes;
    // A file that grows beyond the limit while it is read is refused then.
    while (appendRead(file, bytes, Chunk, path) > 0) {
        if (bytes.size() > maxSize)
            raiseFileTooLarge(maxSize);
    }
    return bytes;
}

void checkOutputTarget(const QString& path, OutputPlace place) {
    if (path.isEmpty())
        raiseError(Err::BadFileName);
    const QFileInfo info(path);
    if (place == OutputPlace::InFolder && info.isSymLink())
        return; // replaced, not followed
    if (!info.exists())
        return;
    if (info.isDir())
        raiseError(Err::PathFileAccess);
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return;
    if (S_ISREG(status.st_mode) ||
        (place == OutputPlace::Named && (S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode))))
        return;
    raiseError(Err::PathFileAccess);
#endif
}

void saveFileBytes(const QString& path, const QByteArray& bytes, OutputPlace place,
                   QFileDevice::Permissions within) {
    checkOutputTarget(path, place);
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && place == OutputPlace::Named) {
        writeInPlace(path, bytes); // a device or pipe: it has no old contents to keep
        return;
    }
    // The link itself goes; the file it leads to, outside the folder, is left alone.
    if (place == OutputPlace::InFolder && info.isSymLink() && !QFile::remove(path))
        raiseFileError(path, true, errno);
    QSaveFile file(path);
    // Unbuffered, so a short write shows in write()'s count: a buffered flush at
    // commit() can drop the rest of the bytes and still report success.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int code = errno;
        raiseSaveFailure(path, file, code);
    }
    const QFileDevice::Permissions permissions = file.permissions();
    if ((permissions & within) != permissions)
        file.setPermissions(permissions & within);
    errno = 0;
    const qint64 written = file.write(bytes);
    int code = errno;
    if (written >= 0 && written < bytes.size())
        raiseError(Err::DiskFull); // the device took only part of the file
    if (written == bytes.size()) {
        errno = 0;
        if (file.commit())
            return;
        code = errno;
    }
    raiseSaveFailure(path, file, code);
}

bool createNewFile(const QString& path) {
    if (path.isEmpty())
        raiseError(Err::BadFileName);
    QFile file(path);
    // NewOnly creates the file exclusively, and never through a link of that name.
    errno = 0;
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return true;
    const int code = errno;
    const QFileInfo info(path);
    if (code == EEXIST || (code == 0 && (info.exists() || info.isSymLink())))
        return false;
    raiseFileError(path, true, code);
}
