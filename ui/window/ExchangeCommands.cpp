// The File menu's way to and from web sites: the scheme exported as a new theme
// folder or as one style sheet, and a style sheet's custom properties imported.
#include "ui/window/ExchangeCommands.h"

#include "document/SchemeDocument.h"
#include "export/CssExport.h"
#include "export/CssImport.h"
#include "export/DesignTokens.h"
#include "export/ExamplePage.h"
#include "export/ExportNames.h"
#include "export/SiteVariables.h"
#include "export/ThemeExport.h"
#include "framework/ErrorHandler.h"
#include "framework/Procedure.h"
#include "scheme/SchemeDiff.h"
#include "theme/ChooseTheme.h"
#include "ui/dialogs/DialogService.h"
#include "ui/editor/EditorOptions.h"
#include "ui/editor/EditorPanel.h"
#include "ui/preview/PreviewPictures.h"
#include "ui/window/ThemesMenu.h"
#include "ui/window/WindowFolders.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

// One command of File > Export for a site's own build: its action, its dialog's filter
// and ending, and the format (none: design tokens).
struct SiteFileCommand {
    const char* name;
    const char* text;
    const char* filter;
    const char* ending;
    std::optional<SiteFormat> format;
};

namespace {
const QString CssExtension = QStringLiteral("css");

const SiteFileCommand SiteFileCommands[] = {
    {"mnuFileExportTokens", QT_TRANSLATE_NOOP("ExchangeCommands", "Design &Tokens..."),
     QT_TRANSLATE_NOOP("ExchangeCommands", "Design Tokens (*.json)|*.json|All Files (*.*)|*.*"),
     "tokens.json", std::nullopt},
    {"mnuFileExportTailwind", QT_TRANSLATE_NOOP("ExchangeCommands", "Tai&lwind..."),
     QT_TRANSLATE_NOOP("ExchangeCommands", "Style Sheet (*.css)|*.css|All Files (*.*)|*.*"), "css",
     SiteFormat::Tailwind},
    {"mnuFileExportScss", QT_TRANSLATE_NOOP("ExchangeCommands", "&SCSS..."),
     QT_TRANSLATE_NOOP("ExchangeCommands", "SCSS (*.scss)|*.scss|All Files (*.*)|*.*"), "scss",
     SiteFormat::Scss},
};

// The name the scheme goes by, offered for what is made of it.
QString offeredName(const ColorScheme& scheme, bool hasFile) {
    if (hasFile)
        return QFileInfo(scheme.SchemeFileName).completeBaseName();
    return scheme.ThemeName == QLatin1String("Default") ? QString() : scheme.ThemeName;
}
} // namespace

ExchangeCommands::ExchangeCommands(SchemeDocument& document,
                                   const std::unique_ptr<DialogService>& dialogs,
                                   const EditorPanel& editor, const WindowFolders& folders,
                                   ThemesMenu& themes)
    : QObject(&themes), document_(document), cdbMain_(dialogs), editor_(editor), folders_(folders),
      themes_(themes) {
    struct Command {
        const char* name;
        QString text;
        void (ExchangeCommands::*handler)();
    };
    const auto add = [this](const char* name, const QString& text) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    const Command commands[] = {
        {"mnuFileExportTheme", tr("&Export Theme..."), &ExchangeCommands::mnuFileExportTheme_Click},
        {"mnuFileExportCss", tr("Export &CSS..."), &ExchangeCommands::mnuFileExportCss_Click},
        {"mnuFileImportCss", tr("&Import CSS..."), &ExchangeCommands::mnuFileImportCss_Click},
        {"mnuFileImportTokens", tr("Import Design &Tokens..."),
         &ExchangeCommands::mnuFileImportTokens_Click},
    };
    for (const Command& command : commands) {
        QAction* action = add(command.name, command.text);
        connect(action, &QAction::triggered, this, command.handler);
        actions_.append(action);
    }
    // The site's build formats in a submenu of their own, after Export CSS.
    exportMenu_ = std::make_unique<QMenu>(tr("E&xport"));
    exportMenu_->menuAction()->setObjectName(QStringLiteral("mnuFileExport"));
    for (const SiteFileCommand& command : SiteFileCommands) {
        QAction* action = add(command.name, tr(command.text));
        connect(action, &QAction::triggered, this, [this, &command] { exportSiteFile(command); });
        exportMenu_->addAction(action);
    }
    actions_.insert(2, exportMenu_->menuAction());
}

