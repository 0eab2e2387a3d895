#include "ui/editor/ColorSwatch.h"

#include "contrast/AuditFormat.h"
#include "widgets/WindowUtil.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
// What a screen reader is told of a swatch: a button that can be pressed, rather than
// the static text a label is.
class SwatchAccessible : public QAccessibleWidget {
public:
    explicit SwatchAccessible(ColorSwatch* swatch)
        : QAccessibleWidget(swatch, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction())
            static_cast<ColorSwatch*>(widget())->click();
    }
};

QAccessibleInterface* swatchAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("ColorSwatch") && object && object->isWidgetType())
        return new SwatchAccessible(static_cast<ColorSwatch*>(object));
    return nullptr;
}
} // namespace

ColorSwatch::ColorSwatch(QWidget* parent) : QLabel(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(swatchAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ColorSwatch::setColorValue(int value) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colorFromValue(value));
    setPalette(p);
    describe();
}

int ColorSwatch::colorValue() const {
    return valueFromColor(palette().color(QPalette::Window));
}

void ColorSwatch::setCaption(const QString& caption) {
    caption_ = caption;
    describe();
}

void ColorSwatch::setLocked(bool locked) {
    if (locked == locked_)
        return;
    locked_ = locked;
    describe();
    update();
}

void ColorSwatch::describe() {
    if (caption_.isEmpty())
        return;
    const QString hex = colorHex(colorValue());
    if (locked_) {
        setAccessibleName(tr("%1, %2, locked").arg(caption_, hex));
        setToolTip(tr("%1: %2, locked: making variants and Make It Pass leave it as it is. "
                      "Click, or press Space, to choose another colour.")
                       .arg(caption_, hex));
        return;
    }
    setAccessibleName(tr("%1, %2").arg(caption_, hex));
    setToolTip(tr("%1: %2. Click, or press Space, to choose another colour.").arg(caption_, hex));
}

void ColorSwatch::paintLock() {
    // A padlock in the lower right corner, black on a white plate so that it shows on
    // any colour: a body with a shackle above it.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plate(width() - 12.5, height() - 13.5, 10, 12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(plate, 2, 2);
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(plate.left() + 2, plate.top() + 5.5, 6, 5));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1.4));
    painter.drawArc(QRectF(plate.left() + 3, plate.top() + 1.5, 4, 7), 0, 180 * 16);
    painter.drawLine(QPointF(plate.left() + 3, plate.top() + 5),
                     QPointF(plate.left() + 3, plate.top() + 6));
    painter.drawLine(QPointF(plate.left() + 7, plate.top() + 5),
                     QPointF(plate.left() + 7, plate.top() + 6));
}

void ColorSwatch::click() {
    Q_EMIT clicked();
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

void ColorSwatch::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        event->accept();
        QGuiApplication::clipboard()->setText(colorHex(colorValue()));
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        Q_EMIT pasteAsked();
        return;
    }
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                  event->key() == Qt::Key_Enter)) {
        event->accept();
        Q_EMIT clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ColorSwatch::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (locked_)
        paintLock();
    if (!hasFocus())
        return;
    // A ring of the highlight colour with a white and a black line inside it: seen
    // on any colour the swatch may show.
    QPainter painter(this);
    const QRect inside = rect().adjusted(1, 1, -2, -2);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(inside.adjusted(1, 1, 0, 0));
    painter.setPen(Qt::white);
    painter.drawRect(inside.adjusted(3, 3, -2, -2));
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(inside.adjusted(3, 3, -2, -2));
}
