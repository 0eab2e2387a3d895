#pragma once

#include <QString>

// Where the program's data folder (the one holding Themes/) is, and how the per-user
// one gets the bundled themes.
namespace DataFolder {

// The current folder when it holds a Themes folder; otherwise the per-user data
// folder. Reads only: nothing is created, so a command that only reads leaves the
// user's home as it was.
QString locate();

// The bundled data folder: share/tintora of the installation, else data/ of the
// source tree this program was built from. Empty when neither exists.
QString bundledDataDir();

// The per-user data folder (not created here).
QString userDataDir();

// The folder of the theme working copies in the data folder `startDir`: its Themes,
// joined with the platform's separator.
QString themesDir(const QString& startDir);

// The file in a bundled data folder whose number says which edition of the bundled
// themes (Studio and the gallery) it holds, and the record the per-user folder keeps of what it was
// given.
inline constexpr const char* BundleStampName = "studio.stamp";
inline constexpr const char* SeedRecordName = ".tintora-seed";

// Gets the folder the program is about to read themes from ready. Only the per-user
// data folder is touched, and only in two cases: without a Themes folder it is seeded
// from the bundled data; seeded before from an older bundle (a lower stamp), it is
// brought up to date theme by theme: a seeded theme the user has not changed since is
// replaced by the bundled one, a theme new in the bundle is added unless the user has
// a theme of that name. Anything the user deleted or changed stays so. Failures are
// run-time errors through the handler, under the caller's routine, naming the folder.
void prepare(const QString& startDir);

// prepare() with the folders given: `bundled` is copied into `user`.
void seedUserFolder(const QString& bundled, const QString& user);

} // namespace DataFolder
