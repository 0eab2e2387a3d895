#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "scheme/SchemeReport.h"
#include "theme/ColorScheme.h"

int runReportCommand(const CliCommand& command, const QStringList& args) {
    CommandLine line(command);
    line.parser().addPositionalArgument(QStringLiteral("FILE.tna"),
                                        QStringLiteral("The scheme file to report."));
    if (const std::optional<int> answered = line.parse(args))
        return *answered;
    const QStringList files = line.parser().positionalArguments();
    if (files.size() != 1 || files[0].isEmpty())
        return line.usageError(files.isEmpty() ? QStringLiteral("the scheme file is missing")
                                               : QStringLiteral("one scheme file at a time"));

    const FileInformation info = startCliRun(false);
    ColorScheme scheme;
    scheme.fillFontSizeTable();
    {
        Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
        scheme.SchemeFileName = files[0];
        // A file that could not be opened has nothing to report; its error is shown.
        const SchemeFileRead read = readSchemeFile(proc, scheme, files[0]);
        if (read.sections == 0) {
            if (!read.complete)
                return cliStatus();
            printCliError(notASchemeFileMessage(files[0]));
            return 1;
        }
    }
    Procedure proc(QStringLiteral("frmMain.mnuFilePrint_Click"));
    if (!writeStandardOutput(reportText(reportLines(scheme, info)))) {
        printCliError(QStringLiteral("the report could not be written to standard output"));
        return 1;
    }
    return cliStatus();
}
