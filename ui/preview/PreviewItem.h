#pragma once

#include <QLabel>

// One control of the preview page: a picture or a label positioned absolutely by
// its geometry in twips. The twips are kept in single precision, as the layout
// computes them, and turned into pixels only when applied, so halves computed by
// the centring rules are rounded once and never accumulate.
class PreviewItem : public QLabel {
    Q_OBJECT

public:
    enum class Sizing {
        Fixed,    // keeps the size it is given (bullet labels, the stretched background)
        ToText,   // follows its text and font
        ToPicture // takes the natural size of the picture loaded into it
    };

    PreviewItem(QWidget* parent, Sizing sizing, float left, float top, float width, float height);

    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void setLeft(float twips);
    void setTop(float twips);
    void setWidth(float twips);
    void setTwipsGeometry(float left, float top, float width, float height);

    Sizing sizing() const { return sizing_; }

    // A label that sizes to its text takes the advance of its text and the line
    // height of its font; any other control keeps its size.
    void fitToText();

    // Where the label draws its text, in its own pixels: the advance of the text by the
    // line height of its font, placed by its alignment and cut to the label. Empty
    // without text.
    QRect textBox() const;
    // Whether the control shows a picture (a deferred one counts).
    bool hasPicture() const;

    // Shows the picture; a control that takes its picture's size takes it now. An
    // empty picture empties the control and leaves its size as it was.
    void showPicture(const QPixmap& picture);
    // Shows the picture of a file, decoded only when the control is first painted
    // or its picture is asked for: the design pictures, which the first refresh
    // mostly replaces before anyone sees them. The control keeps its size, which is
    // the picture's by design.
    void showPictureLater(const QString& file);
    // The picture shown, a deferred one decoded now.
    QPixmap picture();

    // Background and text colours as colour values. The background shows only while
    // the label is opaque, yet is always set so that switching shows it at once.
    void setColors(int backColor, int foreColor);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void apply();
    void decodeDeferred();

    Sizing sizing_;
    float left_;
    float top_;
    float width_;
    float height_;
    QString deferred_;
};
