// Pointing at the preview in the main window with the Studio theme: the outline that
// follows the pointer, the selection of a row by a click, and a redraw of the preview
// zoomed to 400 %, each with the painting it causes. A frame at 60 Hz is 16 ms. Run with
//   build/bench/bench_point --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "ui/preview/PreviewItem.h"
#include "ui/preview/PreviewPointer.h"
#include "ui/window/ThemesMenu.h"
#include "ui/window/frmMain.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>

namespace {

// Counts the paints of a widget, so that a benchmark shows the drawing it timed happened.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The main window with the Default theme, shown at a full-HD size.
struct ShownWindow {
    frmMain window;
    PreviewPointer* pointer = nullptr;
    PaintCounter counter;

    ShownWindow() {
        window.showWithDefaultTheme();
        window.resize(1920, 1040);
        pointer = window.findChild<PreviewPointer*>(QStringLiteral("previewPointer"));
        pointer->installEventFilter(&counter);
        settle();
    }

    QPoint middleOf(const char* name) const {
        const auto* item = window.findChild<PreviewItem*>(QLatin1String(name));
        return (QPointF(item->geometry().center()) * pointer->zoom()).toPoint();
    }

    // Every event posted handled, the repaint it asked for included.
    static void settle() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    void send(QEvent::Type type, QPoint at) {
        QMouseEvent event(type, at, pointer->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, {});
        QApplication::sendEvent(pointer, &event);
    }
};

void BM_HoverHighlight(benchmark::State& state) {
    ShownWindow shown;
    const QPoint spots[] = {shown.middleOf("lblDisplayHeading_2"),
                            shown.middleOf("lblDisplayRegText")};
    int i = 0;
    for (auto _ : state) {
        shown.send(QEvent::MouseMove, spots[i++ % 2]);
        ShownWindow::settle();
    }
    state.counters["paints"] =
        benchmark::Counter(shown.counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_HoverHighlight)->Unit(benchmark::kMillisecond);

void BM_ClickSelection(benchmark::State& state) {
    ShownWindow shown;
    const QPoint spots[] = {shown.middleOf("lblDisplayHeading_2"),
                            shown.middleOf("lblQuickLinks_1")};
    int i = 0;
    for (auto _ : state) {
        const QPoint at = spots[i++ % 2];
        shown.send(QEvent::MouseButtonPress, at);
        shown.send(QEvent::MouseButtonRelease, at);
        ShownWindow::settle();
    }
    state.counters["paints"] =
        benchmark::Counter(shown.counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ClickSelection)->Unit(benchmark::kMillisecond);

// From 300 % to 400 %: the client area laid out again and the preview, as much of it
// as the window shows, drawn scaled. The way back is not timed.
void BM_ZoomRedraw400(benchmark::State& state) {
    ShownWindow shown;
    auto* zoomIn = shown.window.findChild<QAction*>(QStringLiteral("mnuViewZoomIn"));
    auto* zoomOut = shown.window.findChild<QAction*>(QStringLiteral("mnuViewZoomOut"));
    while (zoomIn->isEnabled())
        zoomIn->trigger();
    ShownWindow::settle();
    for (auto _ : state) {
        state.PauseTiming();
        zoomOut->trigger();
        ShownWindow::settle();
        state.ResumeTiming();
        zoomIn->trigger();
        ShownWindow::settle();
    }
    state.counters["paints"] =
        benchmark::Counter(shown.counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ZoomRedraw400)->Unit(benchmark::kMillisecond);

} // namespace
