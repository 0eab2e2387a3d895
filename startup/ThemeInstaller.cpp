#include "startup/ThemeInstaller.h"

#include "export/ThemeExport.h"
#include "framework/ErrorHandler.h"
#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "theme/ChooseTheme.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QPromise>
#include <QRandomGenerator>
#include <QtConcurrent/QtConcurrentRun>

ThemeSources defaultThemeSources(const QString& userName) {
#ifdef Q_OS_WIN
    const QString driveC = QStringLiteral("C:");
    const QString users = QStringLiteral("/Users/");
#else
    QString prefix = qEnvironmentVariable("WINEPREFIX");
    if (prefix.isEmpty())
        prefix = QDir::homePath() + QStringLiteral("/.wine");
    const QString driveC = prefix + QStringLiteral("/drive_c");
    // Wine spells the profiles folder in lower case, and its file names are exact.
    const QString users = QStringLiteral("/users/");
#endif
    // The user folder is always under C:'s profiles folder, wherever the profile
    // itself lives.
    return {driveC + users + userName + QStringLiteral("/AppData/Roaming/Microsoft/Themes"),
            driveC + QStringLiteral("/Program Files/Common Files/microsoft shared/Themes")};
}

ThemeSources machineThemeSources() {
    return defaultThemeSources(globals().UserName);
}

QStringList themeCandidates(const QString& folder, bool foldersOnly, QStringList* skipped) {
    if (folder.isEmpty())
        return {};
    const QDir dir(folder);
    if (!dir.exists())
        return {};
    const QDir::Filters filters =
        (foldersOnly ? QDir::Dirs : QDir::Dirs | QDir::Files) | QDir::NoDotAndDotDot;
    QStringList names;
    for (const QString& name : dir.entryList(filters, QDir::Name | QDir::IgnoreCase)) {
        if (name.contains(QLatin1Char('.')))
            continue;
        if (isThemeName(name))
            names.append(name);
        else if (skipped)
            skipped->append(QDir::toNativeSeparators(dir.absolutePath() + QLatin1Char('/')) +
                            visibleName(name));
    }
    return names;
}

UnpackResult unpackWhileResponsive(const QString& package, const QString& folder,
                                   const UnpackLimits& limits,
                                   const std::function<void(int permille)>& progress) {
    QFuture<UnpackResult> future = QtConcurrent::run([package, folder,
                                                      limits](QPromise<UnpackResult>& promise) {
        promise.setProgressRange(0, 1000);
        promise.addResult(unpackPackage(package, folder, limits, [&](qint64 read, qint64 total) {
            promise.setProgressValue(total > 0 ? int(read * 1000 / total) : 0);
        }));
    });
    QEventLoop loop;
    QFutureWatcher<UnpackResult> watcher;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    if (progress)
        QObject::connect(&watcher, &QFutureWatcherBase::progressValueChanged, &loop, progress);
    watcher.setFuture(future);
    // The finished signal arrives through this loop, even when the work is already
    // done by now, so the loop cannot miss it.
    if (!future.isFinished())
        loop.exec();
    future.waitForFinished();
    if (progress)
        progress(1000);
    return future.result();
}

namespace {

QString plainPath(const QString& folder, const QString& name) {
    return QDir::cleanPath(folder + QLatin1Char('/') + name);
}

// A new, empty folder beside Themes/ to unpack one theme into.
QString makeUnpackFolder(const QString& themesDir) {
    if (!QFileInfo(themesDir).isDir())
        raiseError(Err::PathNotFound);
    // Made as any folder is (not private as a temporary one), since it becomes the
    // theme's folder.
    const QString base =
        QFileInfo(themesDir).absolutePath() + QLatin1Char('/') + QLatin1String(UnpackFolderPrefix);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString folder = base + QString::number(QRandomGenerator::global()->generate64(), 36);
        if (QDir().mkdir(folder))
            return folder;
        if (!QFileInfo::exists(folder))
            break; // not a clash of names: the folder cannot be made at all
    }
    raiseError(Err::PathFileAccess);
}

