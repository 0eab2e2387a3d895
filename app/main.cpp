#include "app/DesktopStartUp.h"
#include "framework/ErrorHandler.h"
#include "framework/Trace.h"
#include "ui/ErrorBox.h"
#include "widgets/WindowUtil.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tintora"));
    installFontSubstitutions();
    Trace::instance().configureFromEnvironment();

    QtErrorPrompt prompt;
    setErrorPrompt(&prompt);
    int status = 0;
    {
        DesktopStartUp startUp;
        // Abort ends the program at once; unsaved changes are offered for saving first.
        prompt.setAbortCheck([&startUp] {
            frmMain* main = startUp.loadedMainWindow();
            return !main || main->maybeSave();
        });
        startUp.splash.show();
        status = QApplication::exec();
        prompt.setAbortCheck({});
    }
    setErrorPrompt(nullptr);
    return status;
}
