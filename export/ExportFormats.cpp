#include "export/CssExport.h"
#include "export/CssImport.h"
#include "export/DesignTokens.h"
#include "export/ExamplePage.h"
#include "export/ExportFormat.h"
#include "export/SiteVariables.h"
#include "export/ThemeExport.h"
#include "export/TokenFiles.h"
#include "theme/ColorScheme.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The files a one-file writer wrote, for the request's list.
bool wrote(bool written, const ExportRequest& request, const QStringList& files) {
    if (written && request.written)
        *request.written << files;
    return written;
}

bool writeSiteVariables(Procedure& proc, const ColorScheme& scheme, SiteFormat format,
                        const ExportRequest& request) {
    return wrote(exportSiteVariables(proc, scheme, format, request.target, request.existing),
                 request, {request.target});
}

// The table of formats, in the order the menu and the command line's help list them.
//
// To add a format, add a row here and write its writer in a file of its own (as
// SiteVariables.cpp writes Tailwind and SCSS): `write` takes the request and reports
// what it wrote, `outputs` names every file it writes besides pictures so that the
// command line and the window check and ask about them before it starts, `bytes`
// gives the file for standard output where the format is one file, `carries` says
// truthfully what the format keeps, and `read`, when the format can be read back,
// serves File > Import and --from alike. The menu item, the dialogs, the option, its
// help and the shell completions follow from the row; texts meant for the window go
// through QT_TRANSLATE_NOOP and get a German line in translations/.
const ExportFormat Formats[] = {
    {
        .name = "css",
        .target = ExportTarget::File,
        .menuText = QT_TRANSLATE_NOOP("ExportFormats", "&CSS..."),
        .title = QT_TRANSLATE_NOOP("ExportFormats", "Export CSS"),
        .filter =
            QT_TRANSLATE_NOOP("ExportFormats", "Style Sheet (*.css)|*.css|All Files (*.*)|*.*"),
        .ending = "css",
        .suffixes = "css",
        .valueName = "OUT.css",
        .description = "Writes the scheme as one style sheet of custom properties and the "
                       "rules that use them, and OUT.html, an example page that uses them; its "
                       "pictures are copied beside it.",
        .carries =
            {.fonts = true, .fontStyles = true, .pictures = true, .variants = true, .locks = true},
        .write =
            [](Procedure& proc, const ColorScheme& scheme, const ExportRequest& request) {
                return exportCss(proc, scheme, request.target, request.existing, request.isPicture,
                                 request.page, OutputPlace::Named, request.written);
            },
        .outputs = [](const ColorScheme&, const QString& target) -> QStringList {
            return {target, examplePagePath(target)};
        },
        .read = importCss,
        .importText = QT_TRANSLATE_NOOP("ExportFormats", "&Import CSS..."),
        .nothingFound = QT_TRANSLATE_NOOP(
            "ExportFormats", "%1 holds no Tintora colour scheme: none of its \":root\" rules "
                             "sets a --tintora- property.\n\nNothing was changed."),
    },
    {
        .name = "theme",
        .target = ExportTarget::ThemeFolder,
        .menuText = QT_TRANSLATE_NOOP("ExportFormats", "T&heme..."),
        .title = QT_TRANSLATE_NOOP("ExportFormats", "Export Theme"),
        .filter = nullptr,
        .ending = nullptr,
        .suffixes = nullptr,
        .valueName = "NAME",
        .description = "Writes the scheme as the theme folder Themes/NAME of the data folder, "
                       "which the Themes menu then lists.",
        .carries = {.fonts = true, .pictures = true},
        .write =
            [](Procedure& proc, const ColorScheme& scheme, const ExportRequest& request) {
                const QFileInfo folder(request.target);
                return wrote(exportTheme(proc, scheme, folder.path(), folder.fileName(),
                                         request.existing, request.isPicture),
                             request, {request.target});
            },
    },
    {
        .name = "tokens",
        .target = ExportTarget::File,
        .menuText = QT_TRANSLATE_NOOP("ExportFormats", "Design &Tokens..."),
        .title = QT_TRANSLATE_NOOP("ExportFormats", "Export Design Tokens"),
        .filter =
            QT_TRANSLATE_NOOP("ExportFormats", "Design Tokens (*.json)|*.json|All Files (*.*)|*.*"),
        .ending = "tokens.json",
        .suffixes = "json tokens",
        .valueName = "OUT.tokens.json",
        .description = "Writes the scheme as one design-token file: a group per element with "
                       "its colours and typography; \"-\" is standard output.",
        .carries =
            {.fonts = true, .fontStyles = true, .pictures = true, .variants = true, .locks = true},
        .write =
            [](Procedure& proc, const ColorScheme& scheme, const ExportRequest& request) {
                return wrote(exportDesignTokens(proc, scheme, request.target, request.existing),
                             request, designTokenOutputs(scheme, request.target));
            },
        .outputs = designTokenOutputs,
        .bytes = designTokens,
        .read = importDesignTokens,
        .importText = QT_TRANSLATE_NOOP("ExportFormats", "Import Design &Tokens..."),
        .nothingFound = QT_TRANSLATE_NOOP(
            "ExportFormats", "%1 holds no Tintora colour scheme: none of its groups is named as "
                             "an element (banner, body, h1 ...).\n\nNothing was changed."),
    },
    {
        .name = "tailwind",
        .target = ExportTarget::File,
        .menuText = QT_TRANSLATE_NOOP("ExportFormats", "Tai&lwind..."),
        .title = QT_TRANSLATE_NOOP("ExportFormats", "Export Tailwind"),
        .filter =
            QT_TRANSLATE_NOOP("ExportFormats", "Style Sheet (*.css)|*.css|All Files (*.*)|*.*"),
        .ending = "css",
        .suffixes = "css",
        .valueName = "OUT.css",
        .description = "Writes the scheme as a Tailwind v4 style sheet: an @theme block of each "
                       "element's colours, font and size; \"-\" is standard output.",
        .carries = {.fonts = true, .variants = true},
        .write =
            [](Procedure& proc, const ColorScheme& scheme, const ExportRequest& request) {
                return writeSiteVariables(proc, scheme, SiteFormat::Tailwind, request);
            },
        .bytes = tailwindStyleSheet,
    },
    {
        .name = "scss",
        .target = ExportTarget::File,
        .menuText = QT_TRANSLATE_NOOP("ExportFormats", "&SCSS..."),
        .title = QT_TRANSLATE_NOOP("ExportFormats", "Export SCSS"),
        .filter = QT_TRANSLATE_NOOP("ExportFormats", "SCSS (*.scss)|*.scss|All Files (*.*)|*.*"),
        .ending = "scss",
        .suffixes = "scss",
        .valueName = "OUT.scss",
        .description = "Writes the scheme as SCSS variables and the map $tintora; \"-\" is "
                       "standard output.",
        .carries = {.fonts = true, .fontStyles = true, .variants = true},
        .write =
            [](Procedure& proc, const ColorScheme& scheme, const ExportRequest& request) {
                return writeSiteVariables(proc, scheme, SiteFormat::Scss, request);
            },
        .bytes = scssVariables,
    },
};

} // namespace

