#include "app/cli/CliGui.h"
#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "framework/ErrorHandler.h"
#include "framework/Procedure.h"
#include "theme/ColorScheme.h"
#include "ui/PreviewPage.h"

#include <QBuffer>
#include <QImage>
#include <QPixmap>

#include <algorithm>

namespace {

const QString ShowBackground = QStringLiteral("show-background");
const QString OpaqueLabels = QStringLiteral("opaque-labels");

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

} // namespace

int runRenderCommand(const CliCommand& command, const QStringList& args) {
    CommandLine line(command);
    addCliSchemeOptions(line);
    line.addOption({ShowBackground, QStringLiteral("Shows the page's background picture, as the "
                                                   "window's check box does.")});
    line.addOption({OpaqueLabels, QStringLiteral("Paints the labels over pictures with their "
                                                 "background colour, as the window's check box "
                                                 "does.")});
    CliSchemeOptions options;
    if (const std::optional<int> answered = parseCliSchemeOptions(line, args, options))
        return *answered;
    if (options.output.isEmpty())
        return line.usageError(
            QStringLiteral("render needs -o OUT.png (or -o - for standard output)"));
    const bool showBackground = line.parser().isSet(ShowBackground);
    const bool opaqueLabels = line.parser().isSet(OpaqueLabels);

    const CliGuiApplication app;

    startCliRun(options.abortOnError);
    ColorScheme scheme;
    const int built = buildCliScheme(options, scheme);
    if (built == 1)
        return 1;

    // The options start as the main window's check boxes do: background hidden,
    // labels over pictures transparent.
    PreviewPage page;
    page.setBackgroundPictureVisible(showBackground);
    page.setOverPictureLabelsTransparent(!opaqueLabels);
    const QStringList missing = page.DisplayRefresh(scheme);
    if (!missing.isEmpty())
        errorPrompt().inform(missingPicturesMessage(missing));

    const QByteArray png = pngBytes(page.grab().toImage());
    if (png.isEmpty()) {
        printCliError(QStringLiteral("the picture could not be made"));
        return 1;
    }
    // Written as Save writes a scheme file: a device or pipe in place, a file replaced
    // in one piece.
    Procedure proc(QStringLiteral("frmMain.mnuFilePrint_Click"));
    if (!writeCliOutput(proc, options.output, png, QStringLiteral("picture")))
        return 1;
    const int pictures = missing.isEmpty() ? 0 : 2;
    return std::max({built, cliStatus(), pictures});
}
