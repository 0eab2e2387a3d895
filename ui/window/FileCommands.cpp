// The File menu's Open, Save and Save As commands of the main window.
#include "ui/window/FileCommands.h"

#include "document/SchemeDocument.h"

#include "framework/ErrorHandler.h"
#include "framework/Procedure.h"
#include "scheme/PictureRelocation.h"
#include "scheme/SchemeFile.h"
#include "ui/dialogs/DialogService.h"
#include "ui/window/RememberCommands.h"
#include "ui/window/WindowFolders.h"

#include <QAction>

#include <QFileInfo>

namespace {
constexpr int SchemeFilterIndex = 2;
const QString SchemeExtension = QStringLiteral("tna");

// A file name without its folder and without its last extension. A name that is
// all extension (".tna") stays whole, so the caption never loses the name.
QString titleWithoutExtension(const QString& path) {
    const QString title = fileTitleOf(path);
    const qsizetype dot = title.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? title.left(dot) : title;
}

} // namespace

FileCommands::FileCommands(SchemeDocument& document, const std::unique_ptr<DialogService>& dialogs,
                           const WindowFolders& folders, RememberCommands& remembered)
    : QObject(&remembered), document_(document), cdbMain_(dialogs), folders_(folders),
      remembered_(remembered) {
    static constexpr struct {
        const char* name;
        const char* text;
        const char* shortcut;
        void (FileCommands::*handler)();
    } Commands[] = {
        {"mnuFileOpen", QT_TR_NOOP("&Open"), "Ctrl+O", &FileCommands::mnuFileOpen_Click},
        {"mnuFileSave", QT_TR_NOOP("&Save"), "Ctrl+S", &FileCommands::mnuFileSave_Click},
        {"mnuFileSaveAs", QT_TR_NOOP("Save &As"), "Ctrl+A", &FileCommands::mnuFileSaveAs_Click},
    };
    for (const auto& command : Commands) {
        auto* action = new QAction(tr(command.text), this);
        action->setObjectName(QLatin1String(command.name));
        action->setShortcut(QKeySequence(QLatin1String(command.shortcut)));
        connect(action, &QAction::triggered, this, command.handler);
        actions_.append(action);
    }
    // The usual Save As keys work too, and the platform's own where it has others;
    // some platforms (and the offscreen one) bind none.
    QList<QKeySequence> saveAsKeys{QKeySequence(QStringLiteral("Ctrl+A")),
                                   QKeySequence(QStringLiteral("Ctrl+Shift+S"))};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::SaveAs))
        if (!key.isEmpty() && !saveAsKeys.contains(key))
            saveAsKeys.append(key);
    actions_[2]->setShortcuts(saveAsKeys);
    // Save is enabled exactly while the scheme is changed.
    QAction* save = actions_[1];
    save->setEnabled(false);
    connect(&document_, &SchemeDocument::captionChanged, save,
            [this, save] { save->setEnabled(document_.isChanged()); });
    connect(&remembered_, &RememberCommands::recentFileChosen, this, [this](const QString& path) {
        Procedure proc(QStringLiteral("frmMain.mnuFileRecentItem_Click"));
        openSchemeFile(proc, path);
    });
}

void FileCommands::openFile(const QString& path) {
    Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
    openSchemeFile(proc, path);
}

bool FileCommands::maybeSave() {
    Procedure proc(QStringLiteral("frmMain.maybeSave"));
    if (!document_.isChanged())
        return true;
    const QString name =
        document_.fileName().isEmpty() ? tr("Untitled") : fileTitleOf(document_.fileName());
    switch (cdbMain_->askSaveChanges(name)) {
    case DialogService::SaveAnswer::Save:
        mnuFileSave_Click();
        return !document_.isChanged();
    case DialogService::SaveAnswer::Discard:
        return true;
    case DialogService::SaveAnswer::Cancel:
        break;
    }
    return false;
}

void FileCommands::mnuFileSave_Click() {
    // A scheme never saved nor opened gets its file from the save dialog rather
    // than a file "Untitled" in whatever folder is current.
    if (!document_.hasFile()) {
        mnuFileSaveAs_Click();
        return;
    }
    if (saveToSchemeFile(document_.fileName()))
        document_.markSaved();
}

