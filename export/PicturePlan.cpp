#include "export/PicturePlan.h"

#include "export/ExportNames.h"
#include "framework/FileAccess.h"
#include "framework/FileLookup.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "theme/ColorScheme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

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

// A name in the target folder that something not ours holds: a file, or a link
// (also one that leads nowhere, which a write would follow out of the folder).
bool occupied(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The picture's bytes, once they have shown to be a picture that may leave.
QByteArray pictureBytes(const QString& source, PictureTest isPicture) {
    if (!QFileInfo::exists(source))
        raiseError(Err::FileNotFound);
    if (!staysInItsFolder(source))
        raiseError(Err::PathFileAccess);
    QByteArray bytes = readFileBytes(source, MaxPictureFileSize);
    if (!isPicture(bytes))
        raiseError(Err::InvalidPicture);
    return bytes;
}

// The owner may always read and write the copy; others only as far as the source lets
// them.
QFileDevice::Permissions copyPermissions(const QString& source) {
    constexpr auto Owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                           QFileDevice::ReadUser | QFileDevice::WriteUser;
    return QFileInfo(source).permissions() | Owner;
}

} // namespace

PicturePlan::PicturePlan(const ColorScheme& scheme, const QStringList& reserved,
                         const QString& folder)
    : names_(reserved) {
    QHash<QString, qsizetype> indexOf;
    for (int slot = 0; slot < ColorScheme::ImageSlots; ++slot) {
        const QString& path = scheme.SchemeImages[static_cast<size_t>(slot)];
        if (path.isEmpty())
            continue;
        const QString located = fileIgnoringCase(path);
        const QString source =
            located.isEmpty() ? path : QDir::cleanPath(QFileInfo(located).absoluteFilePath());
        qsizetype index = indexOf.value(source, -1);
        if (index < 0) {
            const QString wanted = safePictureName(pictureFileName(path));
            QString name = names_.free(wanted);
            bool present = false;
            // Beside an existing style sheet, a file of that name is reused when it is
            // this picture and otherwise left alone under a name of its own.
            while (!folder.isEmpty() && occupied(folder + QLatin1Char('/') + name)) {
                const QString there = folder + QLatin1Char('/') + name;
                if (!located.isEmpty() && !QFileInfo(there).isSymLink() &&
                    sameContents(located, there)) {
                    present = true;
                    break;
                }
                names_.take(name);
                name = names_.free(wanted);
            }
            names_.take(name);
            copies_.append({source, name, present, wanted});
            index = copies_.size() - 1;
            indexOf.insert(source, index);
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

void PicturePlan::claimName(Copy& copy, const QString& folder) {
    while (!createNewFile(folder + QLatin1Char('/') + copy.name)) {
        names_.take(copy.name);
        copy.name = names_.free(copy.wanted);
    }
    names_.take(copy.name);
}

bool PicturePlan::copyInto(Procedure& proc, const QString& folder, PictureTest isPicture,
                           const QString& shownFolder, QStringList* written) {
    bool all = true;
    const QString shown = shownFolder.isEmpty() ? folder : shownFolder;
    for (Copy& copy : copies_) {
        if (copy.present)
            continue;
        proc.TaskDetail = copy.source;
        QByteArray bytes;
        if (!proc.step([&] { bytes = pictureBytes(copy.source, isPicture); })) {
            all = false;
            continue;
        }
        proc.TaskDetail = shown + QLatin1Char('/') + copy.name;
        if (!proc.step([&] { claimName(copy, folder); })) {
            all = false;
            continue;
        }
        const QString target = folder + QLatin1Char('/') + copy.name;
        proc.TaskDetail = shown + QLatin1Char('/') + copy.name;
        if (!proc.step([&] {
                saveFileBytes(target, bytes, OutputPlace::InFolder, copyPermissions(copy.source));
            })) {
            QFile::remove(target); // the name claimed for it, still empty
            all = false;
            continue;
        }
        if (written)
            written->append(target);
    }
    proc.TaskDetail.clear();
    return all;
}
