#pragma once

#include "app/cli/CliTable.h"

#include <QByteArray>
#include <QString>

#include <vector>

struct CliCommand;

// A program's command line as the shell completions offer it: its options, and either
// its commands (tintora-cli) or its arguments (tintora).
struct CompletionProgram {
    QString name;
    std::vector<const CliOption*> options;
    std::vector<CliArgument> positional;
    const std::vector<CliCommand>* commands = nullptr;
};

// The completion scripts of `program` for bash (a file of
// share/bash-completion/completions), zsh (share/zsh/vendor-completions/_NAME) and
// fish (share/fish/vendor_completions.d/NAME.fish). Themes are offered as
// `NAME themes` lists them, with the --data-dir already on the line.
QByteArray bashCompletion(const CompletionProgram& program);
QByteArray zshCompletion(const CompletionProgram& program);
QByteArray fishCompletion(const CompletionProgram& program);
