#pragma once

#include <QString>

// The texts and paths set once at start-up by subSetupGlobals and read afterwards.
struct Globals {
    QString VersionText; // "0001.0000.0000"
    QString UserName;    // the user's account name
    QString AppDataPath; // the user's folder for scheme files: Documents/Tintora
    QString StartDir;    // the data folder holding Themes/
};

Globals& globals();
// Empties every global again (tests).
void resetGlobals();

// Fills the globals; runs once at start-up. It only reads, so that commands that only
// read write nothing.
void subSetupGlobals();

// The desktop's start-up after subSetupGlobals: gets the data folder ready (the
// per-user one is seeded with the bundled themes). The folder for scheme files
// (AppDataPath) is left to the first Save dialog that offers it. Failures go through
// the handler.
void subSetupFolders();

// "0001.0000.0000" for version 1.0.0: each number at least four digits.
QString formatVersion(int major, int minor, int revision);

// True when a listing of the path finds an ordinary file (wildcards honoured;
// folders and hidden files do not count).
bool fcnFileExists(const QString& path);
// As fcnFileExists, but folders and hidden entries count too.
bool fcnPathExists(const QString& path);

// First character upper case, the rest lower case. Empty text is error 5.
QString ProperCase(const QString& text);
