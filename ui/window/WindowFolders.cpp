#include "ui/window/WindowFolders.h"

#include "framework/DataFolder.h"
#include "framework/Globals.h"

WindowFolders WindowFolders::fromGlobals() {
    const Globals& g = globals();
    return {DataFolder::themesDir(g.StartDir), g.AppDataPath, {g.VersionText, g.UserName}};
}
