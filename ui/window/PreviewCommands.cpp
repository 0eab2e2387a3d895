#include "ui/window/PreviewCommands.h"

#include "contrast/AuditFormat.h"
#include "ui/editor/EditorPanel.h"
#include "ui/preview/PreviewPointer.h"
#include "ui/window/AccessibilityCommands.h"
#include "ui/window/EditCommands.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

PreviewCommands::PreviewCommands(EditorPanel& editor, PreviewPointer& pointer, EditCommands& edits,
                                 AccessibilityCommands& accessibility)
    : QObject(&pointer), editor_(editor), pointer_(pointer), edits_(edits),
      accessibility_(accessibility) {
    menu_ = new QMenu(&pointer_);
    menu_->setObjectName(QStringLiteral("mnuPreviewElement"));
    connect(&pointer_, &PreviewPointer::rowChosen, &editor_, &EditorPanel::selectRow);
    connect(&pointer_, &PreviewPointer::rowOpened, this, [this](int row) {
        editor_.selectRow(row);
        edits_.lblFGColorSelect_Click(row);
    });
    connect(&pointer_, &PreviewPointer::menuAsked, this, &PreviewCommands::showMenu);
    connect(&editor_, &EditorPanel::currentRowChanged, &pointer_, &PreviewPointer::setSelectedRow);
    connect(&accessibility_, &AccessibilityCommands::contrastJudged, &pointer_,
            &PreviewPointer::setAudit);
}

void PreviewCommands::showMenu(int row, QPoint globalPos) {
    fillMenu(row);
    menu_->popup(globalPos);
}

void PreviewCommands::fillMenu(int row) {
    menu_->clear();
    const auto add = [&](const QString& text, const char* name, auto&& run) {
        QAction* action = menu_->addAction(text);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, run);
    };
    add(tr("&Text Colour..."), "actPreviewTextColour",
        [this, row] { edits_.lblFGColorSelect_Click(row); });
    add(tr("&Background Colour..."), "actPreviewBackColour",
        [this, row] { edits_.lblBGColorSelect_Click(row); });
    add(tr("&Font..."), "actPreviewFont", [this, row] { edits_.cmdFontSelect_Click(row); });
    menu_->addSeparator();
    add(tr("&Make It Pass"), "actPreviewMakeItPass",
        [this, row] { accessibility_.makeRowPass_Click(row); });
    menu_->addSeparator();
    add(tr("&Copy Colour"), "actPreviewCopyColour", [this, row] {
        QGuiApplication::clipboard()->setText(
            colorHex(editor_.colorShown(row, EditorPanel::Swatch::Text)));
    });
    add(tr("&Paste Colour"), "actPreviewPasteColour",
        [this, row] { edits_.pasteColor(row, EditorPanel::Swatch::Text); });
    menu_->addSeparator();
    // The editor's own lock of the text swatch: checked as the editor shows it, and
    // locking here is locking there.
    menu_->addAction(editor_.lockAction(row, EditorPanel::Swatch::Text));
}
