#pragma once

#include "startup/ThemeInstaller.h"

#include <QDialog>

#include <functional>

class QFrame;
class QLabel;
class QProgressBar;
class QTimer;
class frmMain;

// The start-up window: shows the version while the globals are set up and the
// themes are installed, then hands over to the main window.
class frmSplash : public QDialog {
    Q_OBJECT

public:
    // `mainWindow` loads the main window on first use (its Form_Load runs then).
    explicit frmSplash(std::function<frmMain*()> mainWindow, QWidget* parent = nullptr);

    QFrame* Frame1 = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* lblCompanyProduct = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblThemeStatus = nullptr;
    QLabel* lblWarning = nullptr;
    QLabel* lblCompany = nullptr;
    QLabel* lblCopyright = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    // Progress of the package being unpacked, shown with lblThemeStatus.
    QProgressBar* prgThemeStatus = nullptr;

    // Where Timer1 looks for theme packages; set from this machine's folders at load.
    ThemeSources themeSources;

protected:
    // The splash cannot be closed while themes are being installed.
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();

    std::function<frmMain*()> mainWindow_;
    bool installing_ = false;
};