// The complete theme takes its place in one step: Themes/NAME either does not exist
// or holds the whole theme.
void moveIntoPlace(const QString& unpacked, const QString& folder) {
    if (QFileInfo::exists(folder) || QFileInfo(folder).isSymLink() ||
        !QDir().rename(unpacked, folder))
        raiseError(Err::PathFileAccess);
}

// Folders a start left behind when it ended while unpacking. Links are passed over:
// only folders of our own making are removed.
void removeUnpackLeftovers(const QString& themesDir) {
    const QDir dataDir(QFileInfo(themesDir).absolutePath());
    const QStringList leftovers =
        dataDir.entryList({QLatin1String(UnpackFolderPrefix) + QLatin1Char('*')},
                          QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& name : leftovers)
        QDir(dataDir.filePath(name)).removeRecursively();
}

void copyPackage(const QString& package, const QString& copy) {
    if (!QFileInfo::exists(package))
        raiseError(Err::FileNotFound);
    if (!QFileInfo(QFileInfo(copy).absolutePath()).isDir())
        raiseError(Err::PathNotFound);
    // A retry after a half-done copy must be able to start afresh.
    QFile::remove(copy);
    if (!QFile::copy(package, copy))
        raiseError(Err::PathFileAccess);
}

} // namespace

QStringList listedThemes(Procedure& proc, const ThemeSources& sources, const QString& themesDir) {
    QStringList captions;
    ThemeInstaller installer(sources, themesDir);
    installer.installNew = false;
    installer.yield = [] {};
    installer.addThemesItem = [&captions](const QString& caption) { captions.append(caption); };
    installer.run(proc);
    return captions;
}

QStringList listedThemes(Procedure& proc, const QString& themesDir) {
    return listedThemes(proc, machineThemeSources(), themesDir);
}

ThemeInstaller::ThemeInstaller(ThemeSources sources, const QString& themesDir)
    : sources_(std::move(sources)), themesDir_(QDir::cleanPath(themesDir)) {}

void ThemeInstaller::run(Procedure& proc) {
    skipped_.clear();
    listed_.clear();
    // Only a run that installs clears up: one that merely lists changes nothing on
    // disk, and a start may be unpacking into such a folder at this moment.
    if (installNew) {
        proc.step([&] { removeUnpackLeftovers(themesDir_); });
        proc.step([&] { removeExportLeftovers(themesDir_, QDateTime::currentDateTime()); });
    }

    QStringList user;
    QStringList shared;
    proc.step([&] { user = themeCandidates(sources_.user, false, &skipped_); });
    proc.step([&] { shared = themeCandidates(sources_.shared, false, &skipped_); });

    // Without packages on offer the menu lists the themes of earlier starts. With them,
    // it lists the packages' themes first and then every other theme in the Themes
    // folder: those the user exported or unpacked there never vanish from the menu.
    QStringList present;
    proc.step([&] { present = themeCandidates(themesDir_, true, &skipped_); });
    if (!user.isEmpty() || !shared.isEmpty()) {
        examineGroup(proc, user, sources_.user);
        addItem(proc, QStringLiteral("-"));
        examineGroup(proc, shared, sources_.shared);
        present.removeIf([this](const QString& name) { return listed_.contains(name); });
        if (!present.isEmpty() && listed_.constLast() != QLatin1String("-"))
            addItem(proc, QStringLiteral("-"));
    }
    for (const QString& name : present)
        addItem(proc, name);
    reportSkipped();
}

void ThemeInstaller::reportSkipped() {
    if (skipped_.isEmpty())
        return;
    errorPrompt().inform(
        QCoreApplication::translate("ThemeInstaller",
                                    "These folders are not offered as themes, because their names "
                                    "hold control characters (such as a line end) that a scheme "
                                    "file cannot keep:") +
        QStringLiteral("\n\n") + skipped_.join(QLatin1Char('\n')));
}

