// The editor panel's colour and font edits of the main window: each handler asks its
// dialog, lets the panel show the choice, then makes one step of the document.
#include "ui/window/EditCommands.h"

#include "document/SchemeDocument.h"

#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "ui/dialogs/DialogService.h"
#include "ui/editor/ColorText.h"
#include "ui/editor/EditorOptions.h"
#include "ui/editor/EditorPanel.h"
#include "ui/editor/ShownNames.h"
#include "ui/preview/PreviewPage.h"
#include "ui/window/RememberCommands.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

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

// Whether a font value chosen in the dialog means what the stored one does: a face in
// another letter case, a size as precise as the dialog keeps it (12 and 12.0, "9.3"
// and 9.3 in single precision).
bool sameFontValue(int attr, const SchemeValue& stored, const SchemeValue& chosen) {
    if (stored == chosen)
        return true;
    if (attr == FontAttr::Face)
        return stored.kind() == SchemeValue::Kind::Text &&
               chosen.kind() == SchemeValue::Kind::Text &&
               stored.toText().compare(chosen.toText(), Qt::CaseInsensitive) == 0;
    const std::optional<double> a = stored.toNumber();
    const std::optional<double> b = chosen.toNumber();
    return attr == FontAttr::Size && a && b && static_cast<float>(*a) == static_cast<float>(*b);
}

// Gives `stored` the chosen value unless they mean the same, so that a value keeps
// the form it was written in. True when `stored` changed.
bool takeUnlessSame(int attr, SchemeValue& stored, const SchemeValue& chosen) {
    if (sameFontValue(attr, stored, chosen))
        return false;
    stored = chosen;
    return true;
}

// The name of editor row `index` as the panel shows it ("Heading 2").
QString rowName(int index) {
    const ThemeElement* element = elementForRow(index);
    if (!element)
        return {};
    return elementCaption(*element);
}
} // namespace

EditCommands::EditCommands(SchemeDocument& document, const std::unique_ptr<DialogService>& dialogs,
                           EditorPanel& editor, PreviewPage& preview, RememberCommands& remembered)
    : QObject(&editor), document_(document), cdbMain_(dialogs), editor_(editor),
      picDisplay_(preview), remembered_(remembered) {
    connect(&editor_.options(), &EditorOptions::backgroundPictureClicked, this,
            &EditCommands::Check1_Click);
    connect(&editor_.options(), &EditorOptions::transparentLabelsClicked, this,
            &EditCommands::chkTransLabels_Click);
    connect(&editor_, &EditorPanel::pasteColorAsked, this, &EditCommands::pasteColor);
    connect(&editor_, &EditorPanel::bgColorClicked, this, &EditCommands::lblBGColorSelect_Click);
    connect(&editor_, &EditorPanel::fgColorClicked, this, &EditCommands::lblFGColorSelect_Click);
    connect(&editor_, &EditorPanel::fontClicked, this, &EditCommands::cmdFontSelect_Click);
}

void EditCommands::Check1_Click(Qt::CheckState state) {
    Procedure proc(QStringLiteral("frmMain.Check1_Click"));
    // A greyed box changes nothing.
    if (state != Qt::PartiallyChecked)
        proc.step([&] { picDisplay_.setBackgroundPictureVisible(state == Qt::Checked); });
    remembered_.rememberPreviewOptions();
}

void EditCommands::chkTransLabels_Click(Qt::CheckState state) {
    Procedure proc(QStringLiteral("frmMain.chkTransLabels_Click"));
    if (state != Qt::PartiallyChecked)
        proc.step([&] { picDisplay_.setOverPictureLabelsTransparent(state == Qt::Checked); });
    remembered_.rememberPreviewOptions();
}

// A chosen colour is on the swatch already: the panel is not shown afresh, so a
// background chosen in one row shows there until the next refresh, as always.
void EditCommands::editPageBackground(Procedure& proc, qint32 color, const QString& stepName) {
    // OK on the colour the page has already is no change and no step.
    ColorScheme changed = document_.shown();
    if (changed.pageBackground() == color)
        return;
    proc.step([&] { changed.pageBackground() = color; });
    document_.applyShown(stepName, changed, SchemeDocument::Redraw::Preview);
}

void EditCommands::editTextColor(Procedure& proc, int row, qint32 color) {
    ColorScheme changed = document_.shown();
    bool same = false;
    proc.step([&] {
        qint32& stored = changed.color(ColorAttr::Fore, colorSlotOfRow(row));
        same = stored == color;
        stored = color;
    });
    if (same)
        return;
    document_.applyShown(tr("%1 colour").arg(rowName(row)), changed,
                         SchemeDocument::Redraw::Preview);
}

