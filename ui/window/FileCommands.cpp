// The File menu's Open, Save and Save As commands of the main window.
#include "ui/window/frmMain.h"

#include "framework/ErrorHandler.h"
#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "ui/dialogs/DialogService.h"

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

void frmMain::mnuFileSave_Click() {
    // A scheme never saved nor opened gets its file from the save dialog rather
    // than a file "Untitled" in whatever folder is current.
    if (!document_.hasFile()) {
        mnuFileSaveAs_Click();
        return;
    }
    saveToSchemeFile();
}

FileInformation frmMain::fileInformation() const {
    return {globals().VersionText, globals().UserName};
}

bool frmMain::saveToSchemeFile() {
    Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
    // A failed write keeps any earlier file whole and the scheme marked changed.
    if (!writeSchemeFile(proc, document_.scheme(), fileInformation(), document_.fileName()))
        return false;
    document_.markSaved();
    return true;
}

void frmMain::prepareSchemeFileDialog(Procedure& proc) {
    proc.step([&] {
        cdbMain_->Filter = tr("All Files (*.*)") + QStringLiteral("|*.*|") +
                           tr("Tintora Scheme (*.tna)") + QStringLiteral("|*.tna");
        cdbMain_->FilterIndex = SchemeFilterIndex;
        cdbMain_->DefaultExt = SchemeExtension;
    });
    // A scheme that has no file yet starts in the folder of the last Open or Save As,
    // while it is there, else in the data folder.
    if (!document_.hasFile()) {
        const bool remembered = !lastFolder_.isEmpty() && QFileInfo(lastFolder_).isDir();
        proc.step([&] { cdbMain_->InitDir = remembered ? lastFolder_ : globals().AppDataPath; });
    }
}

void frmMain::mnuFileSaveAs_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuFileSaveAs_Click"));
    const bool firstFile = !document_.hasFile();
    prepareSchemeFileDialog(proc);
    proc.step([&] { cdbMain_->FileName = firstFile ? tr("Untitled") : document_.fileName(); });
    if (!showDialog(proc, *cdbMain_, DialogService::Dialog::Save))
        return;

    const QString path = cdbMain_->FileName;
    document_.setFileName(path);
    QString title = titleWithoutExtension(path);
    UpdateFormCaption(title);
    if (saveToSchemeFile())
        rememberFile(path);
}

void frmMain::mnuFileOpen_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
    prepareSchemeFileDialog(proc);
    // The dialog's FileName is left as it is: it offers the name it last held.
    if (!showDialog(proc, *cdbMain_, DialogService::Dialog::Open))
        return;
    openSchemeFile(proc, cdbMain_->FileName);
}

std::optional<ColorScheme> frmMain::schemeOpenedFrom(Procedure& proc, const QString& path) {
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
    return opened;
}

bool frmMain::openSchemeFile(Procedure& proc, const QString& path) {
    // The scheme it replaces stays one Undo away.
    const std::optional<ColorScheme> opened = schemeOpenedFrom(proc, path);
    if (!opened)
        return false;
    // Remembered first: what showing the scheme may report does not undo the opening.
    rememberFile(path);
    document_.open(path, *opened, titleWithoutExtension(path));
    return true;
}