bool FileCommands::saveToSchemeFile(const QString& path) {
    Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
    // A failed write keeps any earlier file whole; the caller marks the scheme saved.
    return writeSchemeFile(proc, document_.scheme(), folders_.program, path);
}

void FileCommands::prepareSchemeFileDialog(Procedure& proc) {
    proc.step([&] {
        cdbMain_->Filter = tr("All Files (*.*)") + QStringLiteral("|*.*|") +
                           tr("Tintora Scheme (*.tna)") + QStringLiteral("|*.tna");
        cdbMain_->FilterIndex = SchemeFilterIndex;
        cdbMain_->DefaultExt = SchemeExtension;
    });
    // A scheme that has no file yet starts in the folder of the last Open or Save As,
    // while it is there, else in the data folder.
    if (!document_.hasFile()) {
        const QString last = remembered_.lastFolder();
        const bool remembered = !last.isEmpty() && QFileInfo(last).isDir();
        proc.step([&] { cdbMain_->InitDir = remembered ? last : folders_.schemesDir; });
    }
}

void FileCommands::mnuFileSaveAs_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuFileSaveAs_Click"));
    const bool firstFile = !document_.hasFile();
    // What the dialogs held, for a save that fails: the next dialog must not start
    // where nothing could be written (a special file system can hang a file dialog).
    const DialogProperties before = *cdbMain_;
    prepareSchemeFileDialog(proc);
    proc.step([&] { cdbMain_->FileName = firstFile ? tr("Untitled") : document_.fileName(); });
    if (!showDialog(proc, *cdbMain_, DialogService::Dialog::Save))
        return;

    // The scheme takes the new name only once it is written there: a failed save
    // leaves the name, the caption, the changed flag and the last folder as they were,
    // so the next Save does not write to a file that never was.
    const QString path = cdbMain_->FileName;
    if (!saveToSchemeFile(path)) {
        static_cast<DialogProperties&>(*cdbMain_) = before;
        // A dialog given neither a folder nor a file would start where the last one
        // was accepted, which is where the save failed: it is given the scheme's file.
        if (cdbMain_->FileName.isEmpty() && document_.hasFile())
            cdbMain_->FileName = document_.fileName();
        return;
    }
    document_.setFileName(path);
    QString title = titleWithoutExtension(path);
    document_.setCaptionName(title);
    document_.markSaved();
    remembered_.rememberFile(path);
}

void FileCommands::mnuFileOpen_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
    prepareSchemeFileDialog(proc);
    // The dialog's FileName is left as it is: it offers the name it last held.
    if (!showDialog(proc, *cdbMain_, DialogService::Dialog::Open))
        return;
    openSchemeFile(proc, cdbMain_->FileName);
}

std::optional<ColorScheme> FileCommands::schemeOpenedFrom(Procedure& proc, const QString& path,
                                                          int* foundElsewhere) {
    // Read into a copy: a file that holds no scheme must leave the scheme, its file
    // name and the caption as they were, or the next Save would overwrite that file.
    ColorScheme opened = document_.scheme();
    const SchemeFileRead read = readSchemeFile(proc, opened, path);
    if (read.sections == 0) {
        // A file that could not be read was reported by the trap already.
        if (read.complete)
            errorPrompt().inform(notASchemeFileMessage(fileTitleOf(path)));
        return std::nullopt;
    }
    // A file that travelled finds its pictures beside it or in its theme's folder.
    const PicturesRelocated relocated =
        relocatePictures(opened, path, read.themeName, {folders_.themesDir});
    if (foundElsewhere)
        *foundElsewhere = relocated.foundElsewhere;
    return opened;
}

bool FileCommands::openSchemeFile(Procedure& proc, const QString& path) {
    // The scheme it replaces stays one Undo away.
    int foundElsewhere = 0;
    const std::optional<ColorScheme> opened = schemeOpenedFrom(proc, path, &foundElsewhere);
    if (!opened)
        return false;
    // Said with what showing the scheme reports, in one box.
    if (foundElsewhere > 0)
        Q_EMIT picturesFoundElsewhere(foundElsewhere, fileTitleOf(path));
    // Remembered first: what showing the scheme may report does not undo the opening.
    remembered_.rememberFile(path);
    document_.open(path, *opened, titleWithoutExtension(path));
    return true;
}
