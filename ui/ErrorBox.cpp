#include "ui/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

ErrorPrompt::Answer QtErrorPrompt::askRuntimeError(const QString& message) {
    QString text = message;
    // Carriage returns alone break lines in the classic box; Qt needs line feeds.
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::Critical, QStringLiteral("RUNTIME ERROR"), text,
                    QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Retry);
    switch (box.exec()) {
    case QMessageBox::Abort:
        return Answer::Abort;
    case QMessageBox::Retry:
        return Answer::Retry;
    default:
        return Answer::Ignore;
    }
}

void QtErrorPrompt::inform(const QString& message) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Tintora"), message, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
