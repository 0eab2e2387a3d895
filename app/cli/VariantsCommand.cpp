#include "app/cli/CliGui.h"
#include "app/cli/CliOptions.h"
#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "contrast/MakeVariant.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "theme/VariantNames.h"
#include "ui/preview/PreviewBackdrops.h"
#include "ui/preview/PreviewPage.h"

#include <algorithm>
#include <vector>

namespace {

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// "ELEMENT.Attribute" of the lock that keeps a failing row from passing.
QString blamedLock(const ColorScheme& scheme, const RowLeftFailing& row) {
    const ThemeElement& element = themeElement(row.element);
    if (row.textLocked)
        return latin1(element.key) + QStringLiteral(".ForeColor");
    if (scheme.isLocked(ColorAttr::Back, 0))
        return QStringLiteral("BACKGROUND.Color");
    return latin1(element.key) + QStringLiteral(".BackColor");
}

// "Dark (AA): BODY, HEADING2 (locked HEADING2.ForeColor)", or nothing when every row
// of the variant passes.
QString failingText(const ColorScheme& scheme, const char* variantName, Variant variant,
                    const std::vector<RowLeftFailing>& failing) {
    if (failing.empty())
        return {};
    QStringList rows;
    for (const RowLeftFailing& row : failing) {
        QString name = latin1(themeElement(row.element).key);
        if (row.textLocked || row.backdropLocked)
            name += QStringLiteral(" (locked %1)").arg(blamedLock(scheme, row));
        rows << name;
    }
    return QStringLiteral("%1 (%2): %3")
        .arg(QLatin1String(variantName), contrastLevelText(variantLevel(variant)),
             rows.join(QStringLiteral(", ")));
}

} // namespace

int runVariantsCommand(const CliCommand& command, const QStringList& args) {
    CommandLine line(command);
    CliSchemeOptions options;
    if (const std::optional<int> answered = parseCliSchemeOptions(line, args, options))
        return *answered;
    if (options.output.isEmpty())
        return line.usageError(
            QStringLiteral("variants needs -o OUT.tna (or -o - for standard output)"));
    std::vector<ColorPlace> locks;
    for (const QString& lock : line.values(CliOptions::Lock)) {
        const std::optional<ColorPlace> place = colorPlaceNamed(lock);
        if (!place)
            return line.usageError(QStringLiteral("--lock takes an element's colour attribute, "
                                                  "such as BANNER.BackColor, not \"%1\"")
                                       .arg(lock));
        locks.push_back(*place);
    }

    const CliGuiApplication app;

    ColorScheme scheme;
    // The rows are judged over what the page really draws behind them.
    PreviewPage page;
    const int drawn = drawCliScheme(options, line, scheme, page);
    if (drawn == 1)
        return 1;
    for (const ColorPlace& place : locks)
        scheme.setLocked(place.attr, place.slot, true);
    std::vector<RowLeftFailing> dark;
    std::vector<RowLeftFailing> contrast;
    const ColorScheme made = withVariantsMade(scheme, PreviewBackdrops(page), &dark, &contrast);

    const bool toStandardOutput = options.output == QLatin1String("-");
    setCliErrorContext(toStandardOutput ? QStringLiteral("standard output") : options.output);
    Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
    const FileInformation info = cliFileInformation();
    if (!writeCliOutput(proc, options.output, schemeFileBytes(schemeFileLines(made, info)),
                        QStringLiteral("scheme")))
        return 1;

    // The file is written either way, as Make All Pass keeps what it could do; the rows
    // left failing are named in one line, as the window names them in one message.
    QStringList failing;
    for (const QString& text : {failingText(scheme, "Dark", Variant::Dark, dark),
                                failingText(scheme, "High contrast", Variant::Contrast, contrast)})
        if (!text.isEmpty())
            failing << text;
    const int errors = std::max(drawn, cliStatus());
    if (!failing.isEmpty()) {
        printCliError(QStringLiteral("these rows cannot pass: ") +
                      failing.join(QStringLiteral("; ")));
        return errors != 0 ? errors : 3;
    }
    return errors;
}
