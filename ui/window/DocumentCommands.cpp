// The main window's Edit and View menus: undo and redo of the document's steps,
// reverting to the theme or file the scheme came from, and the Compare panel.
#include "ui/window/frmMain.h"

#include "framework/Procedure.h"
#include "scheme/SchemeDiff.h"
#include "ui/dialogs/DialogService.h"
#include "ui/editor/ComparePanel.h"
#include "ui/editor/EditorPanel.h"
#include "ui/editor/ShownNames.h"
#include "widgets/Twips.h"

#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QUndoStack>

namespace {
// The Compare panel's width: room for an element's name, an attribute and two values.
constexpr float ComparePanelWidth = 5700;
} // namespace

void frmMain::buildEditMenu() {
    QMenu* mnuEdit = menuBar()->addMenu(tr("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
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
    mnuEdit->addAction(undo);
    mnuEdit->addAction(redo);
    mnuEdit->addSeparator()->setObjectName(QStringLiteral("mnuEditSep1"));
    mnuEditRevertRow = mnuEdit->addAction(tr("Revert &Row"));
    mnuEditRevertRow->setObjectName(QStringLiteral("mnuEditRevertRow"));
    connect(mnuEditRevertRow, &QAction::triggered, this, &frmMain::mnuEditRevertRow_Click);
    mnuEditRevertAll = mnuEdit->addAction(tr("Revert &All"));
    mnuEditRevertAll->setObjectName(QStringLiteral("mnuEditRevertAll"));
    connect(mnuEditRevertAll, &QAction::triggered, this, &frmMain::mnuEditRevertAll_Click);
    mnuEdit->addSeparator()->setObjectName(QStringLiteral("mnuEditSep2"));
    QAction* makeAllPass = mnuEdit->addAction(tr("Make All &Pass"));
    makeAllPass->setObjectName(QStringLiteral("mnuEditMakeAllPass"));
    connect(makeAllPass, &QAction::triggered, this, &frmMain::mnuEditMakeAllPass_Click);
    connect(editor, &EditorPanel::currentRowChanged, this, &frmMain::updateRevertCommands);
    updateRevertCommands();
}

void frmMain::buildViewMenu() {
    QMenu* mnuView = menuBar()->addMenu(tr("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    QAction* compare = dockCompare->toggleViewAction();
    compare->setText(tr("&Compare"));
    compare->setObjectName(QStringLiteral("mnuViewCompare"));
    mnuView->addAction(compare);
    QAction* compareFile = mnuView->addAction(tr("Compare with &File..."));
    compareFile->setObjectName(QStringLiteral("mnuViewCompareFile"));
    connect(compareFile, &QAction::triggered, this, &frmMain::mnuViewCompareFile_Click);
    buildAccessibilityMenus(mnuView);
}

void frmMain::buildComparePanel() {
    dockCompare = new QDockWidget(tr("Compare"), this);
    dockCompare->setObjectName(QStringLiteral("dockCompare"));
    dockCompare->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    comparePanel = new ComparePanel(document_, dockCompare);
    dockCompare->setWidget(comparePanel);
    // A fixed width, so that the window, which fits itself to the preview, knows the
    // room the panel takes.
    dockCompare->setFixedWidth(twipsToPixels(ComparePanelWidth));
    addDockWidget(Qt::RightDockWidgetArea, dockCompare);
    dockCompare->hide();
    connect(comparePanel, &ComparePanel::otherFileWanted, this, &frmMain::mnuViewCompareFile_Click);
    // The window fits itself around the panel as it comes and goes, floats or docks.
    connect(dockCompare, &QDockWidget::visibilityChanged, this, &frmMain::comparePanelMoved);
    connect(dockCompare, &QDockWidget::topLevelChanged, this, &frmMain::comparePanelMoved);
}

void frmMain::comparePanelMoved() {
    Form_Resize();
    // Widened by the panel, the window moves left as far as it must to stay in the
    // screen's available area.
    const bool normal =
        !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    if (!normal || !isVisible() || !screen())
        return;
    const QRect area = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    if (frame.right() > area.right())
        move(qMax(area.left(), frame.left() - (frame.right() - area.right())), frame.top());
}

int frmMain::dockedPanelWidth() const {
    if (!dockCompare || dockCompare->isHidden() || dockCompare->isFloating())
        return 0;
    return dockCompare->minimumWidth() +
           style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
}

void frmMain::updateRevertCommands() {
    if (!mnuEditRevertRow)
        return;
    const ThemeElement* row = elementForRow(editor->currentRow());
    mnuEditRevertRow->setEnabled(
        row && !elementDifferences(document_.base(), document_.scheme(), *row).isEmpty());
    mnuEditRevertAll->setEnabled(
        !schemeDifferences(document_.base(), document_.scheme()).isEmpty());
}

void frmMain::mnuEditRevertRow_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuEditRevertRow_Click"));
    const ThemeElement* row = elementForRow(editor->currentRow());
    if (!row)
        return;
    const QList<SchemeDifference> differences =
        elementDifferences(document_.base(), document_.scheme(), *row);
    if (differences.isEmpty())
        return;
    ColorScheme reverted = document_.scheme();
    for (const SchemeDifference& d : differences)
        copyAttribute(reverted, document_.base(), *row, d.attribute);
    document_.apply(tr("Revert %1").arg(elementCaption(*row)), reverted);
}

void frmMain::mnuEditRevertAll_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuEditRevertAll_Click"));
    if (schemeDifferences(document_.base(), document_.scheme()).isEmpty())
        return;
    document_.apply(tr("Revert All"), document_.base());
}

void frmMain::mnuViewCompareFile_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuViewCompareFile_Click"));
    prepareSchemeFileDialog(proc);
    if (!showDialog(proc, *cdbMain_, DialogService::Dialog::Open))
        return;
    const QString path = cdbMain_->FileName;
    // Compared with what opening it would give: values the file does not hold are the
    // scheme's own and show no difference.
    const std::optional<ColorScheme> other = schemeOpenedFrom(proc, path);
    if (!other)
        return;
    comparePanel->compareWithFile(*other, fileTitleOf(path));
    dockCompare->show();
    dockCompare->raise();
}
