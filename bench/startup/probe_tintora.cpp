// The desktop program's start-up, as app/main.cpp runs it, ending the moment the main
// window is shown. Errors are answered on standard error so that no box waits.
#include "framework/ErrorHandler.h"
#include "framework/Trace.h"
#include "startup/frmSplash.h"
#include "ui/frmMain.h"
#include "widgets/WindowUtil.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <memory>

namespace {
class QuitWhenShown : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Queued, as the window may be shown before the event loop runs.
        if (event->type() == QEvent::Show)
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tintora"));
    installFontSubstitutions();
    Trace::instance().configureFromEnvironment();
    StreamErrorPrompt prompt(ErrorPrompt::Answer::Ignore);
    setErrorPrompt(&prompt);

    QuitWhenShown quitWhenShown;
    std::unique_ptr<frmMain> mainWindow;
    frmSplash splash([&] {
        if (!mainWindow) {
            mainWindow = std::make_unique<frmMain>();
            mainWindow->installEventFilter(&quitWhenShown);
        }
        return mainWindow.get();
    });
    // Coarse timers may fire up to 5% early; exact seconds let the measurement take
    // them off precisely.
    splash.Timer1->stop();
    splash.Timer1->setTimerType(Qt::PreciseTimer);
    splash.Timer2->setTimerType(Qt::PreciseTimer);
    splash.Timer1->start();
    splash.show();
    const int status = QApplication::exec();
    setErrorPrompt(nullptr);
    return status == 0 && prompt.errorCount() == 0 ? 0 : 1;
}
