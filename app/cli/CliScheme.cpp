#include "app/cli/CliScheme.h"

#include "app/cli/CommandLine.h"
#include "framework/DataFolder.h"
#include "framework/ErrorHandler.h"
#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "theme/ChooseTheme.h"
#include "theme/ColorScheme.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

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
    options.output = parser.value(OutputOption);
    options.abortOnError = parser.value(OnErrorOption) == QLatin1String("abort");
    options.themes = parser.positionalArguments();
    return true;
}

// The data folder the themes are read from: --data-dir, else the desktop's. None,
// with a message on standard error, when --data-dir names no folder.
std::optional<QString> dataFolder(const CliSchemeOptions& options) {
    if (options.dataDir.isEmpty()) {
        // The themes are read from the folder the desktop uses, made ready as it does.
        DataFolder::prepare(globals().StartDir);
        return globals().StartDir;
    }
    const QFileInfo dataDir(options.dataDir);
    if (!dataDir.isDir()) {
        printCliError(QStringLiteral("the data folder %1 does not exist").arg(options.dataDir));
        return std::nullopt;
    }
    return QDir::cleanPath(dataDir.absoluteFilePath());
}

// A theme the Themes menu would not list is a usage error, not a run of failing
// readers; "Default" is always listed.
bool themesExist(const QStringList& themes, const QString& themesDir) {
    for (const QString& theme : themes) {
        if (!isThemesMenuCaption(themesDir, theme)) {
            printCliError(QStringLiteral("there is no theme \"%1\" in %2")
                              .arg(theme, QDir::toNativeSeparators(themesDir)));
            return false;
        }
    }
    return true;
}

} // namespace

void addCliSchemeOptions(CommandLine& line) {
    line.addOption({DataDirOption,
                    QStringLiteral("The data folder holding Themes/; without it, the folder the "
                                   "desktop program uses."),
                    QStringLiteral("DIR")});
    line.addOption({FromOption, QStringLiteral("A scheme file opened first, as File > Open does."),
                    QStringLiteral("FILE.tna")});
    line.addOption({OnErrorOption,
                    QStringLiteral("What a run-time error does: ignore it and go on (exit status "
                                   "2, the default), or abort at once (exit status 1)."),
                    QStringLiteral("ignore|abort")});
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
    setErrorPrompt(prompt.get());
    subSetupGlobals();
    return {globals().VersionText, globals().UserName};
}

int cliStatus() {
    const auto& prompt = cliPrompt();
    return prompt && prompt->errorCount() > 0 ? 2 : 0;
}

int buildCliScheme(const CliSchemeOptions& options, ColorScheme& out) {
    const std::optional<QString> startDir = dataFolder(options);
    if (!startDir)
        return 1;
    const QString themesDir = DataFolder::themesDir(*startDir);
    if (!themesExist(options.themes, themesDir))
        return 1;

    // The scheme as the main window holds it right after loading.
    out = ColorScheme{};
    out.fillFontSizeTable();

    if (!options.from.isEmpty()) {
        Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
        out.SchemeFileName = options.from;
        const SchemeFileRead read = readSchemeFile(proc, out, options.from);
        // A file that opened but holds no scheme is bad input, not a scheme to build on.
        if (read.complete && read.sections == 0) {
            printCliError(notASchemeFileMessage(options.from));
            return 1;
        }
    }
    for (const QString& theme : options.themes) {
        Procedure proc(QStringLiteral("frmMain.mnuThemesItem_Click"));
        chooseTheme(out, themesDir, theme);
    }
    return cliStatus();
}
