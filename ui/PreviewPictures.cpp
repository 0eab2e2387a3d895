#include "ui/PreviewPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace {

bool isOrdinaryFile(const QString& path) {
    return QFileInfo(path).isFile();
}

QString matchIgnoringCase(const QString& path) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (name.isEmpty())
        return {};
    const QDir folder = info.absoluteDir();
    if (!folder.exists())
        return {};
    const QStringList entries = folder.entryList(QDir::Files, QDir::Name);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    return {};
}

} // namespace

QString PreviewPictures::locate(const QString& path) {
    if (path.isEmpty())
        return {};
    if (isOrdinaryFile(path))
        return path;
    return matchIgnoringCase(path);
}

PreviewPictures::Result PreviewPictures::load(const QString& file) {
    const QFileInfo info(file);
    if (!info.isFile())
        return {Status::Missing, {}};
    const qint64 bytes = info.size();
    const QDateTime modified = info.lastModified();

    auto it = entries_.find(file);
    if (it != entries_.end() && it->bytes == bytes && it->modified == modified) {
        it->used = true;
        return {Status::Loaded, it->picture};
    }

    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        entries_.remove(file);
        return {Status::Unreadable, {}};
    }
    const QPixmap picture = QPixmap::fromImage(image);
    entries_.insert(file, Entry{bytes, modified, picture, true});
    return {Status::Loaded, picture};
}

void PreviewPictures::dropUnused() {
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (!it->used) {
            it = entries_.erase(it);
        } else {
            it->used = false;
            ++it;
        }
    }
}
