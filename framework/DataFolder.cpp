#include "framework/DataFolder.h"
#include "framework/BuildPaths.h"

#include "framework/FileAccess.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <QStandardPaths>

#include <cerrno>
#include <optional>

namespace DataFolder {

namespace {

const QString Themes = QStringLiteral("Themes");

// What a per-user folder was seeded with: the bundle's stamp and each seeded file
// (relative to the folder) with the hash of its content at the time.
struct SeedRecord {
    int stamp = 0;
    QMap<QString, QByteArray> files;
};

QByteArray hashOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return {};
    return hash.result().toHex();
}

// The stamp of a bundle; 0 when it has none.
int bundleStamp(const QString& bundled) {
    QFile file(bundled + QLatin1Char('/') + QLatin1String(BundleStampName));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readLine().trimmed().toInt();
}

// The ordinary files of a bundle's Themes folder, relative to the bundle.
QStringList bundledFiles(const QString& bundled) {
    QStringList files;
    const QDir root(bundled);
    QDirIterator it(bundled + QLatin1Char('/') + Themes, QDir::Files | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(root.relativeFilePath(it.next()));
    files.sort();
    return files;
}

std::optional<SeedRecord> readRecord(const QString& user) {
    QFile file(user + QLatin1Char('/') + QLatin1String(SeedRecordName));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    SeedRecord record;
    record.stamp = file.readLine().trimmed().toInt();
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        const qsizetype gap = line.indexOf("  ");
        if (gap > 0)
            record.files.insert(QString::fromUtf8(line.mid(gap + 2)), line.left(gap));
    }
    return record;
}

void writeRecord(const QString& user, const SeedRecord& record) {
    const QString path = user + QLatin1Char('/') + QLatin1String(SeedRecordName);
    QByteArray bytes = QByteArray::number(record.stamp) + '\n';
    for (auto it = record.files.cbegin(); it != record.files.cend(); ++it)
        bytes += it.value() + "  " + it.key().toUtf8() + '\n';
    saveFileBytes(path, bytes);
}

void makeFolder(const QString& path) {
    if (!QDir().mkpath(path))
        raiseFileError(path, true);
}

// Copies one file, replacing what is there.
void copyFile(const QString& from, const QString& to) {
    makeFolder(QFileInfo(to).absolutePath());
    if (QFileInfo::exists(to) && !QFile::remove(to))
        raiseFileError(to, true);
    QFile source(from);
    errno = 0;
    if (!source.copy(to)) {
        const int code = errno;
        raiseFileError(to, true, code);
    }
}

// The theme folder a seeded file belongs to ("Themes/Studio"), its group when a newer
// bundle comes: each theme is brought up to date, or left, as a whole.
QString themeOf(const QString& relative) {
    return relative.section(QLatin1Char('/'), 0, 1);
}

// Copies the bundle's files (those of the themes in `themes`, or all when empty) into
// the user folder, each one step, and adds them to the record.
void copyBundle(Procedure& proc, const QString& bundled, const QString& user, SeedRecord& record,
                const QSet<QString>& themes = {}) {
    for (const QString& relative : bundledFiles(bundled)) {
        if (!themes.isEmpty() && !themes.contains(themeOf(relative)))
            continue;
        const QString from = bundled + QLatin1Char('/') + relative;
        const QString to = user + QLatin1Char('/') + relative;
        proc.TaskDetail = to;
        if (proc.step([&] { copyFile(from, to); }))
            record.files.insert(relative, hashOf(to));
    }
}

void saveRecord(Procedure& proc, const QString& user, const SeedRecord& record) {
    proc.TaskDetail = user + QLatin1Char('/') + QLatin1String(SeedRecordName);
    proc.step([&] { writeRecord(user, record); });
}

// The seeded files of each theme, by theme.
QMap<QString, QStringList> seededThemes(const SeedRecord& record) {
    QMap<QString, QStringList> themes;
    for (auto it = record.files.cbegin(); it != record.files.cend(); ++it)
        themes[themeOf(it.key())].append(it.key());
    return themes;
}

bool unchangedSinceSeeding(const QString& user, const SeedRecord& record,
                           const QStringList& files) {
    for (const QString& relative : files)
        if (hashOf(user + QLatin1Char('/') + relative) != record.files.value(relative))
            return false;
    return !files.isEmpty();
}

// A newer bundle, theme by theme: a seeded theme the user has left as it was is
// replaced by the bundle's (or removed, when the bundle no longer has it); one the
// user changed or deleted stays so. A theme new in the bundle is added unless the
// user has a theme of that name. The record then names the new bundle.
void updateFromNewerBundle(Procedure& proc, const QString& bundled, const QString& user,
                           SeedRecord record) {
    const QMap<QString, QStringList> seeded = seededThemes(record);
    QSet<QString> bringIn;
    for (const QString& relative : bundledFiles(bundled)) {
        const QString theme = themeOf(relative);
        if (!seeded.contains(theme) && !QFileInfo::exists(user + QLatin1Char('/') + theme))
            bringIn.insert(theme);
    }
    for (auto it = seeded.cbegin(); it != seeded.cend(); ++it) {
        if (!unchangedSinceSeeding(user, record, it.value()))
            continue;
        for (const QString& relative : it.value()) {
            const QString stale = user + QLatin1Char('/') + relative;
            proc.TaskDetail = stale;
            proc.step([&] {
                if (!QFile::remove(stale))
                    raiseFileError(stale, true);
            });
            record.files.remove(relative);
        }
        bringIn.insert(it.key());
    }
    record.stamp = bundleStamp(bundled);
    if (!bringIn.isEmpty())
        copyBundle(proc, bundled, user, record, bringIn);
    saveRecord(proc, user, record);
}

} // namespace

