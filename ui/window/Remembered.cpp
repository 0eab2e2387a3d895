#include "ui/window/Remembered.h"

#include "framework/FileAccess.h"
#include "framework/RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {
const QString RecentKey = QStringLiteral("files/recent");
const QString FolderKey = QStringLiteral("files/lastFolder");
const QString PictureKey = QStringLiteral("preview/showBackgroundImage");
const QString LabelsKey = QStringLiteral("preview/transparentLabels");
const QString LevelKey = QStringLiteral("view/contrastLevel");
const QString SimulationKey = QStringLiteral("view/simulation");
const QString PositionKey = QStringLiteral("window/position");
const QString ZoomKey = QStringLiteral("view/zoom");

qint64 overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

// The start of a length placed within an area's span, its start kept inside.
int within(int start, int length, int areaStart, int areaLength) {
    return qMax(areaStart, qMin(start, areaStart + areaLength - length));
}
} // namespace

namespace Remembered {

std::unique_ptr<QSettings> openSettings(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink()) {
        QFile file;
        try {
            openRegularFile(file, path, MaxSettingsFileSize);
        } catch (const RuntimeError&) {
            return nullptr;
        }
    }
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

QStringList withRecentFile(QStringList recent, const QString& path) {
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > RecentCount)
        recent.removeLast();
    return recent;
}

QStringList recentFiles(const QSettings& settings) {
    QStringList recent = settings.value(RecentKey).toStringList();
    recent.removeAll(QString());
    return recent.mid(0, RecentCount);
}

void setRecentFiles(QSettings& settings, const QStringList& recent) {
    settings.setValue(RecentKey, recent);
}

QString lastFolder(const QSettings& settings) {
    return settings.value(FolderKey).toString();
}

void setLastFolder(QSettings& settings, const QString& folder) {
    settings.setValue(FolderKey, folder);
}

PreviewOptions previewOptions(const QSettings& settings) {
    const PreviewOptions defaults;
    return {settings.value(PictureKey, defaults.backgroundPicture).toBool(),
            settings.value(LabelsKey, defaults.transparentLabels).toBool()};
}

void setPreviewOptions(QSettings& settings, const PreviewOptions& options) {
    settings.setValue(PictureKey, options.backgroundPicture);
    settings.setValue(LabelsKey, options.transparentLabels);
}

ContrastLevel contrastLevel(const QSettings& settings) {
    return contrastLevelFromText(settings.value(LevelKey).toString()).value_or(ContrastLevel::AA);
}

void setContrastLevel(QSettings& settings, ContrastLevel level) {
    settings.setValue(LevelKey, contrastLevelText(level));
}

Deficiency simulation(const QSettings& settings) {
    return deficiencyFromText(settings.value(SimulationKey).toString())
        .value_or(Deficiency::Normal);
}

void setSimulation(QSettings& settings, Deficiency deficiency) {
    settings.setValue(SimulationKey, deficiencyName(deficiency));
}

int zoomPercent(const QSettings& settings) {
    bool number = false;
    const int percent = settings.value(ZoomKey).toInt(&number);
    return number ? percent : 100;
}

void setZoomPercent(QSettings& settings, int percent) {
    settings.setValue(ZoomKey, percent);
}

bool hasWindowPosition(const QSettings& settings) {
    return settings.value(PositionKey).canConvert<QPoint>() && settings.contains(PositionKey);
}

QPoint windowPosition(const QSettings& settings) {
    return settings.value(PositionKey).toPoint();
}

void setWindowPosition(QSettings& settings, const QPoint& position) {
    settings.setValue(PositionKey, position);
}

QPoint positionOnScreens(const QRect& frame, const QList<QRect>& screens) {
    if (screens.isEmpty())
        return frame.topLeft();
    QRect area = screens.first();
    qint64 best = 0;
    for (const QRect& screen : screens) {
        if (overlap(frame, screen) > best) {
            best = overlap(frame, screen);
            area = screen;
        }
    }
    return {within(frame.left(), frame.width(), area.left(), area.width()),
            within(frame.top(), frame.height(), area.top(), area.height())};
}

} // namespace Remembered
