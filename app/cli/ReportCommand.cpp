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
    const QCommandLineOption format(
        QStringLiteral("format"),
        QStringLiteral("text, the report as Print prints it (the default), or json, its sections "
                       "and attributes as one JSON object."),
        QStringLiteral("text|json"), QStringLiteral("text"));
    line.addOption(format);
    line.parser().addPositionalArgument(
        QStringLiteral("FILE.tna"),
        QStringLiteral("The scheme file to report; \"-\" reads it from standard input."));
    if (const std::optional<int> answered = line.parse(args))
        return *answered;
    const QString formatName = line.parser().value(format);
    if (formatName != QLatin1String("text") && formatName != QLatin1String("json"))
        return line.usageError(
            QStringLiteral("--format takes text or json, not \"%1\"").arg(formatName));
    const QStringList files = line.parser().positionalArguments();
    if (files.size() != 1 || files[0].isEmpty())
        return line.usageError(files.isEmpty() ? QStringLiteral("the scheme file is missing")
                                               : QStringLiteral("one scheme file at a time"));

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
    if (!writeStandardOutput(output)) {
        printCliError(QStringLiteral("the report could not be written to standard output"));
        return 1;
    }
    return cliStatus();
}
