#pragma once

#include "support/Controls.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "support/ThemeFixtures.h"
#include "theme/ColorScheme.h"
#include "ui/window/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QTimer>

// A main window with scripted dialogs and the bundled Default theme chosen, as a
// user meets it after start-up.
struct EditWindow {
    frmMain main;
    ScriptedDialogs* dialogs = nullptr;

    explicit EditWindow(TestWorld& world) {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        main.setDialogService(std::move(scripted));
        if (!copyStudioTheme(world.path(QStringLiteral("Themes"))))
            qWarning("the Studio theme could not be copied");
        main.themes().mnuThemesItem_Click(0);
        main.show();
        // Keys go to the active window, as the user's do (F5 is a window shortcut).
        if (!QTest::qWaitForWindowActive(&main))
            qWarning("the main window did not become active");
    }

    ColorScheme& scheme() { return main.scheme(); }
    // A File menu command by its design name, "mnuFileSave".
    QAction* command(const char* name) { return control<QAction>(main, name); }
};

// Opens the context menu of `target` as a right click does and chooses `item` in it,
// or its first item; false when no menu opened or it did not offer the item.
inline bool chooseFromContextMenu(QWidget* target, QAction* item = nullptr) {
    bool chosen = false;
    QTimer::singleShot(0, target, [&chosen, item] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || menu->actions().isEmpty())
            return;
        QAction* choice = item ? item : menu->actions().constFirst();
        if (!menu->actions().contains(choice)) {
            menu->close();
            return;
        }
        menu->setActiveAction(choice);
        QTest::keyClick(menu, Qt::Key_Return);
        chosen = true;
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4),
                            target->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(target, &event);
    // The closed menu leaves the window active again, as on a desktop, so that the
    // window's shortcuts reach it.
    target->window()->activateWindow();
    return QTest::qWaitForWindowActive(target->window()) && chosen;
}
