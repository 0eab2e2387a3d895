#pragma once

#include <vector>

// The command lines of tintora-cli and tintora as data: the parsers are built from
// these tables and the shell completions are generated from them, so the two cannot
// drift apart.

// What an option's value, or an argument, is.
enum class CliValue {
    None,   // a switch without a value
    Choice, // one of `choices`
    File,   // a file name; completion offers files of `fileTypes`
    Folder, // a folder name
    Theme,  // a Themes menu caption, as `tintora-cli themes` lists them
    Name,   // any other text
};

struct CliOption {
    const char* name;      // "data-dir", or "o": spelled --data-dir and -o
    const char* shortName; // a one-letter second name ("h" for --help), or nullptr
    const char* valueName; // "DIR" in the help; nullptr for a switch
    const char* description;
    CliValue value = CliValue::None;
    // A Choice's values, "ignore|abort", the first the default; any letter case is
    // taken. A File's name endings for completion, "tna css".
    const char* choices = nullptr;
};

// A positional argument: its name, how the help's usage shows it, what it is.
struct CliArgument {
    const char* name;
    const char* syntax;
    const char* description;
    CliValue value;
    const char* fileTypes = nullptr; // for a File, "tna"
};
