// DisplayRefresh on the bundled Studio theme and on a theme of large pictures,
// against decoding the same pictures alone; the contrast audit of the Studio page over
// what it draws. Run with
//   build/bench/bench_preview --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
// and compare the medians.
#include "contrast/ContrastAudit.h"
#include "framework/BuildPaths.h"
#include "framework/DataFolder.h"
#include "theme/ChooseTheme.h"
#include "theme/ColorScheme.h"
#include "ui/preview/PreviewBackdrops.h"
#include "ui/preview/PreviewPage.h"
#include "ui/window/frmMain.h"
#include "widgets/WindowUtil.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>

namespace {

// The bundled themes of the build tree.
QString buildThemesDir() {
    return DataFolder::themesDir(QStringLiteral(TINTORA_BUILD_DATA_DIR));
}

ColorScheme studioScheme() {
    ColorScheme scheme;
    scheme.fillFontSizeTable();
    chooseTheme(scheme, buildThemesDir(), QStringLiteral("Default"));
    return scheme;
}

// A theme whose every picture slot holds a 600x64 picture of its own, with enough
// detail that decoding is real work.
struct LargeTheme {
    QTemporaryDir dir;
    ColorScheme scheme;

    LargeTheme() {
        scheme.fillFontSizeTable();
        for (const ThemeElement& e : ThemeElements) {
            if (e.imageSlot != NoSlot) {
                QImage image(600, 64, QImage::Format_RGB32);
                QPainter painter(&image);
                for (int x = 0; x < 600; x += 6)
                    painter.fillRect(x, 0, 6, 64,
                                     QColor::fromHsv((x + e.imageSlot * 37) % 360, 140, 220));
                painter.drawText(image.rect(), Qt::AlignCenter, QString::fromLatin1(e.key));
                painter.end();
                const QString path =
                    dir.filePath(QString::fromLatin1(e.key).toLower() + QStringLiteral(".png"));
                image.save(path, "PNG");
                scheme.image(e.imageSlot) = path;
            }
            if (e.fontSlot != NoSlot) {
                scheme.font(FontAttr::Face, e.fontSlot) =
                    SchemeValue::text(QStringLiteral("Arial"));
                scheme.font(FontAttr::Size, e.fontSlot) = SchemeValue::integer(14);
                scheme.font(FontAttr::Style, e.fontSlot) = SchemeValue::integer(0);
            }
        }
    }

    // The 21 loads of one refresh: the background and the twenty slots, in order.
    QStringList loads() const {
        QStringList paths{scheme.image(0)};
        for (int i = 0; i < 20; ++i)
            paths << scheme.image(themeElement(PreviewPage::pictureElement(i)).imageSlot);
        return paths;
    }

    // Gives every picture a new modification time, as an outside edit would.
    void touchAll(int round) const {
        const QDateTime when = QDateTime::currentDateTime().addSecs(round % 1000);
        for (const QString& path : QDir(dir.path()).entryList(QDir::Files)) {
            QFile file(dir.filePath(path));
            if (file.open(QIODevice::ReadWrite))
                file.setFileTime(when, QFileDevice::FileModificationTime);
        }
    }
};

LargeTheme& largeTheme() {
    static LargeTheme theme;
    return theme;
}

// Refresh, then let the shown page paint, as the window does after an edit.
void refreshAndPaint(PreviewPage& page, const ColorScheme& scheme) {
    page.DisplayRefresh(scheme);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void BM_RefreshStudio(benchmark::State& state) {
    const ColorScheme scheme = studioScheme();
    if (scheme.image(1).isEmpty()) {
        state.SkipWithError("the Studio theme could not be read");
        return;
    }
    PreviewPage page;
    page.show();
    refreshAndPaint(page, scheme);
    for (auto _ : state)
        refreshAndPaint(page, scheme);
}
BENCHMARK(BM_RefreshStudio)->Unit(benchmark::kMillisecond);

void BM_ChooseStudioAndRefresh(benchmark::State& state) {
    ColorScheme scheme;
    scheme.fillFontSizeTable();
    PreviewPage page;
    page.show();
    const QString themesDir = buildThemesDir();
    for (auto _ : state) {
        chooseTheme(scheme, themesDir, QStringLiteral("Default"));
        refreshAndPaint(page, scheme);
    }
}
BENCHMARK(BM_ChooseStudioAndRefresh)->Unit(benchmark::kMillisecond);

// The Themes menu end to end: the readers, the editor panel and the preview, then
// the window's repaint.
void BM_ChooseStudioInWindow(benchmark::State& state) {
    frmMain window;
    window.show();
    window.themes().mnuThemesItem_Click(0);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.themes().mnuThemesItem_Click(0);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ChooseStudioInWindow)->Unit(benchmark::kMillisecond);

void BM_RefreshLargeUnchanged(benchmark::State& state) {
    const LargeTheme& theme = largeTheme();
    PreviewPage page;
    page.show();
    refreshAndPaint(page, theme.scheme);
    for (auto _ : state)
        refreshAndPaint(page, theme.scheme);
}
BENCHMARK(BM_RefreshLargeUnchanged)->Unit(benchmark::kMillisecond);

// Every file changed since the last refresh: all 21 loads decode again.
void BM_RefreshLargeAllChanged(benchmark::State& state) {
    const LargeTheme& theme = largeTheme();
    PreviewPage page;
    page.show();
    refreshAndPaint(page, theme.scheme);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        theme.touchAll(++round);
        state.ResumeTiming();
        refreshAndPaint(page, theme.scheme);
    }
}
BENCHMARK(BM_RefreshLargeAllChanged)->Unit(benchmark::kMillisecond);

void BM_DecodeLarge21(benchmark::State& state) {
    const QStringList loads = largeTheme().loads();
    for (auto _ : state) {
        for (const QString& path : loads) {
            QImageReader reader(path);
            QImage image = reader.read();
            benchmark::DoNotOptimize(image);
        }
    }
}
BENCHMARK(BM_DecodeLarge21)->Unit(benchmark::kMillisecond);

// The audit of the Studio page as the window runs it after each refresh: the page's
// drawing beneath its text put together, every text box read from it, the checks. With
// state.range(0) the background picture is shown, so every text lies over a picture.
void BM_AuditStudioPage(benchmark::State& state) {
    const ColorScheme scheme = studioScheme();
    PreviewPage page;
    page.setBackgroundPictureVisible(state.range(0) != 0);
    page.show();
    refreshAndPaint(page, scheme);
    ContrastAudit audit;
    for (auto _ : state) {
        audit = auditScheme(scheme, PreviewBackdrops(page), ContrastLevel::AA);
        benchmark::DoNotOptimize(audit.checks.data());
    }
    state.counters["failing"] = static_cast<double>(
        std::count_if(audit.checks.begin(), audit.checks.end(),
                      [](const ContrastCheck& c) { return !c.advice && !c.pass; }));
}
BENCHMARK(BM_AuditStudioPage)->ArgName("background")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
