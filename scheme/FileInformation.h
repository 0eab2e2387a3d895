#pragma once

#include <QString>

// What the FILE INFORMATION section of a scheme file and of the report says about
// the program that wrote it. The caller fills it in; the engine reads nothing else.
struct FileInformation {
    QString VersionText; // "Program Version", e.g. "0001.0000.0000"
    QString UserName;    // "Program Author": the user's account name
};
