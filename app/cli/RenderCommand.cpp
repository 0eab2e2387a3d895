#include "app/cli/CliScheme.h"
#include "app/cli/Commands.h"
#include "framework/Trace.h"
#include "theme/ColorScheme.h"
#include "ui/PreviewPage.h"
#include "ui/WindowUtil.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPixmap>
#include <QSaveFile>

#include <algorithm>

namespace {

const char* const RenderUsage =
    "usage: tintora-cli render [--data-dir DIR] [--from FILE.tna] [--show-background] "
    "[--opaque-labels] -o OUT.png [THEME ...]";

const QString ShowBackground = QStringLiteral("--show-background");
const QString OpaqueLabels = QStringLiteral("--opaque-labels");

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

bool writePng(const QByteArray& png, const QString& output) {
    if (output == QLatin1String("-"))
        return writeStandardOutput(png);
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(png) != png.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

int runRenderCommand(const QStringList& args) {
    CliSchemeOptions options;
    QString error;
    if (!parseCliSchemeOptions(args, options, error, {ShowBackground, OpaqueLabels})) {
        printCliError(error);
        printCliError(QString::fromLatin1(RenderUsage));
        return 1;
    }
    if (options.output.isEmpty()) {
        printCliError(QStringLiteral("render needs -o OUT.png (or -o - for standard output)"));
        printCliError(QString::fromLatin1(RenderUsage));
        return 1;
    }

    // The page is drawn without a display unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "tintora-cli";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tintora"));
    installFontSubstitutions();
    Trace::instance().configureFromEnvironment();

    ColorScheme scheme;
    const int built = buildCliScheme(options, scheme);
    if (built == 1)
        return 1;

    // The options start as the main window's check boxes do: background hidden,
    // labels over pictures transparent.
    PreviewPage page;
    page.setBackgroundPictureVisible(options.flags.contains(ShowBackground));
    page.setOverPictureLabelsTransparent(!options.flags.contains(OpaqueLabels));
    page.DisplayRefresh(scheme);

    const QByteArray png = pngBytes(page.grab().toImage());
    if (png.isEmpty() || !writePng(png, options.output)) {
        printCliError(QStringLiteral("the picture could not be written to ") + options.output);
        return 1;
    }
    const int pictures = page.unloadedPictures().isEmpty() ? 0 : 2;
    return std::max({built, cliStatus(), pictures});
}
