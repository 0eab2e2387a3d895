#include "support/UnusualFiles.h"

#include "framework/ErrorHandler.h"
#include "framework/FileAccess.h"

#include <QFile>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

bool makePipe(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool makeFullDevice(const QString& path) {
    return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, makedev(1, 7)) == 0;
}

bool makeFailingReadLink(const QString& path) {
    return QFile::link(QStringLiteral("/proc/self/mem"), path);
}

bool makeSparseFile(const QString& path, qint64 size) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.resize(size);
}

bool returnsAtOnce(const std::function<void()>& action, const QString& pipe) {
    // Each thread has its own prompt; the errors are the caller's to see.
    ErrorPrompt* prompt = &errorPrompt();
    std::future<void> done = std::async(std::launch::async, [&action, prompt] {
        setErrorPrompt(prompt);
        action();
        setErrorPrompt(nullptr);
    });
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) {
        done.get();
        return true;
    }
    // The reader waits for a writer: give it one that writes nothing and leaves.
    const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY);
    if (fd >= 0)
        ::close(fd);
    done.wait();
    return false;
}

bool makeUnreadableFile(const QString& kind, const QString& path) {
    if (kind == QLatin1String("pipe"))
        return makePipe(path);
    if (kind == QLatin1String("zero"))
        return QFile::link(QStringLiteral("/dev/zero"), path);
    if (kind == QLatin1String("device"))
        return makeFullDevice(path);
    if (kind == QLatin1String("large"))
        return makeSparseFile(path, MaxTextFileSize + 1);
    if (kind == QLatin1String("failing"))
        return makeFailingReadLink(path);
    return false;
}
