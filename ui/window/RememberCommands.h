#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>

#include <memory>
#include <optional>

class AccessibilityCommands;
class EditorPanel;
class PreviewPage;
class QMenu;
class QSettings;
class QWidget;

// What the main window remembers between runs, and File > Open Recent: the recent
// files, the folder of the last Open or Save As, the preview options, the contrast
// level, the simulation and the window's position. Without a store nothing outlives
// the window.
class RememberCommands : public QObject {
    Q_OBJECT

public:
    RememberCommands(EditorPanel& editor, PreviewPage& preview,
                     AccessibilityCommands& accessibility, QWidget& window);
    ~RememberCommands() override;

    // The store; what it holds is applied at once, the window's position excepted.
    void useSettings(std::unique_ptr<QSettings> settings);

    // File > Open Recent: the list shown afresh each time (a file gone since is
    // greyed); choosing an item asks for it to be opened.
    QMenu* recentMenu() const { return mnuFileRecent; }
    // The newest first.
    QStringList recentFiles() const { return recentFiles_; }
    // The folder of the last Open or Save As; empty before there was one.
    QString lastFolder() const { return lastFolder_; }
    // A file opened or saved goes to the top of the recent list, and its folder is
    // where the next Open or Save As starts.
    void rememberFile(const QString& path);
    void rememberPreviewOptions();
    // Where the window's frame was when it last closed, if the store knows.
    std::optional<QPoint> windowPosition() const;
    void rememberPosition(QPoint position);
    // View > Zoom's percentage.
    void rememberZoom(int percent);

Q_SIGNALS:
    void recentFileChosen(const QString& path);
    // The zoom the store holds, when a store is given.
    void zoomRemembered(int percent);

private:
    void updateRecentMenu();
    void mnuFileRecentClear_Click();

    EditorPanel& editor_;
    PreviewPage& picDisplay_;
    AccessibilityCommands& accessibility_;
    std::unique_ptr<QSettings> settings_;
    QStringList recentFiles_;
    QString lastFolder_;
    QMenu* mnuFileRecent = nullptr;
};
