#include "ui/preview/PreviewPointer.h"

#include "ui/preview/PreviewAccessible.h"
#include "ui/preview/PreviewItem.h"
#include "ui/preview/PreviewPage.h"
#include "widgets/WindowUtil.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace {
// An outline as wide as this, in pixels of the layer, drawn just outside the element.
constexpr int OutlineWidth = 2;

QRect outlineBounds(const QRect& rect) {
    return rect.adjusted(-OutlineWidth - 1, -OutlineWidth - 1, OutlineWidth + 1, OutlineWidth + 1);
}
} // namespace

PreviewPointer::PreviewPointer(PreviewPage& page, QWidget* parent) : QWidget(parent), page_(page) {
    installPreviewAccessible();
    setObjectName(QStringLiteral("previewPointer"));
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Preview"));
    setAccessibleDescription(tr("The preview page. Tab and the arrow keys move between its "
                                "elements, Enter chooses the text colour, Shift+F10 opens the "
                                "element's menu."));
    page_.installEventFilter(this);
    connect(&page_, &PreviewPage::backdropsChanged, this, &PreviewPointer::pageChanged);
    connect(&page_, &PreviewPage::drawingChanged, this, &PreviewPointer::pageChanged);
    placeOverPage();
    raise();
}

void PreviewPointer::setZoom(double zoom) {
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    // At 100 % the page draws itself; otherwise this layer draws it scaled.
    page_.setVisible(zoom_ == 1);
    placeOverPage();
    update();
}

void PreviewPointer::placeOverPage() {
    const QSize shown(static_cast<int>(std::lround(page_.width() * zoom_)),
                      static_cast<int>(std::lround(page_.height() * zoom_)));
    setGeometry(QRect(page_.pos(), shown));
    raise();
}

bool PreviewPointer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &page_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        placeOverPage();
    return QWidget::eventFilter(watched, event);
}

void PreviewPointer::pageChanged() {
    hitMap_ = PreviewHitMap(page_);
    const int count = static_cast<int>(hitMap_.spots().size());
    if (hovered_ >= count)
        hovered_ = -1;
    if (current_ >= count)
        current_ = -1;
    pagePicture_ = QPixmap();
    update();
}

void PreviewPointer::setSelectedRow(int row) {
    if (row == selectedRow_)
        return;
    for (int spot : hitMap_.spotsOfRow(selectedRow_) + hitMap_.spotsOfRow(row))
        update(outlineBounds(spotRect(spot)));
    selectedRow_ = row;
}

void PreviewPointer::setAudit(const ContrastAudit& audit) {
    audit_ = audit;
    if (current_ >= 0)
        setAccessibleName(describe(current_));
}

QString PreviewPointer::describe(int spot) const {
    if (spot < 0 || spot >= static_cast<int>(hitMap_.spots().size()))
        return {};
    const PreviewHitMap::Spot& s = hitMap_.spots()[static_cast<std::size_t>(spot)];
    const std::vector<PreviewItem*> labels = page_.labelsOf(s.element);
    const qint32 shown =
        labels.empty() ? 0 : valueFromColor(labels.front()->palette().color(QPalette::WindowText));
    return spotDescription(s, audit_, shown);
}

QRect PreviewPointer::spotRect(int spot) const {
    if (spot < 0 || spot >= static_cast<int>(hitMap_.spots().size()))
        return {};
    const QRectF area = hitMap_.spots()[static_cast<std::size_t>(spot)].area;
    return QRectF(area.topLeft() * zoom_, area.size() * zoom_).toAlignedRect();
}

int PreviewPointer::spotAtPoint(QPoint point) const {
    return hitMap_.spotAt((QPointF(point) / zoom_).toPoint());
}

int PreviewPointer::rowOf(int spot) const {
    if (spot < 0 || spot >= static_cast<int>(hitMap_.spots().size()))
        return -1;
    return hitMap_.spots()[static_cast<std::size_t>(spot)].row;
}

void PreviewPointer::setHovered(int spot) {
    if (spot == hovered_)
        return;
    update(outlineBounds(spotRect(hovered_)));
    hovered_ = spot;
    update(outlineBounds(spotRect(hovered_)));
}

void PreviewPointer::setCurrent(int spot) {
    update(outlineBounds(spotRect(current_)));
    current_ = spot;
    update(outlineBounds(spotRect(current_)));
    // A screen reader reads the element the keyboard moved to.
    setAccessibleName(describe(current_));
    if (hasFocus() && current_ >= 0) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(current_);
        QAccessible::updateAccessibility(&focus);
    }
}

