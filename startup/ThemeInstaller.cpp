#include "startup/ThemeInstaller.h"

#include "framework/ErrorHandler.h"
#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QPromise>
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

QStringList themeCandidates(const QString& folder, bool foldersOnly) {
    if (folder.isEmpty())
        return {};
    const QDir dir(folder);
    if (!dir.exists())
        return {};
    const QDir::Filters filters =
        (foldersOnly ? QDir::Dirs : QDir::Dirs | QDir::Files) | QDir::NoDotAndDotDot;
    QStringList names;
    for (const QString& name : dir.entryList(filters, QDir::Name | QDir::IgnoreCase))
        if (!name.contains(QLatin1Char('.')))
            names.append(name);
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

void makeWorkingFolder(const QString& themesDir, const QString& name) {
    if (!QFileInfo(themesDir).isDir())
        raiseError(Err::PathNotFound);
    if (!QDir(themesDir).mkdir(name))
        raiseError(Err::PathFileAccess);
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

ThemeInstaller::ThemeInstaller(ThemeSources sources, const QString& themesDir)
    : sources_(std::move(sources)), themesDir_(QDir::cleanPath(themesDir)) {}

void ThemeInstaller::run(Procedure& proc) {
    QStringList user;
    QStringList shared;
    proc.step([&] { user = themeCandidates(sources_.user); });
    proc.step([&] { shared = themeCandidates(sources_.shared); });

    if (user.isEmpty() && shared.isEmpty()) {
        // The sources offer nothing: list the themes installed by earlier starts.
        QStringList present;
        proc.step([&] { present = themeCandidates(themesDir_, true); });
        for (const QString& name : present)
            addItem(proc, name);
        return;
    }
    examineGroup(proc, user, sources_.user);
    addItem(proc, QStringLiteral("-"));
    examineGroup(proc, shared, sources_.shared);
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
    if (installNew)
        install(proc, package, name);
}

void ThemeInstaller::install(Procedure& proc, const QString& package, const QString& name) {
    const QString folder = plainPath(themesDir_, name);
    const QString copy = plainPath(folder, name + QStringLiteral(".elm"));
    proc.step([&] {
        if (packageStarted)
            packageStarted(name);
    });
    yieldNow(proc);
    const bool made = proc.step([&] { makeWorkingFolder(themesDir_, name); });
    const bool copied = made && proc.step([&] { copyPackage(package, copy); });

    UnpackResult result;
    if (copied)
        proc.step([&] { result = unpackWhileResponsive(copy, folder, limits, progress); });
    if (!result.ok) {
        // A theme that is not there in full gets no menu item, and its folder goes so
        // that the next start tries again. A failed copy or folder was reported by the
        // trap already; a failed unpack is reported here, once.
        if (made)
            QDir(folder).removeRecursively();
        if (copied)
            errorPrompt().inform(
                QStringLiteral("The theme package \"%1\" could not be unpacked: %2.\n\n"
                               "The theme %3 was not installed; it will be tried again at the "
                               "next start.")
                    .arg(QDir::toNativeSeparators(package), result.error, name));
        yieldNow(proc);
        return;
    }
    addItem(proc, name);
    yieldNow(proc);
}

void ThemeInstaller::addItem(Procedure& proc, const QString& caption) {
    proc.step([&] {
        if (addThemesItem)
            addThemesItem(caption);
    });
}

void ThemeInstaller::yieldNow(Procedure& proc) {
    proc.step([&] {
        if (yield)
            yield();
        else
            QCoreApplication::processEvents();
    });
}
