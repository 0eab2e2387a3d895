#include "app/cli/CliGui.h"
#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "contrast/AuditFormat.h"
#include "contrast/ContrastAudit.h"
#include "theme/ColorScheme.h"
#include "ui/preview/PreviewBackdrops.h"
#include "ui/preview/PreviewPage.h"

#include <algorithm>

int runAuditCommand(const CliCommand& command, const QStringList& args) {
    CommandLine line(command);
    addCliSchemeOptions(line, false);
    addCliPreviewOptions(line);
    const QCommandLineOption level(QStringLiteral("level"),
                                   QStringLiteral("The level the text must reach: AA (the "
                                                  "default; 4.5:1, large text 3:1) or AAA (7:1, "
                                                  "large text 4.5:1)."),
                                   QStringLiteral("AA|AAA"), QStringLiteral("AA"));
    line.addOption(level);
    const QCommandLineOption format(
        QStringLiteral("format"),
        QStringLiteral("text, one line per check (the default), or json, the checks as one JSON "
                       "object."),
        QStringLiteral("text|json"), QStringLiteral("text"));
    line.addOption(format);
    CliSchemeOptions options;
    if (const std::optional<int> answered = parseCliSchemeOptions(line, args, options))
        return *answered;
    const std::optional<ContrastLevel> chosenLevel =
        contrastLevelFromText(line.parser().value(level));
    if (!chosenLevel)
        return line.usageError(
            QStringLiteral("--level takes AA or AAA, not \"%1\"").arg(line.parser().value(level)));
    const QString formatName = line.parser().value(format);
    if (formatName != QLatin1String("text") && formatName != QLatin1String("json"))
        return line.usageError(
            QStringLiteral("--format takes text or json, not \"%1\"").arg(formatName));

    const CliGuiApplication app;

    ColorScheme scheme;
    // The backdrops are what the page really draws, so the page is laid out first.
    PreviewPage page;
    const int drawn = drawCliScheme(options, line, scheme, page);
    if (drawn == 1)
        return 1;
    const ContrastAudit audit = auditScheme(scheme, PreviewBackdrops(page), *chosenLevel);

    setCliErrorContext(QStringLiteral("standard output"));
    const QByteArray output =
        formatName == QLatin1String("json")
            ? auditJson(audit)
            : (auditText(audit).join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    if (!writeStandardOutput(output)) {
        printCliError(QStringLiteral("the audit could not be written to standard output"));
        return 1;
    }
    // Errors reported come first: an audit of a scheme that did not load completely
    // says little about the scheme meant.
    const int errors = std::max(drawn, cliStatus());
    return errors != 0 ? errors : auditExitStatus(audit);
}
