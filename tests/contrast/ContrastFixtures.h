#pragma once

#include "contrast/ContrastAudit.h"
#include "contrast/ContrastRule.h"
#include "theme/ColorScheme.h"
#include "theme/SchemeValue.h"

#include <QString>

#include <vector>

// "#RRGGBB" to a colour value.
inline qint32 hexColor(const QString& hex) {
    const uint rgb = hex.mid(1).toUInt(nullptr, 16);
    return rgbValue(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}

// A picture of width x height pixels of one colour with a one-pixel frame of another.
inline std::vector<qint32> framedPicture(int width, int height, qint32 inside, qint32 frame) {
    std::vector<qint32> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(x == 0 || y == 0 || x == width - 1 || y == height - 1 ? frame
                                                                                   : inside);
    return pixels;
}

// A page of black 10 pt regular text on white, every text row alike.
inline ColorScheme plainPage() {
    ColorScheme s;
    s.fillFontSizeTable();
    s.pageBackground() = rgbValue(255, 255, 255);
    for (int slot = 0; slot <= 11; ++slot) {
        s.color(ColorAttr::Fore, slot) = 0;
        if (slot > 0)
            s.color(ColorAttr::Back, slot) = rgbValue(255, 255, 255);
        s.font(FontAttr::Face, slot) = SchemeValue::text(QStringLiteral("Arial"));
        s.font(FontAttr::Size, slot) = SchemeValue::integer(10);
        s.font(FontAttr::Style, slot) = SchemeValue::integer(0);
    }
    return s;
}

// A preview that has a picture behind the banner text: a dark box with a one-pixel
// white frame. Everything else as the plain page.
class BannerPicture : public BackdropSource {
public:
    std::vector<Backdrop> backdropsFor(const ColorScheme& scheme, Element element) const override {
        if (element == Element::BANNER)
            return {Backdrop::picture(framedPicture(300, 60, hexColor("#2B3348"), 0xFFFFFF))};
        return PlainBackdrops().backdropsFor(scheme, element);
    }
};