void PreviewPointer::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (zoom_ != 1) {
        if (pagePicture_.isNull())
            pagePicture_ = page_.grab();
        painter.save();
        painter.setClipRegion(event->region());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(zoom_, zoom_);
        painter.drawPixmap(0, 0, pagePicture_);
        painter.restore();
    }
    // The selected row's elements dashed, the one under the pointer or the keyboard
    // solid: the highlight colour with a white line inside, seen on any colour.
    const auto outline = [&](int spot, Qt::PenStyle style) {
        const QRect rect = spotRect(spot).adjusted(-OutlineWidth, -OutlineWidth, OutlineWidth - 1,
                                                   OutlineWidth - 1);
        painter.setPen(QPen(palette().color(QPalette::Highlight), OutlineWidth, style));
        painter.drawRect(rect);
        painter.setPen(QPen(Qt::white, 1, style));
        painter.drawRect(rect.adjusted(OutlineWidth, OutlineWidth, -OutlineWidth, -OutlineWidth));
    };
    for (int spot : hitMap_.spotsOfRow(selectedRow_))
        outline(spot, Qt::DashLine);
    if (hovered_ >= 0)
        outline(hovered_, Qt::SolidLine);
    if (current_ >= 0 && hasFocus())
        outline(current_, Qt::SolidLine);
}

bool PreviewPointer::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int spot = spotAtPoint(help->pos());
        if (spot < 0)
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), describe(spot), this, spotRect(spot));
        return true;
    }
    return QWidget::event(event);
}

void PreviewPointer::mouseMoveEvent(QMouseEvent* event) {
    setHovered(spotAtPoint(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void PreviewPointer::leaveEvent(QEvent* event) {
    setHovered(-1);
    QWidget::leaveEvent(event);
}

void PreviewPointer::mousePressEvent(QMouseEvent* event) {
    const int spot = spotAtPoint(event->position().toPoint());
    if (event->button() == Qt::LeftButton && spot >= 0) {
        setCurrent(spot);
        if (rowOf(spot) >= 0)
            Q_EMIT rowChosen(rowOf(spot));
    }
    QWidget::mousePressEvent(event);
}

void PreviewPointer::mouseDoubleClickEvent(QMouseEvent* event) {
    const int row = rowOf(spotAtPoint(event->position().toPoint()));
    if (event->button() == Qt::LeftButton && row >= 0)
        Q_EMIT rowOpened(row);
}

void PreviewPointer::contextMenuEvent(QContextMenuEvent* event) {
    // From the mouse the element under it; from the keyboard the one the keyboard is at.
    const int spot =
        event->reason() == QContextMenuEvent::Mouse ? spotAtPoint(event->pos()) : current_;
    if (rowOf(spot) < 0)
        return;
    const QPoint at = event->reason() == QContextMenuEvent::Mouse
                          ? event->globalPos()
                          : mapToGlobal(spotRect(spot).bottomLeft());
    Q_EMIT rowChosen(rowOf(spot));
    Q_EMIT menuAsked(rowOf(spot), at);
}

void PreviewPointer::keyPressEvent(QKeyEvent* event) {
    const int count = static_cast<int>(hitMap_.spots().size());
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        setCurrent(qMin(current_ + 1, count - 1));
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        setCurrent(qMax(current_ - 1, 0));
        return;
    case Qt::Key_Home:
        setCurrent(count > 0 ? 0 : -1);
        return;
    case Qt::Key_End:
        setCurrent(count - 1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (rowOf(current_) >= 0)
            Q_EMIT rowOpened(rowOf(current_));
        return;
    case Qt::Key_Space:
        if (rowOf(current_) >= 0)
            Q_EMIT rowChosen(rowOf(current_));
        return;
    case Qt::Key_F10:
        if (modifiers == Qt::ShiftModifier) {
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, spotRect(current_).bottomLeft(),
                                   mapToGlobal(spotRect(current_).bottomLeft()));
            contextMenuEvent(&menu);
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void PreviewPointer::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // A click gives the focus at the element clicked, if any; keys start at an element.
    if (event->reason() == Qt::MouseFocusReason)
        return;
    const int count = static_cast<int>(hitMap_.spots().size());
    if (event->reason() == Qt::BacktabFocusReason)
        setCurrent(count - 1);
    else if (current_ < 0 || event->reason() == Qt::TabFocusReason) {
        // Tabbing in starts at the selected row's first element, else the first one.
        const QList<int> selected = hitMap_.spotsOfRow(selectedRow_);
        setCurrent(selected.isEmpty() ? (count > 0 ? 0 : -1) : selected.first());
    } else
        setCurrent(current_);
}

bool PreviewPointer::focusNextPrevChild(bool next) {
    // Tab walks the elements first and leaves the preview after the last one.
    const int count = static_cast<int>(hitMap_.spots().size());
    if (hasFocus() && next && current_ + 1 < count) {
        setCurrent(current_ + 1);
        return true;
    }
    if (hasFocus() && !next && current_ > 0) {
        setCurrent(current_ - 1);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}
