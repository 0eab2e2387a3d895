// A bare Qt program that shows one window and ends the moment it is shown: the
// yardstick for the desktop program's start-up.
#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {
class QuitWhenShown : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Queued, as the window may be shown before the event loop runs.
        if (event->type() == QEvent::Show)
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QuitWhenShown quitWhenShown;
    QWidget window;
    window.resize(640, 480);
    window.installEventFilter(&quitWhenShown);
    window.show();
    return QApplication::exec();
}
