// The main window's Help menu.
#include "ui/window/frmMain.h"

#include "ui/dialogs/HelpDialogs.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>

void frmMain::buildHelpMenu() {
    QMenu* mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    QAction* shortcuts = mnuHelp->addAction(tr("&Keyboard Shortcuts"));
    shortcuts->setObjectName(QStringLiteral("mnuHelpShortcuts"));
    connect(shortcuts, &QAction::triggered, this, &frmMain::mnuHelpShortcuts_Click);
    QAction* about = mnuHelp->addAction(tr("&About Tintora"));
    about->setObjectName(QStringLiteral("mnuHelpAbout"));
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);
}

void frmMain::mnuHelpShortcuts_Click() {
    // Beside the window rather than over it: the keys can be tried while it is open.
    QDialog* dialog = makeShortcutsDialog(this, shortcutRows(*this));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void frmMain::mnuHelpAbout_Click() {
    QDialog* dialog = makeAboutDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}
