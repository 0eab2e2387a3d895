#include "ui/ColorSwatch.h"

#include "widgets/WindowUtil.h"

#include <QMouseEvent>

ColorSwatch::ColorSwatch(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void ColorSwatch::setColorValue(int value) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colorFromValue(value));
    setPalette(p);
}

int ColorSwatch::colorValue() const {
    return valueFromColor(palette().color(QPalette::Window));
}

void ColorSwatch::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        QLabel::mousePressEvent(event);
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release over the swatch, as with a button; the
    // dialog it opens then never sees half of the click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        Q_EMIT clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}
