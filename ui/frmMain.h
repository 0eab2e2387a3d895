#pragma once

#include "theme/ColorScheme.h"

#include <QList>
#include <QMainWindow>

class QAction;
class QMenu;

// The working window: editor panel on the left, preview on the right, File and
// Themes menus. Holds the one ColorScheme.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);

    ColorScheme& scheme() { return scheme_; }
    const ColorScheme& scheme() const { return scheme_; }

    // Themes menu: item 0 is "Default"; the start-up adds one item per theme and
    // "-" for the separator.
    void addThemesItem(const QString& caption);
    int themesItemCount() const { return static_cast<int>(mnuThemesItem.size()); }
    QString themesItemCaption(int index) const;
    void mnuThemesItem_Click(int index);

    void UpdateFormCaption(QString& FileName);

    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuFileQuit = nullptr;
    QMenu* mnuFile = nullptr;
    QMenu* mnuThemes = nullptr;
    QList<QAction*> mnuThemesItem;

private:
    void Form_Load();
    void mnuFileQuit_Click();

    ColorScheme scheme_;
};
