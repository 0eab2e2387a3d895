#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "framework/StandardStreams.h"
#include "scheme/SchemeDiff.h"
#include "theme/ColorScheme.h"

namespace {

// The exit status when the two schemes differ; 2 is taken by errors reported and
// ignored, 1 by bad usage and files that could not be read.
constexpr int Different = 3;

// Reads one of the two files into an empty scheme, as File > Open reads it. False
// when it could not be read to its end or holds no scheme (the reason is reported).
bool readForDiff(const QString& path, ColorScheme& scheme) {
    scheme = ColorScheme{};
    scheme.fillFontSizeTable();
    const std::optional<SchemeFileRead> read = openCliSchemeFile(scheme, path);
    return read && read->complete;
}

} // namespace

int runDiffCommand(const CliCommand& command, const QStringList& args) {
    CommandLine line(command);
    line.setEpilogue(QStringLiteral(
        "Prints one line per attribute whose value differs,\n"
        "  SECTION.Attribute: old -> new\n"
        "in file order. Values are compared, not their texts: a colour written in\n"
        "another form, or a size written as 10.0, is the same value. Then the Dark and\n"
        "High contrast variants' colours (DARK BODY.ForeColor: old -> new) and the\n"
        "locked colours (Locked: old list -> new list).\n"
        "\n"
        "Exit status: 0 the schemes are the same, 3 they differ, 2 errors were\n"
        "reported and ignored, 1 bad usage or a file that could not be read.\n"));
    if (const std::optional<int> answered = line.parse(args))
        return *answered;
    const QStringList files = line.parser().positionalArguments();
    if (files.size() != 2)
        return line.usageError(files.size() < 2 ? QStringLiteral("two scheme files are needed")
                                                : QStringLiteral("two scheme files at a time"));
    if (files.contains(QString()))
        return line.usageError(QStringLiteral("a scheme file's name is empty"));
    if (files[0] == QLatin1String("-") && files[1] == QLatin1String("-"))
        return line.usageError(QStringLiteral("only one of the files can be standard input"));

    if (!cliInputReadable(files[0]) || !cliInputReadable(files[1]))
        return 1;
    startCliRun(false);
    ColorScheme then;
    ColorScheme now;
    if (!readForDiff(files[0], then) || !readForDiff(files[1], now))
        return 1;

    QStringList differences;
    for (const SchemeDifference& difference : schemeDifferences(then, now))
        differences << differenceLine(difference);
    differences << variantDifferenceLines(then, now);
    QByteArray out;
    for (const QString& difference : differences)
        out += difference.toUtf8() + '\n';
    setCliErrorContext(QStringLiteral("standard output"));
    if (!writeStandardOutput(textForStandardOutput(out))) {
        printCliError(QStringLiteral("the differences could not be written to standard output"));
        return 1;
    }
    if (const int status = cliStatus())
        return status;
    return differences.isEmpty() ? 0 : Different;
}
