#pragma once

#include <QObject>

#include <functional>

// Lets one local scheme file (*.tna) be dropped onto a window; anything else is
// refused while it is dragged. The file is opened once the drop is over, so that a
// message about it does not keep the program it was dragged from waiting.
class SchemeFileDrop : public QObject {
public:
    SchemeFileDrop(QWidget& window, std::function<void(const QString&)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> open_;
};
