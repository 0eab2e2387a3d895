#include "ui/window/ZoomCommands.h"

#include "ui/preview/PreviewPointer.h"

#include <QAction>
#include <QKeySequence>

#include <array>

namespace {
// The zooms Zoom In and Zoom Out go through.
constexpr std::array<int, 12> Steps{50, 67, 75, 90, 100, 125, 150, 175, 200, 250, 300, 400};

QAction* makeAction(QObject* parent, const QString& text, const char* name,
                    const QList<QKeySequence>& keys) {
    auto* action = new QAction(text, parent);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}
} // namespace

ZoomCommands::ZoomCommands(PreviewPointer& pointer, QWidget& window)
    : QObject(&window), pointer_(pointer) {
    // Ctrl+= as well, the same key as Ctrl++ without Shift on most keyboards.
    QAction* zoomIn = makeAction(
        this, tr("Zoom &In"), "mnuViewZoomIn",
        {QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});
    QAction* zoomOut = makeAction(this, tr("Zoom &Out"), "mnuViewZoomOut",
                                  {QKeySequence(QStringLiteral("Ctrl+-"))});
    QAction* actual = makeAction(this, tr("&Actual Size"), "mnuViewActualSize",
                                 {QKeySequence(QStringLiteral("Ctrl+0"))});
    connect(zoomIn, &QAction::triggered, this, [this] { step(+1); });
    connect(zoomOut, &QAction::triggered, this, [this] { step(-1); });
    connect(actual, &QAction::triggered, this, [this] { setZoomPercent(100); });
    actions_ = {zoomIn, zoomOut, actual};
    setZoomPercent(100);
}

void ZoomCommands::step(int direction) {
    int next = percent_;
    if (direction > 0) {
        for (int s : Steps)
            if (s > percent_) {
                next = s;
                break;
            }
    } else {
        for (auto it = Steps.rbegin(); it != Steps.rend(); ++it)
            if (*it < percent_) {
                next = *it;
                break;
            }
    }
    setZoomPercent(next);
}

void ZoomCommands::setZoomPercent(int percent) {
    percent = qBound(Smallest, percent, Largest);
    actions_[0]->setEnabled(percent < Largest);
    actions_[1]->setEnabled(percent > Smallest);
    if (percent == percent_ && pointer_.zoom() == percent / 100.0)
        return;
    percent_ = percent;
    pointer_.setZoom(percent / 100.0);
    Q_EMIT zoomChanged(percent_);
}
