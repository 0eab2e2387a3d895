#include "app/cli/CliGui.h"

#include "app/cli/CliOptions.h"
#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "framework/ErrorHandler.h"
#include "framework/Trace.h"
#include "theme/VariantNames.h"
#include "ui/preview/PreviewPage.h"
#include "widgets/WindowUtil.h"

#include <algorithm>

CliGuiApplication::CliGuiApplication() {
    // The page is drawn without a display unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
    QCoreApplication::setApplicationName(QStringLiteral("tintora"));
    installFontSubstitutions();
    Trace::instance().configureFromEnvironment();
}

CliPreviewOptions cliPreviewOptions(const CommandLine& line) {
    return {line.isSet(CliOptions::ShowBackground), line.isSet(CliOptions::OpaqueLabels)};
}

int drawCliPreview(PreviewPage& page, const ColorScheme& scheme, CliPreviewOptions options) {
    page.setBackgroundPictureVisible(options.showBackground);
    page.setOverPictureLabelsTransparent(!options.opaqueLabels);
    const QStringList missing = page.DisplayRefresh(scheme);
    if (missing.isEmpty())
        return 0;
    errorPrompt().inform(missingPicturesMessage(missing));
    return 2;
}

int drawCliScheme(const CliSchemeOptions& options, const CommandLine& line, ColorScheme& scheme,
                  PreviewPage& page, Variant shown) {
    startCliRun(options.abortOnError);
    const int built = buildCliScheme(options, scheme);
    if (built == 1 || !cliSchemeHas(scheme, shown))
        return 1;
    return std::max(built, drawCliPreview(page, scheme.shownAs(shown), cliPreviewOptions(line)));
}

std::optional<Variant> cliVariant(const CommandLine& line, const CliOption& option,
                                  Variant fallback) {
    if (!line.isSet(option))
        return fallback;
    return variantFromKey(line.choice(option));
}

bool cliSchemeHas(const ColorScheme& scheme, Variant variant) {
    if (scheme.hasVariant(variant))
        return true;
    printCliError(QStringLiteral("the scheme has no %1 variant; tintora-cli variants makes it")
                      .arg(QLatin1String(variantKey(variant))));
    return false;
}
