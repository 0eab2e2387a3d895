#pragma once

#include "contrast/ContrastRule.h"
#include "contrast/VisionSimulation.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QStringList>

#include <memory>

class QSettings;

// The keys and rules of what the desktop program remembers between runs.
namespace Remembered {
// The largest settings file read; a real one holds a few hundred bytes.
inline constexpr qint64 MaxSettingsFileSize = qint64(1024) * 1024;

// The settings kept in the INI file `path` (made when missing). Null, and the file left
// as it is, when something there is not an ordinary file of at most
// MaxSettingsFileSize bytes: the settings are read whole, and a pipe would keep the
// start waiting.
std::unique_ptr<QSettings> openSettings(const QString& path);

// File > Open Recent lists at most this many files.
inline constexpr int RecentCount = 8;

// `path` put at the top of `recent`: once only, and the oldest beyond RecentCount
// dropped. Paths are compared as the file system spells them.
QStringList withRecentFile(QStringList recent, const QString& path);

QStringList recentFiles(const QSettings& settings);
void setRecentFiles(QSettings& settings, const QStringList& recent);
QString lastFolder(const QSettings& settings);
void setLastFolder(QSettings& settings, const QString& folder);

// The preview options, the boxes "Show Bckgnd Image" and "Transparant Labels".
struct PreviewOptions {
    bool backgroundPicture = false;
    bool transparentLabels = true;
};
PreviewOptions previewOptions(const QSettings& settings);
void setPreviewOptions(QSettings& settings, const PreviewOptions& options);

// View > Contrast Level and View > Simulate, as their names ("AAA", "protanopia");
// a value not understood reads as the default, AA and Normal.
ContrastLevel contrastLevel(const QSettings& settings);
void setContrastLevel(QSettings& settings, ContrastLevel level);
Deficiency simulation(const QSettings& settings);
void setSimulation(QSettings& settings, Deficiency deficiency);

// View > Zoom as a percentage; 100 when none was stored or it is not a number.
int zoomPercent(const QSettings& settings);
void setZoomPercent(QSettings& settings, int percent);

// The window's frame position, when one was stored.
bool hasWindowPosition(const QSettings& settings);
QPoint windowPosition(const QSettings& settings);
void setWindowPosition(QSettings& settings, const QPoint& position);

// Where a window whose frame would be at `frame` goes so that it is on a screen
// that is present: on the screen among `screens` (their available areas) it overlaps
// most, else on the first, moved just enough to lie within it; a window larger than
// the area keeps its top-left corner, and with it the menu bar, inside. No screens
// leave the position as it is.
QPoint positionOnScreens(const QRect& frame, const QList<QRect>& screens);
} // namespace Remembered
