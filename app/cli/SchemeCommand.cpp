#include "app/cli/CliScheme.h"
#include "app/cli/Commands.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "theme/ColorScheme.h"

namespace {
const char* const SchemeUsage =
    "usage: tintora-cli scheme [--data-dir DIR] [--from FILE.tna] [--on-error ignore|abort] "
    "[-o OUT] [THEME ...]";
} // namespace

int runSchemeCommand(const QStringList& args) {
    CliSchemeOptions options;
    QString error;
    if (!parseCliSchemeOptions(args, options, error)) {
        printCliError(error);
        printCliError(QString::fromLatin1(SchemeUsage));
        return 1;
    }
    ColorScheme scheme;
    const int built = buildCliScheme(options, scheme);
    if (built == 1)
        return 1;

    // Written as Save writes it, to the file or to standard output.
    Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
    if (options.output.isEmpty() || options.output == QLatin1String("-")) {
        if (!writeStandardOutput(schemeFileBytes(schemeFileLines(scheme)))) {
            printCliError(QStringLiteral("the scheme could not be written to standard output"));
            return 1;
        }
    } else if (!writeSchemeFile(proc, scheme, options.output)) {
        return 1;
    }
    return cliStatus();
}
