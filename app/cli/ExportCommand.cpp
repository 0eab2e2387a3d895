#include "app/cli/CliGui.h"
#include "app/cli/CliOptions.h"
#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "export/ExportFormat.h"
#include "export/ExportNames.h"
#include "export/ExportTarget.h"
#include "export/ThemeExport.h"
#include "framework/DataFolder.h"
#include "framework/ErrorHandler.h"
#include "framework/Procedure.h"
#include "theme/ColorScheme.h"
#include "ui/preview/PreviewPictures.h"

#include <QDateTime>
#include <QDir>

namespace {

using namespace CliOptions;

// A format of the table and the command's option that asks for it.
struct Chosen {
    const ExportFormat* format = nullptr;
    const CliOption* option = nullptr;
};

// The format the command line asks for, each format being one option of the command;
// `chosen` is left empty, after a usage error, unless exactly one is given.
std::optional<int> chosenFormat(const CommandLine& line, Chosen& chosen) {
    QStringList choices;
    qsizetype given = 0;
    for (std::size_t i = 0; i < exportOptions().size(); ++i) {
        const CliOption& option = exportOptions()[i];
        choices << optionSpelling(option) + QLatin1Char(' ') + QLatin1String(option.valueName);
        given += line.values(option).size();
        if (line.isSet(option))
            chosen = {&exportFormats()[i], &option};
    }
    if (given == 0)
        return line.usageError(
            QStringLiteral("export needs one of %1 or %2")
                .arg(choices.mid(0, choices.size() - 1).join(QStringLiteral(", ")),
                     choices.last()));
    if (given > 1)
        return line.usageError(QStringLiteral("export writes one file or theme at a time"));
    return std::nullopt;
}

// Bad values the command refuses before it reads anything.
std::optional<int> refusedTarget(const CommandLine& line, const Chosen& chosen,
                                 const QString& value) {
    const ExportFormat& format = *chosen.format;
    const QString spelling = optionSpelling(*chosen.option);
    if (format.target == ExportTarget::ThemeFolder) {
        if (const QString problem = themeNameProblem(value); !problem.isEmpty())
            return line.usageError(problem);
        return std::nullopt;
    }
    if (value.isEmpty())
        return line.usageError(QStringLiteral("%1 needs a value").arg(spelling));
    // A format that writes files beside its own (pictures) cannot go to standard output.
    if (value == QLatin1String("-") && !format.bytes)
        return line.usageError(
            QStringLiteral("%1 writes a file, with its pictures beside it; \"-\" (standard "
                           "output) cannot hold them: name a file, such as ./site.%2")
                .arg(spelling, QLatin1String(format.ending)));
    return std::nullopt;
}

// Where the export goes: the file named, or the theme's folder in the data folder,
// which is cleared of what exports killed before `runStart` left (as the window's start
// clears it).
std::optional<QString> targetPath(const ExportFormat& format, const QString& value,
                                  const CliSchemeOptions& options, const QDateTime& runStart) {
    if (format.target == ExportTarget::File)
        return value;
    const std::optional<QString> startDir = cliDataFolder(options.dataDir, DataFolderUse::Write);
    if (!startDir)
        return std::nullopt;
    const QString themesDir = DataFolder::themesDir(*startDir);
    removeExportLeftovers(themesDir, runStart);
    return QDir(themesDir).filePath(value);
}

// The export itself, once the scheme is built: nothing is replaced without --replace,
// and what the format leaves of the scheme is said.
int writeExport(const ExportFormat& format, const ColorScheme& scheme, ExportRequest request) {
    const QStringList inTheWay = existingOutputs(exportOutputs(format, scheme, request.target));
    if (request.existing == ExistingOutput::Keep && !inTheWay.isEmpty()) {
        printCliError(QStringLiteral("%1%2 already exists; --replace replaces it")
                          .arg(format.target == ExportTarget::ThemeFolder
                                   ? QStringLiteral("the theme ")
                                   : QString(),
                               inTheWay.first()));
        return 1;
    }
    setCliErrorContext(request.target);
    Procedure proc(commandRoutine(exportCommandName(format)));
    if (!format.write(proc, scheme, request))
        return 1;
    if (const QString losses = exportLosses(format, scheme); !losses.isEmpty())
        errorPrompt().inform(request.target + QStringLiteral(": ") + losses);
    return cliStatus();
}

} // namespace

int runExportCommand(const CliCommand& command, const QStringList& args) {
    const QDateTime runStart = QDateTime::currentDateTime();
    CommandLine line(command);
    CliSchemeOptions options;
    if (const std::optional<int> answered = parseCliSchemeOptions(line, args, options))
        return *answered;
    Chosen chosen;
    if (const std::optional<int> refused = chosenFormat(line, chosen))
        return *refused;
    const ExportFormat* format = chosen.format;
    const QString value = line.value(*chosen.option);
    if (const std::optional<int> refused = refusedTarget(line, chosen, value))
        return *refused;

    startCliRun(options.abortOnError);
    ColorScheme scheme;
    if (buildCliScheme(options, scheme) == 1)
        return 1;
    if (value == QLatin1String("-")) {
        // One file without pictures beside it: "-" is standard output.
        Procedure proc(commandRoutine(exportCommandName(*format)));
        setCliErrorContext(QStringLiteral("standard output"));
        return writeCliOutput(proc, value, format->bytes(scheme), QLatin1String(format->name))
                   ? cliStatus()
                   : 1;
    }
    const std::optional<QString> target = targetPath(*format, value, options, runStart);
    if (!target)
        return 1;
    const CliPreviewOptions preview = cliPreviewOptions(line);
    return writeExport(
        *format, scheme,
        {.target = *target,
         .existing = line.isSet(Replace) ? ExistingOutput::Replace : ExistingOutput::Keep,
         .isPicture = PreviewPictures::isPicture,
         .page = {preview.showBackground, preview.opaqueLabels}});
}
