// The main of the benchmarks that drive widgets: a QApplication on the offscreen
// platform (unless another is asked for) with the program's font mapping, and the
// build tree's data folder as the windows' StartDir.
#include "framework/BuildPaths.h"
#include "framework/Globals.h"
#include "widgets/WindowUtil.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    installFontSubstitutions();
    globals().StartDir = QStringLiteral(TINTORA_BUILD_DATA_DIR);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
