#pragma once

#include "contrast/ContrastAudit.h"
#include "theme/ColorScheme.h"
#include "theme/ThemeElement.h"

#include <QWidget>

#include <array>

class ColorSwatch;
class ContrastMark;
class EditorOptions;
class Procedure;
class QLabel;
class QAction;
class QPushButton;

// The editor panel of the main window: for each editor row its name, text-colour
// swatch, background swatch and font button, plus the titles and the four check
// boxes, at their design geometry. The controls are the panel's own and carry their
// design names as object names ("lblBGColorSelect_5", "chkUseSame_0", "Check1"); the
// window speaks to the panel in what a row shows and what the user asked for. Row 0
// (the page background) has no text-colour swatch and no font. Right of the font
// buttons a column of contrast marks ("lblContrast_5") shows the audit of each text
// row. Every part of a text row offers "Make It Pass" in its context menu (the action
// "actMakeItPass_5"); every swatch offers "Lock Colour", checked while its colour is
// locked (the actions "actLockText_5" and "actLockBack_5").
class EditorPanel : public QWidget {
    Q_OBJECT

public:
    explicit EditorPanel(QWidget* parent = nullptr);

    // Where the panel ends on the right, in twips, its contrast marks included: the
    // window puts the preview there.
    static constexpr float RightEdge = 5400;

    // Shows the scheme: font button captions, fonts and styles, and the swatches with
    // their locks. Emits none of the panel's signals.
    void SetFontsAndColors(const ColorScheme& scheme);

    // A row's two colour swatches.
    enum class Swatch { Background, Text };
    // The colour a swatch shows: row 0's and the Banner row's background is the page
    // background. Error 9 for a row without such a swatch.
    static ColorPlace swatchPlace(int row, Swatch swatch);
    // What a swatch is the colour of, "Heading 2 text colour".
    QString swatchCaption(int row, Swatch swatch) const;

    // What a row shows now. A row without such a control raises error 9.
    qint32 colorShown(int row, Swatch swatch) const;
    QFont fontShown(int row) const;

    // "Lock Colour" of a row's swatch, checked while the colour is locked; the
    // preview's element menu offers the text swatch's too.
    QAction* lockAction(int row, Swatch swatch) const;

    // A colour chosen for one row's swatch.
    void showColor(int row, Swatch swatch, qint32 color);
    // A background chosen while "Copy Background" is ticked shows in every row.
    void showBackgroundInEveryRow(qint32 color);

    // The four check boxes below the rows.
    EditorOptions& options() const { return *options_; }

    // The row the user is at: the one whose font button has the keyboard focus, or
    // whose swatch or button was clicked last; -1 before any.
    int currentRow() const { return currentRow_; }
    // Makes `row` the row the user is at, as a click on it does: the row is
    // highlighted and its text swatch (row 0: its background swatch) takes the focus.
    void selectRow(int row);

    // The contrast audit beside the text rows 1..12: each row's ratio and a pass or
    // fail mark for the audit's level, with a tooltip that gives the numbers, the
    // threshold and why, and the advice about the row. A row the audit does not check
    // shows nothing. Emits none of the panel's signals.
    void showContrast(const ContrastAudit& audit);
    // The marks as before the first audit: empty.
    void clearContrast();
    // A row's mark (1..12); error 9 for any other row.
    const ContrastMark& contrastMark(int row) const;

Q_SIGNALS:
    // A click on a row's background swatch, text-colour swatch or font button.
    void bgColorClicked(int row);
    void fgColorClicked(int row);
    void fontClicked(int row);
    // Ctrl+V on a row's swatch: a colour from the clipboard's text is asked for.
    void pasteColorAsked(int row, EditorPanel::Swatch swatch);
    // The user moved to another row.
    void currentRowChanged(int row);
    // "Make It Pass" chosen in the context menu of text row `row` (1..12).
    void makeItPassClicked(int row);
    // "Lock Colour" chosen in a swatch's context menu: `locked` is its new state.
    void lockClicked(int row, EditorPanel::Swatch swatch, bool locked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        QLabel* name = nullptr;
        ColorSwatch* text = nullptr; // none in row 0
        ColorSwatch* background = nullptr;
        QPushButton* font = nullptr;      // row 0's is hidden and idle
        ContrastMark* contrast = nullptr; // none in row 0
        QAction* lockText = nullptr;      // none in row 0
        QAction* lockBackground = nullptr;
    };

    void buildTitles();
    void buildRow(int row);
    void buildTextSwatch(int row, const QString& caption);
    void buildFontButton(int row, const QString& caption);
    // The context menu of a text row's every part.
    void buildRowMenu(int row);
    // A swatch's "Lock Colour", after what its menu offers already.
    QAction* buildLockAction(int row, Swatch swatch);
    void buildUnusedFontButton();
    void setReadingTabOrder();
    const Row& row(int index) const;
    ColorSwatch* swatch(int index, Swatch which) const;
    void showFont(Procedure& proc, int row, const ColorScheme& scheme);
    void setCurrentRow(int row);

    std::array<Row, EditorRowCount> rows_{};
    EditorOptions* options_ = nullptr;
    int currentRow_ = -1;
};
