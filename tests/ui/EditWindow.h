#pragma once

#include "support/Controls.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "support/ThemeFixtures.h"
#include "theme/ColorScheme.h"
#include "ui/window/frmMain.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

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
