#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "scheme/SchemeJson.h"
#include "scheme/SchemeSections.h"
#include "theme/ColorScheme.h"

int runSchemeCommand(const CliCommand& command, const QStringList& args) {
    CommandLine line(command);
    addCliSchemeOptions(line);
    const QCommandLineOption format(
        QStringLiteral("format"),
        QStringLiteral("tna, the scheme file as Save writes it (the default), or json, its "
                       "sections and attributes as one JSON object."),
        QStringLiteral("tna|json"), QStringLiteral("tna"));
    line.addOption(format);
    CliSchemeOptions options;
    if (const std::optional<int> answered = parseCliSchemeOptions(line, args, options))
        return *answered;
    const QString formatName = line.parser().value(format);
    if (formatName != QLatin1String("tna") && formatName != QLatin1String("json"))
        return line.usageError(
            QStringLiteral("--format takes tna or json, not \"%1\"").arg(formatName));
    const FileInformation info = startCliRun(options.abortOnError);
    ColorScheme scheme;
    const int built = buildCliScheme(options, scheme);
    if (built == 1)
        return 1;

    // Written as Save writes it, to the file or to standard output.
    const bool toStandardOutput = options.output.isEmpty() || options.output == QLatin1String("-");
    setCliErrorContext(toStandardOutput ? QStringLiteral("standard output") : options.output);
    Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
    const QByteArray bytes = formatName == QLatin1String("json")
                                 ? schemeJson(schemeSections(scheme, info))
                                 : schemeFileBytes(schemeFileLines(scheme, info));
    if (!writeCliOutput(proc, options.output, bytes, QStringLiteral("scheme")))
        return 1;
    return cliStatus();
}
