#include "app/cli/CliOptions.h"
#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "framework/StandardStreams.h"

int runThemesCommand(const CliCommand& command, const QStringList& args) {
    CommandLine line(command);
    if (const std::optional<int> answered = line.parse(args))
        return *answered;
    if (!line.parser().positionalArguments().isEmpty())
        return line.usageError(QStringLiteral("themes takes no arguments"));

    startCliRun(false);
    const std::optional<QString> startDir = cliDataFolder(line.value(CliOptions::DataDir));
    if (!startDir)
        return 1;
    QByteArray out;
    for (const QString& caption : themesMenuCaptions(*startDir))
        out += caption.toUtf8() + '\n';
    if (!writeStandardOutput(out)) {
        printCliError(QStringLiteral("the list could not be written to standard output"));
        return 1;
    }
    return cliStatus();
}
