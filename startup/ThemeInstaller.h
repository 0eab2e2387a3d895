#pragma once

#include "startup/PackageUnpacker.h"

#include <QString>
#include <QStringList>

#include <functional>

class Procedure;

// The two folders where web-authoring software keeps theme packages, searched in
// this order.
struct ThemeSources {
    QString user;
    QString shared;
};

// The source folders of this machine: on Windows those under C:, elsewhere the same
// places inside the Wine prefix's drive_c ($WINEPREFIX, default ~/.wine).
ThemeSources defaultThemeSources(const QString& userName);
// The source folders of this machine for the user the program runs as: the ones every
// start, the window and the command line list the Themes menu from.
ThemeSources machineThemeSources();

// The names of a folder's entries that contain no point, files and folders alike
// (`foldersOnly` keeps folders only), sorted by name. A missing folder has none.
// Names that cannot be themes (control characters) are left out and, with their
// folder, appended to `skipped`.
QStringList themeCandidates(const QString& folder, bool foldersOnly = false,
                            QStringList* skipped = nullptr);

// Where a theme is unpacked before it takes its place in Themes/: a folder beside
// Themes/ whose name starts with this. One left over by an interrupted start is
// removed at the next.
inline constexpr const char* UnpackFolderPrefix = "Themes.unpacking-";
// The packages refused as damaged, beside Themes/: each by its size, modification
// time and path, one a line, so that each is reported once and not unpacked again
// until it changes.
inline constexpr const char* RefusedPackagesFile = "Themes.refused";

// Unpacks one package on a worker thread while the calling thread keeps processing
// its events, so the splash window stays responsive. `progress` gets 0..1000.
UnpackResult unpackWhileResponsive(const QString& package, const QString& folder,
                                   const UnpackLimits& limits,
                                   const std::function<void(int permille)>& progress);

// The Themes menu items after "Default" as a start lists them from `sources` and the
// themes folder `themesDir`, without installing or clearing up anything; "-" stands for
// the separator. Errors go through `proc`.
QStringList listedThemes(Procedure& proc, const ThemeSources& sources, const QString& themesDir);
// The same from this machine's source folders.
QStringList listedThemes(Procedure& proc, const QString& themesDir);

// The theme installation run by the splash window's first timer tick: every theme
// package of the source folders is copied and unpacked into a folder of its own
// beside `themesDir` (the data folder's Themes), which becomes `themesDir`/NAME only
// once it is complete; every theme found gets a Themes menu item. Plain code without
// widgets: the window's part comes in through the hooks.
class ThemeInstaller {
public:
    ThemeInstaller(ThemeSources sources, const QString& themesDir);

    // Adds a Themes menu item; "-" stands for the separator.
    std::function<void(const QString& caption)> addThemesItem;
    // A new package is about to be unpacked (the status label is shown).
    std::function<void(const QString& name)> packageStarted;
    // Progress of the package being unpacked, 0..1000.
    std::function<void(int permille)> progress;
    // Processes pending window events (the default does so for the whole application).
    std::function<void()> yield;
    UnpackLimits limits;
    // False lists the themes as the menu would show them without installing anything:
    // a package not unpacked by an earlier start is passed over, and folders left by
    // an interrupted start stay (they may be a running start's).
    bool installNew = true;

    // Runs the installation; run-time errors go through `proc`, the trap of the
    // timer tick.
    void run(Procedure& proc);

private:
    void examineGroup(Procedure& proc, const QStringList& names, const QString& source);
    void examine(Procedure& proc, const QString& source, const QString& name);
    void install(Procedure& proc, const QString& package, const QString& name);
    void addItem(Procedure& proc, const QString& caption);
    void yieldNow(Procedure& proc);
    void reportSkipped();
    QString refusedListPath() const;
    static QString refusedKey(const QString& package);
    bool refusedBefore(const QString& package) const;
    void rememberRefused(const QString& package);

    // The list of refused packages is read no further than this.
    static constexpr qint64 MaxRefusedListSize = 1024 * 1024;

    ThemeSources sources_;
    QString themesDir_;
    QStringList skipped_;
    QStringList listed_;
};
