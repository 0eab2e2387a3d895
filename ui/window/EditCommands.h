#pragma once

#include "theme/ColorScheme.h"
#include "ui/editor/EditorPanel.h"

#include <QObject>

#include <memory>
#include <optional>

class DialogService;
class PreviewPage;
class Procedure;
class RememberCommands;
class SchemeDocument;

// The editor panel's clicks: a colour or font dialog for a row, whose choice becomes
// one step of the document, a colour pasted onto a swatch, and the preview options.
// The preview's elements ask for the same dialogs and pastes for their rows.
class EditCommands : public QObject {
    Q_OBJECT

public:
    EditCommands(SchemeDocument& document, const std::unique_ptr<DialogService>& dialogs,
                 EditorPanel& editor, PreviewPage& preview, RememberCommands& remembered);

    // A colour or font dialog for row `index`, the dialog's title naming the row.
    void lblBGColorSelect_Click(int index);
    void lblFGColorSelect_Click(int index);
    void cmdFontSelect_Click(int index);
    // A colour from the clipboard's text onto a row's swatch, one step of the
    // document; text that is no colour is told through `tell` and changes nothing.
    void pasteColor(int index, EditorPanel::Swatch swatch);

Q_SIGNALS:
    // A message for the status bar.
    void tell(const QString& message);

private:
    // One font as the font dialog gives it: FontName, FontSize and FontStyle.
    struct ElementFont {
        SchemeValue face;
        SchemeValue size;
        SchemeValue style;
    };

    // The preview options, as their boxes were clicked.
    void Check1_Click(Qt::CheckState state);
    void chkTransLabels_Click(Qt::CheckState state);
    // The colour dialog started from the colour a row's swatch shows; the swatch then
    // shows the choice. Nothing when the row has no such swatch or the dialog was
    // cancelled.
    std::optional<qint32> chooseSwatchColor(Procedure& proc, int index, EditorPanel::Swatch swatch);
    // A colour chosen or pasted for a row's swatch, shown there and stored.
    void storeSwatchColor(Procedure& proc, int index, EditorPanel::Swatch swatch, qint32 color);

    // The edits of the scheme, one way in each: the values stored in a copy of the
    // scheme, which becomes one step of the document named `stepName`.
    void editPageBackground(Procedure& proc, qint32 color, const QString& stepName);
    void editTextColor(Procedure& proc, int row, qint32 color);
    void editFont(Procedure& proc, int firstRow, int lastRow, const ElementFont& font,
                  const QString& stepName);

    SchemeDocument& document_;
    const std::unique_ptr<DialogService>& cdbMain_;
    EditorPanel& editor_;
    PreviewPage& picDisplay_;
    RememberCommands& remembered_;
};
