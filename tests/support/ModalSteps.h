#pragma once

#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Acts on the modal dialogs a command opens, one step per dialog, in order, as a user
// would: each step waits until the active modal widget is of its type, then acts on
// it. A step may open the next dialog itself (accepting a file dialog that then asks
// about replacing a file): the next step is already watching. A step that sees no
// dialog of its type within thirty seconds rejects whatever modal dialog is open and
// drops the rest, so that a test fails on its checks instead of hanging.
class ModalSteps {
public:
    ModalSteps();
    // Stops watching: steps still waiting are dropped.
    ~ModalSteps();
    ModalSteps(const ModalSteps&) = delete;
    ModalSteps& operator=(const ModalSteps&) = delete;

    template <class T> ModalSteps& then(std::function<void(T*)> action) {
        state_->steps.append({[](QWidget* w) { return qobject_cast<T*>(w) != nullptr; },
                              [action](QWidget* w) { action(qobject_cast<T*>(w)); }});
        return *this;
    }

    // Starts watching; the steps run while the caller's command shows its dialogs.
    void start();
    // How many steps have run.
    int done() const { return state_->done; }

private:
    struct Step {
        std::function<bool(QWidget*)> matches;
        std::function<void(QWidget*)> act;
    };
    struct State {
        QList<Step> steps;
        int done = 0;
        QPointer<QTimer> watcher; // the timer of the step waited for
    };
    static void watch(const std::shared_ptr<State>& state);

    std::shared_ptr<State> state_;
};

class QFileDialog;
class QString;

// Types `name` into the file dialog's name field and accepts, as a user would.
void typeFileNameAndAccept(QFileDialog* dialog, const QString& name);
