#include "app/cli/CommandLine.h"

#include "app/cli/Commands.h"
#include "framework/Globals.h"
#include "framework/Version.h"

#include <cstdio>

namespace {

void writeTo(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// The name an argument gives its option: "--data-dir=x" and "-o" give "data-dir"
// and "o". Single-dash words are whole names, as QCommandLineParser reads them here.
QString optionName(const QString& argument) {
    const qsizetype dashes = argument.startsWith(QLatin1String("--")) ? 2 : 1;
    return argument.mid(dashes).section(QLatin1Char('='), 0, 0);
}

// The argument as the user typed it that names the option `name`.
QString spelling(const QStringList& args, const QString& name) {
    for (const QString& arg : args) {
        if (arg == QLatin1String("--"))
            break;
        if (arg.startsWith(QLatin1Char('-')) && optionName(arg) == name)
            return arg;
    }
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace

QString cliVersionLine() {
    return QStringLiteral("tintora-cli ") +
           formatVersion(tintora::VersionMajor, tintora::VersionMinor, tintora::VersionRevision);
}

void printCliError(const QString& message) {
    writeTo(stderr, QStringLiteral("tintora-cli: ") + message + QLatin1Char('\n'));
}

bool writeStandardOutput(const QByteArray& bytes) {
    const size_t written =
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    return written == static_cast<size_t>(bytes.size()) && std::fflush(stdout) == 0;
}

std::optional<QByteArray> readStandardInput(qint64 limit) {
    QByteArray bytes;
    char buffer[64 * 1024];
    for (;;) {
        const size_t got = std::fread(buffer, 1, sizeof buffer, stdin);
        bytes.append(buffer, static_cast<qsizetype>(got));
        if (bytes.size() > limit)
            return std::nullopt;
        if (got < sizeof buffer)
            break;
    }
    if (std::ferror(stdin))
        return std::nullopt;
    return bytes;
}

CommandLine::CommandLine(const QString& synopsis, const QString& description)
    : synopsis_(synopsis),
      help_({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help.")),
      version_({QStringLiteral("v"), QStringLiteral("version")},
               QStringLiteral("Shows the program's name and version.")) {
    parser_.setApplicationDescription(description);
    parser_.addOption(help_);
    parser_.addOption(version_);
    // "-o" and "--data-dir" alike: a single-dash word is one option, never several.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
}

QString cliSynopsis(const CliCommand& command) {
    return QStringLiteral("tintora-cli %1 %2")
        .arg(QLatin1String(command.name), QLatin1String(command.arguments));
}

CommandLine::CommandLine(const CliCommand& command)
    : CommandLine(cliSynopsis(command), QString::fromLatin1(command.summary)) {}

void CommandLine::addOption(const QCommandLineOption& option) {
    parser_.addOption(option);
    if (!option.valueName().isEmpty())
        valueNames_ += option.names();
}

bool CommandLine::takesValue(const QString& argument) const {
    return argument.startsWith(QLatin1Char('-')) && !argument.contains(QLatin1Char('=')) &&
           valueNames_.contains(optionName(argument));
}

QString CommandLine::parseError(const QStringList& args) const {
    const QStringList unknown = parser_.unknownOptionNames();
    if (!unknown.isEmpty())
        return QStringLiteral("unknown option ") + spelling(args, unknown.first());
    // An option's value is the next argument whatever it is, so only the last
    // argument can lack one.
    if (!args.isEmpty() && takesValue(args.last()))
        return args.last() + QStringLiteral(" needs a value");
    return parser_.errorText();
}

std::optional<int> CommandLine::parse(const QStringList& args) {
    // The parser skips the first argument as the program's name.
    if (!parser_.parse(QStringList{QStringLiteral("tintora-cli")} + args))
        return usageError(parseError(args));
    if (parser_.isSet(help_)) {
        writeTo(stdout, helpText());
        return 0;
    }
    if (parser_.isSet(version_)) {
        writeTo(stdout, cliVersionLine() + QLatin1Char('\n'));
        return 0;
    }
    return std::nullopt;
}

int CommandLine::usageError(const QString& reason) const {
    printCliError(reason);
    printCliError(QStringLiteral("usage: ") + synopsis_);
    return 1;
}

QString CommandLine::helpText() const {
    // The parser's own first line names the program by its path; ours names the
    // command too.
    const QString options = parser_.helpText().section(QLatin1Char('\n'), 1);
    QString text = QStringLiteral("Usage: ") + synopsis_ + QLatin1Char('\n') + options;
    if (!epilogue_.isEmpty())
        text += QLatin1Char('\n') + epilogue_;
    return text;
}
