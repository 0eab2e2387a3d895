// The editor panel's colour and font edits of the main window: each handler asks its
// dialog, lets the panel show the choice, then makes one edit of the scheme.
#include "ui/frmMain.h"

#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "ui/DialogService.h"
#include "ui/EditorPanel.h"
#include "ui/PreviewPage.h"

namespace {
constexpr int ColorDialogFlags = 3; // start from the given colour, custom part open
constexpr int FontDialogFlags = 3;  // screen and printer fonts

// The font slot of editor row `index` (1..12).
int fontSlotOfRow(int index) {
    const ThemeElement* element = elementForRow(index);
    if (!element || element->fontSlot == NoSlot)
        raiseError(Err::SubscriptOutOfRange);
    return element->fontSlot;
}

int colorSlotOfRow(int index) {
    const ThemeElement* element = elementForRow(index);
    if (index < 1 || !element || element->colorSlot == NoSlot)
        raiseError(Err::SubscriptOutOfRange);
    return element->colorSlot;
}

int styleCode(bool bold, bool italic) {
    return (bold ? 2 : 0) + (italic ? 1 : 0);
}
} // namespace

void frmMain::SchemeEdited(Procedure& proc, bool fontChosen) {
    scheme_.SchemeChanged = true;
    UpdateFormCaption(scheme_.SchemeFileName);
    refreshPreview(proc);
    if (fontChosen)
        SetFontsAndColors();
}

void frmMain::editPageBackground(Procedure& proc, qint32 color) {
    proc.step([&] { scheme_.pageBackground() = color; });
    SchemeEdited(proc, false);
}

void frmMain::editTextColor(Procedure& proc, int row, qint32 color) {
    proc.step([&] { scheme_.color(ColorAttr::Fore, colorSlotOfRow(row)) = color; });
    SchemeEdited(proc, false);
}

void frmMain::editFont(Procedure& proc, int firstRow, int lastRow, const ElementFont& font) {
    for (int row = firstRow; row <= lastRow; ++row) {
        proc.step([&] {
            const int slot = fontSlotOfRow(row);
            scheme_.font(FontAttr::Face, slot) = font.face;
            scheme_.font(FontAttr::Size, slot) = font.size;
            scheme_.font(FontAttr::Style, slot) = font.style;
        });
    }
    SchemeEdited(proc, true);
}

std::optional<qint32> frmMain::chooseSwatchColor(Procedure& proc, int index,
                                                 EditorPanel::Swatch swatch) {
    qint32 shown = 0;
    if (!proc.step([&] { shown = editor->colorShown(index, swatch); }))
        return std::nullopt;
    proc.step([&] {
        cdbMain_->Flags = ColorDialogFlags;
        cdbMain_->Color = shown;
    });
    // A cancelled dialog ends the edit: nothing is stored or marked changed.
    if (!showDialog(proc, *cdbMain_, DialogService::Dialog::Color))
        return std::nullopt;
    const qint32 chosen = cdbMain_->Color;
    proc.step([&] { editor->showColor(index, swatch, chosen); });
    return chosen;
}

void frmMain::lblBGColorSelect_Click(int index) {
    Procedure proc(QStringLiteral("frmMain.lblBGColorSelect_Click"));
    const std::optional<qint32> chosen =
        chooseSwatchColor(proc, index, EditorPanel::Swatch::Background);
    if (!chosen)
        return;
    if (editor->copyBackgroundToEveryRow())
        proc.step([&] { editor->showBackgroundInEveryRow(*chosen); });
    // Whichever row it was chosen in, a background colour is the page background;
    // the row's own element keeps its BackColor.
    editPageBackground(proc, *chosen);
}

void frmMain::lblFGColorSelect_Click(int index) {
    Procedure proc(QStringLiteral("frmMain.lblFGColorSelect_Click"));
    const std::optional<qint32> chosen = chooseSwatchColor(proc, index, EditorPanel::Swatch::Text);
    if (chosen)
        editTextColor(proc, index, *chosen);
}

void frmMain::cmdFontSelect_Click(int index) {
    Procedure proc(QStringLiteral("frmMain.cmdFontSelect_Click"));
    int slot = 0;
    QFont shown;
    if (!proc.step([&] {
            shown = editor->fontShown(index);
            slot = fontSlotOfRow(index);
        }))
        return;
    // The dialog starts from the font the row's button shows, with the family as the
    // scheme writes it; its size comes from the element, and a size that is no number
    // is this handler's error.
    proc.step([&] {
        const QString written = scheme_.font(FontAttr::Face, slot).toText();
        cdbMain_->FontBold = shown.bold();
        cdbMain_->FontItalic = shown.italic();
        cdbMain_->FontName = written.isEmpty() ? shown.family() : written;
        cdbMain_->FontUnderline = shown.underline();
    });
    proc.step([&] { cdbMain_->FontSize = scheme_.font(FontAttr::Size, slot).toSingle(); });
    proc.step([&] { cdbMain_->Flags = FontDialogFlags; });
    if (!showDialog(proc, *cdbMain_, DialogService::Dialog::Font))
        return;

    const ElementFont chosen{
        SchemeValue::text(ProperCase(cdbMain_->FontName)), SchemeValue::single(cdbMain_->FontSize),
        SchemeValue::integer(styleCode(cdbMain_->FontBold, cdbMain_->FontItalic))};
    if (editor->takeCopyFontToEveryRow())
        editFont(proc, 1, EditorRowCount - 1, chosen);
    else
        editFont(proc, index, index, chosen);
}
