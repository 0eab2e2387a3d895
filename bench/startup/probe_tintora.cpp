// The desktop program's start-up, as app/main.cpp runs it, ending the moment the main
// window is shown. Errors are answered on standard error so that no box waits.
#include "app/DesktopStartUp.h"
#include "framework/ErrorHandler.h"
#include "framework/Trace.h"
#include "widgets/WindowUtil.h"

#include <QApplication>
#include <QEvent>

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
    int status = 0;
    {
        DesktopStartUp startUp([&](frmMain& main) { main.installEventFilter(&quitWhenShown); });
        startUp.splash.show();
        status = QApplication::exec();
    }
    setErrorPrompt(nullptr);
    return status == 0 && prompt.errorCount() == 0 ? 0 : 1;
}
