#pragma once

#include "scheme/FileInformation.h"
#include "scheme/SchemeFile.h"

#include <QString>
#include <QStringList>

#include <optional>

class CommandLine;
class Procedure;
struct ColorScheme;

// The options the scheme-building commands share (scheme, render).
struct CliSchemeOptions {
    QString dataDir; // --data-dir: the folder holding Themes/; empty = as the desktop finds it
    QString from;    // --from: a scheme file opened first
    QString output;  // -o: where the result goes; empty or "-" = standard output
    bool abortOnError = false; // --on-error abort|ignore
    QStringList themes;        // THEME ...: chosen in this order
};

// Parses `args` (the arguments after the command's name) on a line that has the
// shared options (those the command takes of --data-dir, --from, --on-error and -o),
// and reads them into `options`. Empty when the command is to run, else the exit
// status (after --help, --version or bad usage, such as neither a theme nor --from).
std::optional<int> parseCliSchemeOptions(CommandLine& line, const QStringList& args,
                                         CliSchemeOptions& options);

// Sets up a run as the desktop's start does: the error prompt of the policy (run-time
// errors go to standard error, one line each, "tintora-cli: " and what went wrong with
// which file; Abort ends the process with status 1, otherwise every error is ignored
// and counted) and the globals. Returns what the files this run writes say about the
// program.
FileInformation startCliRun(bool abortOnError);
// What the files a started run writes say about the program, as startCliRun returns.
FileInformation cliFileInformation();

// Names `file` in the run-time errors that name no file themselves (the output a
// command is writing).
void setCliErrorContext(const QString& file);

// 0 when no run-time error has been reported, 2 when some were reported and ignored.
int cliStatus();

// Builds the scheme as the desktop would, after startCliRun: the scheme as the main
// window holds it after loading, --from opened as File > Open does (a name ending in
// ".css" imported as File > Import CSS does, a design-token file read back as far as
// its groups name elements; "-" a scheme file read from standard input), then each theme of the
// data folder (cliDataFolder) chosen as the Themes menu does. Returns 1, with one line on standard
// error, for a data folder or theme that does not exist or a --from file that cannot be read; else
// the status so far.
int buildCliScheme(const CliSchemeOptions& options, ColorScheme& out);

// Whether a run only reads the data folder or writes into it.
enum class DataFolderUse { Read, Write };

// The data folder a run uses: --data-dir (made absolute), else the desktop's. A run
// that only reads never seeds the per-user folder: while that has no Themes folder
// yet, the bundled data is read in its place. One that writes gets it ready as the
// desktop's start does. None, with a message on standard error, when --data-dir names
// no folder. After startCliRun.
std::optional<QString> cliDataFolder(const QString& dataDir,
                                     DataFolderUse use = DataFolderUse::Read);

// Whether an input file named on the command line can be read ("-", standard input,
// always can). When not, one line on standard error names the file and the reason
// ("in.tna: File not found (error 53)"): the command then ends with status 1 and
// writes nothing.
bool cliInputReadable(const QString& path);

// Reads a scheme file into `scheme` as File > Open does; "-" reads standard input.
// None, with a message on standard error, when standard input could not be read or
// the file holds no scheme (no section was recognised); a file that could not be
// opened is reported through the handler and read as not complete.
std::optional<SchemeFileRead> openCliSchemeFile(ColorScheme& scheme, const QString& path);

// The Themes menu captions of the data folder `startDir`, as the main window lists
// them after start-up (listedThemes): "Default" when the folder it stands for (Studio)
// is there, then the themes listed, without the separator. Installs nothing: a package the desktop
// program has not unpacked yet is not listed.
QStringList themesMenuCaptions(const QString& startDir);

// Writes a command's result to `output` (-o): "-" or empty is standard output, any
// other path is written as Save writes a scheme file, its folder made when missing
// as an export makes it (OutputFolders), under `proc`'s trap (so a failure reaches the
// error prompt). `what` names the result in the message when
// standard output fails. False when the bytes were not all written.
bool writeCliOutput(Procedure& proc, const QString& output, const QByteArray& bytes,
                    const QString& what);
