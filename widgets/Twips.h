#pragma once

#include <QRect>
#include <QtGlobal>

// Design geometry is in twips: 15 twips are one pixel at 96 dots per inch.
inline constexpr float TwipsPerPixel = 15.0f;

inline int twipsToPixels(float twips) {
    return qRound(twips / TwipsPerPixel);
}
inline float pixelsToTwips(int pixels) {
    return static_cast<float>(pixels) * TwipsPerPixel;
}

inline QRect twipsRect(float left, float top, float width, float height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}
