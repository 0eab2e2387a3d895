#pragma once

#include "theme/ColorScheme.h"

#include <QList>
#include <QObject>

#include <memory>
#include <optional>

class DialogService;
class Procedure;
class QAction;
class RememberCommands;
class SchemeDocument;
struct WindowFolders;

// The File menu's Open, Save and Save As, the scheme files opened from Open Recent, a
// file dropped on the window or the command line, and the question before unsaved
// changes are lost.
class FileCommands : public QObject {
    Q_OBJECT

public:
    FileCommands(SchemeDocument& document, const std::unique_ptr<DialogService>& dialogs,
                 const WindowFolders& folders, RememberCommands& remembered);

    // Open, Save and Save As, in menu order. Save is enabled while the scheme is changed.
    QList<QAction*> actions() const { return actions_; }

    // Opens the scheme file `path` as File > Open does once its dialog is closed.
    void openFile(const QString& path);
    // Asks whether unsaved changes are to be saved; false when the user cancelled or
    // the save did not succeed.
    bool maybeSave();

    // The scheme filter and extension for the save or open dialog, and the folder to
    // start in while the scheme has no file.
    void prepareSchemeFileDialog(Procedure& proc);
    // The scheme that opening `path` gives, read over a copy of the scheme, with how
    // many of its pictures were found elsewhere; none, with the reason reported, when
    // the file holds no scheme.
    std::optional<ColorScheme> schemeOpenedFrom(Procedure& proc, const QString& path,
                                                int* foundElsewhere = nullptr);

Q_SIGNALS:
    // Opening the scheme file `fileName` took `count` of its pictures from beside it
    // or from its theme's folder, not from where it names them.
    void picturesFoundElsewhere(int count, const QString& fileName);

private:
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    // Opens `path` as Open does after its dialog: one step of the document, or a
    // message and nothing changed for a file that holds no scheme.
    bool openSchemeFile(Procedure& proc, const QString& path);
    // Writes the scheme to `path`: the body of Save and Save As. True when it was written.
    bool saveToSchemeFile(const QString& path);

    SchemeDocument& document_;
    const std::unique_ptr<DialogService>& cdbMain_;
    const WindowFolders& folders_;
    RememberCommands& remembered_;
    QList<QAction*> actions_;
};
