#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "framework/Trace.h"

#include <QCoreApplication>

namespace {

QString commandList() {
    QString text = QStringLiteral("Commands:\n");
    for (const CliCommand& command : cliCommands())
        text += QStringLiteral("  ") + cliSynopsis(command) + QStringLiteral("\n      ") +
                QLatin1String(command.summary) + QLatin1Char('\n');
    return text + QStringLiteral("\n\"tintora-cli COMMAND --help\" describes a command.\n");
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    CommandLine line(QStringLiteral("tintora-cli COMMAND [ARGUMENTS ...]"),
                     QStringLiteral("Builds, reports and draws the colour schemes of Tintora "
                                    "without a window."));
    QStringList names;
    for (const CliCommand& command : cliCommands())
        names << QLatin1String(command.name);
    const QString last = names.takeLast();
    line.parser().addPositionalArgument(QStringLiteral("COMMAND"),
                                        names.join(QStringLiteral(", ")) + QStringLiteral(" or ") +
                                            last + QLatin1Char('.'));
    // What follows the command is the command's own.
    line.parser().setOptionsAfterPositionalArgumentsMode(
        QCommandLineParser::ParseAsPositionalArguments);
    line.setEpilogue(commandList());
    if (const std::optional<int> answered = line.parse(args))
        return *answered;

    const QStringList positional = line.parser().positionalArguments();
    const CliCommand* command = findCliCommand(positional.value(0));
    if (!command)
        return line.usageError(positional.isEmpty()
                                   ? QStringLiteral("a command is needed")
                                   : QStringLiteral("unknown command ") + positional[0]);
    if (command->ownApplication)
        return command->run(*command, positional.mid(1));

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tintora"));
    Trace::instance().configureFromEnvironment();
    return command->run(*command, positional.mid(1));
}
