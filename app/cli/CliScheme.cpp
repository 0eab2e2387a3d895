#include "app/cli/CliScheme.h"

#include "framework/ErrorHandler.h"
#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "theme/ChooseTheme.h"
#include "theme/ColorScheme.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace {

std::unique_ptr<StreamErrorPrompt>& cliPrompt() {
    static std::unique_ptr<StreamErrorPrompt> prompt;
    return prompt;
}

// The options that take a value, and whether the next argument may be it.
bool takesValue(const QString& name) {
    return name == QLatin1String("--data-dir") || name == QLatin1String("--from") ||
           name == QLatin1String("--on-error") || name == QLatin1String("-o");
}

bool setValue(CliSchemeOptions& options, const QString& name, const QString& value,
              QString& error) {
    if (name == QLatin1String("--data-dir")) {
        options.dataDir = value;
    } else if (name == QLatin1String("--from")) {
        options.from = value;
    } else if (name == QLatin1String("-o")) {
        options.output = value;
    } else if (value == QLatin1String("abort")) {
        options.abortOnError = true;
    } else if (value == QLatin1String("ignore")) {
        options.abortOnError = false;
    } else {
        error = QStringLiteral("--on-error takes ignore or abort, not \"%1\"").arg(value);
        return false;
    }
    if (value.isEmpty() && name != QLatin1String("-o")) {
        error = name + QStringLiteral(" needs a value");
        return false;
    }
    return true;
}

} // namespace

bool parseCliSchemeOptions(const QStringList& args, CliSchemeOptions& options, QString& error,
                           const QStringList& extraFlags) {
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnded || arg == QLatin1String("-") || !arg.startsWith(QLatin1Char('-'))) {
            options.themes.append(arg);
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (extraFlags.contains(arg)) {
            if (!options.flags.contains(arg))
                options.flags.append(arg);
            continue;
        }
        // Both "--name value" and "--name=value".
        const qsizetype equals =
            arg.startsWith(QLatin1String("--")) ? arg.indexOf(QLatin1Char('=')) : -1;
        const QString name = equals < 0 ? arg : arg.left(equals);
        if (!takesValue(name)) {
            error = QStringLiteral("unknown option %1").arg(arg);
            return false;
        }
        QString value;
        if (equals >= 0) {
            value = arg.mid(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            error = name + QStringLiteral(" needs a value");
            return false;
        }
        if (!setValue(options, name, value, error))
            return false;
    }
    return true;
}

void installCliErrorPrompt(bool abortOnError) {
    auto& prompt = cliPrompt();
    prompt = std::make_unique<StreamErrorPrompt>(abortOnError ? ErrorPrompt::Answer::Abort
                                                              : ErrorPrompt::Answer::Ignore);
    setErrorPrompt(prompt.get());
}

int cliStatus() {
    const auto& prompt = cliPrompt();
    return prompt && prompt->errorCount() > 0 ? 2 : 0;
}

void printCliError(const QString& message) {
    const QByteArray bytes =
        (QStringLiteral("tintora-cli: ") + message + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

bool writeStandardOutput(const QByteArray& bytes) {
    const size_t written =
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    return written == static_cast<size_t>(bytes.size()) && std::fflush(stdout) == 0;
}

int buildCliScheme(const CliSchemeOptions& options, ColorScheme& out) {
    installCliErrorPrompt(options.abortOnError);
    subSetupGlobals();
    Globals& g = globals();
    if (!options.dataDir.isEmpty()) {
        const QFileInfo dataDir(options.dataDir);
        if (!dataDir.isDir()) {
            printCliError(QStringLiteral("the data folder %1 does not exist").arg(options.dataDir));
            return 1;
        }
        g.StartDir = QDir::cleanPath(dataDir.absoluteFilePath());
    }
    // The Themes menu lists only the theme folders that exist; a name that is not
    // one of them is a usage error, not a run of failing readers.
    for (const QString& theme : options.themes) {
        const QString folder = g.StartDir + QStringLiteral("/Themes/") + themeFolderFor(theme);
        const bool plainName = !theme.isEmpty() && !theme.contains(QLatin1Char('/')) &&
                               theme != QLatin1String(".") && theme != QLatin1String("..");
        if (!plainName || !QFileInfo(folder).isDir()) {
            printCliError(QStringLiteral("there is no theme \"%1\" in %2/Themes")
                              .arg(theme, QDir::toNativeSeparators(g.StartDir)));
            return 1;
        }
    }

    // The scheme as the main window holds it right after loading.
    out = ColorScheme{};
    out.fillFontSizeTable();

    if (!options.from.isEmpty()) {
        Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
        out.SchemeFileName = options.from;
        readSchemeFile(proc, out, options.from);
    }
    for (const QString& theme : options.themes) {
        Procedure proc(QStringLiteral("frmMain.mnuThemesItem_Click"));
        chooseTheme(out, theme);
    }
    return cliStatus();
}
