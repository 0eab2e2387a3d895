#include "ui/window/WindowFit.h"

#include "widgets/Twips.h"

#include <QDockWidget>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QWindow>

WindowFit::WindowFit(const QMainWindow& window, const QWidget& preview, int previewLeft,
                     const QDockWidget& dock)
    : window_(window), preview_(preview), previewLeft_(previewLeft), dock_(dock) {}

QSize WindowFit::frameExtent() const {
    // While a window manager frames the window its margins can read as nonsense for
    // a moment; no frame is thinner than nothing.
    const QWindow* handle = window_.windowHandle();
    const QMargins margins = handle ? handle->frameMargins() : QMargins();
    return QSize(qMax(0, margins.left()) + qMax(0, margins.right()),
                 qMax(0, margins.top()) + qMax(0, margins.bottom()));
}

QSize WindowFit::fittedSize() const {
    // The outer size covers the frame and the menu bar; the widget's own size is the
    // outer size less the frame the window manager adds.
    const QSize frame = frameExtent();
    const int outerWidth =
        previewLeft_ + preview_.width() + twipsToPixels(240) + dockedPanelWidth();
    const int outerHeight = preview_.height() + twipsToPixels(780) + statusHeight();
    return QSize(outerWidth - frame.width(), outerHeight - frame.height());
}

QSize WindowFit::clientSize() const {
    // What the window shows below its menu bar and beside a docked panel at the fitted
    // size, and never less than the preview, which a thick frame could otherwise cut off.
    const QSize fitted =
        fittedSize() -
        QSize(dockedPanelWidth(), window_.menuBar()->sizeHint().height() + statusHeight());
    return fitted.expandedTo(QSize(previewLeft_ + preview_.width(), preview_.height()));
}

WindowFit::ClientLayout WindowFit::clientLayout(QSize room) const {
    const QSize content = clientSize();
    // Where one direction scrolls, its scroll bar takes room from the other.
    const int bar = window_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window_);
    const bool wide = content.width() > room.width();
    if (wide)
        room.rheight() -= bar;
    if (content.height() > room.height()) {
        room.rwidth() -= bar;
        if (!wide && content.width() > room.width())
            room.rheight() -= bar;
    }
    const QSize size = content.expandedTo(room);
    return {size, QPoint(previewLeft_ + (size.width() - content.width()) / 2, 0)};
}

QSize WindowFit::normalSize() const {
    const QSize fitted = fittedSize();
    const QSize largest = largestSize();
    QSize size = fitted.boundedTo(largest);
    // A scroll bar takes room of its own, which the window gets where the screen has
    // it, so that one direction scrolling does not make the other scroll too.
    const int bar = window_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window_);
    if (size.height() < fitted.height())
        size.setWidth(qMin(fitted.width() + bar, largest.width()));
    if (size.width() < fitted.width())
        size.setHeight(qMin(fitted.height() + bar, largest.height()));
    return size;
}

QSize WindowFit::largestSize() const {
    const QScreen* screen = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return screen->availableGeometry().size() - frameExtent();
}

int WindowFit::dockedPanelWidth() const {
    if (dock_.isHidden() || dock_.isFloating())
        return 0;
    return dock_.minimumWidth() +
           window_.style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, &window_);
}

int WindowFit::statusHeight() const {
    const auto* bar = window_.findChild<const QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
    return bar && !bar->isHidden() ? bar->sizeHint().height() : 0;
}