ExchangeCommands::~ExchangeCommands() = default;

std::optional<QString> ExchangeCommands::askThemeName(const QString& offered) {
    QString name = offered;
    for (;;) {
        const std::optional<QString> typed =
            cdbMain_->askText(tr("Export Theme"), tr("Name of the new theme:"), name);
        if (!typed)
            return std::nullopt;
        // Blanks at either end are slips of the keyboard, never part of a folder name.
        name = typed->trimmed();
        const QString problem = themeNameProblem(name);
        if (problem.isEmpty())
            return name;
        errorPrompt().inform(
            tr("The theme cannot be named \"%1\": %2.").arg(visibleName(name), problem));
    }
}

void ExchangeCommands::mnuFileExportTheme_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuFileExportTheme_Click"));
    const QString& themesDir = folders_.themesDir;
    QString offered = offeredName(document_.scheme(), document_.hasFile());
    std::optional<QString> name;
    ExistingOutput existing = ExistingOutput::Keep;
    for (;;) {
        name = askThemeName(offered);
        if (!name)
            return;
        const QString folder = QDir(themesDir).filePath(*name);
        if (!QFileInfo::exists(folder) && !QFileInfo(folder).isSymLink())
            break;
        // No keeps the theme there and asks for another name.
        if (cdbMain_->askYesNo(
                tr("Export Theme"),
                tr("The theme \"%1\" exists already.\n\nDo you want to replace it?").arg(*name))) {
            existing = ExistingOutput::Replace;
            break;
        }
        offered = *name;
    }
    proc.TaskDetail = QDir(themesDir).filePath(*name);
    if (!exportTheme(proc, document_.scheme(), themesDir, *name, existing,
                     PreviewPictures::isPicture))
        return;
    themes_.rebuild();
    // Start-up lists only the themes the machine's theme folders offer when they offer
    // any; the theme just made is there to choose all the same.
    if (!themes_.lists(*name))
        themes_.addItem(*name);
}

void ExchangeCommands::prepareFileDialog(Procedure& proc, const QString& filter,
                                         const QString& extension) {
    proc.step([&] {
        cdbMain_->Filter = filter;
        cdbMain_->FilterIndex = 1;
        cdbMain_->DefaultExt = extension;
    });
    if (!document_.hasFile())
        proc.step([&] { cdbMain_->InitDir = folders_.schemesDir; });
}

void ExchangeCommands::offerFileName(Procedure& proc, const QString& ending) {
    const QString offered = offeredName(document_.scheme(), document_.hasFile());
    proc.step([&] {
        const QString name =
            (offered.isEmpty() ? QStringLiteral("theme") : offered) + QLatin1Char('.') + ending;
        cdbMain_->FileName =
            document_.hasFile() ? QFileInfo(document_.fileName()).dir().filePath(name) : name;
    });
}

void ExchangeCommands::mnuFileExportCss_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuFileExportCss_Click"));
    prepareFileDialog(proc, tr("Style Sheet (*.css)|*.css|All Files (*.*)|*.*"), CssExtension);
    offerFileName(proc, CssExtension);
    if (!showDialog(proc, *cdbMain_, DialogService::Dialog::Save))
        return;
    // The save dialog asked before it let an existing file be chosen; the example page
    // beside it is a file of the user's too.
    const QString path = cdbMain_->FileName;
    const QString page = examplePagePath(path);
    if (QFileInfo::exists(page) &&
        !cdbMain_->askYesNo(tr("Export CSS"),
                            tr("The example page \"%1\" exists already.\n\nDo you want to "
                               "replace it?")
                                .arg(QFileInfo(page).fileName())))
        return;
    proc.TaskDetail = path;
    // The rules follow the preview as the window shows it.
    exportCss(
        proc, document_.scheme(), path, ExistingOutput::Replace, PreviewPictures::isPicture,
        {editor_.options().backgroundPictureShown(), !editor_.options().transparentLabelsShown()});
}

