#pragma once

#include <QDialog>

#include <functional>

class QFrame;
class QLabel;
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

private:
    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();

    std::function<frmMain*()> mainWindow_;
};
