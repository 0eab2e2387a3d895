#include "support/ModalSteps.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>

ModalSteps::ModalSteps() : state_(std::make_shared<State>()) {}

ModalSteps::~ModalSteps() {
    state_->steps.clear();
    delete state_->watcher;
}

void ModalSteps::start() {
    watch(state_);
}

void ModalSteps::watch(const std::shared_ptr<State>& state) {
    // A timer does not fire again while its own slot runs, and a step may wait in a
    // dialog it opened: each step gets a timer of its own.
    if (state->steps.isEmpty())
        return;
    auto* timer = new QTimer;
    state->watcher = timer;
    timer->setInterval(10);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, state, clock] {
        if (state->steps.isEmpty()) {
            timer->stop();
            timer->deleteLater();
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && state->steps.front().matches(modal)) {
            timer->stop();
            timer->deleteLater();
            const Step step = state->steps.takeFirst();
            ++state->done;
            watch(state);
            step.act(modal);
        } else if (clock->elapsed() > 30000) {
            timer->stop();
            timer->deleteLater();
            state->steps.clear();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        }
    });
    timer->start();
}

void typeFileNameAndAccept(QFileDialog* dialog, const QString& name) {
    // selectFile() leaves a focused name field alone; typing goes through it.
    if (auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        field->setText(name);
    // QFileDialog hides accept(); through QDialog it still checks the name.
    static_cast<QDialog*>(dialog)->accept();
}
