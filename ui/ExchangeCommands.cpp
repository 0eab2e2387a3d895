// The File menu's way to and from web sites: the scheme exported as a new theme
// folder or as one style sheet, and a style sheet's custom properties imported.
#include "ui/frmMain.h"

#include "export/CssExport.h"
#include "export/CssImport.h"
#include "export/ExamplePage.h"
#include "export/ExportNames.h"
#include "export/ThemeExport.h"
#include "framework/DataFolder.h"
#include "framework/ErrorHandler.h"
#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "scheme/SchemeDiff.h"
#include "startup/ThemeInstaller.h"
#include "theme/ChooseTheme.h"
#include "ui/DialogService.h"
#include "ui/PreviewPictures.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {
const QString CssExtension = QStringLiteral("css");

// The name the scheme goes by, offered for what is made of it.
QString offeredName(const ColorScheme& scheme, bool hasFile) {
    if (hasFile)
        return QFileInfo(scheme.SchemeFileName).completeBaseName();
    return scheme.ThemeName == QLatin1String("Default") ? QString() : scheme.ThemeName;
}
} // namespace

void frmMain::buildExchangeCommands(QMenu* mnuFile, QAction* before) {
    struct Command {
        const char* name;
        QString text;
        void (frmMain::*handler)();
    };
    const Command commands[] = {
        {"mnuFileExportTheme", tr("&Export Theme..."), &frmMain::mnuFileExportTheme_Click},
        {"mnuFileExportCss", tr("Export &CSS..."), &frmMain::mnuFileExportCss_Click},
        {"mnuFileImportCss", tr("&Import CSS..."), &frmMain::mnuFileImportCss_Click},
    };
    for (const Command& command : commands) {
        auto* action = new QAction(command.text, mnuFile);
        action->setObjectName(QLatin1String(command.name));
        connect(action, &QAction::triggered, this, command.handler);
        mnuFile->insertAction(before, action);
    }
    mnuFile->insertSeparator(before)->setObjectName(QStringLiteral("mnuFileSep2"));
}

std::optional<QString> frmMain::askThemeName(const QString& offered) {
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

void frmMain::mnuFileExportTheme_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuFileExportTheme_Click"));
    const QString themesDir = DataFolder::themesDir(globals().StartDir);
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
    rebuildThemesMenu();
    // Start-up lists only the themes the machine's theme folders offer when they offer
    // any; the theme just made is there to choose all the same.
    bool listed = false;
    for (int index = 0; index < themesItemCount(); ++index)
        listed = listed || themesItemCaption(index) == *name;
    if (!listed)
        addThemesItem(*name);
}

void frmMain::rebuildThemesMenu() {
    QStringList captions;
    if (themesLister_) {
        captions = themesLister_();
    } else {
        Procedure proc(QStringLiteral("frmMain.ListThemes"));
        captions = listedThemes(proc, DataFolder::themesDir(globals().StartDir));
    }
    for (QAction* item : std::as_const(mnuThemesItem))
        delete item;
    mnuThemesItem.clear();
    addThemesItem(QStringLiteral("Default"));
    mnuThemesItem.front()->setShortcut(QKeySequence(Qt::Key_F1));
    addThemesItems(captions);
}

void frmMain::prepareCssFileDialog(Procedure& proc) {
    proc.step([&] {
        cdbMain_->Filter = tr("Style Sheet (*.css)|*.css|All Files (*.*)|*.*");
        cdbMain_->FilterIndex = 1;
        cdbMain_->DefaultExt = CssExtension;
    });
    if (!document_.hasFile())
        proc.step([&] { cdbMain_->InitDir = globals().AppDataPath; });
}

void frmMain::mnuFileExportCss_Click() {
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
              {editor->backgroundPictureShown(), !editor->transparentLabelsShown()});
}

void frmMain::mnuFileImportCss_Click() {
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
