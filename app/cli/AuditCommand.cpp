#include "app/cli/CliGui.h"
#include "app/cli/CliOptions.h"
#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "contrast/AuditFormat.h"
#include "contrast/ContrastAudit.h"
#include "contrast/MakeVariant.h"
#include "framework/Procedure.h"
#include "theme/ColorScheme.h"
#include "ui/preview/PreviewBackdrops.h"
#include "ui/preview/PreviewPage.h"

#include <algorithm>
#include <vector>

int runAuditCommand(const CliCommand& command, const QStringList& args) {
    CommandLine line(command);
    CliSchemeOptions options;
    if (const std::optional<int> answered = parseCliSchemeOptions(line, args, options))
        return *answered;
    const std::optional<ContrastLevel> chosenLevel =
        contrastLevelFromText(line.choice(CliOptions::Level));
    if (!chosenLevel)
        return 1;
    const QString formatName = line.choice(CliOptions::AuditFormat);
    // With --variant each check names the variant it judged; "all" is none of them.
    const bool namesVariants = line.isSet(CliOptions::AuditVariant);
    const std::optional<Variant> oneVariant = cliVariant(line, CliOptions::AuditVariant);

    const CliGuiApplication app;

    ColorScheme scheme;
    // The backdrops are what the page really draws, so the page is laid out first.
    PreviewPage page;
    const int drawn = drawCliScheme(options, line, scheme, page);
    if (drawn == 1 || (oneVariant && !cliSchemeHas(scheme, *oneVariant)))
        return 1;
    // Without --level each variant is judged at the level it is made for: High
    // contrast at AAA, so that "all" answers whether the scheme passes as a whole.
    const bool levelGiven = line.isSet(CliOptions::Level);
    std::vector<ContrastAudit> audits;
    for (const Variant variant : Variants)
        if (oneVariant ? variant == *oneVariant : scheme.hasVariant(variant))
            audits.push_back(auditVariant(scheme, variant, PreviewBackdrops(page),
                                          levelGiven ? *chosenLevel : variantLevel(variant)));

    setCliErrorContext(QStringLiteral("standard output"));
    QByteArray output;
    if (formatName == QLatin1String("json")) {
        output = namesVariants ? auditJson(audits) : auditJson(audits.front());
    } else {
        for (const ContrastAudit& audit : audits)
            output += (auditText(audit, namesVariants).join(QLatin1Char('\n')) + QLatin1Char('\n'))
                          .toUtf8();
    }
    Procedure proc(QStringLiteral("frmMain.mnuFilePrint_Click"));
    if (!writeCliOutput(proc, QString(), output, QStringLiteral("audit")))
        return 1;
    // Errors reported come first: an audit of a scheme that did not load completely
    // says little about the scheme meant.
    const int errors = std::max(drawn, cliStatus());
    return errors != 0 ? errors : auditExitStatus(audits);
}
