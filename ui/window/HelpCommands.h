#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMainWindow;

// The Help menu's commands: Keyboard Shortcuts, read from the window's own menus, and
// About Tintora.
class HelpCommands : public QObject {
    Q_OBJECT

public:
    explicit HelpCommands(QMainWindow& window);

    // In menu order.
    QList<QAction*> actions() const { return actions_; }

private:
    void mnuHelpShortcuts_Click();
    void mnuHelpAbout_Click();

    QMainWindow& window_;
    QList<QAction*> actions_;
};
