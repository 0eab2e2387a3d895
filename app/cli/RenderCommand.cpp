#include "app/cli/CliGui.h"
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

const QString Simulate = QStringLiteral("simulate");

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
    addCliPreviewOptions(line);
    line.addOption({Simulate,
                    QStringLiteral("Draws the page as a person with a colour-vision deficiency "
                                   "sees it: normal (the default), protanopia, deuteranopia, "
                                   "tritanopia or achromatopsia."),
                    QStringLiteral("KIND"), QStringLiteral("normal")});
    CliSchemeOptions options;
    if (const std::optional<int> answered = parseCliSchemeOptions(line, args, options))
        return *answered;
    if (options.output.isEmpty())
        return line.usageError(
            QStringLiteral("render needs -o OUT.png (or -o - for standard output)"));
    const QString kind = line.parser().value(Simulate);
    const std::optional<Deficiency> simulation = deficiencyFromText(kind);
    if (!simulation)
        return line.usageError(QStringLiteral("--simulate takes normal, protanopia, "
                                              "deuteranopia, tritanopia or achromatopsia, not "
                                              "\"%1\"")
                                   .arg(kind));

    const CliGuiApplication app;

    ColorScheme scheme;
    PreviewPage page;
    const int drawn = drawCliScheme(options, line, scheme, page);
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
