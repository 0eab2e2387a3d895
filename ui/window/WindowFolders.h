#pragma once

#include "scheme/FileInformation.h"

#include <QString>

// Where the main window works and what its files say about the program, handed to it
// once when it is made, so that no command reads the process-wide globals itself.
struct WindowFolders {
    QString themesDir;  // the data folder's Themes/
    QString schemesDir; // where the scheme and style-sheet dialogs start without a file
    FileInformation program;

    // As start-up set the globals.
    static WindowFolders fromGlobals();
};
