#pragma once

#include <QList>
#include <QObject>

#include <memory>
#include <optional>

class DialogService;
class EditorPanel;
class Procedure;
class QAction;
class QMenu;
struct ColorScheme;
struct SiteFileCommand;
class SchemeDocument;
class ThemesMenu;
struct WindowFolders;

// The File menu's way to and from web sites: the scheme exported as a new theme folder,
// which joins the Themes menu, or as one style sheet, and a style sheet's custom
// properties imported as one step. A style sheet follows the preview options as the
// editor panel shows them. The Export submenu writes the files a site's own build
// takes (design tokens, a Tailwind theme, SCSS variables), and a token file is
// imported as a style sheet is.
class ExchangeCommands : public QObject {
    Q_OBJECT

public:
    ExchangeCommands(SchemeDocument& document, const std::unique_ptr<DialogService>& dialogs,
                     const EditorPanel& editor, const WindowFolders& folders, ThemesMenu& themes);
    ~ExchangeCommands() override;

    // In menu order.
    QList<QAction*> actions() const { return actions_; }

private:
    void mnuFileExportTheme_Click();
    void mnuFileExportCss_Click();
    void mnuFileImportCss_Click();
    void mnuFileImportTokens_Click();
    // Design tokens, Tailwind or SCSS, as the command says.
    void exportSiteFile(const SiteFileCommand& command);
    // The name for a new theme, asked until it is one a theme folder can have;
    // nullopt when the user cancelled.
    std::optional<QString> askThemeName(const QString& offered);
    // The filter and default ending for the save and open dialogs.
    void prepareFileDialog(Procedure& proc, const QString& filter, const QString& extension);
    // Offers the scheme's name with `ending` in the save dialog, beside the scheme file.
    void offerFileName(Procedure& proc, const QString& ending);
    // Reads the file the dialog chose with `read` and applies it as one step, after one
    // box listing what could not be read; `nothingFound` (with the file's title for %1)
    // says why a file that set nothing changes nothing.
    using SchemeImporter = std::optional<ColorScheme> (*)(Procedure&, const ColorScheme&,
                                                          const QString&, int*);
    void importChosen(Procedure& proc, SchemeImporter read, const QString& nothingFound);

    SchemeDocument& document_;
    const std::unique_ptr<DialogService>& cdbMain_;
    const EditorPanel& editor_;
    const WindowFolders& folders_;
    ThemesMenu& themes_;
    QList<QAction*> actions_;
    std::unique_ptr<QMenu> exportMenu_;
};
