// What the main window remembers between runs, File > Open Recent, and scheme files
// dropped onto the window.
#include "ui/window/frmMain.h"

#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "ui/editor/EditorPanel.h"
#include "ui/preview/PreviewPage.h"
#include "ui/window/Remembered.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QUrl>

namespace {
// The one local scheme file (*.tna) being dragged, or nothing.
QString draggedSchemeFile(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    return path.endsWith(QStringLiteral(".tna"), Qt::CaseInsensitive) ? path : QString();
}
} // namespace

void frmMain::openFile(const QString& path) {
    Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
    openSchemeFile(proc, path);
}

void frmMain::useSettings(std::unique_ptr<QSettings> settings) {
    settings_ = std::move(settings);
    if (!settings_)
        return;
    recentFiles_ = Remembered::recentFiles(*settings_);
    lastFolder_ = Remembered::lastFolder(*settings_);
    const Remembered::PreviewOptions options = Remembered::previewOptions(*settings_);
    editor->showPreviewOptions(options.backgroundPicture, options.transparentLabels);
    picDisplay->setBackgroundPictureVisible(options.backgroundPicture);
    picDisplay->setOverPictureLabelsTransparent(options.transparentLabels);
    setContrastLevel(Remembered::contrastLevel(*settings_));
    setSimulation(Remembered::simulation(*settings_));
    // The user's choices in the View menu are kept once they are made: the groups
    // hear of a choice before the window has acted on it.
    connect(
        contrastLevels_, &QActionGroup::triggered, this,
        [this] {
            if (settings_)
                Remembered::setContrastLevel(*settings_, contrastLevel());
        },
        Qt::QueuedConnection);
    connect(
        simulations_, &QActionGroup::triggered, this,
        [this] {
            if (settings_)
                Remembered::setSimulation(*settings_, simulation());
        },
        Qt::QueuedConnection);
    updateRecentMenu();
}

void frmMain::rememberFile(const QString& path) {
    recentFiles_ = Remembered::withRecentFile(recentFiles_, path);
    lastFolder_ = QFileInfo(path).absolutePath();
    if (settings_) {
        Remembered::setRecentFiles(*settings_, recentFiles_);
        Remembered::setLastFolder(*settings_, lastFolder_);
    }
    updateRecentMenu();
}

void frmMain::rememberPreviewOptions() {
    if (settings_)
        Remembered::setPreviewOptions(
            *settings_, {editor->backgroundPictureShown(), editor->transparentLabelsShown()});
}

void frmMain::buildRecentMenu(QMenu* mnuFile) {
    mnuFileRecent = new QMenu(tr("Open &Recent"), mnuFile);
    mnuFileRecent->setObjectName(QStringLiteral("mnuFileRecent"));
    // Shown afresh each time, so that a file deleted since shows greyed.
    connect(mnuFileRecent, &QMenu::aboutToShow, this, &frmMain::updateRecentMenu);
    updateRecentMenu();
}

void frmMain::updateRecentMenu() {
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
        connect(item, &QAction::triggered, this, [this, path] { mnuFileRecentItem_Click(path); });
    }
    mnuFileRecent->setToolTipsVisible(true);
    mnuFileRecent->addSeparator();
    QAction* clear = mnuFileRecent->addAction(tr("&Clear Menu"));
    clear->setObjectName(QStringLiteral("mnuFileRecentClear"));
    clear->setEnabled(!recentFiles_.isEmpty());
    connect(clear, &QAction::triggered, this, &frmMain::mnuFileRecentClear_Click);
    mnuFileRecent->setEnabled(true);
}

void frmMain::mnuFileRecentItem_Click(const QString& path) {
    Procedure proc(QStringLiteral("frmMain.mnuFileRecentItem_Click"));
    openSchemeFile(proc, path);
}

void frmMain::mnuFileRecentClear_Click() {
    recentFiles_.clear();
    if (settings_)
        Remembered::setRecentFiles(*settings_, recentFiles_);
    updateRecentMenu();
}

void frmMain::placeRemembered() {
    if (!settings_ || !Remembered::hasWindowPosition(*settings_))
        return;
    QList<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens.append(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens.append(screen->availableGeometry());
    const QRect frame(Remembered::windowPosition(*settings_), size() + frameExtent());
    move(Remembered::positionOnScreens(frame, screens));
    positionRestored_ = true;
}

void frmMain::rememberPosition() {
    if (settings_)
        Remembered::setWindowPosition(*settings_, pos());
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    // Accepted or refused by the same rule as every later move of the drag.
    dragMoveEvent(event);
}

void frmMain::dragMoveEvent(QDragMoveEvent* event) {
    if (draggedSchemeFile(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
    const QString path = draggedSchemeFile(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop is over, so that a message about the file does not keep
    // the program it was dragged from waiting.
    QTimer::singleShot(0, this, [this, path] { openFile(path); });
}
