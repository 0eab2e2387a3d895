#pragma once

#include "startup/ThemeInstaller.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QProgressBar;
class QTimer;

// The start-up window: shows the version while the globals are set up and the
// themes are installed, then hands over to the main window. It knows the main
// window only through its two signals; its controls carry their design names as
// object names.
class frmSplash : public QDialog {
    Q_OBJECT

public:
    explicit frmSplash(QWidget* parent = nullptr);

    // Where Timer1 looks for theme packages; set from this machine's folders at load.
    ThemeSources themeSources;

Q_SIGNALS:
    // Timer1 has installed the themes: one Themes menu item each, "-" for the
    // separator. The main window is loaded (not shown) when this arrives.
    void themesListed(const QStringList& captions);
    // Timer2 has closed the splash: the default theme is to be applied and the main
    // window shown.
    void startUpFinished();

protected:
    void showEvent(QShowEvent* event) override;
    // The splash cannot be closed while themes are being installed.
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildLabels(QWidget* frame);
    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();
    QStringList installThemes(Procedure& proc);

    QLabel* lblVersion = nullptr;
    QLabel* lblThemeStatus = nullptr;
    QProgressBar* prgThemeStatus = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    bool installing_ = false;
};
