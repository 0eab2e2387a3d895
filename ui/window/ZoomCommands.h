#pragma once

#include <QList>
#include <QObject>

class PreviewPointer;
class QAction;
class QWidget;

// View > Zoom In, Zoom Out and Actual Size: the preview drawn from 50 % to 400 % in
// steps, its layout untouched.
class ZoomCommands : public QObject {
    Q_OBJECT

public:
    static constexpr int Smallest = 50;
    static constexpr int Largest = 400;

    ZoomCommands(PreviewPointer& pointer, QWidget& window);

    // Zoom In, Zoom Out and Actual Size, in menu order.
    QList<QAction*> actions() const { return actions_; }

    int zoomPercent() const { return percent_; }
    // Any zoom within 50 % to 400 % (others are taken to the nearer end).
    void setZoomPercent(int percent);

Q_SIGNALS:
    void zoomChanged(int percent);

private:
    void step(int direction);

    PreviewPointer& pointer_;
    QList<QAction*> actions_;
    int percent_ = 100;
};
