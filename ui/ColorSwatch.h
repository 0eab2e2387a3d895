#pragma once

#include <QLabel>

// A label used as a colour swatch: a single flat border, its colour as its own
// background, clickable with the mouse, never taking the keyboard focus.
class ColorSwatch : public QLabel {
    Q_OBJECT

public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    // The colour shown, as a colour value (red + 256 green + 65536 blue).
    void setColorValue(int value);
    int colorValue() const;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
