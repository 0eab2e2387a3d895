#include "ui/window/frmMain.h"

#include "framework/DataFolder.h"
#include "framework/ErrorHandler.h"
#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "scheme/FileInformation.h"
#include "scheme/SchemeFile.h"
#include "theme/ChooseTheme.h"
#include "ui/dialogs/DialogService.h"
#include "ui/dialogs/PrintCommand.h"
#include "ui/dialogs/Printer.h"
#include "ui/editor/ComparePanel.h"
#include "ui/editor/EditorPanel.h"
#include "ui/preview/PreviewBackdrops.h"
#include "ui/preview/PreviewPage.h"
#include "widgets/Twips.h"
#include "widgets/WindowUtil.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QWindow>

namespace {
// The design's client area is 14175 twips wide with the preview at 4560; the editor's
// contrast marks move the preview, and so the window's right edge, further right.
constexpr float DesignWidth = 14175 + EditorPanel::RightEdge - 4560;

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

struct MenuCommand {
    const char* name;
    const char* text;
    const char* shortcut;
    void (frmMain::*handler)();
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
} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent), cdbMain_(std::make_unique<QtDialogService>(this)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("TNA"));
    setWindowIcon(productIcon());
    // A scheme file dropped onto the window opens as File > Open opens it.
    setAcceptDrops(true);
    // Every change of the document, whatever made it, is shown by the same two routines.
    connect(&document_, &SchemeDocument::captionChanged, this, &frmMain::showCaption);
    connect(&document_, &SchemeDocument::schemeChanged, this, &frmMain::SchemeEdited);
    buildClientArea();
    buildComparePanel();
    buildMenus();
    resize(twipsToPixels(DesignWidth), twipsToPixels(12405) + menuBar()->sizeHint().height());

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
    QMenu* mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    static constexpr MenuCommand FileCommands[] = {
        {"mnuFileOpen", QT_TRANSLATE_NOOP("frmMain", "&Open"), "Ctrl+O",
         &frmMain::mnuFileOpen_Click},
        {"mnuFileSave", QT_TRANSLATE_NOOP("frmMain", "&Save"), "Ctrl+S",
         &frmMain::mnuFileSave_Click},
        {"mnuFileSaveAs", QT_TRANSLATE_NOOP("frmMain", "Save &As"), "Ctrl+A",
         &frmMain::mnuFileSaveAs_Click},
        {"mnuFileSep1", "-", "", nullptr},
        {"mnuFilePrint", QT_TRANSLATE_NOOP("frmMain", "&Print"), "Ctrl+P",
         &frmMain::mnuFilePrint_Click},
        {"mnuFileQuit", QT_TRANSLATE_NOOP("frmMain", "&Quit"), "Ctrl+Q",
         &frmMain::mnuFileQuit_Click},
    };
    for (const MenuCommand& command : FileCommands) {
        QAction* action =
            command.handler ? mnuFile->addAction(tr(command.text)) : mnuFile->addSeparator();
        action->setObjectName(QLatin1String(command.name));
        if (!command.handler)
            continue;
        action->setShortcut(QKeySequence(QLatin1String(command.shortcut)));
        connect(action, &QAction::triggered, this, command.handler);
    }
    mnuFileSave = mnuFile->findChild<QAction*>(QStringLiteral("mnuFileSave"));
    buildExchangeCommands(mnuFile, mnuFile->findChild<QAction*>(QStringLiteral("mnuFilePrint")));
    buildRecentMenu(mnuFile);
    mnuFile->insertMenu(mnuFileSave, mnuFileRecent);
    auto* preview = new QAction(tr("Print Pre&view..."), mnuFile);
    preview->setObjectName(QStringLiteral("mnuFilePrintPreview"));
    connect(preview, &QAction::triggered, this, &frmMain::mnuFilePrintPreview_Click);
    mnuFile->insertAction(mnuFile->findChild<QAction*>(QStringLiteral("mnuFileQuit")), preview);
    // The usual Save As keys work too, and the platform's own where it has others;
    // some platforms (and the offscreen one) bind none.
    QList<QKeySequence> saveAsKeys{QKeySequence(QStringLiteral("Ctrl+A")),
                                   QKeySequence(QStringLiteral("Ctrl+Shift+S"))};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::SaveAs))
        if (!key.isEmpty() && !saveAsKeys.contains(key))
            saveAsKeys.append(key);
    mnuFile->findChild<QAction*>(QStringLiteral("mnuFileSaveAs"))->setShortcuts(saveAsKeys);

    buildEditMenu();
    buildViewMenu();

    mnuThemes = menuBar()->addMenu(tr("&Themes"));
    mnuThemes->setObjectName(QStringLiteral("mnuThemes"));
    addThemesItem(QStringLiteral("Default"));
    mnuThemesItem.front()->setShortcut(QKeySequence(Qt::Key_F1));

    buildHelpMenu();
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
    // The window fits itself around each new layout of the preview.
    connect(picDisplay, &PreviewPage::laidOut, this, &frmMain::Form_Resize);
    // The contrast marks follow every refresh of the preview and every preview option.
    connect(picDisplay, &PreviewPage::backdropsChanged, this, &frmMain::showContrastMarks);

    connect(editor, &EditorPanel::backgroundPictureClicked, this, &frmMain::Check1_Click);
    connect(editor, &EditorPanel::transparentLabelsClicked, this, &frmMain::chkTransLabels_Click);
    connect(editor, &EditorPanel::bgColorClicked, this, &frmMain::lblBGColorSelect_Click);
    connect(editor, &EditorPanel::fgColorClicked, this, &frmMain::lblFGColorSelect_Click);
    connect(editor, &EditorPanel::fontClicked, this, &frmMain::cmdFontSelect_Click);
    connect(editor, &EditorPanel::makeItPassClicked, this, &frmMain::makeRowPass_Click);
}

