#include "app/cli/CliScheme.h"
#include "app/cli/Commands.h"
#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "scheme/SchemeReport.h"
#include "theme/ColorScheme.h"

int runReportCommand(const QStringList& args) {
    if (args.size() != 1 || args[0].isEmpty() ||
        (args[0].startsWith(QLatin1Char('-')) && args[0] != QLatin1String("-"))) {
        printCliError(QStringLiteral("usage: tintora-cli report FILE.tna"));
        return 1;
    }
    installCliErrorPrompt(false);
    subSetupGlobals();
    ColorScheme scheme;
    scheme.fillFontSizeTable();
    {
        Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
        scheme.SchemeFileName = args[0];
        // A file that could not be opened has nothing to report; its error is shown.
        if (!readSchemeFile(proc, scheme, args[0]))
            return cliStatus();
    }
    Procedure proc(QStringLiteral("frmMain.mnuFilePrint_Click"));
    if (!writeStandardOutput(reportText(reportLines(scheme)))) {
        printCliError(QStringLiteral("the report could not be written to standard output"));
        return 1;
    }
    return cliStatus();
}
