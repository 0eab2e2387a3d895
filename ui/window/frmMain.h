#pragma once

#include "document/SchemeDocument.h"
#include "theme/ColorScheme.h"
#include "ui/window/AccessibilityCommands.h"
#include "ui/window/FileCommands.h"
#include "ui/window/PictureReport.h"
#include "ui/window/ThemesMenu.h"
#include "ui/window/WindowFolders.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <optional>

class ComparePanel;
class DialogService;
class DocumentCommands;
class EditCommands;
class EditorPanel;
class ExchangeCommands;
class HelpCommands;
class PreviewCommands;
class PreviewPage;
class PreviewPointer;
class PrintCommands;
class QDockWidget;
class QSettings;
class RememberCommands;
class VariantCommands;
class WindowFit;
class ZoomCommands;

// The working window: editor panel on the left, preview on the right, the Compare
// panel docked beside them when shown; File, Edit, View, Themes and Help menus made
// from the actions of its command groups, which each work on the one scheme document.
// Its controls carry their design names as object names ("mnuFileSave", "mnuEditUndo",
// "mnuThemesItem_0", "picDisplay"); the start-up and the tests speak to it through
// the commands below and those of its command groups.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(WindowFolders folders = WindowFolders::fromGlobals());
    ~frmMain() override;

    // The scheme of the document. A change made through it is no step of the history
    // and shows at the next refresh (F5).
    ColorScheme& scheme() { return document_.schemeInPlace(); }
    const ColorScheme& scheme() const { return document_.scheme(); }
    // The document: its history, base and caption, and the way in for every change.
    SchemeDocument& document() { return document_; }

    // The Themes menu, which start-up fills; the View menu's contrast level and
    // simulation; and the scheme files opened, saved and asked about.
    ThemesMenu& themes() { return *themes_; }
    AccessibilityCommands& accessibility() { return *accessibility_; }
    FileCommands& files() { return *files_; }

    // The end of start-up: "Default" chosen, then the window shown.
    void showWithDefaultTheme();

    // Shows `FileName` in the caption; an empty name becomes "Untitled", in the
    // variable passed too. The rules are the document's.
    void UpdateFormCaption(QString& FileName);

    // Where the window remembers what the user chose between runs: the recent files,
    // the folder of the last Open or Save As, the preview options, the contrast level,
    // the simulation and the window's position. What the store holds is applied at
    // once (the position at the first showing). Without a store nothing outlives the
    // window.
    void useSettings(std::unique_ptr<QSettings> settings);
    // File > Open Recent's files, the newest first.
    QStringList recentFiles() const;

    // The dialog component (cdbMain). Tests put a scripted one in its place.
    DialogService& cdbMain() { return *cdbMain_; }
    void setDialogService(std::unique_ptr<DialogService> service);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildClientArea();
    void buildComparePanel();
    void buildMenus();
    void Form_Load();
    // The window's key handler, run by F5 with any shift state: the editor panel
    // and the preview shown afresh from the scheme.
    void Form_KeyDown();
    // The preview fitted to its content and the client area laid out in the window's
    // room: the editor at the left as designed, the preview centred in the room right
    // of it, or scrolled where the room is smaller. Until the window is first shown it
    // also takes the size that fits the preview; afterwards the user's size stands.
    void Form_Resize();
    // The window sized to fit the preview (in the normal state), then laid out: at the
    // first showing, once framed, and as the Compare panel comes and goes.
    void fitWindow();
    // What every change of the scheme ends with, an edit, a load, an undo or a redo:
    // the preview shown afresh, and the editor panel where the change asks for it.
    void SchemeEdited(SchemeDocument::Redraw redraw);
    // The Compare panel was shown, hidden, floated or docked: the window fits itself
    // around it and stays on the screen.
    void comparePanelMoved();
    // The window's position: at its first showing put back where it was, on a screen
    // that is present.
    void placeRemembered();
    // Centres the window once more when a window manager has just framed it.
    void placeAgainWhenFramed();

    const WindowFolders folders_;
    SchemeDocument document_;
    std::unique_ptr<DialogService> cdbMain_;
    QWidget* clientArea_ = nullptr;
    EditorPanel* editor = nullptr;
    PreviewPage* picDisplay = nullptr;
    PreviewPointer* pointer_ = nullptr;
    QDockWidget* dockCompare = nullptr;
    ComparePanel* comparePanel = nullptr;
    std::unique_ptr<WindowFit> fit_;
    PictureReport pictureReport_;
    // The command groups, owned by the window as their Qt parent.
    ThemesMenu* themes_ = nullptr;
    AccessibilityCommands* accessibility_ = nullptr;
    RememberCommands* remembered_ = nullptr;
    FileCommands* files_ = nullptr;
    ExchangeCommands* exchange_ = nullptr;
    DocumentCommands* history_ = nullptr;
    EditCommands* edits_ = nullptr;
    PrintCommands* printing_ = nullptr;
    VariantCommands* variants_ = nullptr;
    HelpCommands* help_ = nullptr;
    PreviewCommands* pointing_ = nullptr;
    ZoomCommands* zoom_ = nullptr;
    bool Resizing = false;
    // Set once the window has been placed on its screen at its first showing, and
    // once it has been placed again with its frame.
    bool placed_ = false;
    bool framed_ = false;
    // Set when the first showing put the window at its remembered position, which it
    // then keeps rather than being centred.
    bool positionRestored_ = false;
    // Where the window was before it was maximised or made full screen.
    std::optional<QPoint> restorePosition_;
};
