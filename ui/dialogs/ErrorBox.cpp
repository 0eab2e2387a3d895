#include "ui/dialogs/ErrorBox.h"

#include "ui/dialogs/ErrorListBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Qt takes Abort, the box's only rejecting button, for the Escape button, so that
// Escape or the close button would end the program. Neither means Abort here.
class RuntimeErrorBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

ErrorPrompt::Answer showRuntimeErrorBox(const QString& message) {
    QString text = message;
    // Carriage returns alone break lines in the classic box; Qt needs line feeds.
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    RuntimeErrorBox box(QMessageBox::Critical,
                        QCoreApplication::translate("ErrorBox", "RUNTIME ERROR"), text,
                        QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore,
                        QApplication::activeWindow());
    box.setObjectName(QStringLiteral("runtimeErrorBox"));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Retry);
    // Qt's own words for these buttons mislead: German gives Abort as "Abbrechen",
    // which reads as Cancel, yet the button ends the program.
    box.button(QMessageBox::Abort)->setText(QCoreApplication::translate("ErrorBox", "Abort"));
    box.button(QMessageBox::Retry)->setText(QCoreApplication::translate("ErrorBox", "Retry"));
    box.button(QMessageBox::Ignore)->setText(QCoreApplication::translate("ErrorBox", "Ignore"));
    switch (box.exec()) {
    case QMessageBox::Abort:
        return ErrorPrompt::Answer::Abort;
    case QMessageBox::Retry:
        return ErrorPrompt::Answer::Retry;
    default:
        return ErrorPrompt::Answer::Ignore;
    }
}

} // namespace

ErrorPrompt::Answer QtErrorPrompt::askRuntimeError(const QString& message) {
    for (;;) {
        const Answer answer = showRuntimeErrorBox(message);
        if (answer != Answer::Abort || !abortCheck_ || abortCheck_())
            return answer;
    }
}

void QtErrorPrompt::inform(const QString& message) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Tintora"), message, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtErrorPrompt::informList(const QString& message, const QStringList& items) {
    ErrorListBox box(message, items, QApplication::activeWindow());
    box.exec();
}
