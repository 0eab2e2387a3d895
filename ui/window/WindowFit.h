#pragma once

#include <QPoint>
#include <QSize>

class QDockWidget;
class QMainWindow;
class QWidget;

// The main window's resize rule: the window fits the preview as it is shown (zoomed)
// at its place right of the editor, its menu and status bars, and a docked Compare
// panel beside it, within the screen's available area.
class WindowFit {
public:
    WindowFit(const QMainWindow& window, const QWidget& preview, int previewLeft,
              const QDockWidget& dock);

    // What the window manager's frame adds to the window's size.
    QSize frameExtent() const;
    // The window's size that fits the preview, by the resize rule.
    QSize fittedSize() const;
    // The client area's own size: all of the editor and the preview at its place.
    QSize clientSize() const;
    // The client area in the room the window's scroller has (its viewport without
    // scroll bars): all of the editor and the preview, and more where the room is
    // larger; the preview right of the editor, centred in the width left over.
    struct ClientLayout {
        QSize size;
        QPoint previewPosition;
    };
    ClientLayout clientLayout(QSize room) const;
    // The most the window may take: the screen's available area less the frame.
    QSize largestSize() const;
    // The size of the window in the normal state: the fitted size, within the
    // largest, with room for a scroll bar where one is needed.
    QSize normalSize() const;

private:
    // The extra width the docked Compare panel takes beside the client area.
    int dockedPanelWidth() const;
    // The height the status bar takes below the client area.
    int statusHeight() const;

    const QMainWindow& window_;
    const QWidget& preview_;
    const int previewLeft_;
    const QDockWidget& dock_;
};
