#include "ui/window/ExchangeCommands.h"

#include "document/SchemeDocument.h"
#include "export/ExportFormat.h"
#include "export/ExportNames.h"
#include "export/ExportTarget.h"
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
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

// A text of the table of formats in the user's language.
QString translated(const char* text) {
    return QCoreApplication::translate("ExportFormats", text);
}

// The name the scheme goes by, offered for what is made of it.
QString offeredName(const ColorScheme& scheme, bool hasFile) {
    if (hasFile)
        return QFileInfo(scheme.SchemeFileName).completeBaseName();
    return scheme.ThemeName == QLatin1String("Default") ? QString() : scheme.ThemeName;
}

// Asks before files beside the chosen one, which the export writes too, are replaced.
QString replaceQuestion(const QStringList& files) {
    QStringList names;
    for (const QString& file : files)
        names << QStringLiteral("\"%1\"").arg(QFileInfo(file).fileName());
    if (names.size() == 1)
        return ExchangeCommands::tr("%1 exists already.\n\nDo you want to replace it?")
            .arg(names[0]);
    return ExchangeCommands::tr("%1 exist already.\n\nDo you want to replace them?")
        .arg(names.join(QStringLiteral(", ")));
}

// What an export wrote where, and what of the scheme it could not carry.
QString writtenMessage(const ExportFormat& format, const ColorScheme& scheme, const QString& target,
                       const QStringList& written) {
    QString message;
    if (format.target == ExportTarget::ThemeFolder) {
        message = ExchangeCommands::tr("Exported the theme \"%1\" to %2.")
                      .arg(QFileInfo(target).fileName(),
                           QDir::toNativeSeparators(QFileInfo(target).path()));
    } else {
        const QStringList outputs = exportOutputs(format, scheme, target);
        QStringList names;
        qsizetype pictures = 0;
        for (const QString& file : written) {
            if (outputs.contains(file))
                names << QFileInfo(file).fileName();
            else
                ++pictures;
        }
        if (pictures == 1)
            names << ExchangeCommands::tr("1 picture");
        else if (pictures > 1)
            names << ExchangeCommands::tr("%1 pictures").arg(pictures);
        message = ExchangeCommands::tr("Exported %1 to %2.")
                      .arg(names.join(QStringLiteral(", ")),
                           QDir::toNativeSeparators(QFileInfo(target).absolutePath()));
    }
    const QString losses = exportLosses(format, scheme);
    return losses.isEmpty() ? message : message + QLatin1Char(' ') + losses;
}

} // namespace

ExchangeCommands::ExchangeCommands(SchemeDocument& document,
                                   const std::unique_ptr<DialogService>& dialogs,
                                   const EditorPanel& editor, const WindowFolders& folders,
                                   ThemesMenu& themes)
    : QObject(&themes), document_(document), cdbMain_(dialogs), editor_(editor), folders_(folders),
      themes_(themes) {
    // Every export in one submenu, then an import for each format that reads back.
    exportMenu_ = std::make_unique<QMenu>(tr("E&xport"));
    exportMenu_->menuAction()->setObjectName(QStringLiteral("mnuFileExport"));
    actions_.append(exportMenu_->menuAction());
    QList<QAction*> imports;
    for (const ExportFormat& format : exportFormats()) {
        auto* item = new QAction(translated(format.menuText), this);
        item->setObjectName(exportCommandName(format));
        connect(item, &QAction::triggered, this, [this, &format] { exportTo(format); });
        exportMenu_->addAction(item);
        if (!format.read)
            continue;
        auto* import = new QAction(translated(format.importText), this);
        import->setObjectName(importCommandName(format));
        connect(import, &QAction::triggered, this, [this, &format] { importFrom(format); });
        imports.append(import);
    }
    actions_.append(imports);
}

ExchangeCommands::~ExchangeCommands() = default;

