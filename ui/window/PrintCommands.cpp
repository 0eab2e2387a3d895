// The main window's printing: the report and the picture of the window, on paper or in
// Qt's print preview.
#include "ui/window/PrintCommands.h"

#include "contrast/ContrastAudit.h"
#include "document/SchemeDocument.h"
#include "framework/Procedure.h"
#include "ui/dialogs/DialogService.h"
#include "ui/dialogs/PrintCommand.h"
#include "ui/dialogs/Printer.h"
#include "ui/window/AccessibilityCommands.h"
#include "ui/window/WindowFolders.h"

#include <QAction>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

PrintCommands::PrintCommands(const SchemeDocument& document,
                             const std::unique_ptr<DialogService>& dialogs,
                             const AccessibilityCommands& accessibility,
                             const WindowFolders& folders, QWidget& clientArea)
    : QObject(&clientArea), document_(document), cdbMain_(dialogs), accessibility_(accessibility),
      folders_(folders), clientArea_(clientArea) {
    auto* print = new QAction(tr("&Print"), this);
    print->setObjectName(QStringLiteral("mnuFilePrint"));
    print->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    connect(print, &QAction::triggered, this, &PrintCommands::mnuFilePrint_Click);
    auto* preview = new QAction(tr("Print Pre&view..."), this);
    preview->setObjectName(QStringLiteral("mnuFilePrintPreview"));
    connect(preview, &QAction::triggered, this, &PrintCommands::mnuFilePrintPreview_Click);
    actions_ = {print, preview};
}

std::vector<ContrastAudit> PrintCommands::variantAudits() const {
    std::vector<ContrastAudit> audits;
    for (const Variant variant : {Variant::Dark, Variant::Contrast})
        if (document_.scheme().hasVariant(variant))
            audits.push_back(accessibility_.auditOf(variant));
    return audits;
}

QString PrintCommands::pictureCaption() const {
    // The picture is printed as the window shows it, simulated; the page says so.
    const QString simulating = accessibility_.simulationLabel()->text();
    if (simulating.isEmpty())
        return {};
    return tr("%1: this picture shows the window as a person with that colour vision sees it. "
              "The report gives the real colours.")
        .arg(simulating);
}

void PrintCommands::mnuFilePrint_Click() {
    QtPrinter printer(cdbMain_->printer());
    printScheme(clientArea_, *cdbMain_, printer, document_.scheme(), folders_.program,
                accessibility_.auditOf(Variant::Light), variantAudits(), pictureCaption());
}

void PrintCommands::mnuFilePrintPreview_Click() {
    QPrinter& device = cdbMain_->printer();
    QPrintPreviewDialog dialog(&device, clientArea_.window());
    dialog.setObjectName(QStringLiteral("dlgPrintPreview"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        Procedure proc(QStringLiteral("frmMain.mnuFilePrintPreview_Click"));
        QtPrinter printer(*target);
        printSchemePages(proc, clientArea_, printer, document_.scheme(), folders_.program,
                         accessibility_.auditOf(Variant::Light), 1, variantAudits(),
                         pictureCaption());
    });
    dialog.exec();
}