void ThemeInstaller::examineGroup(Procedure& proc, const QStringList& names,
                                  const QString& source) {
    // A name without a package drops out and the next one is examined; the list
    // grows as needed, with no fixed capacity.
    for (const QString& name : names)
        examine(proc, source, name);
}

void ThemeInstaller::examine(Procedure& proc, const QString& source, const QString& name) {
    const QString package =
        plainPath(source, name + QLatin1Char('/') + name + QStringLiteral(".elm"));
    if (!proc.test([&] { return fcnFileExists(package); }))
        return;
    if (proc.test([&] { return fcnPathExists(plainPath(themesDir_, name)); })) {
        // Installed by an earlier start (or earlier in this one): listed, never redone.
        addItem(proc, name);
        yieldNow(proc);
        return;
    }
    // A package refused before is not unpacked again, nor reported again, until it
    // changes.
    if (installNew && !refusedBefore(package))
        install(proc, package, name);
}

void ThemeInstaller::install(Procedure& proc, const QString& package, const QString& name) {
    proc.step([&] {
        if (packageStarted)
            packageStarted(name);
    });
    yieldNow(proc);
    // Everything happens in a folder of its own until the theme is complete, so a
    // start that ends half-way leaves no Themes/NAME that looks installed.
    QString unpacked;
    const bool made = proc.step([&] { unpacked = makeUnpackFolder(themesDir_); });
    const QString copy = plainPath(unpacked, name + QStringLiteral(".elm"));
    const bool copied = made && proc.step([&] { copyPackage(package, copy); });

    UnpackResult result;
    if (copied)
        proc.step([&] { result = unpackWhileResponsive(copy, unpacked, limits, progress); });
    const bool placed =
        result.ok && proc.step([&] { moveIntoPlace(unpacked, plainPath(themesDir_, name)); });
    if (!placed) {
        // A theme that is not there in full gets no menu item, and what was unpacked
        // goes, so that the next start tries again. A failed copy, folder or move was
        // reported by the trap already; a failed unpack is reported here, once.
        if (made)
            QDir(unpacked).removeRecursively();
        if (copied && !result.ok) {
            rememberRefused(package);
            errorPrompt().inform(QCoreApplication::translate(
                                     "ThemeInstaller",
                                     "The theme package \"%1\" could not be unpacked: %2.\n\n"
                                     "The theme %3 was not installed. The package is not tried "
                                     "again while it stays as it is: remove it, or put a whole "
                                     "one in its place.")
                                     .arg(QDir::toNativeSeparators(package), result.error, name));
        }
        yieldNow(proc);
        return;
    }
    addItem(proc, name);
    yieldNow(proc);
}

void ThemeInstaller::addItem(Procedure& proc, const QString& caption) {
    listed_.append(caption);
    proc.step([&] {
        if (addThemesItem)
            addThemesItem(caption);
    });
}

QString ThemeInstaller::refusedListPath() const {
    return QFileInfo(themesDir_).absolutePath() + QLatin1Char('/') +
           QLatin1String(RefusedPackagesFile);
}

QString ThemeInstaller::refusedKey(const QString& package) {
    const QFileInfo info(package);
    return QStringLiteral("%1\t%2\t%3")
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(info.absoluteFilePath());
}

bool ThemeInstaller::refusedBefore(const QString& package) const {
    QFile list(refusedListPath());
    if (!list.open(QIODevice::ReadOnly))
        return false;
    const QStringList keys =
        QString::fromUtf8(list.read(MaxRefusedListSize)).split(QLatin1Char('\n'));
    return keys.contains(refusedKey(package));
}

void ThemeInstaller::rememberRefused(const QString& package) {
    // Kept in a file of its own beside Themes/. Should it not be written, the package
    // is only tried, and reported, once more at the next start.
    QFile list(refusedListPath());
    if (list.size() < MaxRefusedListSize && list.open(QIODevice::Append))
        list.write(refusedKey(package).toUtf8() + '\n');
}

void ThemeInstaller::yieldNow(Procedure& proc) {
    proc.step([&] {
        if (yield)
            yield();
        else
            QCoreApplication::processEvents();
    });
}
