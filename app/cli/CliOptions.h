#pragma once

#include "app/cli/CliTable.h"

#include <vector>

// The options of tintora-cli's commands, each declared once; the command table says
// which command takes which.
namespace CliOptions {
extern const CliOption Help;
extern const CliOption Version;

// The scheme-building commands (scheme, render, audit, export).
extern const CliOption DataDir;
extern const CliOption From;
extern const CliOption OnError;
extern const CliOption Output;

// The window's two preview options, for the commands that draw the page.
extern const CliOption ShowBackground;
extern const CliOption OpaqueLabels;

extern const CliOption SchemeFormat; // tna|json
extern const CliOption ReportFormat; // text|json
extern const CliOption AuditFormat;  // text|json
extern const CliOption Level;
extern const CliOption Simulate;
extern const CliOption AuditVariant; // light|dark|contrast|all
extern const CliOption ShownVariant; // light|dark|contrast
extern const CliOption Lock;
extern const CliOption Replace;
extern const CliOption OutputFolder; // batch's -o
extern const CliOption Quiet;

// One option per export format, in the order of the table of formats: --css OUT.css,
// --theme NAME, ... as each row names them.
const std::vector<CliOption>& exportOptions();

// The THEME ... argument of the scheme-building commands.
extern const CliArgument Themes;
} // namespace CliOptions
