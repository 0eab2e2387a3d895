// The File menu's way to and from web sites: the scheme exported as a new theme
// folder or as one style sheet, and a style sheet's custom properties imported.
#include "ui/window/ExchangeCommands.h"

#include "document/SchemeDocument.h"
#include "export/CssExport.h"
#include "export/CssImport.h"
#include "export/ExamplePage.h"
#include "export/ExportNames.h"
#include "export/ThemeExport.h"
#include "framework/ErrorHandler.h"
#include "framework/Procedure.h"
#include "scheme/SchemeDiff.h"
#include "theme/ChooseTheme.h"
#include "ui/dialogs/DialogService.h"
#include "ui/editor/EditorPanel.h"
#include "ui/preview/PreviewPictures.h"
#include "ui/window/ThemesMenu.h"
#include "ui/window/WindowFolders.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace {
const QString CssExtension = QStringLiteral("css");

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
    const Command commands[] = {
        {"mnuFileExportTheme", tr("&Export Theme..."), &ExchangeCommands::mnuFileExportTheme_Click},
        {"mnuFileExportCss", tr("Export &CSS..."), &ExchangeCommands::mnuFileExportCss_Click},
        {"mnuFileImportCss", tr("&Import CSS..."), &ExchangeCommands::mnuFileImportCss_Click},
    };
    for (const Command& command : commands) {
        auto* action = new QAction(command.text, this);
        action->setObjectName(QLatin1String(command.name));
        connect(action, &QAction::triggered, this, command.handler);
        actions_.append(action);
    }
}

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

void ExchangeCommands::prepareCssFileDialog(Procedure& proc) {
    proc.step([&] {
        cdbMain_->Filter = tr("Style Sheet (*.css)|*.css|All Files (*.*)|*.*");
        cdbMain_->FilterIndex = 1;
        cdbMain_->DefaultExt = CssExtension;
    });
    if (!document_.hasFile())
        proc.step([&] { cdbMain_->InitDir = folders_.schemesDir; });
}

void ExchangeCommands::mnuFileExportCss_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuFileExportCss_Click"));
    prepareCssFileDialog(proc);
    const QString offered = offeredName(document_.scheme(), document_.hasFile());
    proc.step([&] {
        const QString name = (offered.isEmpty() ? QStringLiteral("theme") : offered) +
                             QLatin1Char('.') + CssExtension;
        cdbMain_->FileName =
            document_.hasFile() ? QFileInfo(document_.fileName()).dir().filePath(name) : name;
    });
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
    exportCss(proc, document_.scheme(), path, ExistingOutput::Replace, PreviewPictures::isPicture,
              {editor_.backgroundPictureShown(), !editor_.transparentLabelsShown()});
}

void ExchangeCommands::mnuFileImportCss_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuFileImportCss_Click"));
    prepareCssFileDialog(proc);
    if (!showDialog(proc, *cdbMain_, DialogService::Dialog::Open))
        return;
    const QString path = cdbMain_->FileName;
    int found = 0;
    std::optional<ColorScheme> imported;
    QStringList errors;
    {
        // However many values are bad, the user hears of them in one box.
        CollectingErrorPrompt collecting;
        imported = importCss(proc, document_.scheme(), path, &found);
        errors = collecting.lines;
    }
    if (!errors.isEmpty())
        errorPrompt().inform(tr("%1 could not be imported whole; what could not be read was "
                                "left as it was:")
                                 .arg(fileTitleOf(path)) +
                             QStringLiteral("\n\n") + errors.join(QLatin1Char('\n')));
    if (!imported)
        return;
    if (found == 0) {
        errorPrompt().inform(tr("%1 holds no Tintora colour scheme: none of its \":root\" rules "
                                "sets a --tintora- property.\n\nNothing was changed.")
                                 .arg(fileTitleOf(path)));
        return;
    }
    if (schemeDifferences(document_.scheme(), *imported).isEmpty()) {
        errorPrompt().inform(tr("The scheme has the values of %1 already; nothing was changed.")
                                 .arg(fileTitleOf(path)));
        return;
    }
    document_.apply(tr("Import %1").arg(fileTitleOf(path)), *imported,
                    SchemeDocument::Redraw::PreviewAndPanel);
}
