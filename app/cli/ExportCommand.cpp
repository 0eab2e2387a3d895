#include "app/cli/CliGui.h"
#include "app/cli/CliOptions.h"
#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "export/CssExport.h"
#include "export/DesignTokens.h"
#include "export/ExamplePage.h"
#include "export/ExportNames.h"
#include "export/SiteVariables.h"
#include "export/ThemeExport.h"
#include "framework/DataFolder.h"
#include "framework/Procedure.h"
#include "theme/ColorScheme.h"
#include "ui/preview/PreviewPictures.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

using namespace CliOptions;

// The one-file formats for a site's own build, and their routines' names.
struct SiteFile {
    const CliOption& option;
    const char* routine;
};
const SiteFile SiteFiles[] = {
    {Tokens, "frmMain.mnuFileExportTokens_Click"},
    {Tailwind, "frmMain.mnuFileExportTailwind_Click"},
    {Scss, "frmMain.mnuFileExportScss_Click"},
};

} // namespace

int runExportCommand(const CliCommand& command, const QStringList& args) {
    const QDateTime runStart = QDateTime::currentDateTime();
    CommandLine line(command);
    CliSchemeOptions options;
    if (const std::optional<int> answered = parseCliSchemeOptions(line, args, options))
        return *answered;
    qsizetype outputs = 0;
    for (const CliOption* option : {&Css, &Theme, &Tokens, &Tailwind, &Scss})
        outputs += line.values(*option).size();
    if (outputs == 0)
        return line.usageError(QStringLiteral(
            "export needs one of --css OUT.css, --theme NAME, --tokens OUT.tokens.json, "
            "--tailwind OUT.css or --scss OUT.scss"));
    if (outputs > 1)
        return line.usageError(QStringLiteral("export writes one file or theme at a time"));
    for (const CliOption* option : {&Css, &Tokens, &Tailwind, &Scss})
        if (line.isSet(*option) && line.value(*option).isEmpty())
            return line.usageError(
                QStringLiteral("--%1 needs a value").arg(QLatin1String(option->name)));
    const ExistingOutput existing =
        line.isSet(Replace) ? ExistingOutput::Replace : ExistingOutput::Keep;
    const QString css = line.value(Css);
    const QString theme = line.value(Theme);
    // A style sheet names its pictures as files beside it, which standard output has not.
    if (line.isSet(Css) && css == QLatin1String("-"))
        return line.usageError(
            QStringLiteral("--css writes a file, with its pictures beside it; \"-\" (standard "
                           "output) cannot hold them: name a file, such as ./site.css"));
    if (line.isSet(Theme)) {
        if (const QString problem = themeNameProblem(theme); !problem.isEmpty())
            return line.usageError(problem);
    }

    startCliRun(options.abortOnError);
    ColorScheme scheme;
    const int built = buildCliScheme(options, scheme);
    if (built == 1)
        return 1;

    if (line.isSet(Css)) {
        for (const QString& out : {css, examplePagePath(css)}) {
            if (existing == ExistingOutput::Keep && QFileInfo::exists(out)) {
                printCliError(QStringLiteral("%1 already exists; --replace replaces it").arg(out));
                return 1;
            }
        }
        setCliErrorContext(css);
        Procedure proc(QStringLiteral("frmMain.mnuFileExportCss_Click"));
        const CliPreviewOptions preview = cliPreviewOptions(line);
        if (!exportCss(proc, scheme, css, existing, PreviewPictures::isPicture,
                       {preview.showBackground, preview.opaqueLabels}))
            return 1;
        return cliStatus();
    }
    for (const SiteFile& site : SiteFiles) {
        if (!line.isSet(site.option))
            continue;
        const QString out = line.value(site.option);
        const bool tokens = &site.option == &Tokens;
        const SiteFormat format =
            &site.option == &Tailwind ? SiteFormat::Tailwind : SiteFormat::Scss;
        Procedure proc(QLatin1String(site.routine));
        // One file without pictures beside it: "-" is standard output.
        if (out == QLatin1String("-")) {
            setCliErrorContext(QStringLiteral("standard output"));
            const QByteArray bytes = tokens                           ? designTokens(scheme)
                                     : format == SiteFormat::Tailwind ? tailwindStyleSheet(scheme)
                                                                      : scssVariables(scheme);
            return writeCliOutput(proc, out, bytes, QLatin1String(site.option.name)) ? cliStatus()
                                                                                     : 1;
        }
        if (existing == ExistingOutput::Keep && QFileInfo::exists(out)) {
            printCliError(QStringLiteral("%1 already exists; --replace replaces it").arg(out));
            return 1;
        }
        setCliErrorContext(out);
        const bool written = tokens ? exportDesignTokens(proc, scheme, out, existing)
                                    : exportSiteVariables(proc, scheme, format, out, existing);
        return written ? cliStatus() : 1;
    }
    const std::optional<QString> startDir = cliDataFolder(options.dataDir, DataFolderUse::Write);
    if (!startDir)
        return 1;
    const QString themesDir = DataFolder::themesDir(*startDir);
    // What exports killed before this run left; the window's start clears them too.
    removeExportLeftovers(themesDir, runStart);
    const QString folder = QDir(themesDir).filePath(theme);
    if (existing == ExistingOutput::Keep && QFileInfo::exists(folder)) {
        printCliError(
            QStringLiteral("the theme %1 already exists; --replace replaces it").arg(folder));
        return 1;
    }
    setCliErrorContext(folder);
    Procedure proc(QStringLiteral("frmMain.mnuFileExportTheme_Click"));
    if (!exportTheme(proc, scheme, themesDir, theme, existing, PreviewPictures::isPicture))
        return 1;
    return cliStatus();
}
