#pragma once

#include <QString>

// Where the program's data folder (the one holding Themes/) is.
namespace DataFolder {

// The current folder when it holds a Themes folder; otherwise the per-user data
// folder, created and seeded from the installed or build-tree data on first use.
QString resolveStartDir();

// The bundled data folder: share/tintora of the installation, else data/ of the
// source tree this program was built from. Empty when neither exists.
QString bundledDataDir();

// Copies every file of `from` that `to` lacks, folders included. Existing files are
// left alone, so a user's changes to a theme survive.
bool seed(const QString& from, const QString& to);

// The per-user data folder (created when missing).
QString userDataDir();

// The folder of the theme working copies in the data folder `startDir`: its Themes,
// joined with the platform's separator.
QString themesDir(const QString& startDir);

} // namespace DataFolder
