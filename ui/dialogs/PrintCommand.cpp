#include "ui/dialogs/PrintCommand.h"

#include "framework/Procedure.h"
#include "scheme/SchemeReport.h"
#include "ui/dialogs/DialogService.h"
#include "ui/dialogs/Printer.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

namespace {
// Lays out and paints what is pending so that the picture shows the window as it is.
// The command runs to its end before the user's next click.
void settle() {
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// The texts of the section whose title is lines[first], to its end.
QStringList sectionAt(const QList<ReportLine>& lines, qsizetype first) {
    QStringList section;
    for (qsizetype i = first; i < lines.size(); ++i) {
        section.append(lines[i].text);
        if (lines[i].kind == ReportLine::Kind::SectionEnd)
            break;
    }
    return section;
}
} // namespace

void printScheme(QWidget& clientArea, DialogService& cdbMain, Printer& printer,
                 const ColorScheme& scheme, const FileInformation& info,
                 const ContrastAudit& contrast, const std::vector<ContrastAudit>& variantContrasts,
                 const QString& pictureCaption) {
    Procedure proc(QStringLiteral("frmMain.mnuFilePrint_Click"));

    if (!showDialog(proc, cdbMain, DialogService::Dialog::Printer))
        return;
    printSchemePages(proc, clientArea, printer, scheme, info, contrast, cdbMain.Copies,
                     variantContrasts, pictureCaption);
}

void printSchemePages(Procedure& proc, QWidget& clientArea, Printer& printer,
                      const ColorScheme& scheme, const FileInformation& info,
                      const ContrastAudit& contrast, int copies,
                      const std::vector<ContrastAudit>& variantContrasts,
                      const QString& pictureCaption) {
    proc.step([&] { printer.setFontName(QStringLiteral("Courier New")); });
    proc.step([&] { printer.setFontSize(10.0f); });

    for (int copy = 0; copy < copies; ++copy) {
        // A document whose printer cannot start is reported once and left out, rather
        // than reporting the same fault for each of its lines.
        if (proc.step([&] { printer.beginDoc(); })) {
            QList<ReportLine> lines;
            proc.step([&] { lines = reportLines(scheme, info); });
            proc.step([&] { lines += contrastReportLines(contrast); });
            for (const ContrastAudit& variant : variantContrasts)
                proc.step([&] { lines += contrastReportLines(variant); });
            for (qsizetype i = 0; i < lines.size(); ++i) {
                // A section, and a contrast table, is kept on one page where it fits.
                if (lines[i].kind == ReportLine::Kind::SectionTitle)
                    proc.step([&] { printer.keepTogether(sectionAt(lines, i)); });
                proc.step([&] { printer.printLine(lines[i].text); });
            }
        }
        proc.step([&] { printer.endDoc(); });

        // The whole client area as laid out, also where a small screen scrolls it.
        if (proc.step([&] { printer.beginDoc(); })) {
            proc.step([&] {
                settle();
                printer.printPicture(clientArea.grab(), pictureCaption);
            });
        }
        proc.step([&] { printer.endDoc(); });
    }
    proc.step([&] { printer.finish(); });
}
