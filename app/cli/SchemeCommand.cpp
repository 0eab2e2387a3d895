#include "app/cli/CliOptions.h"
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
    CliSchemeOptions options;
    if (const std::optional<int> answered = parseCliSchemeOptions(line, args, options))
        return *answered;
    const QString formatName = line.choice(CliOptions::SchemeFormat);
    const FileInformation info = startCliRun(options.abortOnError);
    ColorScheme scheme;
    const int built = buildCliScheme(options, scheme);
    if (built == 1)
        return 1;

    // Written as Save writes it, to the file or to standard output.
    const bool toStandardOutput = options.output.isEmpty() || options.output == QLatin1String("-");
    setCliErrorContext(toStandardOutput ? QStringLiteral("standard output") : options.output);
    Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
    const QByteArray bytes =
        formatName == QLatin1String("json")
            ? schemeJson(schemeSections(scheme, info) + variantSections(scheme))
            : schemeFileBytes(schemeFileLines(scheme, info));
    if (!writeCliOutput(proc, options.output, bytes, QStringLiteral("scheme")))
        return 1;
    return cliStatus();
}