void EditCommands::editFont(Procedure& proc, int firstRow, int lastRow, const ElementFont& font,
                            const QString& stepName) {
    ColorScheme changed = document_.shown();
    bool anyChange = false;
    for (int row = firstRow; row <= lastRow; ++row) {
        proc.step([&] {
            const int slot = fontSlotOfRow(row);
            for (const auto& [attr, value] :
                 {std::pair{FontAttr::Face, &font.face}, std::pair{FontAttr::Size, &font.size},
                  std::pair{FontAttr::Style, &font.style}})
                anyChange |= takeUnlessSame(attr, changed.font(attr, slot), *value);
        });
    }
    // OK on the font a row has already is no change and no step.
    if (anyChange)
        document_.applyShown(stepName, changed, SchemeDocument::Redraw::PreviewAndPanel);
}

std::optional<qint32> EditCommands::chooseSwatchColor(Procedure& proc, int index,
                                                      EditorPanel::Swatch swatch) {
    qint32 shown = 0;
    if (!proc.step([&] { shown = editor_.colorShown(index, swatch); }))
        return std::nullopt;
    proc.step([&] {
        cdbMain_->Color = shown;
        cdbMain_->ColorTitle = editor_.swatchCaption(index, swatch);
    });
    // A cancelled dialog ends the edit: nothing is stored or marked changed.
    if (!showDialog(proc, *cdbMain_, DialogService::Dialog::Color))
        return std::nullopt;
    return cdbMain_->Color;
}

void EditCommands::lblBGColorSelect_Click(int index) {
    Procedure proc(QStringLiteral("frmMain.lblBGColorSelect_Click"));
    const std::optional<qint32> chosen =
        chooseSwatchColor(proc, index, EditorPanel::Swatch::Background);
    if (chosen)
        storeSwatchColor(proc, index, EditorPanel::Swatch::Background, *chosen);
}

void EditCommands::lblFGColorSelect_Click(int index) {
    Procedure proc(QStringLiteral("frmMain.lblFGColorSelect_Click"));
    const std::optional<qint32> chosen = chooseSwatchColor(proc, index, EditorPanel::Swatch::Text);
    if (chosen)
        storeSwatchColor(proc, index, EditorPanel::Swatch::Text, *chosen);
}

void EditCommands::storeSwatchColor(Procedure& proc, int index, EditorPanel::Swatch swatch,
                                    qint32 color) {
    proc.step([&] { editor_.showColor(index, swatch, color); });
    if (swatch == EditorPanel::Swatch::Text) {
        editTextColor(proc, index, color);
        return;
    }
    const bool everyRow = editor_.options().copyBackgroundToEveryRow();
    if (everyRow)
        proc.step([&] { editor_.showBackgroundInEveryRow(color); });
    // Whichever row it was chosen in, a background colour is the page background;
    // the row's own element keeps its BackColor.
    editPageBackground(proc, color,
                       everyRow ? tr("Copy Background") : tr("%1 colour").arg(rowName(0)));
}

void EditCommands::pasteColor(int index, EditorPanel::Swatch swatch) {
    Procedure proc(QStringLiteral("frmMain.pasteColor"));
    const QString text = QGuiApplication::clipboard()->text();
    const std::optional<qint32> color = colorFromText(text);
    if (!color) {
        const QString shown = text.simplified();
        Q_EMIT tell(
            shown.isEmpty()
                ? tr("The clipboard holds no text to paste as a colour.")
                : tr("\"%1\" is no colour: paste #RRGGBB, #RGB, rgb(r, g, b) or a "
                     "colour name.")
                      .arg(shown.size() > 40 ? shown.left(40) + QStringLiteral("…") : shown));
        return;
    }
    storeSwatchColor(proc, index, swatch, *color);
}

void EditCommands::cmdFontSelect_Click(int index) {
    Procedure proc(QStringLiteral("frmMain.cmdFontSelect_Click"));
    int slot = 0;
    QFont shown;
    if (!proc.step([&] {
            shown = editor_.fontShown(index);
            slot = fontSlotOfRow(index);
        }))
        return;
    // The dialog starts from the font the row's button shows, with the family as the
    // scheme writes it; its size comes from the element, and a size that is no number
    // is this handler's error.
    proc.step([&] {
        const QString written = document_.scheme().font(FontAttr::Face, slot).toText();
        cdbMain_->FontBold = shown.bold();
        cdbMain_->FontItalic = shown.italic();
        cdbMain_->FontName = written.isEmpty() ? shown.family() : written;
        cdbMain_->FontUnderline = shown.underline();
    });
    proc.step(
        [&] { cdbMain_->FontSize = document_.scheme().font(FontAttr::Size, slot).toSingle(); });
    if (!showDialog(proc, *cdbMain_, DialogService::Dialog::Font))
        return;

    const ElementFont chosen{
        SchemeValue::text(ProperCase(cdbMain_->FontName)), SchemeValue::single(cdbMain_->FontSize),
        SchemeValue::integer(styleCode(cdbMain_->FontBold, cdbMain_->FontItalic))};
    if (editor_.options().takeCopyFontToEveryRow())
        editFont(proc, 1, EditorRowCount - 1, chosen, tr("Copy FontName"));
    else
        editFont(proc, index, index, chosen, tr("%1 font").arg(rowName(index)));
}
