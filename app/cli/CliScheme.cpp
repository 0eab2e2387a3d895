#include "app/cli/CliScheme.h"

#include "app/cli/CommandLine.h"
#include "export/CssImport.h"
#include "framework/DataFolder.h"
#include "framework/ErrorHandler.h"
#include "framework/FileAccess.h"
#include "framework/Globals.h"
#include "framework/Procedure.h"
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

const QString DataDirOption = QStringLiteral("data-dir");
const QString FromOption = QStringLiteral("from");
const QString OnErrorOption = QStringLiteral("on-error");
const QString OutputOption = QStringLiteral("o");

std::unique_ptr<StreamErrorPrompt>& cliPrompt() {
    static std::unique_ptr<StreamErrorPrompt> prompt;
    return prompt;
}

// Reads the parsed options back; false with the reason when a value is not allowed.
bool readOptions(const QCommandLineParser& parser, CliSchemeOptions& options, QString& error) {
    for (const QString& policy : parser.values(OnErrorOption)) {
        if (policy != QLatin1String("ignore") && policy != QLatin1String("abort")) {
            error = QStringLiteral("--on-error takes ignore or abort, not \"%1\"").arg(policy);
            return false;
        }
    }
    // An empty folder or file name would quietly mean the current folder or none.
    for (const QString& name : {DataDirOption, FromOption}) {
        if (parser.values(name).contains(QString())) {
            error = QStringLiteral("--") + name + QStringLiteral(" needs a value");
            return false;
        }
    }
    options.dataDir = parser.value(DataDirOption);
    options.from = parser.value(FromOption);
    options.output =
        parser.optionNames().contains(OutputOption) ? parser.value(OutputOption) : QString();
    options.abortOnError = parser.value(OnErrorOption) == QLatin1String("abort");
    options.themes = parser.positionalArguments();
    return true;
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

void addCliSchemeOptions(CommandLine& line, bool withOutput) {
    line.addOption({DataDirOption,
                    QStringLiteral("The data folder holding Themes/; without it, the folder the "
                                   "desktop program uses."),
                    QStringLiteral("DIR")});
    line.addOption({FromOption,
                    QStringLiteral("A scheme file opened first, as File > Open does (\"-\" reads "
                                   "standard input), or a style sheet whose name ends in .css "
                                   "imported as File > Import CSS does."),
                    QStringLiteral("FILE.tna")});
    line.addOption({OnErrorOption,
                    QStringLiteral("What a run-time error does: ignore it and go on (exit status "
                                   "2, the default), or abort at once (exit status 1)."),
                    QStringLiteral("ignore|abort")});
    if (withOutput)
        line.addOption({OutputOption,
                        QStringLiteral("Where the result goes; \"-\" is standard output."),
                        QStringLiteral("OUT")});
    line.parser().addPositionalArgument(
        QStringLiteral("THEME"),
        QStringLiteral("Themes chosen in this order, by their Themes menu caption (\"Default\" "
                       "is the folder Studio)."),
        QStringLiteral("[THEME ...]"));
}

std::optional<int> parseCliSchemeOptions(CommandLine& line, const QStringList& args,
                                         CliSchemeOptions& options) {
    if (const std::optional<int> answered = line.parse(args))
        return answered;
    QString error;
    if (!readOptions(line.parser(), options, error))
        return line.usageError(error);
    return std::nullopt;
}

FileInformation startCliRun(bool abortOnError) {
    auto& prompt = cliPrompt();
    prompt = std::make_unique<StreamErrorPrompt>(abortOnError ? ErrorPrompt::Answer::Abort
                                                              : ErrorPrompt::Answer::Ignore);
    prompt->setLinePrefix(QStringLiteral("tintora-cli: "));
    setErrorPrompt(prompt.get());
    subSetupGlobals();
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

std::optional<QString> cliDataFolder(const QString& dataDir) {
    if (dataDir.isEmpty()) {
        // The themes are read from the folder the desktop uses, made ready as it does.
        DataFolder::prepare(globals().StartDir);
        return globals().StartDir;
    }
    const QFileInfo info(dataDir);
    if (!info.isDir()) {
        printCliError(QStringLiteral("the data folder %1 does not exist").arg(dataDir));
        return std::nullopt;
    }
    return QDir::cleanPath(info.absoluteFilePath());
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
    QStringList captions{QStringLiteral("Default")};
    Procedure proc(QStringLiteral("frmSplash.Timer1_Timer"));
    ThemeInstaller installer(defaultThemeSources(globals().UserName),
                             DataFolder::themesDir(startDir));
    installer.installNew = false;
    installer.yield = [] {};
    installer.addThemesItem = [&captions](const QString& caption) {
        if (caption != QLatin1String("-"))
            captions.append(caption);
    };
    installer.run(proc);
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
    const bool written = proc.step([&] { saveFileBytes(output, bytes); });
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

    if (options.from.endsWith(QLatin1String(".css"), Qt::CaseInsensitive)) {
        Procedure proc(QStringLiteral("frmMain.mnuFileImportCss_Click"));
        if (std::optional<ColorScheme> imported = importCss(proc, out, options.from))
            out = std::move(*imported);
    } else if (!options.from.isEmpty()) {
        // A file that opened but holds no scheme is bad input, not a scheme to build on.
        if (!openCliSchemeFile(out, options.from))
            return 1;
    }
    for (const QString& theme : options.themes) {
        Procedure proc(QStringLiteral("frmMain.mnuThemesItem_Click"));
        chooseTheme(out, themesDir, theme);
    }
    return cliStatus();
}
