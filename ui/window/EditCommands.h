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
// one step of the document, and the preview options.
class EditCommands : public QObject {
    Q_OBJECT

public:
    EditCommands(SchemeDocument& document, const std::unique_ptr<DialogService>& dialogs,
                 EditorPanel& editor, PreviewPage& preview, RememberCommands& remembered);

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
    // A colour or font dialog for row `index`.
    void lblBGColorSelect_Click(int index);
    void lblFGColorSelect_Click(int index);
    void cmdFontSelect_Click(int index);
    // The colour dialog started from the colour a row's swatch shows; the swatch then
    // shows the choice. Nothing when the row has no such swatch or the dialog was
    // cancelled.
    std::optional<qint32> chooseSwatchColor(Procedure& proc, int index, EditorPanel::Swatch swatch);

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
