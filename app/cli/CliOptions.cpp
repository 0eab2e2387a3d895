#include "app/cli/CliOptions.h"

#include "export/ExportFormat.h"

namespace CliOptions {

const CliOption Help{"help", "h", nullptr, "Shows this help."};
const CliOption Version{"version", "v", nullptr, "Shows the program's name and version."};

const CliOption DataDir{
    "data-dir", nullptr, "DIR",
    "The data folder holding Themes/; without it, the folder the desktop program uses.",
    CliValue::Folder};
const CliOption From{"from",
                     nullptr,
                     "FILE.tna",
                     "A scheme file opened first, as File > Open does (\"-\" reads standard "
                     "input), a style sheet whose name ends in .css imported as File > Import "
                     "CSS does, or a design-token file (.tokens.json, .json) read back as far "
                     "as its groups name elements.",
                     CliValue::File,
                     "tna css json"};
const CliOption OnError{"on-error",
                        nullptr,
                        "ignore|abort",
                        "What a run-time error does: ignore it and go on (exit status 2, the "
                        "default), or abort at once (exit status 1).",
                        CliValue::Choice,
                        "ignore|abort"};
const CliOption Output{"output", "o", "OUT", "Where the result goes; \"-\" is standard output.",
                       CliValue::File};

const CliOption ShowBackground{
    "show-background", nullptr, nullptr,
    "Shows the page's background picture, as the window's check box does."};
const CliOption OpaqueLabels{"opaque-labels", nullptr, nullptr,
                             "Paints the labels over pictures with their background colour, as "
                             "the window's check box does."};

const CliOption SchemeFormat{"format",
                             nullptr,
                             "tna|json",
                             "tna, the scheme file as Save writes it (the default), or json, its "
                             "sections and attributes as one JSON object.",
                             CliValue::Choice,
                             "tna|json"};
const CliOption ReportFormat{"format",
                             nullptr,
                             "text|json",
                             "text, the report as Print prints it (the default), or json, its "
                             "sections and attributes as one JSON object.",
                             CliValue::Choice,
                             "text|json"};
const CliOption AuditFormat{"format",
                            nullptr,
                            "text|json",
                            "text, one line per check (the default), or json, the checks as one "
                            "JSON object.",
                            CliValue::Choice,
                            "text|json"};
const CliOption Level{"level",
                      nullptr,
                      "AA|AAA",
                      "The level the text must reach: AA (the default; 4.5:1, large text 3:1) or "
                      "AAA (7:1, large text 4.5:1).",
                      CliValue::Choice,
                      "AA|AAA"};
const CliOption Simulate{"simulate",
                         nullptr,
                         "KIND",
                         "Draws the page as a person with a colour-vision deficiency sees it: "
                         "normal (the default), protanopia, deuteranopia, tritanopia or "
                         "achromatopsia.",
                         CliValue::Choice,
                         "normal|protanopia|deuteranopia|tritanopia|achromatopsia"};
const CliOption AuditVariant{"variant",
                             nullptr,
                             "light|dark|contrast|all",
                             "The variant whose colours are checked: light (the scheme's own), "
                             "dark, contrast (high contrast) or all, every variant the scheme has; "
                             "with it, each check names its variant.",
                             CliValue::Choice,
                             "light|dark|contrast|all"};
const CliOption ShownVariant{"variant",
                             nullptr,
                             "light|dark|contrast",
                             "The variant whose colours are drawn: light (the scheme's own, the "
                             "default), dark or contrast (high contrast).",
                             CliValue::Choice,
                             "light|dark|contrast"};
const CliOption Lock{"lock", nullptr, "ELEMENT.ATTRIBUTE",
                     "Locks a colour before the variants are made, such as BANNER.BackColor, so "
                     "that no variant changes it; may be given more than once.",
                     CliValue::Name};
const CliOption Replace{"replace", nullptr, nullptr,
                        "Replaces an existing file or theme folder of that name; without it, an "
                        "existing one is an error."};
const CliOption OutputFolder{"output", "o", "OUTDIR",
                             "The folder the outputs go to, made when missing: for each theme "
                             "FOLDER/scheme.tna, report.txt, scheme.json, preview.png and "
                             "audit.txt, and index.html showing them all.",
                             CliValue::Folder};
const CliOption Quiet{"quiet", "q", nullptr,
                      "Shows no progress line; without it, a terminal on standard error shows "
                      "how many themes are done and about how long the rest takes."};

const std::vector<CliOption>& exportOptions() {
    static const std::vector<CliOption> options = [] {
        std::vector<CliOption> made;
        for (const ExportFormat& format : exportFormats())
            made.push_back(
                {format.name, nullptr, format.valueName, format.description,
                 format.target == ExportTarget::ThemeFolder ? CliValue::Name : CliValue::File,
                 format.suffixes});
        return made;
    }();
    return options;
}

const CliArgument Themes{"THEME", "[THEME ...]",
                         "Themes chosen in this order, by their Themes menu caption "
                         "(\"Default\" is the folder Studio).",
                         CliValue::Theme};

} // namespace CliOptions