QString bundledDataDir() {
    const QString installed =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../") +
                        QStringLiteral(TINTORA_INSTALL_DATA_SUBDIR));
    if (QFileInfo::exists(installed + QStringLiteral("/Themes")))
        return installed;
    const QString build = QStringLiteral(TINTORA_BUILD_DATA_DIR);
    if (QFileInfo::exists(build + QStringLiteral("/Themes")))
        return build;
    return {};
}

QString userDataDir() {
    // Both programs share one folder whatever their executable's name.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/tintora");
}

QString locate() {
    const QString current = QDir::currentPath();
    if (QFileInfo(current + QLatin1Char('/') + Themes).isDir())
        return current;
    return userDataDir();
}

void seedUserFolder(const QString& bundled, const QString& user) {
    Procedure proc(QStringLiteral("CV-Code.subSeedDataFolder"));
    proc.Task = QStringLiteral("Set up the data folder ") + QDir::toNativeSeparators(user);
    const QString themes = user + QLatin1Char('/') + Themes;
    if (!QFileInfo(themes).isDir()) {
        proc.TaskDetail = themes;
        if (!proc.step([&] { makeFolder(themes); }))
            return;
        if (bundled.isEmpty())
            return;
        SeedRecord record;
        record.stamp = bundleStamp(bundled);
        copyBundle(proc, bundled, user, record);
        saveRecord(proc, user, record);
        return;
    }
    // Without a record nothing is known of what was seeded, so nothing is touched.
    const std::optional<SeedRecord> record = readRecord(user);
    if (bundled.isEmpty() || !record || bundleStamp(bundled) <= record->stamp)
        return;
    updateFromNewerBundle(proc, bundled, user, *record);
}

void prepare(const QString& startDir) {
    const QString user = userDataDir();
    if (QDir::cleanPath(startDir) != QDir::cleanPath(user))
        return;
    seedUserFolder(bundledDataDir(), user);
}

QString themesDir(const QString& startDir) {
    return startDir + QDir::separator() + QStringLiteral("Themes");
}

} // namespace DataFolder
