#pragma once

#include "app/cli/CliTable.h"

#include <QStringList>

#include <vector>

// One command of tintora-cli: its name, what follows the name in its usage line, a
// sentence on what it does, the routine that runs it, and its options and arguments.
// The routine takes the arguments after the command's name and returns the exit
// status: 0 no error, 2 errors reported and ignored, 1 aborted, bad usage, an input
// that could not be read or an output that could not be written; diff returns 3 when
// the schemes differ, audit when a check fails.
struct CliCommand {
    const char* name;
    const char* arguments;
    const char* summary;
    int (*run)(const CliCommand& command, const QStringList& args);
    // The command makes its own application object (render needs a GUI one).
    bool ownApplication;
    std::vector<const CliOption*> options;
    std::vector<CliArgument> positional;
};

// Every command, in the order the help lists them.
const std::vector<CliCommand>& cliCommands();
const CliCommand* findCliCommand(const QString& name);

int runSchemeCommand(const CliCommand& command, const QStringList& args);
int runReportCommand(const CliCommand& command, const QStringList& args);
int runDiffCommand(const CliCommand& command, const QStringList& args);
int runRenderCommand(const CliCommand& command, const QStringList& args);
int runThemesCommand(const CliCommand& command, const QStringList& args);
int runExportCommand(const CliCommand& command, const QStringList& args);
int runBatchCommand(const CliCommand& command, const QStringList& args);
int runAuditCommand(const CliCommand& command, const QStringList& args);
int runVariantsCommand(const CliCommand& command, const QStringList& args);
