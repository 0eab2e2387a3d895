#include "ui/frmMain.h"

#include "framework/Procedure.h"
#include "theme/ChooseTheme.h"
#include "ui/WindowUtil.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("TNA"));
    setWindowIcon(productIcon());

    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFileOpen = mnuFile->addAction(QStringLiteral("&Open"));
    mnuFileOpen->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    mnuFileSave = mnuFile->addAction(QStringLiteral("&Save"));
    mnuFileSave->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    mnuFileSaveAs = mnuFile->addAction(QStringLiteral("Save &As"));
    mnuFileSaveAs->setShortcuts({QKeySequence(QStringLiteral("Ctrl+A")), QKeySequence::SaveAs});
    mnuFile->addSeparator();
    mnuFilePrint = mnuFile->addAction(QStringLiteral("&Print"));
    mnuFilePrint->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    mnuFileQuit = mnuFile->addAction(QStringLiteral("&Quit"));
    mnuFileQuit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    connect(mnuFileQuit, &QAction::triggered, this, [this] { mnuFileQuit_Click(); });

    mnuThemes = menuBar()->addMenu(QStringLiteral("&Themes"));
    addThemesItem(QStringLiteral("Default"));
    mnuThemesItem.front()->setShortcut(QKeySequence(Qt::Key_F1));

    Form_Load();
}

void frmMain::Form_Load() {
    Procedure proc(QStringLiteral("frmMain.Form_Load"));
    proc.step([&] { scheme_.fillFontSizeTable(); });
    proc.step([&] { CenterForm(this); });
    proc.step([&] { mnuFileSave->setEnabled(false); });
}

void frmMain::addThemesItem(const QString& caption) {
    QAction* item = nullptr;
    if (caption == QLatin1String("-")) {
        item = mnuThemes->addSeparator();
    } else {
        // A theme name may hold "&", which a menu would take for a mnemonic.
        QString shown = caption;
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        item = mnuThemes->addAction(shown);
        const int index = static_cast<int>(mnuThemesItem.size());
        connect(item, &QAction::triggered, this, [this, index] { mnuThemesItem_Click(index); });
    }
    item->setData(caption);
    mnuThemesItem.append(item);
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
    chooseTheme(scheme_, caption);
}

void frmMain::UpdateFormCaption(QString& FileName) {
    Procedure proc(QStringLiteral("frmMain.UpdateFormCaption"));
    if (FileName.isEmpty())
        FileName = QStringLiteral("Untitled");
    if (scheme_.SchemeChanged) {
        setWindowTitle(QStringLiteral("TNA: ") + FileName + QStringLiteral(" *"));
        mnuFileSave->setEnabled(true);
    } else {
        setWindowTitle(QStringLiteral("TNA: ") + FileName);
        mnuFileSave->setEnabled(false);
    }
}

void frmMain::mnuFileQuit_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuFileQuit_Click"));
    close();
}
