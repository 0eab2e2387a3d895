#pragma once

#include <QString>

#include <functional>

// Files that are not ordinary files, and files that misbehave, made in a test's
// temporary folder.

// A named pipe (FIFO) at `path`; false when it cannot be made.
bool makePipe(const QString& path);

// A character device at `path` that reports every write as a full disk (the same
// device as /dev/full). False where device nodes cannot be made (no privilege).
bool makeFullDevice(const QString& path);

// A link to a file whose every read fails with an input/output error although it
// opens as an ordinary, empty file (this process's memory at address 0).
bool makeFailingReadLink(const QString& path);

// An ordinary file of `size` bytes without a line end, made without writing them.
bool makeSparseFile(const QString& path, qint64 size);

// While it lives, no file this process or a program it starts writes may grow beyond
// `bytes` (the file size limit, as `prlimit --fsize` sets it): writes past it fail as
// on a full disk, without the signal that would end the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    qint64 soft_;
    qint64 hard_;
    void (*handler_)(int);
};

// A file at `path` holding `bytes` that only its owner may read (mode 0600).
bool makePrivateFile(const QString& path, const QByteArray& bytes);

// A real picture file (PNG) of about `bytes` bytes, its pixels noise so it does not
// compress below that.
bool makePictureFile(const QString& path, qint64 bytes);

// One file at `path` that no reader may take as an ordinary text file, of the kind
// a test row names: "pipe", "zero" (a link to the endless /dev/zero), "device" (as
// makeFullDevice), "large" (an ordinary file one byte over the text size limit) or
// "failing" (as makeFailingReadLink). False when it cannot be made here.
bool makeUnreadableFile(const QString& kind, const QString& path);

// Runs `action` on another thread, under the calling thread's error prompt, and
// waits for it a few seconds. When it does not return, it is taken to be stuck opening the pipe at
// `pipe` for reading, which is then opened for writing to release it; the answer is false.
bool returnsAtOnce(const std::function<void()>& action, const QString& pipe);

// While it lives, `folder` is one this thread may not write in: its mode is r-x for
// everyone and, where the process runs as root, the thread's right to override file
// permissions (CAP_DAC_OVERRIDE) is set aside. Restores both when it goes. Other
// threads, and programs this one starts, are not affected.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    // Whether writing in the folder is refused now.
    bool holds() const;

private:
    QString folder_;
    bool overrideDropped_ = false;
};

// The command that runs `program` with `args` in a mount namespace of its own where
// `folder` is an empty read-only file system (a tmpfs mounted read-only over it), for
// runProgram: "unshare", then its arguments. Needs util-linux's unshare and user
// namespaces (Debian's default); without them the command fails with unshare's reason.
QStringList onReadOnlyFileSystem(const QString& folder, const QString& program,
                                 const QStringList& args);
