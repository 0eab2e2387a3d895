#include "app/cli/CommandLine.h"

#include "app/cli/CliOptions.h"
#include "app/cli/Commands.h"
#include "framework/StandardStreams.h"
#include "framework/Version.h"
#include "theme/ChooseTheme.h"

#include <algorithm>
#include <cstdio>

namespace {

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

QStringList namesOf(const CliOption& option) {
    QStringList names;
    if (option.shortName)
        names << QLatin1String(option.shortName);
    return names << QLatin1String(option.name);
}

QStringList choicesOf(const CliOption& option) {
    return QString::fromLatin1(option.choices).split(QLatin1Char('|'));
}

} // namespace

QString cliVersionLine() {
    return QStringLiteral("tintora-cli ") + QLatin1String(tintora::VersionString);
}

void printCliError(const QString& message) {
    writeStandardError((QStringLiteral("tintora-cli: ") + message + QLatin1Char('\n')).toUtf8());
}

QByteArray textForStandardOutput(const QByteArray& text) {
    if (!standardOutputIsTerminal())
        return text;
    QString shown;
    for (const QChar c : QString::fromUtf8(text)) {
        const bool lineOrTab =
            c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t');
        shown += c.category() == QChar::Other_Control && !lineOrTab ? visibleName(QString(c))
                                                                    : QString(c);
    }
    return shown.toUtf8();
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

QString optionSpelling(const CliOption& option) {
    const QString name = QLatin1String(option.name);
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString choicesText(const CliOption& option) {
    QStringList choices = choicesOf(option);
    const QString last = choices.takeLast();
    return choices.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

CommandLine::CommandLine(const QString& synopsis, const QString& description)
    : synopsis_(synopsis) {
    parser_.setApplicationDescription(description);
    addOption(CliOptions::Help);
    addOption(CliOptions::Version);
    // "-o" and "--data-dir" alike: a single-dash word is one option, never several.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
}

QString cliSynopsis(const CliCommand& command) {
    return QStringLiteral("tintora-cli %1 %2")
        .arg(QLatin1String(command.name), QLatin1String(command.arguments));
}

CommandLine::CommandLine(const CliCommand& command)
    : CommandLine(cliSynopsis(command), QString::fromLatin1(command.summary)) {
    for (const CliOption* option : command.options)
        addOption(*option);
    for (const CliArgument& argument : command.positional)
        addArgument(argument);
}

void CommandLine::addOption(const CliOption& option) {
    QCommandLineOption added(namesOf(option), QString::fromLatin1(option.description));
    if (option.valueName) {
        added.setValueName(QString::fromLatin1(option.valueName));
        if (option.value == CliValue::Choice)
            added.setDefaultValue(choicesOf(option).first());
    }
    parser_.addOption(added);
    options_.push_back(&option);
}

void CommandLine::addArgument(const CliArgument& argument) {
    parser_.addPositionalArgument(
        QString::fromLatin1(argument.name), QString::fromLatin1(argument.description),
        argument.syntax ? QString::fromLatin1(argument.syntax) : QString());
}

bool CommandLine::takes(const CliOption& option) const {
    return std::find(options_.begin(), options_.end(), &option) != options_.end();
}

bool CommandLine::isSet(const CliOption& option) const {
    return takes(option) && parser_.isSet(QLatin1String(option.name));
}

QString CommandLine::value(const CliOption& option) const {
    return takes(option) ? parser_.value(QLatin1String(option.name)) : QString();
}

QStringList CommandLine::values(const CliOption& option) const {
    return takes(option) ? parser_.values(QLatin1String(option.name)) : QStringList();
}

QString CommandLine::choice(const CliOption& option) const {
    const QString given = value(option);
    for (const QString& choice : choicesOf(option))
        if (given.compare(choice, Qt::CaseInsensitive) == 0)
            return choice;
    return given;
}

bool CommandLine::knowsName(const QString& name) const {
    for (const CliOption* option : options_)
        if (namesOf(*option).contains(name))
            return true;
    return false;
}

bool CommandLine::takesValue(const QString& argument) const {
    if (!argument.startsWith(QLatin1Char('-')) || argument.contains(QLatin1Char('=')))
        return false;
    const QString name = optionName(argument);
    for (const CliOption* option : options_)
        if (option->valueName && namesOf(*option).contains(name))
            return true;
    return false;
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

QString CommandLine::valueError() const {
    for (const CliOption* option : options_) {
        if (!option->valueName)
            continue;
        for (const QString& given : values(*option)) {
            // An empty folder or file name would quietly mean the current folder or none.
            if (given.isEmpty())
                return optionSpelling(*option) + QStringLiteral(" needs a value");
            if (option->value == CliValue::Choice &&
                !choicesOf(*option).contains(given, Qt::CaseInsensitive))
                return QStringLiteral("%1 takes %2, not \"%3\"")
                    .arg(optionSpelling(*option), choicesText(*option), given);
        }
    }
    return {};
}

QStringList CommandLine::withValuesApart(const QStringList& args) const {
    QStringList apart;
    bool value = false; // the argument is the value of the option before it
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!value && arg == QLatin1String("--")) {
            apart += args.mid(i);
            break;
        }
        const bool attached = !value && arg.size() > 2 && arg.startsWith(QLatin1Char('-')) &&
                              arg[1] != QLatin1Char('-') && !arg.contains(QLatin1Char('=')) &&
                              !knowsName(optionName(arg)) && takesValue(arg.left(2));
        if (attached)
            apart << arg.left(2) << arg.mid(2);
        else
            apart << arg;
        value = !value && !attached && takesValue(arg);
    }
    return apart;
}

std::optional<int> CommandLine::parse(const QStringList& given) {
    // "-oOUT" is "-o OUT", as in every option parser people know.
    const QStringList args = withValuesApart(given);
    // The parser skips the first argument as the program's name.
    if (!parser_.parse(QStringList{QStringLiteral("tintora-cli")} + args))
        return usageError(parseError(args));
    if (isSet(CliOptions::Help)) {
        writeStandardOutput(helpText().toUtf8());
        return 0;
    }
    if (isSet(CliOptions::Version)) {
        writeStandardOutput((cliVersionLine() + QLatin1Char('\n')).toUtf8());
        return 0;
    }
    if (const QString error = valueError(); !error.isEmpty())
        return usageError(error);
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
