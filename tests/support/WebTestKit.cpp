// What the browser tests ask of the C++ side that tintora-cli does not offer: the
// seeded random schemes they judge, and where the preview draws each text, so that
// a screenshot of a page and a picture of the preview can be compared element by
// element.
//
//   tintora-testkit schemes OUTDIR COUNT [FIRST_SEED]
//       writes random-01.tna ... (seeds FIRST_SEED, FIRST_SEED + 1, ...; default 1)
//   tintora-testkit boxes --from FILE.tna [--data-dir DIR] [--show-background]
//                         [--opaque-labels]
//       prints {"SECTION": [{"x":..,"y":..,"width":..,"height":..,"opaque":bool}, ...]}
//       for every text row, as tintora-cli render draws the page

#include "ThemeFixtures.h"
#include "app/cli/CliGui.h"
#include "app/cli/CliScheme.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "theme/ColorScheme.h"
#include "ui/preview/PreviewPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

int usage() {
    std::fputs("usage: tintora-testkit schemes OUTDIR COUNT [FIRST_SEED]\n"
               "       tintora-testkit boxes --from FILE.tna [--data-dir DIR] "
               "[--show-background] [--opaque-labels]\n",
               stderr);
    return 1;
}

int writeSchemes(const QStringList& args) {
    if (args.size() < 2 || args.size() > 3)
        return usage();
    bool countOk = false;
    bool seedOk = true;
    const int count = args[1].toInt(&countOk);
    const quint32 first = args.size() == 3 ? args[2].toUInt(&seedOk) : 1;
    if (!countOk || !seedOk || count < 1 || !QDir().mkpath(args[0]))
        return usage();
    startCliRun(true);
    for (int i = 0; i < count; ++i) {
        const ColorScheme scheme = randomScheme(first + static_cast<quint32>(i));
        const QString path = QDir(args[0]).filePath(
            QStringLiteral("random-%1.tna").arg(i + 1, 2, 10, QLatin1Char('0')));
        Procedure proc(QStringLiteral("frmMain.mnuFileSaveAs_Click"));
        if (!writeSchemeFile(proc, scheme, {QStringLiteral("0001.0000.0000"), QString()}, path))
            return 1;
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}

int printBoxes(const QStringList& args) {
    CliSchemeOptions options;
    CliPreviewOptions preview;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--from") && i + 1 < args.size())
            options.from = args[++i];
        else if (a == QLatin1String("--data-dir") && i + 1 < args.size())
            options.dataDir = args[++i];
        else if (a == QLatin1String("--show-background"))
            preview.showBackground = true;
        else if (a == QLatin1String("--opaque-labels"))
            preview.opaqueLabels = true;
        else
            return usage();
    }
    if (options.from.isEmpty())
        return usage();
    const CliGuiApplication app;
    startCliRun(true);
    ColorScheme scheme;
    if (buildCliScheme(options, scheme) == 1)
        return 1;
    PreviewPage page;
    drawCliPreview(page, scheme, preview);
    QJsonObject out;
    for (int row = 1; row < EditorRowCount; ++row) {
        const ThemeElement& e = *elementForRow(row);
        QJsonArray places;
        for (const PreviewPage::TextPlace& place : page.textPlaces(e.element))
            places.append(QJsonObject{{QStringLiteral("x"), place.box.x()},
                                      {QStringLiteral("y"), place.box.y()},
                                      {QStringLiteral("width"), place.box.width()},
                                      {QStringLiteral("height"), place.box.height()},
                                      {QStringLiteral("opaque"), place.opaqueColor.has_value()}});
        out.insert(QString::fromLatin1(e.key), places);
    }
    std::fputs(QJsonDocument(out).toJson().constData(), stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("schemes")) {
        const QCoreApplication app(argc, argv);
        return writeSchemes(args);
    }
    if (command == QLatin1String("boxes"))
        return printBoxes(args);
    return usage();
}
