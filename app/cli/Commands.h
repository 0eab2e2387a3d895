#pragma once

#include <QStringList>

// One command of tintora-cli: its name, what follows the name in its usage line, a
// sentence on what it does, and the routine that runs it. The routine takes the
// arguments after the command's name and returns the exit status: 0 no error, 2
// errors reported and ignored, 1 aborted, bad usage or an output that could not be
// written; diff returns 3 when the schemes differ, audit when a check fails.
struct CliCommand {
    const char* name;
    const char* arguments;
    const char* summary;
    int (*run)(const CliCommand& command, const QStringList& args);
    // The command makes its own application object (render needs a GUI one).
    bool ownApplication;
};

int runSchemeCommand(const CliCommand& command, const QStringList& args);
int runReportCommand(const CliCommand& command, const QStringList& args);
int runDiffCommand(const CliCommand& command, const QStringList& args);
int runRenderCommand(const CliCommand& command, const QStringList& args);
int runThemesCommand(const CliCommand& command, const QStringList& args);
int runExportCommand(const CliCommand& command, const QStringList& args);
int runBatchCommand(const CliCommand& command, const QStringList& args);
int runAuditCommand(const CliCommand& command, const QStringList& args);
