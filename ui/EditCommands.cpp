// The editor panel's colour and font edits of the main window.
#include "ui/frmMain.h"

#include <optional>

#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "ui/ColorSwatch.h"
#include "ui/DialogService.h"
#include "ui/EditorPanel.h"
#include "ui/PreviewPage.h"

#include <QCheckBox>
#include <QPushButton>

namespace {
constexpr int ColorDialogFlags = 3; // start from the given colour, custom part open
constexpr int FontDialogFlags = 3;  // screen and printer fonts

// The control of row `index` in one of the panel's arrays; error 9 for a row the
// array has no member for.
template <class Control, std::size_t N>
Control* rowControl(const std::array<Control*, N>& controls, int index) {
    if (index < 0 || index >= static_cast<int>(N) || !controls[static_cast<std::size_t>(index)])
        raiseError(Err::SubscriptOutOfRange);
    return controls[static_cast<std::size_t>(index)];
}

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
    proc.step([&] { picDisplay->DisplayRefresh(scheme_); });
    if (fontChosen)
        SetFontsAndColors();
}

std::optional<qint32> frmMain::chooseSwatchColor(Procedure& proc, ColorSwatch* swatch) {
    proc.step([&] {
        cdbMain_->Flags = ColorDialogFlags;
        cdbMain_->Color = swatch->colorValue();
    });
    // A cancelled dialog ends the edit: nothing is stored or marked changed.
    if (!showDialog(proc, *cdbMain_, DialogService::Dialog::Color))
        return std::nullopt;
    const qint32 chosen = cdbMain_->Color;
    proc.step([&] { swatch->setColorValue(chosen); });
    return chosen;
}

void frmMain::lblBGColorSelect_Click(int index) {
    Procedure proc(QStringLiteral("frmMain.lblBGColorSelect_Click"));
    ColorSwatch* swatch = nullptr;
    if (!proc.step([&] { swatch = rowControl(editor->lblBGColorSelect, index); }))
        return;
    const std::optional<qint32> picked = chooseSwatchColor(proc, swatch);
    if (!picked)
        return;
    const qint32 chosen = *picked;
    // Whichever row it was chosen in, a background colour is the page background;
    // the row's own element keeps its BackColor.
    proc.step([&] { scheme_.pageBackground() = chosen; });
    if (editor->chkUseSame[1]->checkState() == Qt::Checked) {
        for (ColorSwatch* each : editor->lblBGColorSelect)
            proc.step([&] { each->setColorValue(chosen); });
    }
    SchemeEdited(proc, false);
}

void frmMain::lblFGColorSelect_Click(int index) {
    Procedure proc(QStringLiteral("frmMain.lblFGColorSelect_Click"));
    ColorSwatch* swatch = nullptr;
    if (!proc.step([&] { swatch = rowControl(editor->lblFGColorSelect, index); }))
        return;
    const std::optional<qint32> chosen = chooseSwatchColor(proc, swatch);
    if (!chosen)
        return;
    proc.step([&] { scheme_.color(ColorAttr::Fore, colorSlotOfRow(index)) = *chosen; });
    SchemeEdited(proc, false);
}

void frmMain::cmdFontSelect_Click(int index) {
    Procedure proc(QStringLiteral("frmMain.cmdFontSelect_Click"));
    int slot = 0;
    QPushButton* button = nullptr;
    if (!proc.step([&] {
            button = rowControl(editor->cmdFontSelect, index);
            slot = fontSlotOfRow(index);
        }))
        return;
    // The dialog starts from the font the row's button shows, with the family as the
    // scheme writes it; its size comes from the element, and a size that is no number
    // is this handler's error.
    proc.step([&] {
        const QFont shown = button->font();
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

    const SchemeValue face = SchemeValue::text(ProperCase(cdbMain_->FontName));
    const SchemeValue size = SchemeValue::single(cdbMain_->FontSize);
    const SchemeValue style =
        SchemeValue::integer(styleCode(cdbMain_->FontBold, cdbMain_->FontItalic));
    QCheckBox* copyFontName = editor->chkUseSame[0];
    const bool toEveryRow = copyFontName->checkState() == Qt::Checked;
    const int first = toEveryRow ? 1 : index;
    const int last = toEveryRow ? EditorRowCount - 1 : index;
    for (int row = first; row <= last; ++row) {
        proc.step([&] {
            const int target = fontSlotOfRow(row);
            scheme_.font(FontAttr::Face, target) = face;
            scheme_.font(FontAttr::Size, target) = size;
            scheme_.font(FontAttr::Style, target) = style;
        });
    }
    // The copy is for one font choice only.
    if (toEveryRow)
        copyFontName->setChecked(false);
    SchemeEdited(proc, true);
}