void frmMain::setDialogService(std::unique_ptr<DialogService> service) {
    cdbMain_ = std::move(service);
}

void frmMain::Form_Load() {
    Procedure proc(QStringLiteral("frmMain.Form_Load"));
    proc.step([&] { document_.schemeInPlace().fillFontSizeTable(); });
    proc.step([&] { CenterForm(this); });
    proc.step([&] { mnuFileSave->setEnabled(false); });
}

void frmMain::addThemesItem(const QString& caption) {
    const int index = static_cast<int>(mnuThemesItem.size());
    QAction* item = nullptr;
    if (caption == QLatin1String("-")) {
        item = mnuThemes->addSeparator();
    } else {
        // A theme name may hold "&", which a menu would take for a mnemonic.
        QString shown = caption;
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        item = mnuThemes->addAction(shown);
        connect(item, &QAction::triggered, this, [this, index] { mnuThemesItem_Click(index); });
    }
    item->setObjectName(QStringLiteral("mnuThemesItem_%1").arg(index));
    item->setData(caption);
    mnuThemesItem.append(item);
}

void frmMain::addThemesItems(const QStringList& captions) {
    for (const QString& caption : captions)
        addThemesItem(caption);
}

void frmMain::showWithDefaultTheme() {
    mnuThemesItem_Click(0);
    show();
}

QString frmMain::themesItemCaption(int index) const {
    if (index < 0 || index >= mnuThemesItem.size())
        raiseError(Err::SubscriptOutOfRange);
    return mnuThemesItem[index]->data().toString();
}

void frmMain::mnuThemesItem_Click(int index) {
    Procedure proc(QStringLiteral("frmMain.mnuThemesItem_Click"));
    QString caption;
    if (!proc.step([&] { caption = themesItemCaption(index); }))
        return;
    // The theme is read over a copy: unsaved edits stay a step back in the history.
    ColorScheme chosen = document_.scheme();
    chooseTheme(chosen, DataFolder::themesDir(globals().StartDir), caption);
    document_.chooseTheme(caption, chosen);
}

void frmMain::SetFontsAndColors() {
    editor->SetFontsAndColors(document_.scheme());
}

void frmMain::refreshPreview(Procedure& proc) {
    QStringList missing;
    proc.step([&] { missing = picDisplay->DisplayRefresh(document_.scheme()); });
    if (!missing.isEmpty())
        errorPrompt().inform(missingPicturesMessage(missing));
}

void frmMain::SchemeEdited(SchemeDocument::Redraw redraw) {
    Procedure proc(QStringLiteral("frmMain.SchemeEdited"));
    if (redraw == SchemeDocument::Redraw::PanelAndPreview)
        SetFontsAndColors();
    refreshPreview(proc);
    if (redraw == SchemeDocument::Redraw::PreviewAndPanel)
        SetFontsAndColors();
    updateRevertCommands();
}

void frmMain::UpdateFormCaption(QString& FileName) {
    document_.setCaptionName(FileName);
}

void frmMain::showCaption() {
    Procedure proc(QStringLiteral("frmMain.UpdateFormCaption"));
    setWindowTitle(document_.caption());
    mnuFileSave->setEnabled(document_.isChanged());
}

void frmMain::Form_KeyDown() {
    Procedure proc(QStringLiteral("frmMain.Form_KeyDown"));
    SetFontsAndColors();
    refreshPreview(proc);
}

void frmMain::Form_Resize() {
    Procedure proc(QStringLiteral("frmMain.Form_Resize"));
    if (Resizing)
        return;
    Resizing = true;
    proc.step([&] { picDisplay->fitToContent(); });
    proc.step([&] { clientArea_->resize(clientSize()); });
    const bool normal =
        !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    if (normal)
        proc.step([&] { resize(normalSize()); });
    Resizing = false;
}

