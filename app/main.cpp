#include "app/DesktopOptions.h"
#include "app/DesktopStartUp.h"
#include "framework/ErrorHandler.h"
#include "framework/Globals.h"
#include "framework/StandardStreams.h"
#include "framework/Trace.h"
#include "framework/Version.h"
#include "startup/Translations.h"
#include "ui/dialogs/ErrorBox.h"
#include "ui/window/Remembered.h"
#include "widgets/WindowUtil.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <optional>

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate(DesktopOptions::Context, text);
}

QCommandLineOption option(const CliOption& option) {
    return QCommandLineOption({QLatin1String(option.shortName), QLatin1String(option.name)},
                              translated(option.description));
}

// What the command line asks for once it is read: an exit status when it is answered
// without a window (help, version, a mistake), else the scheme file to open, if any.
struct Arguments {
    std::optional<int> exitStatus;
    QString file;
};

// The options Qt's own application classes take from the command line: they are
// understood here too, so that "-platform offscreen" or "-style fusion" still work.
void addQtOptions(QCommandLineParser& parser) {
    const auto add = [&parser](const char* name, bool withValue) {
        QCommandLineOption option(QString::fromLatin1(name));
        if (withValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
          "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry",
          "title", "name", "style", "stylesheet", "visual", "im"})
        add(name, true);
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        add(name, false);
}

// Reads the command line before any window system is touched, so that --help and
// --version answer on a machine without a display.
Arguments readArguments(int argc, char* argv[]) {
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));

    QCommandLineParser parser;
    parser.setApplicationDescription(translated("Designs the colour scheme of a web-site theme."));
    // "-platform" and "--help" alike: a single-dash word is one option, never several.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = option(DesktopOptions::Help);
    const QCommandLineOption version = option(DesktopOptions::Version);
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QLatin1String(DesktopOptions::File.name),
                                 translated(DesktopOptions::File.description),
                                 QLatin1String(DesktopOptions::File.syntax));
    addQtOptions(parser);

    Arguments read;
    if (!parser.parse(args)) {
        writeStandardError((QStringLiteral("tintora: ") + parser.errorText() + QLatin1Char('\n') +
                            translated("Try 'tintora --help' for more information.") +
                            QLatin1Char('\n'))
                               .toLocal8Bit());
        read.exitStatus = 1;
        return read;
    }
    if (parser.isSet(help)) {
        // The parser's first line names the program by the path it was started with.
        const QString options = parser.helpText().section(QLatin1Char('\n'), 1);
        writeStandardOutput(
            (translated("Usage: tintora [options] [FILE.tna]") + QLatin1Char('\n') + options)
                .toLocal8Bit());
        read.exitStatus = 0;
        return read;
    }
    if (parser.isSet(version)) {
        writeStandardOutput(
            (QStringLiteral("tintora ") + QLatin1String(tintora::VersionString) + QLatin1Char('\n'))
                .toLocal8Bit());
        read.exitStatus = 0;
        return read;
    }
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) {
        // Start-up may change the current folder; the name is taken as the user meant it.
        read.file = QFileInfo(files.first()).absoluteFilePath();
        // The file manager may pass several files; the window holds one scheme.
        for (qsizetype i = 1; i < files.size(); ++i)
            writeStandardError((QStringLiteral("tintora: ") +
                                translated("only one file is opened; %1 is left").arg(files[i]) +
                                QLatin1Char('\n'))
                                   .toLocal8Bit());
    }
    return read;
}
} // namespace

int main(int argc, char* argv[]) {
    const Arguments arguments = readArguments(argc, argv);
    if (arguments.exitStatus)
        return *arguments.exitStatus;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tintora"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tintora.Tintora"));
    loadTranslations(QLocale::system());
    installFontSubstitutions();
    Trace::instance().configureFromEnvironment();

    QtErrorPrompt prompt;
    setErrorPrompt(&prompt);
    int status = 0;
    {
        // What the user chose last time: ~/.config/tintora/tintora.ini.
        DesktopStartUp startUp([](frmMain& main) {
            const QString path =
                QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                QStringLiteral("/tintora/tintora.ini");
            std::unique_ptr<QSettings> settings = Remembered::openSettings(path);
            if (!settings)
                errorPrompt().inform(
                    QCoreApplication::translate(
                        "DesktopStartUp",
                        "The settings file %1 is not an ordinary file of at most %2 MiB. Tintora "
                        "starts without what it remembers there and leaves the file as it is.")
                        .arg(path)
                        .arg(Remembered::MaxSettingsFileSize / (1024 * 1024)));
            main.useSettings(std::move(settings));
        });
        // Abort ends the program at once; unsaved changes are offered for saving first.
        prompt.setAbortCheck([&startUp] {
            frmMain* main = startUp.loadedMainWindow();
            return !main || main->files().maybeSave();
        });
        // The file named on the command line opens once the window is shown.
        if (!arguments.file.isEmpty())
            QObject::connect(
                &startUp.splash, &frmSplash::startUpFinished, &startUp.splash,
                [&startUp, file = arguments.file] { startUp.mainWindow().files().openFile(file); });
        startUp.splash.show();
        status = QApplication::exec();
        prompt.setAbortCheck({});
    }
    setErrorPrompt(nullptr);
    return status;
}
