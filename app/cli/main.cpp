#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "framework/Trace.h"

#include <QCoreApplication>

#include <array>

namespace {

const std::array<CliCommand, 8> Commands{{
    {"themes", "[--data-dir DIR]", "Lists the Themes menu's captions, one a line.",
     runThemesCommand, false},
    {"scheme", "[options] [THEME ...]",
     "Writes the scheme file of the chosen themes, as Save writes it.", runSchemeCommand, false},
    {"report", "[--format text|json] FILE.tna|-",
     "Prints the report of a scheme file, as Print does, as plain text or JSON.", runReportCommand,
     false},
    {"diff", "A.tna B.tna",
     "Compares two scheme files value by value: one line per attribute that differs, in file "
     "order.",
     runDiffCommand, false},
    {"render", "[options] -o OUT.png [THEME ...]",
     "Draws the preview page of the chosen themes to a PNG picture.", runRenderCommand, true},
    {"audit", "[options] [THEME ...]",
     "Checks the contrast of every text of the chosen scheme's page over what is drawn behind "
     "it.",
     runAuditCommand, true},
    {"export", "--css OUT.css | --theme NAME [options] [THEME ...]",
     "Writes the chosen scheme as a style sheet of custom properties or as a theme folder.",
     runExportCommand, false},
    {"batch", "[--data-dir DIR] -o OUTDIR",
     "Writes the scheme file, report and preview of every installed theme, and a page "
     "showing them all.",
     runBatchCommand, true},
}};

const CliCommand* findCommand(const QString& name) {
    for (const CliCommand& command : Commands)
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

QString commandList() {
    QString text = QStringLiteral("Commands:\n");
    for (const CliCommand& command : Commands)
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
    line.parser().addPositionalArgument(
        QStringLiteral("COMMAND"), QStringLiteral("themes, scheme, report, diff, render, audit, "
                                                  "export or batch."));
    // What follows the command is the command's own.
    line.parser().setOptionsAfterPositionalArgumentsMode(
        QCommandLineParser::ParseAsPositionalArguments);
    line.setEpilogue(commandList());
    if (const std::optional<int> answered = line.parse(args))
        return *answered;

    const QStringList positional = line.parser().positionalArguments();
    const CliCommand* command = findCommand(positional.value(0));
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
