#pragma once

class QWidget;
class QColor;
class QFont;
class QIcon;
class QString;

// Centres the window, frame included, in its screen's available area without changing
// its size; a window larger than the area is placed at the area's top or left edge.
void CenterForm(QWidget* window);

// The font of the window design: a family and a point size, bold, italic, underline.
QFont designFont(const QString& family, double points, bool bold = false, bool italic = false,
                 bool underline = false);

// Lets the classic font names of the designs resolve to the metric-compatible fonts.
void installFontSubstitutions();

// A colour value (red + 256 green + 65536 blue) as a QColor, and back.
QColor colorFromValue(int value);
int valueFromColor(const QColor& color);

// The product icon: the icon theme's, or the PNGs built into the program.
QIcon productIcon();