void ExchangeCommands::exportSiteFile(const SiteFileCommand& command) {
    Procedure proc(QStringLiteral("frmMain.%1_Click").arg(QLatin1String(command.name)));
    const QString ending = QLatin1String(command.ending);
    // The dialog appends the last part of the ending to a name typed without one.
    prepareFileDialog(proc, tr(command.filter), ending.section(QLatin1Char('.'), -1));
    offerFileName(proc, ending);
    if (!showDialog(proc, *cdbMain_, DialogService::Dialog::Save))
        return;
    const QString path = cdbMain_->FileName;
    const ColorScheme& scheme = document_.scheme();
    if (!command.format &&
        (scheme.hasVariant(Variant::Dark) || scheme.hasVariant(Variant::Contrast))) {
        // The save dialog asked about the token file; the variants' files and the
        // resolver beside it are files of the user's too.
        const DesignTokenFiles files = designTokenFiles(path);
        QStringList existing;
        for (const QString& file : {files.dark, files.contrast, files.resolver})
            if (QFileInfo::exists(file))
                existing << QStringLiteral("\"%1\"").arg(QFileInfo(file).fileName());
        if (!existing.isEmpty() &&
            !cdbMain_->askYesNo(tr("Export Design Tokens"),
                                tr("%1 exist already.\n\nDo you want to replace them?")
                                    .arg(existing.join(QStringLiteral(", ")))))
            return;
    }
    proc.TaskDetail = path;
    if (command.format)
        exportSiteVariables(proc, scheme, *command.format, path, ExistingOutput::Replace);
    else
        exportDesignTokens(proc, scheme, path, ExistingOutput::Replace);
}

void ExchangeCommands::importChosen(Procedure& proc, SchemeImporter read,
                                    const QString& nothingFound) {
    const QString path = cdbMain_->FileName;
    int found = 0;
    std::optional<ColorScheme> imported;
    QStringList errors;
    {
        // However many values are bad, the user hears of them in one box.
        CollectingErrorPrompt collecting;
        imported = read(proc, document_.scheme(), path, &found);
        errors = collecting.lines;
    }
    if (!errors.isEmpty())
        errorPrompt().informList(tr("%1 could not be imported whole; what could not be read "
                                    "was left as it was:")
                                     .arg(fileTitleOf(path)),
                                 errors);
    if (!imported)
        return;
    if (found == 0) {
        errorPrompt().inform(nothingFound.arg(fileTitleOf(path)));
        return;
    }
    const ColorScheme& current = document_.scheme();
    // The variants and locks are no attributes of the scheme file's elements.
    if (schemeDifferences(current, *imported).isEmpty() &&
        imported->DarkColors == current.DarkColors &&
        imported->ContrastColors == current.ContrastColors &&
        imported->LockedColors == current.LockedColors) {
        errorPrompt().inform(tr("The scheme has the values of %1 already; nothing was changed.")
                                 .arg(fileTitleOf(path)));
        return;
    }
    document_.apply(tr("Import %1").arg(fileTitleOf(path)), *imported,
                    SchemeDocument::Redraw::PreviewAndPanel);
}

void ExchangeCommands::mnuFileImportCss_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuFileImportCss_Click"));
    prepareFileDialog(proc, tr("Style Sheet (*.css)|*.css|All Files (*.*)|*.*"), CssExtension);
    if (!showDialog(proc, *cdbMain_, DialogService::Dialog::Open))
        return;
    importChosen(proc, importCss,
                 tr("%1 holds no Tintora colour scheme: none of its \":root\" rules sets a "
                    "--tintora- property.\n\nNothing was changed."));
}

void ExchangeCommands::mnuFileImportTokens_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuFileImportTokens_Click"));
    prepareFileDialog(proc, tr("Design Tokens (*.json)|*.json|All Files (*.*)|*.*"),
                      QStringLiteral("json"));
    if (!showDialog(proc, *cdbMain_, DialogService::Dialog::Open))
        return;
    importChosen(proc, importDesignTokens,
                 tr("%1 holds no Tintora colour scheme: none of its groups is named as an "
                    "element (banner, body, h1 ...).\n\nNothing was changed."));
}
