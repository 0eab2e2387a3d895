#pragma once

#include "app/cli/CliTable.h"
#include "framework/FileAccess.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct CliCommand;

// "tintora-cli " followed by the version text, as --version prints it.
QString cliVersionLine();

// A command's usage line: "tintora-cli", its name and its arguments.
QString cliSynopsis(const CliCommand& command);

// Writes "tintora-cli: " + message and a line end to standard error.
void printCliError(const QString& message);

// UTF-8 text for standard output: on a terminal each control character but the tab and
// the line ends is shown as a visible sign (visibleName), so that a value read from a
// file cannot retitle the terminal or change its colours; elsewhere the text as it is.
QByteArray textForStandardOutput(const QByteArray& text);

// All of standard input; none when it could not be read or holds more than `limit`
// bytes.
std::optional<QByteArray> readStandardInput(qint64 limit);
// A scheme file on standard input is held to the limit of one read from disk.
inline constexpr qint64 LargestStandardInput = MaxTextFileSize;

// The command line of tintora-cli or of one of its commands: a QCommandLineParser
// built from the command table, that also answers --help with this usage and
// --version with the version line, and reports bad usage in the program's own words.
// Options are spelled "-o" or "--data-dir" (a one-letter name may have a long one too,
// "--output"), their values follow as the next argument or after "=", and a one-letter
// option's also in the same word ("-oOUT"); a choice is checked against its values, a
// file, folder or name must not be empty.
class CommandLine {
public:
    // `synopsis` is the usage line after "usage: " ("tintora-cli report FILE.tna"),
    // `description` one sentence on what the command does.
    CommandLine(const QString& synopsis, const QString& description);
    // The command line of `command`: "tintora-cli NAME ARGUMENTS", its summary, its
    // options and arguments.
    explicit CommandLine(const CliCommand& command);

    // Adds an option; one that takes a value needs it on the command line.
    void addOption(const CliOption& option);
    void addArgument(const CliArgument& argument);
    QCommandLineParser& parser() { return parser_; }
    const QCommandLineParser& parser() const { return parser_; }

    // Parses `args`, the arguments after the command's name. Empty when the command
    // is to run; otherwise the exit status after --help or --version was answered on
    // standard output (0) or bad usage was reported on standard error (1).
    std::optional<int> parse(const QStringList& args);

    // Whether the command takes the option; one it does not take is never set.
    bool takes(const CliOption& option) const;
    bool isSet(const CliOption& option) const;
    // The option's last value, or its default (a choice's first value).
    QString value(const CliOption& option) const;
    QStringList values(const CliOption& option) const;
    // A choice's value as the table spells it ("AA" for "aa").
    QString choice(const CliOption& option) const;

    // Reports bad usage the command found itself: the reason, then the usage line,
    // on standard error. Returns the exit status 1.
    int usageError(const QString& reason) const;

    // The help --help prints: the usage line, the description, the options, the
    // arguments and `epilogue`.
    QString helpText() const;
    void setEpilogue(const QString& epilogue) { epilogue_ = epilogue; }

private:
    QString parseError(const QStringList& args) const;
    QString valueError() const;
    bool knowsName(const QString& name) const;
    bool takesValue(const QString& argument) const;
    // `args` with a value given in one word with its one-letter option ("-oOUT") as
    // the two words "-o" "OUT".
    QStringList withValuesApart(const QStringList& args) const;

    QCommandLineParser parser_;
    QString synopsis_;
    QString epilogue_;
    std::vector<const CliOption*> options_;
};

// How the command line spells an option: "-o", "--data-dir".
QString optionSpelling(const CliOption& option);

// A choice's values as a sentence: "ignore or abort", "normal, protanopia or ...".
QString choicesText(const CliOption& option);
