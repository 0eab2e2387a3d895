#include "ui/window/SchemeFileDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {
// The one local scheme file (*.tna) being dragged, or nothing.
QString draggedSchemeFile(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    return path.endsWith(QStringLiteral(".tna"), Qt::CaseInsensitive) ? path : QString();
}
} // namespace

SchemeFileDrop::SchemeFileDrop(QWidget& window, std::function<void(const QString&)> open)
    : QObject(&window), open_(std::move(open)) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool SchemeFileDrop::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    // Entering is accepted or refused by the same rule as every later move of the drag.
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = draggedSchemeFile(drop->mimeData());
    if (path.isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, [this, path] { open_(path); });
    return true;
}
