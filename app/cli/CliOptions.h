#pragma once

#include "app/cli/CliTable.h"

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
extern const CliOption Css;
extern const CliOption Theme;
extern const CliOption Tokens;
extern const CliOption Tailwind;
extern const CliOption Scss;
extern const CliOption Replace;
extern const CliOption OutputFolder; // batch's -o
extern const CliOption Quiet;

// The THEME ... argument of the scheme-building commands.
extern const CliArgument Themes;
} // namespace CliOptions
