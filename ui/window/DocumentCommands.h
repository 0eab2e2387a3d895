#pragma once

#include <QList>
#include <QObject>

#include <memory>

class ComparePanel;
class DialogService;
class EditorPanel;
class FileCommands;
class QAction;
class QDockWidget;
class SchemeDocument;

// The document's history in the Edit and View menus: Undo and Redo, which name their
// step; Revert Row and Revert All, back to the theme or file the scheme came from; and
// Compare with File, the Compare panel showing the differences from another file.
class DocumentCommands : public QObject {
    Q_OBJECT

public:
    DocumentCommands(SchemeDocument& document, const std::unique_ptr<DialogService>& dialogs,
                     EditorPanel& editor, FileCommands& files, QDockWidget& dockCompare,
                     ComparePanel& comparePanel);

    // Undo, Redo, Revert Row and Revert All, in menu order.
    QList<QAction*> editActions() const { return editActions_; }
    QAction* compareFileAction() const { return compareFile_; }

    // Revert Row and Revert All are enabled while there is something to revert.
    void updateRevertCommands();

private:
    void buildUndoRedo();
    void mnuEditRevertRow_Click();
    void mnuEditRevertAll_Click();
    void mnuViewCompareFile_Click();

    SchemeDocument& document_;
    const std::unique_ptr<DialogService>& cdbMain_;
    EditorPanel& editor_;
    FileCommands& files_;
    QDockWidget& dockCompare_;
    ComparePanel& comparePanel_;
    QList<QAction*> editActions_;
    QAction* mnuEditRevertRow = nullptr;
    QAction* mnuEditRevertAll = nullptr;
    QAction* compareFile_ = nullptr;
};
