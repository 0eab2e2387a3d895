#include "app/cli/CliGui.h"
#include "app/cli/CliOptions.h"
#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "contrast/MakeVariant.h"
#include "framework/Procedure.h"
#include "scheme/SchemeJson.h"
#include "scheme/SchemeReport.h"
#include "scheme/SchemeSections.h"
#include "theme/ColorScheme.h"
#include "ui/preview/PreviewBackdrops.h"
#include "ui/preview/PreviewPage.h"

#include <algorithm>

namespace {

// A scheme with variants: the contrast table of each, at the level it is made to pass
// (AA, and AAA for High contrast), judged over the page drawn. None without variants,
// whose report stays the scheme file's sections. Returns 2 when a picture could not be
// shown, else 0.
int appendContrastTables(const ColorScheme& scheme, QList<ReportLine>& lines) {
    if (!scheme.hasVariant(Variant::Dark) && !scheme.hasVariant(Variant::Contrast))
        return 0;
    PreviewPage page;
    const int drawn = drawCliPreview(page, scheme, {});
    for (const Variant variant : Variants)
        if (scheme.hasVariant(variant))
            lines += contrastReportLines(
                auditVariant(scheme, variant, PreviewBackdrops(page), variantLevel(variant)));
    return drawn;
}

} // namespace

int runReportCommand(const CliCommand& command, const QStringList& args) {
    CommandLine line(command);
    if (const std::optional<int> answered = line.parse(args))
        return *answered;
    const QString formatName = line.choice(CliOptions::ReportFormat);
    const QStringList files = line.parser().positionalArguments();
    if (files.size() != 1 || files[0].isEmpty())
        return line.usageError(files.isEmpty() ? QStringLiteral("the scheme file is missing")
                                               : QStringLiteral("one scheme file at a time"));

    if (!cliInputReadable(files[0]))
        return 1;
    const CliGuiApplication app;
    const FileInformation info = startCliRun(false);
    ColorScheme scheme;
    scheme.fillFontSizeTable();
    // A file that could not be opened has nothing to report; its error is shown.
    const std::optional<SchemeFileRead> read = openCliSchemeFile(scheme, files[0]);
    if (!read)
        return 1;
    if (read->sections == 0)
        return cliStatus();
    int drawn = 0;
    QByteArray output;
    if (formatName == QLatin1String("json")) {
        output = schemeJson(schemeSections(scheme, info) + variantSections(scheme));
    } else {
        QList<ReportLine> lines = reportLines(scheme, info);
        drawn = appendContrastTables(scheme, lines);
        output = textForStandardOutput(reportText(lines));
    }
    setCliErrorContext(QStringLiteral("standard output"));
    Procedure proc(QStringLiteral("frmMain.mnuFilePrint_Click"));
    if (!writeCliOutput(proc, QString(), output, QStringLiteral("report")))
        return 1;
    return std::max(drawn, cliStatus());
}
