// The main window's Themes menu.
#include "ui/window/ThemesMenu.h"

#include "document/SchemeDocument.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "startup/ThemeInstaller.h"
#include "theme/ChooseTheme.h"
#include "ui/window/WindowFolders.h"

#include <QAction>
#include <QMenu>

ThemesMenu::ThemesMenu(SchemeDocument& document, const WindowFolders& folders, QWidget& window)
    : QObject(&window), document_(document), folders_(folders) {
    mnuThemes = new QMenu(tr("&Themes"), &window);
    mnuThemes->setObjectName(QStringLiteral("mnuThemes"));
    addItem(QStringLiteral("Default"));
}

void ThemesMenu::addItem(const QString& caption) {
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
    if (index == 0)
        item->setShortcut(QKeySequence(Qt::Key_F1));
    mnuThemesItem.append(item);
}

void ThemesMenu::addItems(const QStringList& captions) {
    for (const QString& caption : captions)
        addItem(caption);
}

QString ThemesMenu::itemCaption(int index) const {
    if (index < 0 || index >= mnuThemesItem.size())
        raiseError(Err::SubscriptOutOfRange);
    return mnuThemesItem[index]->data().toString();
}

bool ThemesMenu::lists(const QString& caption) const {
    for (const QAction* item : mnuThemesItem)
        if (!item->isSeparator() && item->data().toString() == caption)
            return true;
    return false;
}

void ThemesMenu::mnuThemesItem_Click(int index) {
    Procedure proc(QStringLiteral("frmMain.mnuThemesItem_Click"));
    QString caption;
    if (!proc.step([&] { caption = itemCaption(index); }))
        return;
    // The theme is read over a copy: unsaved edits stay a step back in the history.
    ColorScheme chosen = document_.scheme();
    // Another theme is another scheme: the variants and locks of this one do not fit it.
    chosen.DarkColors.reset();
    chosen.ContrastColors.reset();
    chosen.LockedColors = {};
    chooseTheme(chosen, folders_.themesDir, caption);
    document_.chooseTheme(caption, chosen);
}

void ThemesMenu::rebuild() {
    QStringList captions;
    if (lister_) {
        captions = lister_();
    } else {
        Procedure proc(QStringLiteral("frmMain.ListThemes"));
        captions = listedThemes(proc, folders_.themesDir);
    }
    for (QAction* item : std::as_const(mnuThemesItem))
        delete item;
    mnuThemesItem.clear();
    addItem(QStringLiteral("Default"));
    addItems(captions);
}
