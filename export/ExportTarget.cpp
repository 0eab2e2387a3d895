#include "export/ExportTarget.h"

#include "framework/FileAccess.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

bool isThere(const QFileInfo& info) {
    return info.exists() || info.isSymLink();
}

// A device or pipe the user named is written in place; it needs no room in its folder.
bool writtenInPlace(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 &&
           (S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode));
#else
    Q_UNUSED(path);
    return false;
#endif
}

// Raises `number` with `output` as the error's detail.
[[noreturn]] void refuse(int number, const QString& output, QVariant& detail) {
    detail = output;
    raiseError(number);
}

void checkOutputs(const QStringList& outputs, ExistingOutput existing, OutputKind kind,
                  OutputPlace place, QVariant& detail) {
    for (const QString& output : outputs)
        if (output.isEmpty() || QFileInfo(output).fileName().isEmpty())
            refuse(Err::BadFileName, output, detail);
    if (kind == OutputKind::File)
        for (const QString& output : outputs) {
            const QFileInfo info(output);
            if (info.isDir() && !(place == OutputPlace::InFolder && info.isSymLink()))
                refuse(Err::PathFileAccess, output, detail);
        }
    if (existing == ExistingOutput::Keep)
        for (const QString& output : outputs)
            if (isThere(QFileInfo(output)))
                refuse(Err::FileAlreadyExists, output, detail);
    if (kind == OutputKind::File)
        for (const QString& output : outputs) {
            detail = output;
            checkOutputTarget(output, place);
        }
}

// Whether a new file can be made in `folder`: a read-only file system or a folder that
// is not ours says so here, once, before the first of many files fails.
void checkWritable(const QString& folder) {
    QTemporaryFile probe(folder + QStringLiteral("/.tintora-probe-XXXXXX"));
    errno = 0;
    if (!probe.open())
        raiseFileError(folder, true, errno != 0 ? errno : EACCES);
}

} // namespace

QStringList existingOutputs(const QStringList& outputs) {
    QStringList there;
    for (const QString& output : outputs)
        if (isThere(QFileInfo(output)))
            there << output;
    return there;
}

std::optional<OutputFolders> prepareExportOutputs(Procedure& proc, const QStringList& outputs,
                                                  ExistingOutput existing, OutputKind kind,
                                                  OutputPlace place) {
    const QVariant detail = proc.TaskDetail;
    const bool allowed =
        proc.step([&] { checkOutputs(outputs, existing, kind, place, proc.TaskDetail); });
    proc.TaskDetail = detail;
    if (!allowed)
        return std::nullopt;
    OutputFolders folders;
    QStringList checked;
    for (const QString& output : outputs) {
        const QString folder = QFileInfo(output).path();
        if (checked.contains(folder) || (kind == OutputKind::File && writtenInPlace(output)))
            continue;
        checked << folder;
        proc.TaskDetail = folder;
        const bool ready = proc.step([&] {
            folders.make(folder);
            checkWritable(folder);
        });
        proc.TaskDetail = detail;
        if (!ready)
            return std::nullopt;
    }
    return folders;
}
