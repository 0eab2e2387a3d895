#include "export/PicturePlan.h"

#include "export/ExportNames.h"
#include "framework/FileAccess.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "theme/ColorScheme.h"
#include "theme/StyleSheetInput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace {

// The picture file a path names: the path itself, or the file of its folder whose
// name differs only in letter case, as the preview finds it. Empty when neither.
QString locatePicture(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile())
        return QDir::cleanPath(info.absoluteFilePath());
    if (!info.absoluteDir().exists())
        return {};
    const QString other = otherCasePath(info.absolutePath(), info.fileName());
    return other.isEmpty() ? QString() : QDir::cleanPath(other);
}

bool sameContents(const QString& a, const QString& b) {
    QFile fa;
    QFile fb;
    // Only ordinary files are compared: a pipe or device of that name is never opened.
    try {
        openRegularFile(fa, a);
        openRegularFile(fb, b);
    } catch (const RuntimeError&) {
        return false;
    }
    if (fa.size() != fb.size())
        return false;
    constexpr qint64 Chunk = 64 * 1024;
    while (!fa.atEnd()) {
        if (fa.read(Chunk) != fb.read(Chunk))
            return false;
    }
    return true;
}

// Copies through a temporary file beside the target (QSaveFile), so a failed copy
// leaves no half picture under the real name.
void copyPicture(const QString& source, const QString& target) {
    if (!QFileInfo(source).isFile())
        raiseError(Err::FileNotFound);
    QFile in;
    openRegularFile(in, source);
    QSaveFile out(target);
    errno = 0;
    if (!out.open(QIODevice::WriteOnly)) {
        const int code = errno;
        raiseFileError(target, true, code);
    }
    constexpr qint64 Chunk = 64 * 1024;
    QByteArray bytes(Chunk, Qt::Uninitialized);
    for (;;) {
        errno = 0;
        const qint64 got = in.read(bytes.data(), Chunk);
        int code = errno;
        // A failed read is a file error, never the end of the picture.
        if (got < 0)
            raiseFileError(source, false, code == 0 ? EIO : code);
        if (got == 0)
            break;
        errno = 0;
        const qint64 written = out.write(bytes.constData(), got);
        code = errno;
        if (written != got)
            raiseFileError(target, true, code);
    }
    errno = 0;
    if (!out.commit()) {
        const int code = errno;
        raiseFileError(target, true, code);
    }
}

} // namespace

PicturePlan::PicturePlan(const ColorScheme& scheme, const QStringList& reserved,
                         const QString& folder) {
    QStringList taken = reserved;
    for (int slot = 0; slot < ColorScheme::ImageSlots; ++slot) {
        const QString& path = scheme.SchemeImages[static_cast<size_t>(slot)];
        if (path.isEmpty())
            continue;
        const QString located = locatePicture(path);
        const QString source = located.isEmpty() ? path : located;
        qsizetype index = -1;
        for (qsizetype i = 0; i < copies_.size(); ++i)
            if (copies_[i].source == source)
                index = i;
        if (index < 0) {
            const QString wanted = safePictureName(pictureFileName(path));
            QString name = uniqueName(wanted, taken);
            bool present = false;
            // Beside an existing style sheet, a file of that name is reused when it is
            // this picture and otherwise left alone under a name of its own.
            while (!folder.isEmpty() && QFileInfo::exists(folder + QLatin1Char('/') + name)) {
                if (!located.isEmpty() && sameContents(located, folder + QLatin1Char('/') + name)) {
                    present = true;
                    break;
                }
                taken.append(name);
                name = uniqueName(wanted, taken);
            }
            taken.append(name);
            copies_.append({source, name, present});
            index = copies_.size() - 1;
        }
        slotCopy_[static_cast<size_t>(slot)] = static_cast<int>(index) + 1;
    }
}

QString PicturePlan::nameFor(int slot) const {
    if (slot < 0 || slot >= static_cast<int>(slotCopy_.size()))
        return {};
    const int copy = slotCopy_[static_cast<size_t>(slot)];
    return copy == 0 ? QString() : copies_[copy - 1].name;
}

bool PicturePlan::copyInto(Procedure& proc, const QString& folder) const {
    bool all = true;
    for (const Copy& copy : copies_) {
        if (copy.present)
            continue;
        proc.TaskDetail = copy.source;
        if (!proc.step([&] { copyPicture(copy.source, folder + QLatin1Char('/') + copy.name); }))
            all = false;
    }
    proc.TaskDetail.clear();
    return all;
}
