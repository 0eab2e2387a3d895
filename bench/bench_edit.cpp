// One colour edit as the user meets it: from the colour dialog's answer through the
// handler, the preview's rebuild and the contrast marks' audit to the window painted
// again, as it is and with the preview drawn as a colour-vision deficiency shows it;
// an undo or redo of such an edit and of a theme choice, which redraw the editor
// panel too; and switching the variant shown, which redraws everything. Run with
//   build/bench/bench_edit --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
// and read the median; one frame at 60 Hz is 16 ms.
#include "contrast/VisionSimulation.h"
#include "ui/dialogs/DialogService.h"
#include "ui/preview/PreviewPage.h"
#include "ui/window/frmMain.h"
#include "widgets/WindowUtil.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>

namespace {

// A colour dialog that answers at once with the colour it is told.
class AnsweringDialogs : public DialogService {
public:
    qint32 answer = 0;
    SaveAnswer askSaveChanges(const QString&) override { return SaveAnswer::Discard; }
    bool askYesNo(const QString&, const QString&) override { return false; }
    std::optional<QString> askText(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }

protected:
    bool run(Dialog dialog) override {
        if (dialog != Dialog::Color)
            return false;
        Color = answer;
        return true;
    }
};

// A left click on a swatch, as the mouse gives it.
void clickSwatch(QWidget& swatch) {
    const QPointF inside(swatch.width() / 2.0, swatch.height() / 2.0);
    const QPointF global = swatch.mapToGlobal(inside);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, inside, global, Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&swatch, &event);
    }
}

void BM_BackgroundColourEdit(benchmark::State& state) {
    frmMain main;
    auto dialogs = std::make_unique<AnsweringDialogs>();
    AnsweringDialogs* answering = dialogs.get();
    main.setDialogService(std::move(dialogs));
    main.themes().mnuThemesItem_Click(0);
    main.show();
    main.findChild<PreviewPage*>(QStringLiteral("picDisplay"))
        ->setSimulation(static_cast<Deficiency>(state.range(0)));
    QApplication::processEvents();
    QWidget* swatch = main.findChild<QWidget*>(QStringLiteral("lblBGColorSelect_5"));

    int round = 0;
    for (auto _ : state) {
        answering->answer = (++round % 2) ? 0x336699 : 0x996633;
        clickSwatch(*swatch);
        main.repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_BackgroundColourEdit)
    ->ArgName("simulation")
    ->Arg(static_cast<int>(Deficiency::Normal))
    ->Arg(static_cast<int>(Deficiency::Deuteranopia))
    ->Unit(benchmark::kMillisecond);

// The main window after start-up with the Default theme, shown.
struct ShownWindow {
    frmMain main;
    AnsweringDialogs* dialogs;

    ShownWindow() {
        auto answering = std::make_unique<AnsweringDialogs>();
        dialogs = answering.get();
        main.setDialogService(std::move(answering));
        main.themes().mnuThemesItem_Click(0);
        main.show();
        QApplication::processEvents();
    }

    // Undo and Redo in turn, each with the window painted again.
    void undoAndRedo(benchmark::State& state) {
        auto* undo = main.findChild<QAction*>(QStringLiteral("mnuEditUndo"));
        auto* redo = main.findChild<QAction*>(QStringLiteral("mnuEditRedo"));
        int round = 0;
        for (auto _ : state) {
            ((++round % 2) ? undo : redo)->trigger();
            main.repaint();
            QApplication::processEvents();
        }
    }
};

void BM_UndoColourEdit(benchmark::State& state) {
    ShownWindow window;
    window.dialogs->answer = 0x336699;
    clickSwatch(*window.main.findChild<QWidget*>(QStringLiteral("lblBGColorSelect_5")));
    window.undoAndRedo(state);
}
BENCHMARK(BM_UndoColourEdit)->Unit(benchmark::kMillisecond);

void BM_UndoThemeChoice(benchmark::State& state) {
    ShownWindow window;
    window.main.findChild<QAction*>(QStringLiteral("mnuThemesItem_0"))->trigger();
    window.undoAndRedo(state);
}
BENCHMARK(BM_UndoThemeChoice)->Unit(benchmark::kMillisecond);

// View > Variant between Light and Dark in turn, with the window painted again: the
// editor panel, the preview and the marks show the other variant.
void BM_SwitchShownVariant(benchmark::State& state) {
    ShownWindow window;
    window.main.findChild<QAction*>(QStringLiteral("mnuEditMakeDarkVariant"))->trigger();
    auto* light = window.main.findChild<QAction*>(QStringLiteral("mnuViewVariantLight"));
    auto* dark = window.main.findChild<QAction*>(QStringLiteral("mnuViewVariantDark"));
    int round = 0;
    for (auto _ : state) {
        ((++round % 2) ? light : dark)->trigger();
        window.main.repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SwitchShownVariant)->Unit(benchmark::kMillisecond);

} // namespace
