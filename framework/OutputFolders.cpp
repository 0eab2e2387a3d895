#include "framework/OutputFolders.h"

#include "framework/FileAccess.h"
#include "framework/RuntimeError.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <utility>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// Makes one folder; false with errno set when it could not be made.
bool makeOne(const QString& folder) {
#ifdef Q_OS_UNIX
    return ::mkdir(QFile::encodeName(folder).constData(), 0777) == 0;
#else
    errno = 0;
    return QDir().mkdir(folder);
#endif
}

} // namespace

OutputFolders::~OutputFolders() {
    removeEmpty();
}

OutputFolders::OutputFolders(OutputFolders&& other) noexcept
    : made_(std::exchange(other.made_, {})) {}

OutputFolders& OutputFolders::operator=(OutputFolders&& other) noexcept {
    if (this != &other) {
        removeEmpty();
        made_ = std::exchange(other.made_, {});
    }
    return *this;
}

void OutputFolders::make(const QString& folder) {
    if (folder.isEmpty())
        return; // the current folder
    const QStringList parts = folder.split(QLatin1Char('/'));
    QString path;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        path += (i > 0 ? QStringLiteral("/") : QString()) + parts[i];
        if (parts[i].isEmpty() || parts[i] == QLatin1String("."))
            continue; // the root, or a doubled or trailing separator
        const QFileInfo info(path);
        if (info.isDir())
            continue; // a folder, or a link to one, as mkdir -p takes it
        if (info.exists() || info.isSymLink())
            raiseError(Err::PathNotFound);
        if (!makeOne(path)) {
            const int code = errno;
            // Made meanwhile by someone else is as good as made.
            if (code == EEXIST && QFileInfo(path).isDir())
                continue;
            raiseFileError(path, true, code);
        }
        made_.append(path);
    }
}

void OutputFolders::removeEmpty() {
    for (auto it = made_.crbegin(); it != made_.crend(); ++it)
        QDir().rmdir(*it); // fails, as it should, for a folder something was written into
    made_.clear();
}
