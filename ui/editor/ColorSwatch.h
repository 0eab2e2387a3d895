#pragma once

#include <QLabel>

// A label used as a colour swatch: a single flat border, its colour as its own
// background. A click, or Space or Enter while it has the keyboard focus, asks for
// another colour; the focus is drawn as a ring inside the border. A screen reader
// reads it out as a button named by its caption and colour ("Heading 2 text colour,
// #1F6F5C"), which follows every colour shown. A locked colour shows a small lock in
// the swatch's corner, and its name and tooltip say it is locked. Ctrl+C copies its
// colour as "#RRGGBB" text; Ctrl+V asks for a colour from the clipboard's text.
class ColorSwatch : public QLabel {
    Q_OBJECT

public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    // The colour shown, as a colour value (red + 256 green + 65536 blue).
    void setColorValue(int value);
    int colorValue() const;

    // What the swatch is the colour of, "Heading 2 text colour": the start of its
    // accessible name and tooltip.
    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }

    void setLocked(bool locked);
    bool isLocked() const { return locked_; }

    // Asks for another colour, as a click does.
    void click();

Q_SIGNALS:
    void clicked();
    void pasteAsked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void describe();
    void paintLock();

    QString caption_;
    bool locked_ = false;
};
