#include "support/UnusualFiles.h"

#include "framework/ErrorHandler.h"
#include "framework/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryFile>

#include <chrono>
#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <future>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
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

namespace {

// The thread's capability sets, read and written through the kernel's own interface.
struct CapabilitySets {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
};

bool readCapabilities(CapabilitySets& sets) {
    return ::syscall(SYS_capget, &sets.header, sets.data) == 0;
}

bool setOverride(bool on) {
    CapabilitySets sets;
    if (!readCapabilities(sets))
        return false;
    const unsigned bit = 1u << CAP_DAC_OVERRIDE;
    if (on)
        sets.data[0].effective |= bit;
    else
        sets.data[0].effective &= ~bit;
    return ::syscall(SYS_capset, &sets.header, sets.data) == 0;
}

bool hasOverride() {
    CapabilitySets sets;
    return readCapabilities(sets) && (sets.data[0].effective & (1u << CAP_DAC_OVERRIDE)) != 0;
}

} // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString& folder) : folder_(folder) {
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                      QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                      QFileDevice::ReadOther | QFileDevice::ExeOther);
    if (hasOverride())
        overrideDropped_ = setOverride(false);
}

ReadOnlyFolder::~ReadOnlyFolder() {
    if (overrideDropped_)
        setOverride(true);
    QFile::setPermissions(folder_,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

bool ReadOnlyFolder::holds() const {
    // access() would judge by the capabilities this thread may take back, not by
    // those it has: only a real attempt tells.
    QTemporaryFile probe(folder_ + QStringLiteral("/probe-XXXXXX"));
    return !probe.open();
}

QStringList onReadOnlyFileSystem(const QString& folder, const QString& program,
                                 const QStringList& args) {
    // The shell mounts, then becomes the program: its arguments follow as "$@".
    const QStringList command{QStringLiteral("--user"),
                              QStringLiteral("--map-root-user"),
                              QStringLiteral("--mount"),
                              QStringLiteral("sh"),
                              QStringLiteral("-c"),
                              QStringLiteral("mount -t tmpfs -o ro none \"$0\" && exec \"$@\""),
                              folder,
                              program};
    return command + args;
}
