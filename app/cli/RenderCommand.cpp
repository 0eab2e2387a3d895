#include "app/cli/CliGui.h"
#include "app/cli/CliOptions.h"
#include "app/cli/CliScheme.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "contrast/VisionSimulation.h"
#include "framework/ErrorHandler.h"
#include "framework/Procedure.h"
#include "theme/ColorScheme.h"
#include "ui/preview/PreviewPage.h"

#include <QBuffer>
#include <QImage>
#include <QPixmap>

#include <algorithm>

namespace {

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
    CliSchemeOptions options;
    if (const std::optional<int> answered = parseCliSchemeOptions(line, args, options))
        return *answered;
    if (options.output.isEmpty())
        return line.usageError(
            QStringLiteral("render needs -o OUT.png (or -o - for standard output)"));
    const std::optional<Deficiency> simulation =
        deficiencyFromText(line.choice(CliOptions::Simulate));
    if (!simulation)
        return 1;
    const std::optional<Variant> shown = cliVariant(line, CliOptions::ShownVariant);
    if (!shown)
        return 1;

    const CliGuiApplication app;

    ColorScheme scheme;
    PreviewPage page;
    const int drawn = drawCliScheme(options, line, scheme, page, *shown);
    if (drawn == 1)
        return 1;
    page.setSimulation(*simulation);

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
    return std::max(drawn, cliStatus());
}
