#pragma once

#include <QString>
#include <QStringList>

struct ColorScheme;

// The options the scheme-building commands share (scheme, render).
struct CliSchemeOptions {
    QString dataDir; // --data-dir: the folder holding Themes/; empty = as the desktop finds it
    QString from;    // --from: a scheme file opened first
    QString output;  // -o: where the result goes; empty or "-" = standard output
    bool abortOnError = false; // --on-error abort|ignore
    QStringList themes;        // THEME ...: chosen in this order
    QStringList flags;         // the caller's extra flags that were given, e.g. "--show-background"
};

// Parses `args` (the arguments after the command name). `extraFlags` names flags
// without a value the caller accepts besides the shared options. On bad usage
// returns false with a one-line reason in `error`.
bool parseCliSchemeOptions(const QStringList& args, CliSchemeOptions& options, QString& error,
                           const QStringList& extraFlags = {});

// Sends run-time errors to standard error as "RUNTIME ERROR" and the message; Abort
// ends the process with status 1, otherwise every error is ignored and counted.
void installCliErrorPrompt(bool abortOnError);

// 0 when no run-time error has been reported, 2 when some were reported and ignored.
int cliStatus();

// Builds the scheme as the desktop would: the globals set up (StartDir taken from
// --data-dir), the scheme as the main window holds it after loading, --from opened
// as File > Open does, then each theme chosen as the Themes menu does. Installs the
// error prompt of the policy. Returns 1 for bad usage (a data folder or theme that
// does not exist, with a message on standard error), else the status so far.
int buildCliScheme(const CliSchemeOptions& options, ColorScheme& out);

// Writes bytes to standard output; false when they could not all be written.
bool writeStandardOutput(const QByteArray& bytes);

// Writes "tintora-cli: " + message and a line end to standard error.
void printCliError(const QString& message);
