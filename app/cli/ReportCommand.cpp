#include "app/cli/CliOptions.h"
#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "framework/Procedure.h"
#include "scheme/SchemeJson.h"
#include "scheme/SchemeReport.h"
#include "scheme/SchemeSections.h"
#include "theme/ColorScheme.h"

int runReportCommand(const CliCommand& command, const QStringList& args) {
    CommandLine line(command);
    if (const std::optional<int> answered = line.parse(args))
        return *answered;
    const QString formatName = line.choice(CliOptions::ReportFormat);
    const QStringList files = line.parser().positionalArguments();
    if (files.size() != 1 || files[0].isEmpty())
        return line.usageError(files.isEmpty() ? QStringLiteral("the scheme file is missing")
                                               : QStringLiteral("one scheme file at a time"));

    if (!cliInputReadable(files[0]))
        return 1;
    const FileInformation info = startCliRun(false);
    ColorScheme scheme;
    scheme.fillFontSizeTable();
    // A file that could not be opened has nothing to report; its error is shown.
    const std::optional<SchemeFileRead> read = openCliSchemeFile(scheme, files[0]);
    if (!read)
        return 1;
    if (read->sections == 0)
        return cliStatus();
    setCliErrorContext(QStringLiteral("standard output"));
    Procedure proc(QStringLiteral("frmMain.mnuFilePrint_Click"));
    const QByteArray output = formatName == QLatin1String("json")
                                  ? schemeJson(schemeSections(scheme, info))
                                  : reportText(reportLines(scheme, info));
    if (!writeCliOutput(proc, QString(), output, QStringLiteral("report")))
        return 1;
    return cliStatus();
}
