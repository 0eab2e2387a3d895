#pragma once

#include "contrast/VisionSimulation.h"

#include <QGraphicsEffect>
#include <QImage>

// Passes every pixel of a picture through the colour-vision simulation, in place.
// Premultiplied pictures are unpremultiplied first; other formats become 32-bit.
void simulateImage(QImage& image, Deficiency deficiency);

// Draws a widget and its children as a person with a colour-vision deficiency sees
// them: Qt draws them into a picture as usual, and the picture reaches the screen
// through the simulation. Input, focus and layout are the widget's own as ever.
class VisionEffect : public QGraphicsEffect {
public:
    explicit VisionEffect(Deficiency deficiency, QObject* parent = nullptr);

    Deficiency deficiency() const { return deficiency_; }

protected:
    void draw(QPainter* painter) override;

private:
    Deficiency deficiency_;
    // The last picture drawn and what it became: a repaint of the same picture (the
    // window scrolled or exposed) skips the simulation.
    qint64 lastSource_ = 0;
    QImage lastSimulated_;
};
