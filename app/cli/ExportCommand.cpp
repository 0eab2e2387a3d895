#include "app/cli/CliGui.h"
#include "app/cli/CliOptions.h"
#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "export/CssExport.h"
#include "export/ExamplePage.h"
#include "export/ExportNames.h"
#include "export/ThemeExport.h"
#include "framework/DataFolder.h"
#include "framework/Procedure.h"
#include "theme/ColorScheme.h"
#include "ui/preview/PreviewPictures.h"

#include <QDir>
#include <QFileInfo>

namespace {

using namespace CliOptions;

} // namespace

int runExportCommand(const CliCommand& command, const QStringList& args) {
    CommandLine line(command);
    CliSchemeOptions options;
    if (const std::optional<int> answered = parseCliSchemeOptions(line, args, options))
        return *answered;
    if (line.isSet(Css) == line.isSet(Theme))
        return line.usageError(QStringLiteral("export needs either --css OUT.css or --theme NAME"));
    if (line.values(Css).size() > 1 || line.values(Theme).size() > 1)
        return line.usageError(QStringLiteral("export writes one style sheet or theme at a time"));
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
    const std::optional<QString> startDir = cliDataFolder(options.dataDir, DataFolderUse::Write);
    if (!startDir)
        return 1;
    const QString themesDir = DataFolder::themesDir(*startDir);
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