std::span<const ExportFormat> exportFormats() {
    return Formats;
}

const ExportFormat* exportFormatNamed(QStringView name) {
    for (const ExportFormat& format : Formats)
        if (name == QLatin1String(format.name))
            return &format;
    return nullptr;
}

const ExportFormat* readerForFile(const QString& path) {
    for (const ExportFormat& format : Formats) {
        if (!format.read)
            continue;
        for (const QString& suffix :
             QString::fromLatin1(format.suffixes).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (path.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
                return &format;
    }
    return nullptr;
}

namespace {

// "Css" of "css": the part of the window's names that is the format's.
QString capitalised(const char* name) {
    QString part = QString::fromLatin1(name);
    part[0] = part[0].toUpper();
    return part;
}

} // namespace

QString exportCommandName(const ExportFormat& format) {
    return QStringLiteral("mnuFileExport") + capitalised(format.name);
}

QString importCommandName(const ExportFormat& format) {
    return QStringLiteral("mnuFileImport") + capitalised(format.name);
}

QString commandRoutine(const QString& commandName) {
    return QStringLiteral("frmMain.") + commandName + QStringLiteral("_Click");
}

QStringList exportOutputs(const ExportFormat& format, const ColorScheme& scheme,
                          const QString& target) {
    return format.outputs ? format.outputs(scheme, target) : QStringList{target};
}

QString exportLosses(const ExportFormat& format, const ColorScheme& scheme) {
    const bool variants = !format.carries.variants && scheme.hasVariants();
    const bool locks = !format.carries.locks && scheme.hasLocks();
    if (variants && locks)
        return QCoreApplication::translate("ExportFormats",
                                           "The export carries neither the scheme's Dark and High "
                                           "contrast variants nor its locked colours; the "
                                           "scheme keeps them.");
    if (variants)
        return QCoreApplication::translate("ExportFormats",
                                           "The export does not carry the scheme's Dark and High "
                                           "contrast variants; the scheme keeps them.");
    if (locks)
        return QCoreApplication::translate(
            "ExportFormats", "The export does not carry which colours are locked; the "
                             "scheme keeps its locks.");
    return {};
}
