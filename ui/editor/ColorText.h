#pragma once

#include <QString>

#include <optional>

// A colour from text on the clipboard, from what a designer copies elsewhere:
// "#1F6F5C", "#1f6", "rgb(31, 111, 92)" or a CSS colour name, read as the style sheets
// are read. A bare number is no colour here: it is far more often a stray copy than a
// colour value. (A colour is copied as colorHex writes it, "#RRGGBB".)
std::optional<qint32> colorFromText(const QString& text);
