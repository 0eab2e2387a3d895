#pragma once

#include "app/cli/CliTable.h"

#include <QtGlobal>

// The desktop program's command line, as its --help and the shell completions show it.
// The texts are translated in the context "tintora".
namespace DesktopOptions {
inline constexpr const char* Context = "tintora";

inline const CliOption Help{"help", "h", nullptr,
                            QT_TRANSLATE_NOOP("tintora", "Shows this help and exits.")};
inline const CliOption Version{
    "version", "v", nullptr,
    QT_TRANSLATE_NOOP("tintora", "Shows the program's name and version and exits.")};
inline const CliArgument File{
    "FILE.tna", "[FILE.tna]",
    QT_TRANSLATE_NOOP("tintora", "The scheme file to open after start-up."), CliValue::File, "tna"};
} // namespace DesktopOptions
