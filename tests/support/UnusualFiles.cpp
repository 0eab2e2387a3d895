#include "support/UnusualFiles.h"

#include "framework/ErrorHandler.h"
#include "framework/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QImage>
#include <QRandomGenerator>

#include <chrono>
#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <future>
#include <sys/resource.h>
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

FileSizeLimit::FileSizeLimit(qint64 bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    soft_ = static_cast<qint64>(limit.rlim_cur);
    hard_ = static_cast<qint64>(limit.rlim_max);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    const rlimit limit{static_cast<rlim_t>(soft_), static_cast<rlim_t>(hard_)};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, handler_);
}

bool makePrivateFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() &&
           file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

bool makePictureFile(const QString& path, qint64 bytes) {
    // A noisy pixel takes about three bytes in a PNG.
    const int side = std::max(8, static_cast<int>(std::sqrt(double(bytes) / 3)));
    QImage image(side, side, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000u);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && image.save(path, "PNG");
}
