#pragma once

#include "export/CssExport.h"
#include "export/PicturePlan.h"
#include "export/ThemeExport.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

class Procedure;
struct ColorScheme;

// Every way a scheme leaves the program, as one table (exportFormats) that the
// window's File > Export submenu, its imports and `tintora-cli export` and `--from`
// are all built from: adding a format is one row of it and the writer's own file.

// What one export is asked to do.
struct ExportRequest {
    QString target; // the file; for a theme folder the folder, Themes/NAME
    ExistingOutput existing = ExistingOutput::Keep;
    PictureTest isPicture = nullptr; // which files are pictures worth copying
    CssPageOptions page{};           // how the preview shows the page
    QStringList* written = nullptr;  // gets the files written, when given
};

// What a format carries of a scheme besides its Light colours, which all carry.
struct ExportCarries {
    bool fonts = false;      // faces and sizes
    bool fontStyles = false; // bold and italic as the scheme holds them
    bool pictures = false;
    bool variants = false; // the Dark and High contrast colours
    bool locks = false;
};

// Whether a format writes a file the user names or a theme folder of the data folder.
enum class ExportTarget { File, ThemeFolder };

struct ExportFormat {
    // The command line's option (--css) and, capitalised, the window's names:
    // mnuFileExportCss, its routine frmMain.mnuFileExportCss_Click, mnuFileImportCss.
    const char* name;
    ExportTarget target;
    // The menu item in File > Export, and the title of its dialogs.
    const char* menuText;
    const char* title;
    // The save dialog's filter ("Description|pattern|..."), and the ending a name is
    // offered with ("tokens.json"); the dialog adds its last part to a name typed
    // without one.
    const char* filter;
    const char* ending;
    // The name endings, blank-separated, a file of the format is known by: which
    // reader `--from` takes, and what the shells complete.
    const char* suffixes;
    // The option's value and its line in `tintora-cli export --help`.
    const char* valueName;
    const char* description;
    ExportCarries carries;
    // Writes the scheme; errors go to the handler under `proc`. True when written.
    bool (*write)(Procedure& proc, const ColorScheme& scheme, const ExportRequest& request);
    // The files (or the folder) an export to `target` writes, pictures aside, the
    // target first; what is asked about before one is replaced. Empty: the target.
    QStringList (*outputs)(const ColorScheme& scheme, const QString& target) = nullptr;
    // The file's bytes alone, for standard output ("-"); empty where the format
    // cannot go there (its pictures have no folder to go to).
    QByteArray (*bytes)(const ColorScheme& scheme) = nullptr;
    // Reads a file of the format back into a copy of the scheme, as one step of the
    // window's File menu (importText) and as --from; `found` counts the values read.
    // Empty for a format that is written only.
    std::optional<ColorScheme> (*read)(Procedure& proc, const ColorScheme& current,
                                       const QString& path, int* found) = nullptr;
    const char* importText = nullptr;
    // What the window says of a file that holds nothing of a scheme (%1 its name).
    const char* nothingFound = nullptr;
};

std::span<const ExportFormat> exportFormats();

// The row of a name ("css"), or of its option; none for another.
const ExportFormat* exportFormatNamed(QStringView name);

// The format whose reader takes a file of that name (by its suffixes); none for
// another, such as a scheme file.
const ExportFormat* readerForFile(const QString& path);

// The window's names of the format's commands, "mnuFileExportCss" and
// "mnuFileImportCss", and the routine a command runs as, "frmMain.mnuFileExportCss_Click"
// (the command line's runs take the same names).
QString exportCommandName(const ExportFormat& format);
QString importCommandName(const ExportFormat& format);
QString commandRoutine(const QString& commandName);

// What an export to `target` writes, pictures aside (ExportFormat::outputs).
QStringList exportOutputs(const ExportFormat& format, const ColorScheme& scheme,
                          const QString& target);

// What of `scheme` the format leaves behind that the user made and would miss: its
// variants and its locks. Empty when it carries all of them; otherwise one sentence
// to say after the export, in the user's language where a translation is loaded.
QString exportLosses(const ExportFormat& format, const ColorScheme& scheme);