void ExchangeCommands::exportTo(const ExportFormat& format) {
    Procedure proc(commandRoutine(exportCommandName(format)));
    std::optional<ExportRequest> request =
        format.target == ExportTarget::ThemeFolder ? askTheme() : askFile(proc, format);
    if (!request)
        return;
    // The rules follow the preview as the window shows it.
    request->isPicture = PreviewPictures::isPicture;
    request->page = {editor_.options().backgroundPictureShown(),
                     !editor_.options().transparentLabelsShown()};
    QStringList written;
    request->written = &written;
    if (!write(proc, format, *request))
        return;
    if (format.target == ExportTarget::ThemeFolder) {
        const QString name = QFileInfo(request->target).fileName();
        themes_.rebuild();
        // Start-up lists only the themes the machine's theme folders offer when they
        // offer any; the theme just made is there to choose all the same.
        if (!themes_.lists(name))
            themes_.addItem(name);
    }
    Q_EMIT tell(writtenMessage(format, document_.scheme(), request->target, written));
}

bool ExchangeCommands::write(Procedure& proc, const ExportFormat& format,
                             const ExportRequest& request) {
    proc.TaskDetail = request.target;
    bool written = false;
    QStringList errors;
    {
        // However many files fail, the user hears of it once, and is never offered
        // an Abort that would end the program.
        CollectingErrorPrompt collecting;
        written = format.write(proc, document_.scheme(), request);
        errors = collecting.lines;
    }
    if (errors.isEmpty())
        return written;
    const QString folder = QDir::toNativeSeparators(QFileInfo(request.target).absolutePath());
    const QString heading = written ? tr("%1 wrote into the folder \"%2\", but not all of it:")
                                    : tr("%1 could not write into the folder \"%2\":");
    errorPrompt().informList(heading.arg(translated(format.title), folder), errors);
    return written;
}

std::optional<ExportRequest> ExchangeCommands::askFile(Procedure& proc,
                                                       const ExportFormat& format) {
    const QString ending = QLatin1String(format.ending);
    // The dialog appends the last part of the ending to a name typed without one.
    prepareFileDialog(proc, translated(format.filter), ending.section(QLatin1Char('.'), -1),
                      translated(format.title));
    offerFileName(proc, ending);
    if (!showDialog(proc, *cdbMain_, DialogService::Dialog::Save))
        return std::nullopt;
    const QString path = cdbMain_->FileName;
    // The save dialog asked about the file it chose; the files the export writes
    // beside it (an example page, the variants' token files) are the user's too.
    const QStringList beside =
        existingOutputs(exportOutputs(format, document_.scheme(), path).mid(1));
    if (!beside.isEmpty() && !cdbMain_->askYesNo(translated(format.title), replaceQuestion(beside)))
        return std::nullopt;
    return ExportRequest{.target = path, .existing = ExistingOutput::Replace};
}

std::optional<ExportRequest> ExchangeCommands::askTheme() {
    const QString& themesDir = folders_.themesDir;
    QString offered = offeredName(document_.scheme(), document_.hasFile());
    for (;;) {
        const std::optional<QString> name = askThemeName(offered);
        if (!name)
            return std::nullopt;
        const QString folder = QDir(themesDir).filePath(*name);
        if (existingOutputs({folder}).isEmpty())
            return ExportRequest{.target = folder, .existing = ExistingOutput::Keep};
        // No keeps the theme there and asks for another name.
        if (cdbMain_->askYesNo(
                tr("Export Theme"),
                tr("The theme \"%1\" exists already.\n\nDo you want to replace it?").arg(*name)))
            return ExportRequest{.target = folder, .existing = ExistingOutput::Replace};
        offered = *name;
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

void ExchangeCommands::prepareFileDialog(Procedure& proc, const QString& filter,
                                         const QString& extension, const QString& title) {
    proc.step([&] {
        cdbMain_->Filter = filter;
        cdbMain_->FilterIndex = 1;
        cdbMain_->DefaultExt = extension;
        cdbMain_->DialogTitle = title;
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

void ExchangeCommands::importFrom(const ExportFormat& format) {
    Procedure proc(commandRoutine(importCommandName(format)));
    prepareFileDialog(proc, translated(format.filter),
                      QString::fromLatin1(format.ending).section(QLatin1Char('.'), -1));
    if (!showDialog(proc, *cdbMain_, DialogService::Dialog::Open))
        return;
    importChosen(proc, format.read, translated(format.nothingFound));
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
