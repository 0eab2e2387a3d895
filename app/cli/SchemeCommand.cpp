#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "theme/ColorScheme.h"

int runSchemeCommand(const CliCommand& command, const QStringList& args) {
    CommandLine line(command);
    addCliSchemeOptions(line);
    CliSchemeOptions options;
    if (const std::optional<int> answered = parseCliSchemeOptions(line, args, options))
        return *answered;
    const FileInformation info = startCliRun(options.abortOnError);
    ColorScheme scheme;
    const int built = buildCliScheme(options, scheme);
    if (built == 1)
        return 1;

    // Written as Save writes it, to the file or to standard output.
    Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
    if (options.output.isEmpty() || options.output == QLatin1String("-")) {
        if (!writeStandardOutput(schemeFileBytes(schemeFileLines(scheme, info)))) {
            printCliError(QStringLiteral("the scheme could not be written to standard output"));
            return 1;
        }
    } else if (!writeSchemeFile(proc, scheme, info, options.output)) {
        return 1;
    }
    return cliStatus();
}
