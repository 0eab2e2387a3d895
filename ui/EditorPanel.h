#pragma once

#include "theme/ThemeElement.h"

#include <QObject>

#include <array>

class ColorSwatch;
class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;
struct ColorScheme;

// The editor panel of the main window: for each editor row its name, text-colour
// swatch, background swatch and font button, plus the titles and the four check
// boxes, all at their design geometry on the window's client area. The arrays are
// indexed by row; row 0 (the page background) has no text-colour swatch.
class EditorPanel : public QObject {
    Q_OBJECT

public:
    explicit EditorPanel(QWidget* clientArea);

    // Shows the scheme: font button captions, fonts and styles, and the swatches.
    // Emits none of the panel's signals.
    void SetFontsAndColors(const ColorScheme& scheme);

    std::array<QLabel*, 2> lblTitle{};
    std::array<QLabel*, EditorRowCount> lblItemName{};
    std::array<ColorSwatch*, EditorRowCount> lblFGColorSelect{}; // [0] stays nullptr
    std::array<ColorSwatch*, EditorRowCount> lblBGColorSelect{};
    std::array<QPushButton*, EditorRowCount> cmdFontSelect{};
    QCheckBox* Check1 = nullptr;
    std::array<QCheckBox*, 2> chkUseSame{};
    QCheckBox* chkTransLabels = nullptr;

Q_SIGNALS:
    void bgColorClicked(int row);
    void fgColorClicked(int row);
    void fontClicked(int row);

private:
    void buildRow(QWidget* clientArea, int row);
};
