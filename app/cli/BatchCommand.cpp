#include "app/cli/Batch.h"
#include "app/cli/CliGui.h"
#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "framework/DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString ShowBackground = QStringLiteral("show-background");
const QString OpaqueLabels = QStringLiteral("opaque-labels");

void addBatchOptions(CommandLine& line) {
    line.addOption({QStringLiteral("data-dir"),
                    QStringLiteral("The data folder holding Themes/; without it, the folder the "
                                   "desktop program uses."),
                    QStringLiteral("DIR")});
    line.addOption({QStringLiteral("o"),
                    QStringLiteral("The folder the outputs go to, made when missing: for each "
                                   "theme FOLDER/scheme.tna, report.txt, scheme.json, "
                                   "preview.png and audit.txt, and index.html showing them "
                                   "all."),
                    QStringLiteral("OUTDIR")});
    line.addOption({ShowBackground, QStringLiteral("Shows the page's background picture in the "
                                                   "previews, as the window's check box does.")});
    line.addOption({OpaqueLabels, QStringLiteral("Paints the labels over pictures with their "
                                                 "background colour, as the window's check box "
                                                 "does.")});
}

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
    addBatchOptions(line);
    if (const std::optional<int> answered = line.parse(args))
        return *answered;
    const QCommandLineParser& parser = line.parser();
    if (!parser.positionalArguments().isEmpty())
        return line.usageError(QStringLiteral("batch takes every installed theme; it takes no "
                                              "theme names"));
    const QString output = parser.value(QStringLiteral("o"));
    if (output.isEmpty())
        return line.usageError(QStringLiteral("batch needs -o OUTDIR"));
    const QString dataDir = parser.value(QStringLiteral("data-dir"));
    if (parser.isSet(QStringLiteral("data-dir")) && dataDir.isEmpty())
        return line.usageError(QStringLiteral("--data-dir needs a value"));

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
    settings.showBackground = parser.isSet(ShowBackground);
    settings.opaqueLabels = parser.isSet(OpaqueLabels);
    const QList<BatchTheme> themes = batchThemes(themesMenuCaptions(*startDir));
    const BatchResult result = runBatch(settings, themes);

    return reportBatch(result, themes.size(), output);
}
