#include "app/cli/CliGui.h"

#include "framework/Trace.h"
#include "widgets/WindowUtil.h"

CliGuiApplication::CliGuiApplication() {
    // The page is drawn without a display unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
    QCoreApplication::setApplicationName(QStringLiteral("tintora"));
    installFontSubstitutions();
    Trace::instance().configureFromEnvironment();
}
