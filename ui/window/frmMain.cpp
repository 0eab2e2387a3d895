#include "ui/window/frmMain.h"

#include "framework/Procedure.h"
#include "ui/dialogs/DialogService.h"
#include "ui/editor/ComparePanel.h"
#include "ui/editor/EditorPanel.h"
#include "ui/preview/PreviewPage.h"
#include "ui/preview/PreviewPointer.h"
#include "ui/window/AccessibilityCommands.h"
#include "ui/window/DocumentCommands.h"
#include "ui/window/EditCommands.h"
#include "ui/window/ExchangeCommands.h"
#include "ui/window/FileCommands.h"
#include "ui/window/HelpCommands.h"
#include "ui/window/PreviewCommands.h"
#include "ui/window/PrintCommands.h"
#include "ui/window/RememberCommands.h"
#include "ui/window/Remembered.h"
#include "ui/window/SchemeFileDrop.h"
#include "ui/window/ThemesMenu.h"
#include "ui/window/VariantCommands.h"
#include "ui/window/WindowFit.h"
#include "ui/window/ZoomCommands.h"
#include "widgets/Twips.h"
#include "widgets/WindowUtil.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDockWidget>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QShowEvent>
#include <QStatusBar>
#include <QWindow>

namespace {
// The design's client area is 14175 twips wide with the preview at 4560; the editor's
// contrast marks move the preview, and so the window's right edge, further right.
constexpr float DesignWidth = 14175 + EditorPanel::RightEdge - 4560;
// The Compare panel's width: room for an element's name, an attribute and two values.
constexpr float ComparePanelWidth = 5700;

// Runs an action once, when the window is first exposed on the screen: by then a
// window manager has framed it.
class OnFirstExpose : public QObject {
public:
    OnFirstExpose(QWindow* window, std::function<void()> action)
        : QObject(window), action_(std::move(action)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            deleteLater();
            action_();
        }
        return false;
    }

private:
    std::function<void()> action_;
};

// F5 whatever the shift state: Shift, Ctrl and Alt in every combination.
QList<QKeySequence> everyF5() {
    QList<QKeySequence> keys;
    for (int shift = 0; shift < 8; ++shift) {
        Qt::KeyboardModifiers modifiers;
        modifiers.setFlag(Qt::ShiftModifier, shift & 1);
        modifiers.setFlag(Qt::ControlModifier, shift & 2);
        modifiers.setFlag(Qt::AltModifier, shift & 4);
        keys.append(QKeySequence(QKeyCombination(modifiers, Qt::Key_F5)));
    }
    return keys;
}

