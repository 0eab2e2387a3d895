#include "app/cli/Commands.h"

#include "app/cli/CliOptions.h"
#include "app/cli/CommandLine.h"

#include <QByteArray>

using namespace CliOptions;

namespace {

CliArgument schemeFile(const char* name, const char* description) {
    return {name, nullptr, description, CliValue::File, "tna"};
}

// The export command's usage, one choice per format: "--css OUT.css | --theme NAME |
// ... [options] [THEME ...]".
const char* exportArguments() {
    static const QByteArray text = [] {
        QStringList choices;
        for (const CliOption& option : exportOptions())
            choices << optionSpelling(option) + QLatin1Char(' ') + QLatin1String(option.valueName);
        return (choices.join(QStringLiteral(" | ")) + QStringLiteral(" [options] [THEME ...]"))
            .toLatin1();
    }();
    return text.constData();
}

std::vector<const CliOption*> exportCommandOptions() {
    std::vector<const CliOption*> options{&DataDir, &From, &OnError};
    for (const CliOption& option : exportOptions())
        options.push_back(&option);
    options.insert(options.end(), {&Replace, &ShowBackground, &OpaqueLabels});
    return options;
}

// The commands that read a scheme and write what it is.
std::vector<CliCommand> schemeCommands() {
    return {
        {"themes",
         "[--data-dir DIR]",
         "Lists the Themes menu's captions, one a line.",
         runThemesCommand,
         false,
         {&DataDir},
         {}},
        {"scheme",
         "[options] [THEME ...]",
         "Writes the scheme file of the chosen themes, as Save writes it.",
         runSchemeCommand,
         false,
         {&DataDir, &From, &OnError, &Output, &SchemeFormat},
         {Themes}},
        {"report",
         "[--format text|json] FILE.tna|-",
         "Prints the report of a scheme file, as Print does, as plain text or JSON; a scheme "
         "with variants adds each variant's colours and contrast table.",
         runReportCommand,
         true,
         {&ReportFormat},
         {schemeFile("FILE.tna",
                     "The scheme file to report; \"-\" reads it from standard input.")}},
        {"diff",
         "A.tna B.tna",
         "Compares two scheme files value by value: one line per attribute that differs, in "
         "file order.",
         runDiffCommand,
         false,
         {},
         {schemeFile("A.tna", "The scheme file compared from; \"-\" reads it from standard input."),
          schemeFile("B.tna",
                     "The scheme file compared with; \"-\" reads it from standard input.")}},
    };
}

// The commands that draw the page, judge it or write the scheme for others.
std::vector<CliCommand> pageCommands() {
    return {
        {"render",
         "[options] -o OUT.png [THEME ...]",
         "Draws the preview page of the chosen themes to a PNG picture.",
         runRenderCommand,
         true,
         {&DataDir, &From, &OnError, &Output, &ShowBackground, &OpaqueLabels, &Simulate,
          &ShownVariant},
         {Themes}},
        {"audit",
         "[options] [THEME ...]",
         "Checks the contrast of every text of the chosen scheme's page over what is drawn "
         "behind it.",
         runAuditCommand,
         true,
         {&DataDir, &From, &OnError, &ShowBackground, &OpaqueLabels, &Level, &AuditFormat,
          &AuditVariant},
         {Themes}},
        {"variants",
         "[options] -o OUT.tna [--lock ELEMENT.ATTRIBUTE ...] [THEME ...]",
         "Writes the scheme file of the chosen scheme with its Dark and High contrast variants "
         "made from its colours.",
         runVariantsCommand,
         true,
         {&DataDir, &From, &OnError, &Output, &Lock, &ShowBackground, &OpaqueLabels},
         {Themes}},
        {"export",
         exportArguments(),
         "Writes the chosen scheme as a style sheet of custom properties, a theme folder, design "
         "tokens, a Tailwind theme or SCSS variables.",
         runExportCommand,
         false,
         exportCommandOptions(),
         {Themes}},
        {"batch",
         "[--data-dir DIR] [--quiet] -o OUTDIR",
         "Writes the scheme file, report and preview of every installed theme, and a page "
         "showing them all.",
         runBatchCommand,
         true,
         {&DataDir, &OutputFolder, &ShowBackground, &OpaqueLabels, &Quiet},
         {}},
    };
}

} // namespace

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands = [] {
        std::vector<CliCommand> all = schemeCommands();
        std::vector<CliCommand> page = pageCommands();
        all.insert(all.end(), page.begin(), page.end());
        return all;
    }();
    return commands;
}

const CliCommand* findCliCommand(const QString& name) {
    for (const CliCommand& command : cliCommands())
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}
