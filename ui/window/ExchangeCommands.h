#pragma once

#include <QList>
#include <QObject>

#include <memory>
#include <optional>

class DialogService;
class EditorPanel;
class Procedure;
class QAction;
class SchemeDocument;
class ThemesMenu;
struct WindowFolders;

// The File menu's way to and from web sites: the scheme exported as a new theme folder,
// which joins the Themes menu, or as one style sheet, and a style sheet's custom
// properties imported as one step. A style sheet follows the preview options as the
// editor panel shows them.
class ExchangeCommands : public QObject {
    Q_OBJECT

public:
    ExchangeCommands(SchemeDocument& document, const std::unique_ptr<DialogService>& dialogs,
                     const EditorPanel& editor, const WindowFolders& folders, ThemesMenu& themes);

    // In menu order.
    QList<QAction*> actions() const { return actions_; }

private:
    void mnuFileExportTheme_Click();
    void mnuFileExportCss_Click();
    void mnuFileImportCss_Click();
    // The name for a new theme, asked until it is one a theme folder can have;
    // nullopt when the user cancelled.
    std::optional<QString> askThemeName(const QString& offered);
    // The style-sheet filter for the save and open dialogs.
    void prepareCssFileDialog(Procedure& proc);

    SchemeDocument& document_;
    const std::unique_ptr<DialogService>& cdbMain_;
    const EditorPanel& editor_;
    const WindowFolders& folders_;
    ThemesMenu& themes_;
    QList<QAction*> actions_;
};
