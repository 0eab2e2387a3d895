#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>

class QAction;
class QMenu;
class QWidget;
class SchemeDocument;
struct WindowFolders;

// The Themes menu: item 0 is "Default" (F1), then one item per theme and "-" for a
// separator, as start-up lists them. Choosing an item reads that theme over a copy of
// the scheme, so that unsaved edits stay a step back in the history.
class ThemesMenu : public QObject {
    Q_OBJECT

public:
    ThemesMenu(SchemeDocument& document, const WindowFolders& folders, QWidget& window);

    QMenu* menu() const { return mnuThemes; }
    void addItem(const QString& caption);
    void addItems(const QStringList& captions);
    int itemCount() const { return static_cast<int>(mnuThemesItem.size()); }
    QString itemCaption(int index) const;
    bool lists(const QString& caption) const;
    // Chooses the theme of item `index`.
    void mnuThemesItem_Click(int index);

    // How the items after "Default" are listed again once a theme has been exported
    // ("-" for the separator). By default as start-up lists them from this machine's
    // theme folders without installing anything.
    void setLister(std::function<QStringList()> lister) { lister_ = std::move(lister); }
    // The menu made afresh, "Default" first, as start-up fills it.
    void rebuild();

private:
    SchemeDocument& document_;
    const WindowFolders& folders_;
    QMenu* mnuThemes = nullptr;
    QList<QAction*> mnuThemesItem;
    std::function<QStringList()> lister_;
};
