#include "framework/ErrorHandler.h"

#include "framework/Procedure.h"
#include "framework/RuntimeError.h"

#include <cstdio>
#include <cstdlib>

namespace {
ErrorPrompt* installedPrompt = nullptr;
ExitHook exitHook;
bool aborting = false;

StreamErrorPrompt& fallbackPrompt() {
    static StreamErrorPrompt prompt;
    return prompt;
}

void endProcess(int status) {
    aborting = true;
    if (exitHook) {
        exitHook(status);
        return;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}
} // namespace

ErrorPrompt::Answer StreamErrorPrompt::askRuntimeError(const QString& message) {
    ++errors_;
    QString text = message;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QByteArray bytes =
        (QStringLiteral("RUNTIME ERROR\n") + text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
    return policy_;
}

void StreamErrorPrompt::inform(const QString& message) {
    const QByteArray bytes = (message + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

void setErrorPrompt(ErrorPrompt* prompt) {
    installedPrompt = prompt;
}

ErrorPrompt& errorPrompt() {
    return installedPrompt ? *installedPrompt : fallbackPrompt();
}

void setExitHook(ExitHook hook) {
    exitHook = std::move(hook);
}

bool abortInProgress() {
    return aborting;
}

void resetAbortState() {
    aborting = false;
}

QString runtimeErrorMessage(int ErrNumber, const QString& ErrDescription, const QString& ErrRoutine,
                            const QString& Task, const QVariant& TaskDetail) {
    // Lines are broken by carriage returns alone, as the message box expects; the
    // text is the same whether or not the start-up set-up has run yet.
    const QString CR = QStringLiteral("\r");
    const QString CRCR = QStringLiteral("\r\r");
    QString message = QStringLiteral(" Encountered Err#") + QString::number(ErrNumber) +
                      QStringLiteral(" - ") + ErrDescription + CR + CR +
                      QStringLiteral("Routine: ") + ErrRoutine + CR + QStringLiteral("   Task: ") +
                      Task + CRCR;
    if (ErrNumber == Err::FileNotFound)
        message += TaskDetail.toString() + CR + CR + QLatin1String(GraphicsMissingSentence);
    return message;
}

QString fcnMainErrorHandler(int ErrNumber, const QString& ErrDescription, const QString& ErrRoutine,
                            const QString& Task, const QVariant& TaskDetail) {
    // The handler traps nothing itself: an error in here travels to the caller.
    Procedure proc(QStringLiteral("CV_Code.fcnMainErrorHandler"), Procedure::Untrapped);

    ErrorPrompt::Answer answer = ErrorPrompt::Answer::Ignore;
    if (!(ErrNumber == Err::FileNotFound && Task == QLatin1String("Load Images")))
        answer = errorPrompt().askRuntimeError(
            runtimeErrorMessage(ErrNumber, ErrDescription, ErrRoutine, Task, TaskDetail));

    switch (answer) {
    case ErrorPrompt::Answer::Retry:
        return QStringLiteral("RETRY");
    case ErrorPrompt::Answer::Ignore:
        return QStringLiteral("IGNORE");
    case ErrorPrompt::Answer::Abort:
        break;
    }
    endProcess(1);
    // Only an exit hook that returns gets here (a misbehaving test hook); going on
    // as after Ignore is the least harmful choice.
    return QStringLiteral("IGNORE");
}