// Neither minimised, maximised nor full screen: the state the window fits itself in.
bool inNormalState(const QWidget& window) {
    return !(window.windowState() &
             (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

// A menu of the menu bar by its design name.
QMenu* addMenu(QMenuBar* bar, const QString& title, const char* name) {
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

void addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

// The preview rebuilt from the scheme under the caller's trap; pictures it could not
// show are reported once it is laid out, the first time only.
void refreshPreview(Procedure& proc, PreviewPage& preview, const ColorScheme& scheme,
                    PictureReport& report) {
    QStringList missing;
    proc.step([&] { missing = preview.DisplayRefresh(scheme); });
    report.shown(missing);
}
} // namespace

frmMain::frmMain(WindowFolders folders)
    : folders_(std::move(folders)), cdbMain_(std::make_unique<QtDialogService>(this)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("TNA"));
    setWindowIcon(productIcon());
    // Every change of the document, whatever made it, is shown by the same routines.
    connect(&document_, &SchemeDocument::captionChanged, this, [this] {
        Procedure proc(QStringLiteral("frmMain.UpdateFormCaption"));
        setWindowTitle(document_.caption());
    });
    connect(&document_, &SchemeDocument::schemeChanged, this, &frmMain::SchemeEdited);
    connect(&document_, &SchemeDocument::loading, this, [this] { pictureReport_.startScheme(); });
    buildClientArea();
    buildComparePanel();

    themes_ = new ThemesMenu(document_, folders_, *this);
    accessibility_ = new AccessibilityCommands(document_, *editor, *picDisplay, *this);
    remembered_ = new RememberCommands(*editor, *picDisplay, *accessibility_, *this);
    files_ = new FileCommands(document_, cdbMain_, folders_, *remembered_);
    connect(files_, &FileCommands::picturesFoundElsewhere, this,
            [this](int count, const QString& file) { pictureReport_.foundElsewhere(count, file); });
    exchange_ = new ExchangeCommands(document_, cdbMain_, *editor, folders_, *themes_);
    history_ =
        new DocumentCommands(document_, cdbMain_, *editor, *files_, *dockCompare, *comparePanel);
    edits_ = new EditCommands(document_, cdbMain_, *editor, *picDisplay, *remembered_);
    printing_ = new PrintCommands(document_, cdbMain_, *accessibility_, folders_, *clientArea_);
    variants_ = new VariantCommands(document_, cdbMain_, *editor, *picDisplay);
    help_ = new HelpCommands(*this);
    pointing_ = new PreviewCommands(*editor, *pointer_, *edits_, *accessibility_);
    zoom_ = new ZoomCommands(*pointer_, *this);
    // A zoom chosen is kept between runs, and the client area laid out around it.
    connect(zoom_, &ZoomCommands::zoomChanged, this, [this](int percent) {
        remembered_->rememberZoom(percent);
        Form_Resize();
    });
    connect(remembered_, &RememberCommands::zoomRemembered, zoom_, &ZoomCommands::setZoomPercent);
    // What a command has to tell without stopping the user goes to the status bar.
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    const auto tell = [this](const QString& message) { statusBar()->showMessage(message, 10000); };
    connect(edits_, &EditCommands::tell, this, tell);
    connect(exchange_, &ExchangeCommands::tell, this, tell);
    // A scheme file dropped onto the window opens as File > Open opens it.
    new SchemeFileDrop(*this, [this](const QString& path) { files_->openFile(path); });

    buildMenus();
    resize(twipsToPixels(DesignWidth), twipsToPixels(12405) + menuBar()->sizeHint().height() +
                                           statusBar()->sizeHint().height());

    // F5 reaches the window's key handler whichever of its controls has the focus.
    auto* refresh = new QAction(this);
    refresh->setObjectName(QStringLiteral("actRefresh"));
    refresh->setText(tr("Refresh the editor and the preview"));
    refresh->setShortcuts(everyF5());
    refresh->setShortcutContext(Qt::WindowShortcut);
    addAction(refresh);
    connect(refresh, &QAction::triggered, this, &frmMain::Form_KeyDown);

    Form_Load();
}

frmMain::~frmMain() {
    // The window's widgets go after its members; the docked panel hides as they go and
    // must not ask a window half gone to fit itself.
    dockCompare->disconnect(this);
}

void frmMain::buildMenus() {
    QMenu* mnuFile = addMenu(menuBar(), tr("&File"), "mnuFile");
    const QList<QAction*> fileActions = files_->actions();
    mnuFile->addActions(fileActions);
    // Open Recent follows Open.
    mnuFile->insertMenu(fileActions.value(1), remembered_->recentMenu());
    addSeparator(mnuFile, "mnuFileSep1");
    mnuFile->addActions(exchange_->actions());
    addSeparator(mnuFile, "mnuFileSep2");
    mnuFile->addActions(printing_->actions());
    QAction* quit = mnuFile->addAction(tr("&Quit"));
    quit->setObjectName(QStringLiteral("mnuFileQuit"));
    quit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    connect(quit, &QAction::triggered, this, [this] {
        Procedure proc(QStringLiteral("frmMain.mnuFileQuit_Click"));
        close();
    });

    QMenu* mnuEdit = addMenu(menuBar(), tr("&Edit"), "mnuEdit");
    const QList<QAction*> editActions = history_->editActions();
    mnuEdit->addActions(editActions.mid(0, 2));
    addSeparator(mnuEdit, "mnuEditSep1");
    mnuEdit->addActions(editActions.mid(2));
    addSeparator(mnuEdit, "mnuEditSep2");
    mnuEdit->addAction(accessibility_->makeAllPassAction());
    mnuEdit->addActions(variants_->makeActions());

    QMenu* mnuView = addMenu(menuBar(), tr("&View"), "mnuView");
    QAction* compare = dockCompare->toggleViewAction();
    compare->setText(tr("&Compare"));
    compare->setObjectName(QStringLiteral("mnuViewCompare"));
    mnuView->addAction(compare);
    mnuView->addAction(history_->compareFileAction());
    addSeparator(mnuView, "mnuViewSep1");
    QMenu* levels = mnuView->addMenu(tr("Contrast &Level"));
    levels->setObjectName(QStringLiteral("mnuViewContrastLevel"));
    levels->addActions(accessibility_->levelActions()->actions());
    QMenu* simulate = mnuView->addMenu(tr("&Simulate"));
    simulate->setObjectName(QStringLiteral("mnuViewSimulate"));
    simulate->addActions(accessibility_->simulationActions()->actions());
    QMenu* variant = mnuView->addMenu(tr("&Variant"));
    variant->setObjectName(QStringLiteral("mnuViewVariant"));
    variant->addActions(variants_->shownActions()->actions());
    addSeparator(mnuView, "mnuViewSep2");
    mnuView->addActions(zoom_->actions());
    // The simulation in force shows at the right of the menu bar, where it takes no
    // room from the editor or the preview, which the window is fitted around.
    menuBar()->setCornerWidget(accessibility_->simulationLabel(), Qt::TopRightCorner);

    menuBar()->addMenu(themes_->menu());

    QMenu* mnuHelp = addMenu(menuBar(), tr("&Help"), "mnuHelp");
    mnuHelp->addActions(help_->actions());
}

void frmMain::buildClientArea() {
    // The client area holds the controls at their design positions, without layouts.
    // It scrolls where the screen is too small for the window to show all of it.
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("clientScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(false);
    clientArea_ = new QWidget;
    clientArea_->setObjectName(QStringLiteral("clientArea"));
    clientArea_->setFont(designFont(QStringLiteral("MS Sans Serif"), 8.25));
    clientArea_->resize(twipsToPixels(DesignWidth), twipsToPixels(12405));
    scroller->setWidget(clientArea_);
    setCentralWidget(scroller);
    editor = new EditorPanel(clientArea_);
    picDisplay = new PreviewPage(clientArea_);
    picDisplay->move(twipsToPixels(EditorPanel::RightEdge), 0);
    // The layer the user points at the preview's elements through, which also shows the
    // preview zoomed.
    pointer_ = new PreviewPointer(*picDisplay, clientArea_);
    // The window fits itself around each new layout of the preview.
    connect(picDisplay, &PreviewPage::laidOut, this, &frmMain::Form_Resize);
}

void frmMain::buildComparePanel() {
    dockCompare = new QDockWidget(tr("Compare"), this);
    dockCompare->setObjectName(QStringLiteral("dockCompare"));
    dockCompare->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    comparePanel = new ComparePanel(document_, dockCompare);
    dockCompare->setWidget(comparePanel);
    // A fixed width, so that the window, which fits itself to the preview, knows the
    // room the panel takes.
    dockCompare->setFixedWidth(twipsToPixels(ComparePanelWidth));
    addDockWidget(Qt::RightDockWidgetArea, dockCompare);
    dockCompare->hide();
    fit_ = std::make_unique<WindowFit>(*this, *pointer_, twipsToPixels(EditorPanel::RightEdge),
                                       *dockCompare);
    // The window fits itself around the panel as it comes and goes, floats or docks.
    connect(dockCompare, &QDockWidget::visibilityChanged, this, &frmMain::comparePanelMoved);
    connect(dockCompare, &QDockWidget::topLevelChanged, this, &frmMain::comparePanelMoved);
}

void frmMain::setDialogService(std::unique_ptr<DialogService> service) {
    cdbMain_ = std::move(service);
}

void frmMain::Form_Load() {
    Procedure proc(QStringLiteral("frmMain.Form_Load"));
    proc.step([&] { document_.schemeInPlace().fillFontSizeTable(); });
    proc.step([&] { CenterForm(this); });
}

void frmMain::showWithDefaultTheme() {
    themes_->mnuThemesItem_Click(0);
    show();
}

void frmMain::SchemeEdited(SchemeDocument::Redraw redraw) {
    Procedure proc(QStringLiteral("frmMain.SchemeEdited"));
    const ColorScheme shown = document_.shown();
    if (redraw == SchemeDocument::Redraw::PanelAndPreview)
        editor->SetFontsAndColors(shown);
    refreshPreview(proc, *picDisplay, shown, pictureReport_);
    if (redraw == SchemeDocument::Redraw::PreviewAndPanel)
        editor->SetFontsAndColors(shown);
}

void frmMain::UpdateFormCaption(QString& FileName) {
    document_.setCaptionName(FileName);
}

void frmMain::Form_KeyDown() {
    Procedure proc(QStringLiteral("frmMain.Form_KeyDown"));
    const ColorScheme shown = document_.shown();
    editor->SetFontsAndColors(shown);
    refreshPreview(proc, *picDisplay, shown, pictureReport_);
}

void frmMain::Form_Resize() {
    Procedure proc(QStringLiteral("frmMain.Form_Resize"));
    if (Resizing)
        return;
    Resizing = true;
    proc.step([&] {
        picDisplay->fitToContent();
        pointer_->placeOverPage();
    });
    if (inNormalState(*this) && !isVisible())
        proc.step([&] { resize(fit_->normalSize()); });
    proc.step([&] {
        const auto* scroller = static_cast<const QScrollArea*>(centralWidget());
        const WindowFit::ClientLayout layout = fit_->clientLayout(scroller->maximumViewportSize());
        clientArea_->resize(layout.size);
        picDisplay->move(layout.previewPosition);
        pointer_->placeOverPage();
    });
    Resizing = false;
}

void frmMain::fitWindow() {
    if (inNormalState(*this)) {
        picDisplay->fitToContent();
        pointer_->placeOverPage();
        resize(fit_->normalSize());
    }
    Form_Resize();
}

void frmMain::comparePanelMoved() {
    fitWindow();
    // Widened by the panel, the window moves left as far as it must to stay in the
    // screen's available area.
    if (!inNormalState(*this) || !isVisible() || !screen())
        return;
    const QRect area = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    if (frame.right() > area.right())
        move(qMax(area.left(), frame.left() - (frame.right() - area.right())), frame.top());
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Form_Load centred the design size; by now the window has the size that fits
    // the theme, and that is the size to centre.
    if (!event->spontaneous() && !placed_) {
        placed_ = true;
        fitWindow();
        placeRemembered();
        if (!positionRestored_)
            CenterForm(this);
        if (windowHandle())
            new OnFirstExpose(windowHandle(), [this] { placeAgainWhenFramed(); });
    }
}

void frmMain::placeAgainWhenFramed() {
    // A window manager frames the window only once it is shown: the size is limited
    // and the window centred again with the frame. The user cannot have moved the
    // window before it was on the screen.
    if (framed_ || fit_->frameExtent().isNull())
        return;
    framed_ = true;
    fitWindow();
    // A remembered position is checked once more with the frame's size.
    if (positionRestored_)
        placeRemembered();
    else
        CenterForm(this);
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        // A window manager may tell of the restored state while the window still has
        // the maximised place: the fitted size would then be applied there, in the
        // screen's corner. The place it had before is kept and given back.
        const Qt::WindowStates large = Qt::WindowMaximized | Qt::WindowFullScreen;
        const Qt::WindowStates old = static_cast<QWindowStateChangeEvent*>(event)->oldState();
        const bool normal = !(windowState() & (large | Qt::WindowMinimized));
        if (!(old & (large | Qt::WindowMinimized)) && (windowState() & large))
            restorePosition_ = pos();
        Form_Resize();
        if ((old & large) && normal && restorePosition_)
            move(*std::exchange(restorePosition_, std::nullopt));
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (files_->maybeSave()) {
        remembered_->rememberPosition(pos());
        event->accept();
    } else
        event->ignore();
}

void frmMain::useSettings(std::unique_ptr<QSettings> settings) {
    remembered_->useSettings(std::move(settings));
}

QStringList frmMain::recentFiles() const {
    return remembered_->recentFiles();
}

void frmMain::placeRemembered() {
    const std::optional<QPoint> position = remembered_->windowPosition();
    if (!position)
        return;
    QList<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens.append(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens.append(screen->availableGeometry());
    const QRect frame(*position, size() + fit_->frameExtent());
    move(Remembered::positionOnScreens(frame, screens));
    positionRestored_ = true;
}
