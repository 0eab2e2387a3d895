#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"

int runThemesCommand(const CliCommand& command, const QStringList& args) {
    CommandLine line(command);
    line.addOption({QStringLiteral("data-dir"),
                    QStringLiteral("The data folder holding Themes/; without it, the folder the "
                                   "desktop program uses."),
                    QStringLiteral("DIR")});
    if (const std::optional<int> answered = line.parse(args))
        return *answered;
    if (!line.parser().positionalArguments().isEmpty())
        return line.usageError(QStringLiteral("themes takes no arguments"));
    const QString dataDir = line.parser().value(QStringLiteral("data-dir"));
    if (line.parser().isSet(QStringLiteral("data-dir")) && dataDir.isEmpty())
        return line.usageError(QStringLiteral("--data-dir needs a value"));

    startCliRun(false);
    const std::optional<QString> startDir = cliDataFolder(dataDir);
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
