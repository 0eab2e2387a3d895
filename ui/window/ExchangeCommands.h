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
struct ExportFormat;
struct ExportRequest;
class SchemeDocument;
class ThemesMenu;
struct WindowFolders;

// The File menu's way to and from other programs, built from the table of export
// formats: File > Export holds one item per format (the scheme as a theme folder,
// which joins the Themes menu, as a style sheet, as design tokens, ...), and each
// format that can be read back has its Import item, which applies the file as one
// step. A style sheet follows the preview options as the editor panel shows them. An
// export that fails says so in one box naming its folder; one that succeeds says in
// the status bar what it wrote where, and what of the scheme it could not carry.
class ExchangeCommands : public QObject {
    Q_OBJECT

public:
    ExchangeCommands(SchemeDocument& document, const std::unique_ptr<DialogService>& dialogs,
                     const EditorPanel& editor, const WindowFolders& folders, ThemesMenu& themes);
    ~ExchangeCommands() override;

    // In menu order: the Export submenu's own item, then the imports.
    QList<QAction*> actions() const { return actions_; }

Q_SIGNALS:
    // A sentence for the status bar.
    void tell(const QString& message);

private:
    void exportTo(const ExportFormat& format);
    void importFrom(const ExportFormat& format);
    // Where an export goes, asked of the user; nullopt when they cancelled.
    std::optional<ExportRequest> askFile(Procedure& proc, const ExportFormat& format);
    std::optional<ExportRequest> askTheme();
    // The name for a new theme, asked until it is one a theme folder can have;
    // nullopt when the user cancelled.
    std::optional<QString> askThemeName(const QString& offered);
    // Writes the export, its errors in one box; true when it was written.
    bool write(Procedure& proc, const ExportFormat& format, const ExportRequest& request);
    // The filter, default ending and title for the save and open dialogs.
    void prepareFileDialog(Procedure& proc, const QString& filter, const QString& extension,
                           const QString& title = {});
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
