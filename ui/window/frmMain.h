#pragma once

#include "contrast/ContrastRule.h"
#include "contrast/VisionSimulation.h"
#include "document/SchemeDocument.h"
#include "theme/ColorScheme.h"
#include "ui/editor/EditorPanel.h"

#include <QList>
#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class ComparePanel;
class DialogService;
class PreviewPage;
class Procedure;
class QAction;
class QActionGroup;
class QDockWidget;
class QLabel;
class QMenu;
class QSettings;
struct FileInformation;

// The working window: editor panel on the left, preview on the right, the Compare
// panel docked beside them when shown; File, Edit, View and Themes menus. Works on the
// one scheme document. Its controls are its own and carry their design names as
// object names ("mnuFileSave", "mnuEditUndo", "mnuThemesItem_0", "picDisplay"); the
// start-up and the tests speak to it through the commands below.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The scheme of the document. A change made through it is no step of the history
    // and shows at the next refresh (F5).
    ColorScheme& scheme() { return document_.schemeInPlace(); }
    const ColorScheme& scheme() const { return document_.scheme(); }
    // The document: its history, base and caption, and the way in for every change.
    SchemeDocument& document() { return document_; }

    // Themes menu: item 0 is "Default"; the start-up adds one item per theme and
    // "-" for the separator.
    void addThemesItem(const QString& caption);
    void addThemesItems(const QStringList& captions);
    int themesItemCount() const { return static_cast<int>(mnuThemesItem.size()); }
    QString themesItemCaption(int index) const;
    // Chooses the theme of Themes menu item `index`.
    void mnuThemesItem_Click(int index);
    // The end of start-up: "Default" chosen, then the window shown.
    void showWithDefaultTheme();
    // How the Themes menu's items after "Default" are listed again once a theme has
    // been exported ("-" for the separator). By default as start-up lists them from
    // this machine's theme folders without installing anything.
    void setThemesLister(std::function<QStringList()> lister) { themesLister_ = std::move(lister); }

    // View > Contrast Level: the level the editor's marks, their tooltips and the
    // printed contrast table judge by, and Make It Pass aims at.
    ContrastLevel contrastLevel() const { return contrastLevel_; }
    void setContrastLevel(ContrastLevel level);
    // View > Simulate: the preview drawn as a colour-vision deficiency shows it; the
    // menu bar says which while it is not Normal.
    Deficiency simulation() const;
    void setSimulation(Deficiency deficiency);

    // The caption and the Save command's state from `FileName` and the changed mark;
    // an empty name becomes "Untitled", in the variable passed too. The rules are the
    // document's.
    void UpdateFormCaption(QString& FileName);

    // Asks whether unsaved changes are to be saved; false when the user cancelled or
    // the save did not succeed. Quit and the window's close button both ask here.
    bool maybeSave();

    // True while Form_Resize itself changes sizes.
    bool isResizing() const { return Resizing; }

    // Opens the scheme file `path` as File > Open does once its dialog is closed: the
    // command line's file and a file dropped on the window come this way.
    void openFile(const QString& path);

    // Where the window remembers what the user chose between runs: the recent files,
    // the folder of the last Open or Save As, the preview options, the contrast level,
    // the simulation and the window's position. What the store holds is applied at once (the
    // position at the first showing). Without a store nothing outlives the window.
    void useSettings(std::unique_ptr<QSettings> settings);
    // File > Open Recent's files, the newest first.
    QStringList recentFiles() const { return recentFiles_; }

    // The dialog component (cdbMain). Tests put a scripted one in its place.
    DialogService& cdbMain() { return *cdbMain_; }
    void setDialogService(std::unique_ptr<DialogService> service);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // One font as the font dialog gives it: FontName, FontSize and FontStyle.
    struct ElementFont {
        SchemeValue face;
        SchemeValue size;
        SchemeValue style;
    };

    void buildMenus();
    void buildEditMenu();
    void buildViewMenu();
    void buildAccessibilityMenus(QMenu* mnuView);
    // The File menu's export and import commands, placed before `before`.
    void buildExchangeCommands(QMenu* mnuFile, QAction* before);
    void buildClientArea();
    void buildComparePanel();
    void buildRecentMenu(QMenu* mnuFile);
    void buildHelpMenu();
    void Form_Load();
    // The window's key handler, run by F5 with any shift state: the editor panel
    // and the preview shown afresh from the scheme.
    void Form_KeyDown();
    void Form_Resize();
    void SetFontsAndColors();

    // The preview options, as their boxes were clicked.
    void Check1_Click(Qt::CheckState state);
    void chkTransLabels_Click(Qt::CheckState state);

    // The editor panel's click handlers: a colour or font dialog for row `index`.
    void lblBGColorSelect_Click(int index);
    void lblFGColorSelect_Click(int index);
    void cmdFontSelect_Click(int index);
    // The colour dialog started from the colour a row's swatch shows; the swatch then
    // shows the choice. Nothing when the row has no such swatch or the dialog was
    // cancelled.
    std::optional<qint32> chooseSwatchColor(Procedure& proc, int index, EditorPanel::Swatch swatch);

    // The edits of the scheme, one way in each: the values stored in a copy of the
    // scheme, which becomes one step of the document named `stepName`.
    void editPageBackground(Procedure& proc, qint32 color, const QString& stepName);
    void editTextColor(Procedure& proc, int row, qint32 color);
    void editFont(Procedure& proc, int firstRow, int lastRow, const ElementFont& font,
                  const QString& stepName);
    // What every change of the scheme ends with, an edit, a load, an undo or a redo:
    // the preview shown afresh, and the editor panel where the change asks for it.
    void SchemeEdited(SchemeDocument::Redraw redraw);
    // The caption and Save's state as the document has them now.
    void showCaption();
    // The preview rebuilt from the scheme under the caller's trap; pictures it could
    // not show are reported once it is laid out.
    void refreshPreview(Procedure& proc);

    // The contrast marks from the scheme as the preview shows it, at the chosen level.
    void showContrastMarks();
    // Make It Pass for editor text row `row`, and Edit > Make All Pass: the text
    // colours changed in lightness only until they pass at the chosen level, one step.
    void makeRowPass_Click(int row);
    void mnuEditMakeAllPass_Click();

    // The File menu's exchange with web sites: the scheme as a new theme folder, as
    // one style sheet, and a style sheet's custom properties read back as one step.
    void mnuFileExportTheme_Click();
    void mnuFileExportCss_Click();
    void mnuFileImportCss_Click();
    // The name for a new theme, asked until it is one a theme folder can have;
    // nullopt when the user cancelled.
    std::optional<QString> askThemeName(const QString& offered);
    // The Themes menu made afresh, "Default" first, as start-up fills it.
    void rebuildThemesMenu();
    // The style-sheet filter for the save and open dialogs.
    void prepareCssFileDialog(Procedure& proc);

    // The Edit menu's revert commands: the focused row, or every value, back to the
    // theme or file the scheme came from, as one step.
    void mnuEditRevertRow_Click();
    void mnuEditRevertAll_Click();
    // Revert Row and Revert All are enabled while there is something to revert.
    void updateRevertCommands();
    // View > Compare with File: the Compare panel shows the differences from another
    // scheme file, chosen with the open dialog.
    void mnuViewCompareFile_Click();
    // The extra width the docked Compare panel takes beside the client area.
    int dockedPanelWidth() const;
    // The Compare panel was shown, hidden, floated or docked: the window fits itself
    // around it and stays on the screen.
    void comparePanelMoved();

    void mnuFileOpen_Click();
    // Opens the scheme file `path` as Open does after its dialog: one step of the
    // document, or a message and nothing changed for a file that holds no scheme.
    // True when the file was opened.
    bool openSchemeFile(Procedure& proc, const QString& path);
    // The scheme that opening `path` gives, read over a copy of the scheme; none, with
    // the reason reported, when the file holds no scheme.
    std::optional<ColorScheme> schemeOpenedFrom(Procedure& proc, const QString& path);
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFilePrint_Click();
    // File > Print Preview: the pages Print would print, in Qt's preview dialog.
    void mnuFilePrintPreview_Click();
    // File > Open Recent: the list shown afresh (a file gone since is greyed), an item
    // opened as Open opens it, and the list cleared.
    void updateRecentMenu();
    void mnuFileRecentItem_Click(const QString& path);
    void mnuFileRecentClear_Click();
    // A file opened or saved goes to the top of the recent list, and its folder is
    // where the next Open or Save As starts.
    void rememberFile(const QString& path);
    void rememberPreviewOptions();
    // The window's position: stored as it closes, and at its first showing put back
    // where it was, on a screen that is present.
    void rememberPosition();
    void placeRemembered();
    // Help > Keyboard Shortcuts and Help > About Tintora.
    void mnuHelpShortcuts_Click();
    void mnuHelpAbout_Click();
    void mnuFileQuit_Click();
    // The scheme filter and extension for the save or open dialog, and the data
    // folder to start in while the scheme has no file.
    void prepareSchemeFileDialog(Procedure& proc);
    // Writes the scheme to SchemeFileName: the body of Save.
    // True when the file was written.
    bool saveToSchemeFile();
    // What the files and the report say about the program, as start-up set it.
    FileInformation fileInformation() const;
    // What the window manager's frame adds to the window's size.
    QSize frameExtent() const;
    // The window's size that fits the preview, by the resize rule.
    QSize fittedSize() const;
    // The client area's own size: all of the editor and the preview.
    QSize clientSize() const;
    // The most the window may take: the screen's available area less the frame.
    QSize largestSize() const;
    // The size of the window in the normal state: the fitted size, within the
    // largest, with room for a scroll bar where one is needed.
    QSize normalSize() const;
    // Centres the window once more when a window manager has just framed it.
    void placeAgainWhenFramed();

    SchemeDocument document_;
    std::unique_ptr<QSettings> settings_;
    QStringList recentFiles_;
    QString lastFolder_;
    QMenu* mnuFileRecent = nullptr;
    std::unique_ptr<DialogService> cdbMain_;
    QMenu* mnuThemes = nullptr;
    QList<QAction*> mnuThemesItem;
    QAction* mnuFileSave = nullptr;
    QAction* mnuEditRevertRow = nullptr;
    QAction* mnuEditRevertAll = nullptr;
    QActionGroup* contrastLevels_ = nullptr;
    QActionGroup* simulations_ = nullptr;
    QLabel* lblSimulation = nullptr;
    ContrastLevel contrastLevel_ = ContrastLevel::AA;
    // Set once the preview has shown a scheme and the marks judged it.
    bool marksShown_ = false;
    std::function<QStringList()> themesLister_;
    QDockWidget* dockCompare = nullptr;
    ComparePanel* comparePanel = nullptr;
    QWidget* clientArea_ = nullptr;
    EditorPanel* editor = nullptr;
    PreviewPage* picDisplay = nullptr;
    bool Resizing = false;
    // Set once the window has been placed on its screen at its first showing, and
    // once it has been placed again with its frame.
    bool placed_ = false;
    bool framed_ = false;
    // Set when the first showing put the window at its remembered position, which it
    // then keeps rather than being centred.
    bool positionRestored_ = false;
};
