#include "ui/preview/PreviewItem.h"

#include "widgets/Twips.h"
#include "widgets/WindowUtil.h"

#include <QFontMetrics>
#include <QStyle>

#include <utility>

PreviewItem::PreviewItem(QWidget* parent, Sizing sizing, float left, float top, float width,
                         float height)
    : QLabel(parent), sizing_(sizing), left_(left), top_(top), width_(width), height_(height) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setMargin(0);
    setIndent(0);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    apply();
}

void PreviewItem::setLeft(float twips) {
    setTwipsGeometry(twips, top_, width_, height_);
}

void PreviewItem::setTop(float twips) {
    setTwipsGeometry(left_, twips, width_, height_);
}

void PreviewItem::setWidth(float twips) {
    setTwipsGeometry(left_, top_, twips, height_);
}

void PreviewItem::setTwipsGeometry(float left, float top, float width, float height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    apply();
}

void PreviewItem::fitToText() {
    if (sizing_ != Sizing::ToText)
        return;
    const QFontMetrics metrics(font());
    width_ = pixelsToTwips(metrics.horizontalAdvance(text()));
    height_ = pixelsToTwips(metrics.height());
    apply();
}

QRect PreviewItem::textBox() const {
    if (text().isEmpty())
        return {};
    // As QLabel places its plain text: in the contents rectangle, by the alignment.
    return style()
        ->itemTextRect(fontMetrics(), contentsRect(), static_cast<int>(alignment()), isEnabled(),
                       text())
        .intersected(rect());
}

bool PreviewItem::hasPicture() const {
    return !deferred_.isEmpty() || !pixmap().isNull();
}

void PreviewItem::showPicture(const QPixmap& picture) {
    deferred_.clear();
    if (picture.isNull()) {
        clear();
        return;
    }
    setPixmap(picture);
    if (sizing_ == Sizing::ToPicture) {
        width_ = pixelsToTwips(picture.width());
        height_ = pixelsToTwips(picture.height());
        apply();
    }
}

void PreviewItem::showPictureLater(const QString& file) {
    deferred_ = file;
}

QPixmap PreviewItem::picture() {
    decodeDeferred();
    return pixmap();
}

void PreviewItem::decodeDeferred() {
    if (deferred_.isEmpty())
        return;
    const QString file = std::exchange(deferred_, QString());
    setPixmap(QPixmap(file));
}

void PreviewItem::paintEvent(QPaintEvent* event) {
    decodeDeferred();
    QLabel::paintEvent(event);
}

void PreviewItem::setColors(int backColor, int foreColor) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colorFromValue(backColor));
    p.setColor(QPalette::WindowText, colorFromValue(foreColor));
    setPalette(p);
}

void PreviewItem::apply() {
    const QRect rect = twipsRect(left_, top_, width_, height_);
    if (rect != geometry())
        setGeometry(rect);
}
