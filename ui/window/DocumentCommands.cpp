// The main window's Edit and View commands on the document's history: undo and redo of
// its steps, reverting to the theme or file the scheme came from, and comparing with
// another scheme file.
#include "ui/window/DocumentCommands.h"

#include "document/SchemeDocument.h"
#include "framework/Procedure.h"
#include "scheme/SchemeDiff.h"
#include "ui/dialogs/DialogService.h"
#include "ui/editor/ComparePanel.h"
#include "ui/editor/EditorPanel.h"
#include "ui/editor/ShownNames.h"
#include "ui/window/FileCommands.h"

#include <QAction>
#include <QDockWidget>
#include <QUndoStack>

DocumentCommands::DocumentCommands(SchemeDocument& document,
                                   const std::unique_ptr<DialogService>& dialogs,
                                   EditorPanel& editor, FileCommands& files,
                                   QDockWidget& dockCompare, ComparePanel& comparePanel)
    : QObject(&dockCompare), document_(document), cdbMain_(dialogs), editor_(editor), files_(files),
      dockCompare_(dockCompare), comparePanel_(comparePanel) {
    buildUndoRedo();
    mnuEditRevertRow = new QAction(tr("Revert &Row"), this);
    mnuEditRevertRow->setObjectName(QStringLiteral("mnuEditRevertRow"));
    connect(mnuEditRevertRow, &QAction::triggered, this, &DocumentCommands::mnuEditRevertRow_Click);
    mnuEditRevertAll = new QAction(tr("Revert &All"), this);
    mnuEditRevertAll->setObjectName(QStringLiteral("mnuEditRevertAll"));
    connect(mnuEditRevertAll, &QAction::triggered, this, &DocumentCommands::mnuEditRevertAll_Click);
    editActions_ << mnuEditRevertRow << mnuEditRevertAll;
    connect(&editor_, &EditorPanel::currentRowChanged, this,
            &DocumentCommands::updateRevertCommands);
    connect(&document_, &SchemeDocument::schemeChanged, this,
            &DocumentCommands::updateRevertCommands);
    updateRevertCommands();

    compareFile_ = new QAction(tr("Compare with &File..."), this);
    compareFile_->setObjectName(QStringLiteral("mnuViewCompareFile"));
    connect(compareFile_, &QAction::triggered, this, &DocumentCommands::mnuViewCompareFile_Click);
    connect(&comparePanel_, &ComparePanel::otherFileWanted, this,
            &DocumentCommands::mnuViewCompareFile_Click);
}

void DocumentCommands::buildUndoRedo() {
    // The history's own actions: their texts name the step ("Undo Heading 2 colour")
    // and they are enabled while there is a step to undo or redo.
    QAction* undo = document_.undoStack().createUndoAction(this, tr("&Undo"));
    undo->setObjectName(QStringLiteral("mnuEditUndo"));
    undo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Z"))});
    QAction* redo = document_.undoStack().createRedoAction(this, tr("&Redo"));
    redo->setObjectName(QStringLiteral("mnuEditRedo"));
    redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    // The history words its actions "prefix step"; a language may need another order or
    // a colon, and no colon when there is no step.
    const QUndoStack& stack = document_.undoStack();
    const auto nameUndo = [undo](const QString& step) {
        undo->setText(step.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(step));
    };
    const auto nameRedo = [redo](const QString& step) {
        redo->setText(step.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(step));
    };
    connect(&stack, &QUndoStack::undoTextChanged, undo, nameUndo);
    connect(&stack, &QUndoStack::redoTextChanged, redo, nameRedo);
    nameUndo(stack.undoText());
    nameRedo(stack.redoText());
    editActions_ << undo << redo;
}

void DocumentCommands::updateRevertCommands() {
    const ThemeElement* row = elementForRow(editor_.currentRow());
    // The item names the row it acts on ("Revert Heading 1") once there is one.
    mnuEditRevertRow->setText(row ? tr("Revert %1").arg(elementCaption(*row)) : tr("Revert &Row"));
    mnuEditRevertRow->setEnabled(
        row && !elementDifferences(document_.baseShown(), document_.shown(), *row).isEmpty());
    mnuEditRevertAll->setEnabled(
        !schemeDifferences(document_.baseShown(), document_.shown()).isEmpty());
}

void DocumentCommands::mnuEditRevertRow_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuEditRevertRow_Click"));
    const ThemeElement* row = elementForRow(editor_.currentRow());
    if (!row)
        return;
    // In the variant shown, back to the base's colours of that variant (its Light ones
    // where the base has no such variant).
    const ColorScheme base = document_.baseShown();
    const QList<SchemeDifference> differences = elementDifferences(base, document_.shown(), *row);
    if (differences.isEmpty())
        return;
    ColorScheme reverted = document_.shown();
    for (const SchemeDifference& d : differences)
        copyAttribute(reverted, base, *row, d.attribute);
    document_.applyShown(tr("Revert %1").arg(elementCaption(*row)), reverted);
}

void DocumentCommands::mnuEditRevertAll_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuEditRevertAll_Click"));
    const ColorScheme base = document_.baseShown();
    if (schemeDifferences(base, document_.shown()).isEmpty())
        return;
    // The other variants and the locks stay: Revert All is about what is shown.
    document_.applyShown(tr("Revert All"), base);
}

void DocumentCommands::mnuViewCompareFile_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuViewCompareFile_Click"));
    files_.prepareSchemeFileDialog(proc);
    if (!showDialog(proc, *cdbMain_, DialogService::Dialog::Open))
        return;
    const QString path = cdbMain_->FileName;
    // Compared with what opening it would give: values the file does not hold are the
    // scheme's own and show no difference.
    const std::optional<ColorScheme> other = files_.schemeOpenedFrom(proc, path);
    if (!other)
        return;
    comparePanel_.compareWithFile(*other, fileTitleOf(path));
    dockCompare_.show();
    dockCompare_.raise();
}
