#include "ui/preview/PreviewPictures.h"

#include "framework/FileAccess.h"
#include "framework/FileLookup.h"
#include "framework/RuntimeError.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace {

// What a decoded pixel takes at most in the formats the preview shows.
constexpr qint64 BytesPerPixel = 4;

qint64 pixelsOf(QSize size) {
    return size.isValid() ? qint64(size.width()) * size.height() : 0;
}

// The picture's own size, each side no larger than it is drawn.
QSize decodedSize(QSize natural, QSize drawn) {
    if (!natural.isValid() || drawn.isEmpty())
        return natural;
    return natural.boundedTo(drawn);
}

// The image reader's allocation limit is process-wide, so it is set for one decode
// only, in whole megabytes (at least one).
class AllocationLimit {
public:
    explicit AllocationLimit(qint64 bytes) : saved_(QImageReader::allocationLimit()) {
        QImageReader::setAllocationLimit(int(qMax<qint64>(1, bytes / (1024 * 1024))));
    }
    ~AllocationLimit() { QImageReader::setAllocationLimit(saved_); }
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;

private:
    int saved_;
};

} // namespace

QString PreviewPictures::locate(const QString& path) {
    return fileIgnoringCase(path);
}

bool PreviewPictures::isPicture(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize natural = reader.size();
    if (!reader.canRead() || pixelsOf(natural) == 0)
        return false;
    // A small decode shows the data is a picture without taking its full size.
    reader.setScaledSize(natural.scaled(QSize(64, 64), Qt::KeepAspectRatio).expandedTo({1, 1}));
    const AllocationLimit limit(PixelBudget * BytesPerPixel);
    return !reader.read().isNull();
}

PreviewPictures::Result PreviewPictures::load(const QString& file, QSize drawnSize) {
    const QFileInfo info(file);
    if (!info.isFile())
        return {Status::Missing, {}};
    const qint64 bytes = info.size();
    const QDateTime modified = info.lastModified();

    auto it = entries_.find(file);
    if (it != entries_.end() && it->bytes == bytes && it->modified == modified &&
        it->drawnSize == drawnSize) {
        // A kept picture counts against this refresh's budget once, as a new one would.
        if (!it->used) {
            if (!spend(pixelsOf(it->picture.size())))
                return {Status::TooLarge, {}};
            it->used = true;
        }
        return {Status::Loaded, it->picture};
    }
    entries_.remove(file);
    const Result result = decode(file, drawnSize);
    if (result.status == Status::Loaded)
        entries_.insert(file, Entry{bytes, modified, drawnSize, result.picture, true});
    return result;
}

PreviewPictures::Result PreviewPictures::decode(const QString& file, QSize drawnSize) {
    QFile device;
    try {
        openRegularFile(device, file);
    } catch (const RuntimeError& error) {
        const bool missing =
            error.number() == Err::FileNotFound || error.number() == Err::PathNotFound;
        return {missing ? Status::Missing : Status::Unreadable, {}};
    }
    QImageReader reader(&device);
    const QSize natural = reader.size();
    const QSize target = decodedSize(natural, drawnSize);
    if (pixelsOf(target) > PixelBudget - spent_)
        return {Status::TooLarge, {}};
    dropStale(pixelsOf(target));
    if (target != natural)
        reader.setScaledSize(target);
    // A format that cannot decode at a smaller size decodes the whole picture first;
    // the limit keeps that within what is left of the budget too.
    const qint64 left = PixelBudget - spent_;
    QImage image;
    {
        const AllocationLimit limit(left * BytesPerPixel);
        image = reader.read();
    }
    if (image.isNull())
        return {pixelsOf(natural) > left ? Status::TooLarge : Status::Unreadable, {}};
    spend(pixelsOf(image.size()));
    return {Status::Loaded, QPixmap::fromImage(std::move(image))};
}

bool PreviewPictures::spend(qint64 pixels) {
    if (pixels > PixelBudget - spent_)
        return false;
    spent_ += pixels;
    return true;
}

void PreviewPictures::dropStale(qint64 pixels) {
    // The pictures of the last refresh that this one has not used yet are let go
    // first when keeping them would hold more than the budget.
    qint64 held = pixels;
    for (const Entry& entry : std::as_const(entries_))
        held += pixelsOf(entry.picture.size());
    if (held <= PixelBudget)
        return;
    for (auto it = entries_.begin(); it != entries_.end();)
        it = it->used ? std::next(it) : entries_.erase(it);
}

void PreviewPictures::dropUnused() {
    spent_ = 0;
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (!it->used) {
            it = entries_.erase(it);
        } else {
            it->used = false;
            ++it;
        }
    }
}
