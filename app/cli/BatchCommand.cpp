#include "app/cli/Batch.h"
#include "app/cli/CliGui.h"
#include "app/cli/CliOptions.h"
#include "app/cli/CliProgress.h"
#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "framework/DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Names every error of the run on standard error and gives the exit status.
int reportBatch(const BatchResult& result, qsizetype themeCount, const QString& output) {
    for (const BatchFailure& failure : result.failures)
        for (const QString& error : failure.errors)
            printCliError(failure.folder + QStringLiteral(": ") + error);
    if (!result.indexWritten) {
        printCliError(QStringLiteral("%1/index.html could not be written: %2")
                          .arg(output, result.indexError));
        return 1;
    }
    if (!result.failures.isEmpty()) {
        QStringList names;
        for (const BatchFailure& failure : result.failures)
            names << failure.folder;
        printCliError(QStringLiteral("%1 of %2 themes reported errors: %3")
                          .arg(result.failures.size())
                          .arg(themeCount)
                          .arg(names.join(QStringLiteral(", "))));
        return std::max(2, cliStatus());
    }
    return cliStatus();
}
} // namespace

int runBatchCommand(const CliCommand& command, const QStringList& args) {
    CommandLine line(command);
    if (const std::optional<int> answered = line.parse(args))
        return *answered;
    if (!line.parser().positionalArguments().isEmpty())
        return line.usageError(QStringLiteral("batch takes every installed theme; it takes no "
                                              "theme names"));
    const QString output = line.value(CliOptions::OutputFolder);
    if (output.isEmpty())
        return line.usageError(QStringLiteral("batch needs -o OUTDIR"));
    const QString dataDir = line.value(CliOptions::DataDir);

    const CliGuiApplication app;
    const FileInformation info = startCliRun(false);
    const std::optional<QString> startDir = cliDataFolder(dataDir);
    if (!startDir)
        return 1;
    if (!QDir().mkpath(output) || !QFileInfo(output).isDir()) {
        printCliError(QStringLiteral("the output folder %1 could not be made").arg(output));
        return 1;
    }

    BatchSettings settings;
    settings.themesDir = DataFolder::themesDir(*startDir);
    settings.outputDir = QDir::cleanPath(QFileInfo(output).absoluteFilePath());
    // The version, but no user name: a rerun by anyone writes the same bytes.
    settings.info = {info.VersionText, QString()};
    const CliPreviewOptions preview = cliPreviewOptions(line);
    settings.showBackground = preview.showBackground;
    settings.opaqueLabels = preview.opaqueLabels;
    const QList<BatchTheme> themes = batchThemes(themesMenuCaptions(*startDir));
    BatchResult result;
    {
        CliProgress progress(themes.size(), !line.isSet(CliOptions::Quiet));
        settings.progress = [&progress](qsizetype done) { progress.advance(done); };
        result = runBatch(settings, themes);
    }

    return reportBatch(result, themes.size(), output);
}
