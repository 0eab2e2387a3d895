#pragma once

#include "contrast/ContrastAudit.h"
#include "ui/preview/PreviewHitMap.h"

#include <QPixmap>
#include <QWidget>

class PreviewPage;

// The preview as the user points at it: a layer over the page, as large as the page is
// shown, that outlines the element under the pointer (with a tooltip saying its row,
// colours and contrast mark) and the elements of the selected row, and turns clicks
// and keys into requests about rows. It takes the keyboard focus: Tab and the arrow
// keys move between the elements, Space selects the element's row, Enter opens its
// colour, Shift+F10 or the menu key its menu.
//
// It also shows the page zoomed: at 100 % the page draws itself beneath the layer, so
// the drawing is the page's own; at any other zoom the page is hidden and the layer
// draws the page's picture scaled, smoothly. The page keeps its size and layout at
// every zoom, so what the audit, printing and rendering read of it never changes.
class PreviewPointer : public QWidget {
    Q_OBJECT

public:
    PreviewPointer(PreviewPage& page, QWidget* parent);

    // The zoom, 1 for 100 %.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }

    // Puts the layer over the page, as large as the page shows at the zoom. It follows
    // the page by itself while the page is shown; a hidden page (zoomed) tells nothing
    // of its moves, so whoever moves it then places the layer.
    void placeOverPage();

    // The row whose elements are outlined, -1 for none. Emits nothing.
    void setSelectedRow(int row);
    // The audit the tooltips give the marks of.
    void setAudit(const ContrastAudit& audit);

    const PreviewHitMap& hitMap() const { return hitMap_; }
    // The element the keyboard is at, -1 before any; and what it says of an element.
    int currentSpot() const { return current_; }
    QString describe(int spot) const;
    // Where an element is drawn on this layer.
    QRect spotRect(int spot) const;

Q_SIGNALS:
    // A click or Space on an element: its row is to be selected.
    void rowChosen(int row);
    // A double click or Enter: the row's text colour is to be chosen.
    void rowOpened(int row);
    // The context menu of an element's row, at a global position.
    void menuAsked(int row, QPoint globalPos);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The page was laid out or drawn afresh.
    void pageChanged();
    int spotAtPoint(QPoint point) const;
    void setHovered(int spot);
    void setCurrent(int spot);
    int rowOf(int spot) const;

    PreviewPage& page_;
    PreviewHitMap hitMap_;
    ContrastAudit audit_;
    QPixmap pagePicture_; // while zoomed; empty when it must be taken again
    double zoom_ = 1;
    int hovered_ = -1;
    int current_ = -1;
    int selectedRow_ = -1;
};
