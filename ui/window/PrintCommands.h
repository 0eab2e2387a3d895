#pragma once

#include <QList>
#include <QObject>

#include <memory>

#include <vector>

class AccessibilityCommands;
class DialogService;
class QAction;
class QWidget;
class SchemeDocument;
struct ContrastAudit;
struct WindowFolders;

// File > Print and File > Print Preview: the report of the scheme, its contrast table at
// the chosen level and a picture of the window's client area.
class PrintCommands : public QObject {
    Q_OBJECT

public:
    PrintCommands(const SchemeDocument& document, const std::unique_ptr<DialogService>& dialogs,
                  const AccessibilityCommands& accessibility, const WindowFolders& folders,
                  QWidget& clientArea);

    // In menu order.
    QList<QAction*> actions() const { return actions_; }

private:
    // What is printed under the window's picture: the simulation it shows, if any.
    QString pictureCaption() const;
    void mnuFilePrint_Click();
    void mnuFilePrintPreview_Click();
    // The contrast tables after the Light one: those of the scheme's other variants.
    std::vector<ContrastAudit> variantAudits() const;

    const SchemeDocument& document_;
    const std::unique_ptr<DialogService>& cdbMain_;
    const AccessibilityCommands& accessibility_;
    const WindowFolders& folders_;
    QWidget& clientArea_;
    QList<QAction*> actions_;
};
