#include "app/cli/CliScheme.h"

#include "app/cli/CliOptions.h"
#include "app/cli/CommandLine.h"
#include "export/ExportFormat.h"
#include "framework/DataFolder.h"
#include "framework/ErrorHandler.h"
#include "framework/FileAccess.h"
#include "framework/Globals.h"
#include "framework/OutputFolders.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "framework/StandardStreams.h"
#include "scheme/PictureRelocation.h"
#include "scheme/SchemeFile.h"
#include "startup/ThemeInstaller.h"
#include "theme/ChooseTheme.h"
#include "theme/ColorScheme.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <memory>
#include <utility>

namespace {

std::unique_ptr<StreamErrorPrompt>& cliPrompt() {
    static std::unique_ptr<StreamErrorPrompt> prompt;
    return prompt;
}

CliSchemeOptions readOptions(const CommandLine& line) {
    CliSchemeOptions options;
    options.dataDir = line.value(CliOptions::DataDir);
    options.from = line.value(CliOptions::From);
    options.output = line.value(CliOptions::Output);
    options.abortOnError = line.choice(CliOptions::OnError) == QLatin1String("abort");
    options.themes = line.parser().positionalArguments();
    return options;
}

// A theme the Themes menu would not list is a usage error, not a run of failing
// readers; "Default" is always listed.
bool themesExist(const QStringList& themes, const QString& themesDir) {
    for (const QString& theme : themes) {
        if (!isThemesMenuCaption(themesDir, theme)) {
            printCliError(QStringLiteral("there is no theme \"%1\" in %2")
                              .arg(visibleName(theme), QDir::toNativeSeparators(themesDir)));
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<int> parseCliSchemeOptions(CommandLine& line, const QStringList& args,
                                         CliSchemeOptions& options) {
    if (const std::optional<int> answered = line.parse(args))
        return answered;
    options = readOptions(line);
    // A scheme of nothing would be empty values only, each reported as an error.
    if (options.themes.isEmpty() && options.from.isEmpty()) {
        printCliError(QStringLiteral("no scheme to work on: name a THEME (tintora-cli themes "
                                     "lists them) or --from FILE"));
        return 1;
    }
    return std::nullopt;
}

FileInformation startCliRun(bool abortOnError) {
    auto& prompt = cliPrompt();
    prompt = std::make_unique<StreamErrorPrompt>(abortOnError ? ErrorPrompt::Answer::Abort
                                                              : ErrorPrompt::Answer::Ignore);
    prompt->setLinePrefix(QStringLiteral("tintora-cli: "));
    setErrorPrompt(prompt.get());
    subSetupGlobals();
    return cliFileInformation();
}

FileInformation cliFileInformation() {
    return {globals().VersionText, globals().UserName};
}

void setCliErrorContext(const QString& file) {
    if (auto& prompt = cliPrompt())
        prompt->setContext(file);
}

int cliStatus() {
    const auto& prompt = cliPrompt();
    return prompt && prompt->errorCount() > 0 ? 2 : 0;
}

std::optional<QString> cliDataFolder(const QString& dataDir, DataFolderUse use) {
    if (dataDir.isEmpty()) {
        const QString startDir = globals().StartDir;
        if (use == DataFolderUse::Write) {
            // The themes are written where the desktop reads them, made ready as it does.
            DataFolder::prepare(startDir);
            return startDir;
        }
        const QString bundled = DataFolder::bundledDataDir();
        if (!QFileInfo(DataFolder::themesDir(startDir)).isDir() && !bundled.isEmpty())
            return bundled;
        return startDir;
    }
    const QFileInfo info(dataDir);
    if (!info.isDir()) {
        printCliError(QStringLiteral("the data folder %1 does not exist").arg(dataDir));
        return std::nullopt;
    }
    return QDir::cleanPath(info.absoluteFilePath());
}

bool cliInputReadable(const QString& path) {
    if (path == QLatin1String("-"))
        return true;
    try {
        QFile file;
        openRegularFile(file, path, MaxTextFileSize);
        return true;
    } catch (const RuntimeError& error) {
        printCliError(runtimeErrorLine({error.number(), error.description(), {}, {}, path}));
        return false;
    }
}

std::optional<SchemeFileRead> openCliSchemeFile(ColorScheme& scheme, const QString& path) {
    Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
    scheme.SchemeFileName = path;
    SchemeFileRead read;
    if (path != QLatin1String("-")) {
        read = readSchemeFile(proc, scheme, path);
    } else {
        // The reader reads files; standard input is put in one first.
        const std::optional<QByteArray> bytes = readStandardInput(LargestStandardInput);
        if (!bytes) {
            printCliError(
                QStringLiteral("standard input could not be read, or is larger than %1 MiB")
                    .arg(LargestStandardInput / (1024 * 1024)));
            return std::nullopt;
        }
        QTemporaryFile file;
        if (!file.open() || file.write(*bytes) != bytes->size() || !file.flush()) {
            printCliError(QStringLiteral("standard input could not be kept in a temporary file"));
            return std::nullopt;
        }
        read = readSchemeFile(proc, scheme, file.fileName(), QStringLiteral("standard input"));
    }
    if (read.complete && read.sections == 0) {
        printCliError(notASchemeFileMessage(
            path == QLatin1String("-") ? QStringLiteral("standard input") : path));
        return std::nullopt;
    }
    return read;
}

QStringList themesMenuCaptions(const QString& startDir) {
    Procedure proc(QStringLiteral("frmSplash.Timer1_Timer"));
    const QString themesDir = DataFolder::themesDir(startDir);
    QStringList captions = listedThemes(proc, themesDir);
    captions.removeAll(QStringLiteral("-"));
    // "Default" stands for the folder Studio: a data folder without it has no Default.
    const QString studio = themesDir + QLatin1Char('/') + themeFolderFor(QStringLiteral("Default"));
    if (QFileInfo(studio).isDir())
        captions.prepend(QStringLiteral("Default"));
    return captions;
}

bool writeCliOutput(Procedure& proc, const QString& output, const QByteArray& bytes,
                    const QString& what) {
    if (output.isEmpty() || output == QLatin1String("-")) {
        if (writeStandardOutput(bytes))
            return true;
        printCliError(QStringLiteral("the %1 could not be written to standard output").arg(what));
        return false;
    }
    // The file being written is the detail of any error writing it.
    const QVariant detail = std::exchange(proc.TaskDetail, output);
    // The folder is made as an export makes it; a failed write leaves none behind.
    const bool written = proc.step([&] {
        OutputFolders folders;
        folders.make(QFileInfo(output).path());
        saveFileBytes(output, bytes);
    });
    proc.TaskDetail = detail;
    return written;
}

int buildCliScheme(const CliSchemeOptions& options, ColorScheme& out) {
    const std::optional<QString> startDir = cliDataFolder(options.dataDir);
    if (!startDir)
        return 1;
    const QString themesDir = DataFolder::themesDir(*startDir);
    if (!themesExist(options.themes, themesDir))
        return 1;

    // The scheme as the main window holds it right after loading.
    out = ColorScheme{};
    out.fillFontSizeTable();

    if (!options.from.isEmpty() && !cliInputReadable(options.from))
        return 1;
    // A file of a format that can be read back is imported as the window's File menu
    // imports it; any other is opened as a scheme file.
    if (const ExportFormat* format = readerForFile(options.from)) {
        Procedure proc(commandRoutine(importCommandName(*format)));
        if (std::optional<ColorScheme> imported = format->read(proc, out, options.from, nullptr))
            out = std::move(*imported);
    } else if (!options.from.isEmpty()) {
        // A file that opened but holds no scheme is bad input, not a scheme to build on.
        const std::optional<SchemeFileRead> read = openCliSchemeFile(out, options.from);
        if (!read)
            return 1;
        // A file that travelled finds its pictures beside it or in its theme's folder,
        // as File > Open finds them.
        if (options.from != QLatin1String("-")) {
            const int found =
                relocatePictures(out, options.from, read->themeName, {themesDir}).foundElsewhere;
            if (found > 0)
                errorPrompt().inform(
                    QStringLiteral(
                        "%1: %2 of its pictures found beside it or in its theme's folder, "
                        "not where it names them")
                        .arg(options.from)
                        .arg(found));
        }
    }
    for (const QString& theme : options.themes) {
        Procedure proc(QStringLiteral("frmMain.mnuThemesItem_Click"));
        chooseTheme(out, themesDir, theme);
    }
    return cliStatus();
}
