#include "framework/ErrorHandler.h"
#include "framework/Trace.h"
#include "startup/frmSplash.h"
#include "ui/ErrorBox.h"
#include "ui/frmMain.h"
#include "widgets/WindowUtil.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tintora"));
    installFontSubstitutions();
    Trace::instance().configureFromEnvironment();

    QtErrorPrompt prompt;
    setErrorPrompt(&prompt);

    std::unique_ptr<frmMain> mainWindow;
    // Abort ends the program at once; unsaved changes are offered for saving first.
    prompt.setAbortCheck([&mainWindow] { return !mainWindow || mainWindow->maybeSave(); });
    frmSplash splash([&mainWindow] {
        if (!mainWindow)
            mainWindow = std::make_unique<frmMain>();
        return mainWindow.get();
    });
    splash.show();
    const int status = QApplication::exec();
    setErrorPrompt(nullptr);
    return status;
}
