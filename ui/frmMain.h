#pragma once

#include "theme/ColorScheme.h"

#include <QList>
#include <QMainWindow>
#include <QStringList>

#include <optional>

#include <memory>

class DialogService;
class EditorPanel;
class PreviewPage;
class Procedure;
class ColorSwatch;
class QAction;
class QMenu;
struct FileInformation;

// The working window: editor panel on the left, preview on the right, File and
// Themes menus. Holds the one ColorScheme.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    ColorScheme& scheme() { return scheme_; }
    const ColorScheme& scheme() const { return scheme_; }

    // Themes menu: item 0 is "Default"; the start-up adds one item per theme and
    // "-" for the separator.
    void addThemesItem(const QString& caption);
    void addThemesItems(const QStringList& captions);
    int themesItemCount() const { return static_cast<int>(mnuThemesItem.size()); }
    QString themesItemCaption(int index) const;
    void mnuThemesItem_Click(int index);
    // The end of start-up: "Default" chosen, then the window shown.
    void showWithDefaultTheme();

    void UpdateFormCaption(QString& FileName);
    void SetFontsAndColors();

    void Form_Resize();

    // The editor panel's click handlers: a colour or font dialog for row `index`.
    void lblBGColorSelect_Click(int index);
    void lblFGColorSelect_Click(int index);
    void cmdFontSelect_Click(int index);

    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFilePrint_Click();
    void mnuFileQuit_Click();

    // Asks whether unsaved changes are to be saved; false when the user cancelled or
    // the save did not succeed. Quit and the window's close button both ask here.
    bool maybeSave();

    // The dialog component (cdbMain). Tests put a scripted one in its place.
    DialogService& cdbMain() { return *cdbMain_; }
    void setDialogService(std::unique_ptr<DialogService> service);

    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuFileQuit = nullptr;
    QMenu* mnuFile = nullptr;
    QMenu* mnuThemes = nullptr;
    QList<QAction*> mnuThemesItem;

    EditorPanel* editor = nullptr;
    PreviewPage* picDisplay = nullptr;

    // True while Form_Resize itself changes sizes.
    bool Resizing = false;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    // The window's key handler, run by F5 with any shift state: the editor panel
    // and the preview shown afresh from the scheme.
    void Form_KeyDown();
    void Form_Load();
    void Check1_Click();
    void chkTransLabels_Click();

    // What every completed edit ends with: the scheme marked changed, the caption,
    // the preview, and after a font choice the editor panel.
    void SchemeEdited(Procedure& proc, bool fontChosen);
    // The colour dialog started from the swatch's colour; the swatch then shows the
    // choice. Nothing when the dialog was cancelled.
    std::optional<qint32> chooseSwatchColor(Procedure& proc, ColorSwatch* swatch);
    // True while the scheme has a file of its own, chosen by Save As or Open.
    bool hasSchemeFile() const;
    // Writes the scheme to SchemeFileName: the body of Save.
    void saveToSchemeFile();
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

    QWidget* clientArea_ = nullptr;
    // Centres the window once more when a window manager has just framed it.
    void placeAgainWhenFramed();
    // Set once the window has been placed on its screen at its first showing, and
    // once it has been placed again with its frame.
    bool placed_ = false;
    bool framed_ = false;

    ColorScheme scheme_;
    std::unique_ptr<DialogService> cdbMain_;
};