QSize frmMain::frameExtent() const {
    // While a window manager frames the window its margins can read as nonsense for
    // a moment; no frame is thinner than nothing.
    const QMargins margins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    return QSize(qMax(0, margins.left()) + qMax(0, margins.right()),
                 qMax(0, margins.top()) + qMax(0, margins.bottom()));
}

QSize frmMain::fittedSize() const {
    // The outer size covers the frame and the menu bar; the widget's own size is the
    // outer size less the frame the window manager adds.
    const QSize frame = frameExtent();
    const int outerWidth =
        picDisplay->x() + picDisplay->width() + twipsToPixels(240) + dockedPanelWidth();
    const int outerHeight = picDisplay->height() + twipsToPixels(780);
    return QSize(outerWidth - frame.width(), outerHeight - frame.height());
}

QSize frmMain::clientSize() const {
    // What the window shows below its menu bar and beside a docked panel at the fitted
    // size, and never less than the preview, which a thick frame could otherwise cut off.
    const QSize fitted = fittedSize() - QSize(dockedPanelWidth(), menuBar()->sizeHint().height());
    return fitted.expandedTo(QSize(picDisplay->x() + picDisplay->width(), picDisplay->height()));
}

QSize frmMain::normalSize() const {
    const QSize fitted = fittedSize();
    const QSize largest = largestSize();
    QSize size = fitted.boundedTo(largest);
    // A scroll bar takes room of its own, which the window gets where the screen has
    // it, so that one direction scrolling does not make the other scroll too.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (size.height() < fitted.height())
        size.setWidth(qMin(fitted.width() + bar, largest.width()));
    if (size.width() < fitted.width())
        size.setHeight(qMin(fitted.height() + bar, largest.height()));
    return size;
}

QSize frmMain::largestSize() const {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return screen->availableGeometry().size() - frameExtent();
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Form_Load centred the design size; by now the window has the size that fits
    // the theme, and that is the size to centre.
    if (!event->spontaneous() && !placed_) {
        placed_ = true;
        Form_Resize();
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
    if (framed_ || frameExtent().isNull())
        return;
    framed_ = true;
    Form_Resize();
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
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void frmMain::Check1_Click(Qt::CheckState state) {
    Procedure proc(QStringLiteral("frmMain.Check1_Click"));
    // A greyed box changes nothing.
    if (state != Qt::PartiallyChecked)
        proc.step([&] { picDisplay->setBackgroundPictureVisible(state == Qt::Checked); });
    rememberPreviewOptions();
}

void frmMain::chkTransLabels_Click(Qt::CheckState state) {
    Procedure proc(QStringLiteral("frmMain.chkTransLabels_Click"));
    if (state != Qt::PartiallyChecked)
        proc.step([&] { picDisplay->setOverPictureLabelsTransparent(state == Qt::Checked); });
    rememberPreviewOptions();
}

bool frmMain::maybeSave() {
    Procedure proc(QStringLiteral("frmMain.maybeSave"));
    if (!document_.isChanged())
        return true;
    const QString name =
        document_.fileName().isEmpty() ? tr("Untitled") : fileTitleOf(document_.fileName());
    switch (cdbMain_->askSaveChanges(name)) {
    case DialogService::SaveAnswer::Save:
        mnuFileSave_Click();
        return !document_.isChanged();
    case DialogService::SaveAnswer::Discard:
        return true;
    case DialogService::SaveAnswer::Cancel:
        break;
    }
    return false;
}

void frmMain::mnuFileQuit_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuFileQuit_Click"));
    close();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (maybeSave()) {
        rememberPosition();
        event->accept();
    } else
        event->ignore();
}

void frmMain::mnuFilePrint_Click() {
    QtPrinter printer(cdbMain().printer());
    printScheme(*clientArea_, cdbMain(), printer, document_.scheme(), fileInformation(),
                auditScheme(document_.scheme(), PreviewBackdrops(*picDisplay), contrastLevel_));
}

void frmMain::mnuFilePrintPreview_Click() {
    QPrinter& device = cdbMain().printer();
    QPrintPreviewDialog dialog(&device, this);
    dialog.setObjectName(QStringLiteral("dlgPrintPreview"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        Procedure proc(QStringLiteral("frmMain.mnuFilePrintPreview_Click"));
        QtPrinter printer(*target);
        printSchemePages(
            proc, *clientArea_, printer, document_.scheme(), fileInformation(),
            auditScheme(document_.scheme(), PreviewBackdrops(*picDisplay), contrastLevel_), 1);
    });
    dialog.exec();
}
