#include "ui/preview/VisionEffect.h"

#include <QPainter>
#include <QPixmap>

#include <span>

void simulateImage(QImage& image, Deficiency deficiency) {
    if (deficiency == Deficiency::Normal || image.isNull())
        return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    // 32-bit rows need no padding, so the pixels are one run of 0xAARRGGBB.
    auto* first = reinterpret_cast<quint32*>(image.bits());
    simulatePixels(std::span(first, static_cast<std::size_t>(image.sizeInBytes()) / 4), deficiency);
}

VisionEffect::VisionEffect(Deficiency deficiency, QObject* parent)
    : QGraphicsEffect(parent), deficiency_(deficiency) {}

void VisionEffect::draw(QPainter* painter) {
    // As Qt's own pixel effects do: the source in device pixels, drawn back unscaled.
    QPoint offset;
    const QPixmap source = sourcePixmap(Qt::DeviceCoordinates, &offset, NoPad);
    if (source.isNull())
        return;
    if (source.cacheKey() != lastSource_ || lastSimulated_.isNull()) {
        lastSimulated_ = source.toImage();
        simulateImage(lastSimulated_, deficiency_);
        lastSource_ = source.cacheKey();
    }
    const QTransform transform = painter->worldTransform();
    painter->setWorldTransform(QTransform());
    painter->drawImage(offset, lastSimulated_);
    painter->setWorldTransform(transform);
}
