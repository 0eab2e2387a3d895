#include "framework/BusyFolder.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
int openFolder(const QString& path) {
    return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}
#endif

} // namespace

BusyFolder::BusyFolder(const QString& path) {
#ifdef Q_OS_UNIX
    handle_ = openFolder(path);
    // A lock that cannot be taken only means a clean-up may take the folder for a
    // leftover; the work itself goes on.
    if (handle_ >= 0)
        ::flock(handle_, LOCK_EX | LOCK_NB);
#else
    Q_UNUSED(path);
#endif
}

BusyFolder::~BusyFolder() {
#ifdef Q_OS_UNIX
    if (handle_ >= 0)
        ::close(handle_);
#endif
}

bool BusyFolder::isBusy(const QString& path) {
#ifdef Q_OS_UNIX
    const int handle = openFolder(path);
    if (handle < 0)
        return false;
    const bool busy = ::flock(handle, LOCK_EX | LOCK_NB) != 0;
    ::close(handle);
    return busy;
#else
    Q_UNUSED(path);
    return false;
#endif
}
