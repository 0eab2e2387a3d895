#pragma once

#include "theme/ColorScheme.h"

#include <QApplication>

#include <memory>
#include <optional>

class CommandLine;
class PreviewPage;
struct CliSchemeOptions;
struct CliOption;

// The GUI application that commands drawing the preview page need, on the offscreen
// platform unless the caller chose one, with the fonts set up as the desktop does.
class CliGuiApplication {
public:
    CliGuiApplication();
    CliGuiApplication(const CliGuiApplication&) = delete;
    CliGuiApplication& operator=(const CliGuiApplication&) = delete;

private:
    int argc_ = 1;
    char name_[12] = "tintora-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

// The window's two preview options as the commands that draw the page take them:
// --show-background and --opaque-labels, as the command line has them.
struct CliPreviewOptions {
    bool showBackground = false;
    bool opaqueLabels = false;
};
CliPreviewOptions cliPreviewOptions(const CommandLine& line);

// Lays the page out from the scheme with the options set, which start as the main
// window's check boxes do (background hidden, labels over pictures transparent), and
// reports the pictures it could not show as the window does. Returns 2 when some
// could not be shown, else 0. Needs a CliGuiApplication.
int drawCliPreview(PreviewPage& page, const ColorScheme& scheme, CliPreviewOptions options);

// Starts the run, builds the scheme as buildCliScheme does and lays its page out with
// the command's preview options, in the colours of `shown`. Returns the exit status so
// far: 1 when the scheme could not be built or has no such variant (the page is then
// not drawn), else 2 when errors were reported.
int drawCliScheme(const CliSchemeOptions& options, const CommandLine& line, ColorScheme& scheme,
                  PreviewPage& page, Variant shown = Variant::Light);

// The variant --variant names, or `fallback` when it is not given; "all" is none.
std::optional<Variant> cliVariant(const CommandLine& line, const CliOption& option,
                                  Variant fallback = Variant::Light);
// Whether the scheme has `variant`; when not, one line on standard error says so.
bool cliSchemeHas(const ColorScheme& scheme, Variant variant);
