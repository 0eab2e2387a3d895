#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <array>
#include <optional>
#include <span>

// How a person with a colour-vision deficiency sees a colour: the Machado, Oliveira
// and Fernandes (2009) dichromacy matrices at severity 1.0 applied in linear RGB, and
// for achromatopsia the relative luminance alone, as a grey.
enum class Deficiency { Normal, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };

// The four deficiencies, Normal left out.
inline constexpr std::array<Deficiency, 4> Deficiencies{
    Deficiency::Protanopia, Deficiency::Deuteranopia, Deficiency::Tritanopia,
    Deficiency::Achromatopsia};

// "normal", "protanopia", "deuteranopia", "tritanopia", "achromatopsia".
QString deficiencyName(Deficiency deficiency);
// One of those names, in any case; nullopt for anything else.
std::optional<Deficiency> deficiencyFromText(QStringView text);

qint32 simulateColor(qint32 value, Deficiency deficiency);

// Pixels 0xAARRGGBB, the layout of a 32-bit ARGB (not premultiplied) or RGB picture
// row; alpha is kept. The same result per pixel as simulateColor, from tables of the
// same products, fast enough for a photograph at every redraw.
void simulatePixels(std::span<quint32> pixels, Deficiency deficiency);
