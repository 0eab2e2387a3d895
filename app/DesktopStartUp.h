#pragma once

#include "framework/DataFolder.h"
#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "startup/frmSplash.h"
#include "ui/window/frmMain.h"

#include <functional>
#include <memory>

// The desktop program's start-up: the splash window, and the main window it fills
// and hands over to. The main window is made (loaded, not shown) when the splash
// lists the themes, or at the hand-over should that come first.
class DesktopStartUp {
public:
    // `loaded` runs once, right after the main window is made.
    explicit DesktopStartUp(std::function<void(frmMain&)> loaded = {})
        : loaded_(std::move(loaded)) {
        QObject::connect(
            &splash, &frmSplash::themesListed, &splash,
            [this](const QStringList& captions) { mainWindow().themes().addItems(captions); });
        QObject::connect(&splash, &frmSplash::startUpFinished, &splash,
                         [this] { mainWindow().showWithDefaultTheme(); });
    }

    frmMain& mainWindow() {
        if (!main_) {
            main_ = std::make_unique<frmMain>();
            // An exported theme joins the Themes menu as the splash listed the others.
            main_->themes().setLister([this] {
                Procedure proc(QStringLiteral("frmMain.ListThemes"));
                return listedThemes(proc, splash.themeSources,
                                    DataFolder::themesDir(globals().StartDir));
            });
            if (loaded_)
                loaded_(*main_);
        }
        return *main_;
    }
    // The main window if it is made yet.
    frmMain* loadedMainWindow() const { return main_.get(); }

    frmSplash splash;

private:
    std::function<void(frmMain&)> loaded_;
    std::unique_ptr<frmMain> main_;
};
