// What the contrast audit reads of the preview page: the page's own part, where its
// labels draw their text and what lies beneath it, and PreviewBackdrops, which turns
// that into the audit's backdrops.
#include "ui/preview/PreviewBackdrops.h"

#include "ui/preview/PreviewItem.h"
#include "ui/preview/PreviewPage.h"
#include "widgets/WindowUtil.h"

#include <QPainter>

#include <algorithm>

namespace {

// The colour values of the pixels of `box` in a Format_RGB32 picture.
std::vector<qint32> pixelsOf(const QImage& image, const QRect& box) {
    std::vector<qint32> pixels;
    pixels.reserve(static_cast<std::size_t>(box.width()) * static_cast<std::size_t>(box.height()));
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb p = line[x];
            pixels.push_back(qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16));
        }
    }
    return pixels;
}

} // namespace

bool PreviewPage::isPicture(const PreviewItem* item) const {
    return item == imgDisplayBackground ||
           std::find(imgWebImage.begin(), imgWebImage.end(), item) != imgWebImage.end();
}

std::vector<PreviewItem*> PreviewPage::labelsOf(Element element) const {
    switch (element) {
    case Element::BANNER:
        return {lblDisplayBanner};
    case Element::BODY:
        return {lblDisplayBullet[1], lblDisplayBullet[2], lblDisplayBullet[3], lblDisplayRegText};
    case Element::HEADING1:
    case Element::HEADING2:
    case Element::HEADING3:
    case Element::HEADING4:
    case Element::HEADING5:
    case Element::HEADING6:
        return {lblDisplayHeading[static_cast<std::size_t>(element) -
                                  static_cast<std::size_t>(Element::HEADING1) + 1]};
    case Element::REGULARLINK:
        return {lblDisplayRegLink};
    case Element::VISITEDLINK:
        return {lblDisplayFollLink};
    case Element::ACTIVELINK:
        return {lblDisplayActLink};
    case Element::NAVBUTTONS: {
        std::vector<PreviewItem*> labels{lblDisplayButton, lblDisplayButtonPressed};
        labels.insert(labels.end(), lblQuickLinks.begin(), lblQuickLinks.end());
        labels.insert(labels.end(), lblSelQuickLinks.begin(), lblSelQuickLinks.end());
        labels.insert(labels.end(), lblVertNavButtons.begin(), lblVertNavButtons.end());
        return labels;
    }
    case Element::GLOBALBUTTONS:
        return {lblDisplayGlobNavButtons.begin(), lblDisplayGlobNavButtons.end()};
    default:
        return {};
    }
}

std::vector<PreviewPage::TextPlace> PreviewPage::textPlaces(Element element) const {
    std::vector<TextPlace> places;
    for (const PreviewItem* label : labelsOf(element)) {
        if (!label->isVisibleTo(this))
            continue;
        const QRect box = label->textBox().translated(label->pos()).intersected(rect());
        if (box.isEmpty())
            continue;
        TextPlace place{box, std::nullopt};
        if (label->autoFillBackground())
            place.opaqueColor = valueFromColor(label->palette().color(QPalette::Window));
        places.push_back(place);
    }
    return places;
}

QImage PreviewPage::drawnBeneathText() const {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(palette().color(QPalette::Window));
    QPainter painter(&image);
    // In stacking order, each control as it paints itself: a picture by its own
    // painting (stretched as the label stretches it), an opaque label as its colour.
    for (QObject* child : children()) {
        auto* item = qobject_cast<PreviewItem*>(child);
        if (!item || !item->isVisibleTo(this))
            continue;
        if (isPicture(item))
            item->render(&painter, item->pos(), QRegion(), QWidget::RenderFlags());
        else if (item->autoFillBackground())
            painter.fillRect(item->geometry(), item->palette().color(QPalette::Window));
    }
    return image;
}

QRegion PreviewPage::pictureArea() const {
    QRegion area;
    for (const QObject* child : children()) {
        const auto* item = qobject_cast<const PreviewItem*>(child);
        if (!item || !isPicture(item) || !item->isVisibleTo(this) || !item->hasPicture())
            continue;
        // A picture is drawn at its control's top left in its natural size, unless it
        // is stretched over the control; the control cuts it off either way.
        QRect drawn = item->geometry();
        if (!item->hasScaledContents() && !item->pixmap().isNull())
            drawn.setSize(item->pixmap().deviceIndependentSize().toSize().boundedTo(drawn.size()));
        area += drawn;
    }
    return area;
}

qint32 PreviewPage::pageColor() const {
    return valueFromColor(palette().color(QPalette::Window));
}

PreviewBackdrops::PreviewBackdrops(const PreviewPage& page)
    : page_(page), beneath_(page.drawnBeneathText()), pictures_(page.pictureArea()) {}

std::vector<Backdrop> PreviewBackdrops::backdropsFor(const ColorScheme& scheme,
                                                     Element element) const {
    std::vector<Backdrop> backdrops;
    // An opaque label shows its element's back colour, a plain place the page's.
    const qint32 own = scheme.color(ColorAttr::Back, themeElement(element).colorSlot);
    const auto schemeColour = [&](qint32 shown) {
        return shown == page_.pageColor() ? scheme.pageBackground() : shown;
    };
    for (const PreviewPage::TextPlace& place : page_.textPlaces(element)) {
        if (place.opaqueColor) {
            backdrops.push_back(Backdrop::plain(own));
            continue;
        }
        const std::vector<qint32> pixels = pixelsOf(beneath_, place.box);
        const bool oneColour = std::all_of(pixels.begin(), pixels.end(),
                                           [&](qint32 p) { return p == pixels.front(); });
        if (oneColour && !pictures_.intersects(place.box))
            backdrops.push_back(Backdrop::plain(schemeColour(pixels.front())));
        else
            backdrops.push_back(Backdrop::picture(pixels));
    }
    // A text drawn nowhere (every label hidden or outside the page) is judged on the
    // page's colour.
    if (backdrops.empty())
        backdrops.push_back(Backdrop::plain(scheme.pageBackground()));
    return backdrops;
}
