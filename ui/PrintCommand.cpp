#include "ui/PrintCommand.h"

#include "framework/Procedure.h"
#include "scheme/SchemeReport.h"
#include "ui/DialogService.h"
#include "ui/Printer.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPixmap>

namespace {
// The command runs to its end before the user's next click; only the window's own
// resizing and painting go on meanwhile.
constexpr QEventLoop::ProcessEventsFlags OwnEventsOnly = QEventLoop::ExcludeUserInputEvents;

// A window manager maximises a window on its own time; wait a little for the new
// size so the picture shows the maximised window, not the one before.
void waitForResize(QWidget& window, const QSize& before) {
    constexpr qint64 LongestWaitMs = 500;
    QElapsedTimer timer;
    timer.start();
    QApplication::processEvents(OwnEventsOnly);
    while (window.size() == before && timer.elapsed() < LongestWaitMs)
        QApplication::processEvents(OwnEventsOnly, 10);
}

// Lays out and paints what is pending so that the picture shows the window as it is.
void settle() {
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QApplication::processEvents(OwnEventsOnly);
}
} // namespace

void printScheme(QMainWindow& window, QWidget& picDisplay, DialogService& cdbMain, Printer& printer,
                 const ColorScheme& scheme, const FileInformation& info) {
    Procedure proc(QStringLiteral("frmMain.mnuFilePrint_Click"));

    int copies = cdbMain.Copies;
    bool cancelled = false;
    proc.step([&] {
        try {
            copies = cdbMain.ShowPrinter();
        } catch (const RuntimeError& error) {
            // Cancel is the user's choice, not a fault: the command just ends.
            if (error.number() != Err::Cancel)
                throw;
            cancelled = true;
        }
    });
    if (cancelled)
        return;

    proc.step([&] { printer.setFontName(QStringLiteral("Courier New")); });
    proc.step([&] { printer.setFontSize(10.0f); });

    for (int copy = 0; copy < copies; ++copy) {
        // A document whose printer cannot start is reported once and left out, rather
        // than reporting the same fault for each of its lines.
        if (proc.step([&] { printer.beginDoc(); })) {
            QList<ReportLine> lines;
            proc.step([&] { lines = reportLines(scheme, info); });
            for (const ReportLine& line : lines)
                proc.step([&] { printer.printLine(line.text); });
        }
        proc.step([&] { printer.endDoc(); });

        if (proc.step([&] { printer.beginDoc(); })) {
            const Qt::WindowStates recorded = window.windowState();
            proc.step([&] {
                if (!window.isMaximized()) {
                    const QSize before = window.size();
                    window.showMaximized();
                    waitForResize(window, before);
                }
            });
            proc.step([&] { picDisplay.move(0, picDisplay.y()); });
            proc.step([&] {
                QWidget* clientArea = window.centralWidget() ? window.centralWidget() : &window;
                settle();
                printer.printPicture(clientArea->grab());
            });
            proc.step([&] { printer.endDoc(); });
            proc.step(
                [&] { picDisplay.move(twipsToPixels(PicDisplayDesignLeft), picDisplay.y()); });
            proc.step([&] {
                window.setWindowState(recorded);
                QApplication::processEvents(OwnEventsOnly);
            });
        } else {
            proc.step([&] { printer.endDoc(); });
        }
    }
    proc.step([&] { printer.finish(); });
}
