// What the main window remembers between runs, and File > Open Recent.
#include "ui/window/RememberCommands.h"

#include "ui/editor/EditorOptions.h"
#include "ui/editor/EditorPanel.h"
#include "ui/preview/PreviewPage.h"
#include "ui/window/AccessibilityCommands.h"
#include "ui/window/Remembered.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

RememberCommands::RememberCommands(EditorPanel& editor, PreviewPage& preview,
                                   AccessibilityCommands& accessibility, QWidget& window)
    : QObject(&window), editor_(editor), picDisplay_(preview), accessibility_(accessibility) {
    mnuFileRecent = new QMenu(tr("Open &Recent"), &window);
    mnuFileRecent->setObjectName(QStringLiteral("mnuFileRecent"));
    // Shown afresh each time, so that a file deleted since shows greyed.
    connect(mnuFileRecent, &QMenu::aboutToShow, this, &RememberCommands::updateRecentMenu);
    updateRecentMenu();
}

RememberCommands::~RememberCommands() = default;

void RememberCommands::useSettings(std::unique_ptr<QSettings> settings) {
    settings_ = std::move(settings);
    if (!settings_)
        return;
    recentFiles_ = Remembered::recentFiles(*settings_);
    lastFolder_ = Remembered::lastFolder(*settings_);
    const Remembered::PreviewOptions options = Remembered::previewOptions(*settings_);
    editor_.options().showPreviewOptions(options.backgroundPicture, options.transparentLabels);
    picDisplay_.setBackgroundPictureVisible(options.backgroundPicture);
    picDisplay_.setOverPictureLabelsTransparent(options.transparentLabels);
    accessibility_.setContrastLevel(Remembered::contrastLevel(*settings_));
    accessibility_.setSimulation(Remembered::simulation(*settings_));
    Q_EMIT zoomRemembered(Remembered::zoomPercent(*settings_));
    // The user's choices in the View menu are kept once they are made: the groups
    // hear of a choice before the window has acted on it.
    connect(
        accessibility_.levelActions(), &QActionGroup::triggered, this,
        [this] {
            if (settings_)
                Remembered::setContrastLevel(*settings_, accessibility_.contrastLevel());
        },
        Qt::QueuedConnection);
    connect(
        accessibility_.simulationActions(), &QActionGroup::triggered, this,
        [this] {
            if (settings_)
                Remembered::setSimulation(*settings_, accessibility_.simulation());
        },
        Qt::QueuedConnection);
    updateRecentMenu();
}

void RememberCommands::rememberFile(const QString& path) {
    recentFiles_ = Remembered::withRecentFile(recentFiles_, path);
    lastFolder_ = QFileInfo(path).absolutePath();
    if (settings_) {
        Remembered::setRecentFiles(*settings_, recentFiles_);
        Remembered::setLastFolder(*settings_, lastFolder_);
    }
    updateRecentMenu();
}

void RememberCommands::rememberPreviewOptions() {
    if (settings_)
        Remembered::setPreviewOptions(*settings_, {editor_.options().backgroundPictureShown(),
                                                   editor_.options().transparentLabelsShown()});
}

std::optional<QPoint> RememberCommands::windowPosition() const {
    if (!settings_ || !Remembered::hasWindowPosition(*settings_))
        return std::nullopt;
    return Remembered::windowPosition(*settings_);
}

void RememberCommands::rememberZoom(int percent) {
    if (settings_)
        Remembered::setZoomPercent(*settings_, percent);
}

void RememberCommands::rememberPosition(QPoint position) {
    if (settings_)
        Remembered::setWindowPosition(*settings_, position);
}

void RememberCommands::updateRecentMenu() {
    if (!mnuFileRecent)
        return;
    mnuFileRecent->clear();
    for (qsizetype i = 0; i < recentFiles_.size(); ++i) {
        const QString path = recentFiles_[i];
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = mnuFileRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        item->setObjectName(QStringLiteral("mnuFileRecentItem_%1").arg(i));
        item->setData(path);
        const bool present = QFileInfo(path).isFile();
        item->setEnabled(present);
        item->setToolTip(present ? QDir::toNativeSeparators(path)
                                 : tr("%1 (no longer there)").arg(QDir::toNativeSeparators(path)));
        item->setStatusTip(item->toolTip());
        connect(item, &QAction::triggered, this, [this, path] { Q_EMIT recentFileChosen(path); });
    }
    mnuFileRecent->setToolTipsVisible(true);
    mnuFileRecent->addSeparator();
    QAction* clear = mnuFileRecent->addAction(tr("&Clear Menu"));
    clear->setObjectName(QStringLiteral("mnuFileRecentClear"));
    clear->setEnabled(!recentFiles_.isEmpty());
    connect(clear, &QAction::triggered, this, &RememberCommands::mnuFileRecentClear_Click);
    mnuFileRecent->setEnabled(true);
}

void RememberCommands::mnuFileRecentClear_Click() {
    recentFiles_.clear();
    if (settings_)
        Remembered::setRecentFiles(*settings_, recentFiles_);
    updateRecentMenu();
}
