// The main window's Help menu.
#include "ui/window/HelpCommands.h"

#include "ui/dialogs/HelpDialogs.h"

#include <QAction>
#include <QDialog>
#include <QMainWindow>

HelpCommands::HelpCommands(QMainWindow& window) : QObject(&window), window_(window) {
    auto* shortcuts = new QAction(tr("&Keyboard Shortcuts"), this);
    shortcuts->setObjectName(QStringLiteral("mnuHelpShortcuts"));
    connect(shortcuts, &QAction::triggered, this, &HelpCommands::mnuHelpShortcuts_Click);
    auto* about = new QAction(tr("&About Tintora"), this);
    about->setObjectName(QStringLiteral("mnuHelpAbout"));
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, &HelpCommands::mnuHelpAbout_Click);
    actions_ = {shortcuts, about};
}

void HelpCommands::mnuHelpShortcuts_Click() {
    // Beside the window rather than over it: the keys can be tried while it is open.
    QDialog* dialog = makeShortcutsDialog(&window_, shortcutRows(window_));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void HelpCommands::mnuHelpAbout_Click() {
    QDialog* dialog = makeAboutDialog(&window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}
