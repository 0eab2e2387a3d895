#include "app/cli/CliGui.h"
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

const QString CssOption = QStringLiteral("css");
const QString ThemeOption = QStringLiteral("theme");
const QString ReplaceOption = QStringLiteral("replace");

void addExportOptions(CommandLine& line) {
    line.addOption({CssOption,
                    QStringLiteral("Writes the scheme as one style sheet of custom properties and "
                                   "the rules that use them, and OUT.html, an example page that "
                                   "uses them; its pictures are copied beside it."),
                    QStringLiteral("OUT.css")});
    line.addOption({ThemeOption,
                    QStringLiteral("Writes the scheme as the theme folder Themes/NAME of the "
                                   "data folder, which the Themes menu then lists."),
                    QStringLiteral("NAME")});
    line.addOption(
        {ReplaceOption, QStringLiteral("Replaces an existing style sheet or theme folder of that "
                                       "name; without it, an existing one is an error.")});
}

} // namespace

int runExportCommand(const CliCommand& command, const QStringList& args) {
    CommandLine line(command);
    addCliSchemeOptions(line, false);
    addExportOptions(line);
    addCliPreviewOptions(line);
    CliSchemeOptions options;
    if (const std::optional<int> answered = parseCliSchemeOptions(line, args, options))
        return *answered;
    const QCommandLineParser& parser = line.parser();
    if (parser.isSet(CssOption) == parser.isSet(ThemeOption))
        return line.usageError(QStringLiteral("export needs either --css OUT.css or --theme NAME"));
    if (parser.values(CssOption).size() > 1 || parser.values(ThemeOption).size() > 1)
        return line.usageError(QStringLiteral("export writes one style sheet or theme at a time"));
    const ExistingOutput existing =
        parser.isSet(ReplaceOption) ? ExistingOutput::Replace : ExistingOutput::Keep;
    const QString css = parser.value(CssOption);
    const QString theme = parser.value(ThemeOption);
    if (parser.isSet(CssOption) && css.isEmpty())
        return line.usageError(QStringLiteral("--css needs a value"));
    // A style sheet names its pictures as files beside it, which standard output has not.
    if (parser.isSet(CssOption) && css == QLatin1String("-"))
        return line.usageError(
            QStringLiteral("--css writes a file, with its pictures beside it; \"-\" (standard "
                           "output) cannot hold them: name a file, such as ./site.css"));
    if (parser.isSet(ThemeOption)) {
        if (const QString problem = themeNameProblem(theme); !problem.isEmpty())
            return line.usageError(problem);
    }

    startCliRun(options.abortOnError);
    ColorScheme scheme;
    const int built = buildCliScheme(options, scheme);
    if (built == 1)
        return 1;

    if (parser.isSet(CssOption)) {
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
    const std::optional<QString> startDir = cliDataFolder(options.dataDir);
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
