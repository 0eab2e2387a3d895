#include "framework/ErrorHandler.h"

#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "framework/StandardStreams.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {
thread_local ErrorPrompt* installedPrompt = nullptr;
ExitHook exitHook;
std::atomic<bool> aborting = false;

StreamErrorPrompt& fallbackPrompt() {
    static thread_local StreamErrorPrompt prompt;
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

ErrorPrompt::Answer ErrorPrompt::reportRuntimeError(const RuntimeErrorReport& report) {
    return askRuntimeError(runtimeErrorMessage(report));
}

void ErrorPrompt::informList(const QString& message, const QStringList& items) {
    inform(message + QStringLiteral("\n\n") + items.join(QLatin1Char('\n')));
}

namespace {
// The lines of a message, without empty ones.
QStringList messageLines(const QString& message) {
    QString text = message;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    return lines;
}
} // namespace

void StreamErrorPrompt::writeLine(const QString& line) {
    writeStandardError((prefix_ + line + QLatin1Char('\n')).toUtf8());
}

ErrorPrompt::Answer StreamErrorPrompt::askRuntimeError(const QString& message) {
    ++errors_;
    writeLine(messageLines(message).join(QStringLiteral("; ")));
    return policy_;
}

ErrorPrompt::Answer StreamErrorPrompt::reportRuntimeError(const RuntimeErrorReport& report) {
    ++errors_;
    RuntimeErrorReport named = report;
    if (named.detail.toString().isEmpty())
        named.detail = context_;
    writeLine(runtimeErrorLine(named));
    return policy_;
}

void StreamErrorPrompt::inform(const QString& message) {
    const QString line = messageOnOneLine(message);
    if (!line.isEmpty())
        writeLine(line);
}

QString messageOnOneLine(const QString& message) {
    const QStringList lines = messageLines(message);
    if (lines.isEmpty())
        return {};
    QString line = lines.first();
    // A first line that introduces the rest ends in its own colon already.
    if (lines.size() > 1)
        line += (line.endsWith(QLatin1Char(':')) ? QStringLiteral(" ") : QStringLiteral(": ")) +
                lines.mid(1).join(QStringLiteral(", "));
    return line;
}

CollectingErrorPrompt::CollectingErrorPrompt() : previous_(&errorPrompt()) {
    setErrorPrompt(this);
}

CollectingErrorPrompt::~CollectingErrorPrompt() {
    setErrorPrompt(previous_);
}

ErrorPrompt::Answer CollectingErrorPrompt::askRuntimeError(const QString& message) {
    lines.append(messageOnOneLine(message));
    return Answer::Ignore;
}

ErrorPrompt::Answer CollectingErrorPrompt::reportRuntimeError(const RuntimeErrorReport& report) {
    lines.append(runtimeErrorLine(report));
    return Answer::Ignore;
}

void CollectingErrorPrompt::inform(const QString& message) {
    lines.append(messageOnOneLine(message));
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
    // The words are in the user's language where a translation is loaded; the routine
    // and the task are trace names and stay as they are.
    QString message = QLatin1Char(' ') +
                      QCoreApplication::translate("RuntimeError", "Encountered Err#%1 - %2")
                          .arg(QString::number(ErrNumber), ErrDescription) +
                      CR + CR +
                      QCoreApplication::translate("RuntimeError", "Routine: %1").arg(ErrRoutine) +
                      CR + QStringLiteral("   ") +
                      QCoreApplication::translate("RuntimeError", "Task: %1").arg(Task) + CRCR;
    if (ErrNumber == Err::FileNotFound)
        message += TaskDetail.toString() + CR + CR +
                   QCoreApplication::translate("RuntimeError", GraphicsMissingSentence);
    else if (isFileError(ErrNumber))
        // Any other file error names its file too, when the routine keeps it as detail.
        message += TaskDetail.toString();
    return message;
}

QString runtimeErrorMessage(const RuntimeErrorReport& report) {
    return runtimeErrorMessage(report.number, report.description, report.routine, report.task,
                               report.detail);
}

QString runtimeErrorLine(const RuntimeErrorReport& report) {
    const QString file = report.detail.toString();
    QString line;
    if (!file.isEmpty())
        line = file + QStringLiteral(": ");
    QString description = report.description;
    // Catalogue texts such as "Cancel was selected." end in a point; the number follows.
    if (description.endsWith(QLatin1Char('.')))
        description.chop(1);
    line += description + QStringLiteral(" (error %1)").arg(report.number);
    if (!report.task.isEmpty())
        line += QStringLiteral(" while ") + report.task;
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

QString fcnMainErrorHandler(int ErrNumber, const QString& ErrDescription, const QString& ErrRoutine,
                            const QString& Task, const QVariant& TaskDetail) {
    // The handler traps nothing itself: an error in here travels to the caller.
    Procedure proc(QStringLiteral("CV_Code.fcnMainErrorHandler"), Procedure::Untrapped);

    ErrorPrompt::Answer answer = ErrorPrompt::Answer::Ignore;
    if (!(ErrNumber == Err::FileNotFound && Task == QLatin1String("Load Images")))
        answer = errorPrompt().reportRuntimeError(
            {ErrNumber, ErrDescription, ErrRoutine, Task, TaskDetail});

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
