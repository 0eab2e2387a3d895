#include "startup/frmSplash.h"

#include "framework/DataFolder.h"
#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "framework/Version.h"
#include "ui/frmMain.h"
#include "widgets/Twips.h"
#include "widgets/WindowUtil.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace {
QLabel* makeLabel(QWidget* parent, const QString& text, const QRect& geometry, const QFont& font,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}
} // namespace

frmSplash::frmSplash(std::function<frmMain*()> mainWindow, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint),
      mainWindow_(std::move(mainWindow)) {
    setWindowTitle(QString());
    setWindowIcon(productIcon());
    setFixedSize(twipsToPixels(7380), twipsToPixels(4245));

    Frame1 = new QFrame(this);
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->setGeometry(twipsRect(150, 60, 7080, 4050));

    imgLogo = new QLabel(Frame1);
    imgLogo->setGeometry(twipsRect(240, 360, 960, 960));
    imgLogo->setPixmap(productIcon().pixmap(64, 64));

    const QString arial = QStringLiteral("Arial");
    lblCompanyProduct = makeLabel(Frame1, QStringLiteral("Tintora Studio Works"),
                                  twipsRect(1440, 360, 2010, 285), designFont(arial, 12, true));
    lblCompanyProduct->adjustSize();
    lblProductName = makeLabel(Frame1, QString::fromLatin1(tintora::ProductName),
                               twipsRect(1440, 600, 4695, 435), designFont(arial, 20.25, true));
    lblVersion = makeLabel(Frame1, QStringLiteral("Version"), twipsRect(5160, 960, 825, 285),
                           designFont(arial, 12, false, true), Qt::AlignRight | Qt::AlignTop);
    lblThemeStatus = makeLabel(
        Frame1, QStringLiteral("Copying and extracting theme files. Just a few moments."),
        twipsRect(120, 1920, 6855, 375), designFont(QStringLiteral("MS Sans Serif"), 12, true),
        Qt::AlignHCenter | Qt::AlignTop);
    lblThemeStatus->hide();
    prgThemeStatus = new QProgressBar(Frame1);
    prgThemeStatus->setGeometry(twipsRect(600, 2370, 5895, 300));
    prgThemeStatus->setRange(0, 1000);
    prgThemeStatus->hide();
    lblWarning = makeLabel(
        Frame1,
        QStringLiteral("Warning: this program is protected by copyright law. Copying or "
                       "distributing it, or any part of it, without the owner's permission "
                       "is not allowed."),
        twipsRect(120, 2850, 4215, 1155), designFont(arial, 8.25));
    lblWarning->setWordWrap(true);
    lblCompany = makeLabel(Frame1, QStringLiteral("Made by the Tintora team"),
                           twipsRect(4680, 3480, 2295, 255), designFont(arial, 8.25));
    lblCopyright = makeLabel(Frame1, QStringLiteral("Copyright 2026 Tintora Studio Works"),
                             twipsRect(4200, 3720, 2775, 255), designFont(arial, 8.25));

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer2 = new QTimer(this);
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });

    Form_Load();
    Timer1->start();
}

void frmSplash::Form_Load() {
    Procedure proc(QStringLiteral("frmSplash.Form_Load"));
    proc.step([&] {
        // The label sizes to its text and stays right-aligned on its design edge.
        const int right = lblVersion->geometry().right();
        lblVersion->setText(QStringLiteral("Version ") + formatVersion(tintora::VersionMajor,
                                                                       tintora::VersionMinor,
                                                                       tintora::VersionRevision));
        lblVersion->adjustSize();
        lblVersion->move(right - lblVersion->width() + 1, lblVersion->y());
    });
    proc.step([&] { subSetupGlobals(); });
    proc.step([&] { subSetupFolders(); });
    proc.step([&] { themeSources = defaultThemeSources(globals().UserName); });
    proc.step([&] { CenterForm(this); });
}

void frmSplash::closeEvent(QCloseEvent* event) {
    if (installing_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void frmSplash::reject() {
    if (!installing_)
        QDialog::reject();
}

void frmSplash::Timer1_Timer() {
    Procedure proc(QStringLiteral("frmSplash.Timer1_Timer"));
    proc.step([&] { Timer1->stop(); });
    proc.step([&] { QGuiApplication::setOverrideCursor(Qt::WaitCursor); });
    // Loading the main window here, as the first Themes menu access does.
    frmMain* main = nullptr;
    proc.step([&] { main = mainWindow_(); });

    ThemeInstaller installer(themeSources, DataFolder::themesDir(globals().StartDir));
    installer.addThemesItem = [main](const QString& caption) {
        if (main)
            main->addThemesItem(caption);
    };
    installer.packageStarted = [this](const QString&) {
        lblThemeStatus->show();
        prgThemeStatus->setValue(0);
        prgThemeStatus->show();
    };
    installer.progress = [this](int permille) { prgThemeStatus->setValue(permille); };
    installing_ = true;
    installer.run(proc);
    installing_ = false;

    // A label shows "&&" as it stands; the caption means one ampersand.
    proc.step([&] { lblThemeStatus->setText(QStringLiteral("File copy & extraction complete.")); });
    proc.step([&] { Timer2->start(); });
}

void frmSplash::Timer2_Timer() {
    Procedure proc(QStringLiteral("frmSplash.Timer2_Timer"));
    proc.step([&] { Timer2->stop(); });
    // Between the splash closing and the main window showing no window is visible;
    // that must not end the program.
    const bool quitOnClose = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    proc.step([&] { close(); });
    frmMain* main = nullptr;
    proc.step([&] { main = mainWindow_(); });
    if (main) {
        proc.step([&] { main->mnuThemesItem_Click(0); });
        proc.step([&] { main->show(); });
    }
    QGuiApplication::setQuitOnLastWindowClosed(quitOnClose);
    proc.step([&] { QGuiApplication::restoreOverrideCursor(); });
}
