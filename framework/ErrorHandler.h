#pragma once

#include <QString>
#include <QVariant>

#include <functional>

// Where run-time errors meet the user: the desktop shows a modal box, the command
// line writes to standard error, tests script the answers.
class ErrorPrompt {
public:
    enum class Answer { Abort, Retry, Ignore };
    virtual ~ErrorPrompt() = default;
    // A modal box titled "RUNTIME ERROR" with Abort / Retry / Ignore, Retry the default.
    virtual Answer askRuntimeError(const QString& message) = 0;
    // A plain box with only OK.
    virtual void inform(const QString& message) = 0;
};

// Writes each prompt to standard error and answers by a fixed policy. Used by the
// command line and whenever no other prompt is installed.
class StreamErrorPrompt : public ErrorPrompt {
public:
    explicit StreamErrorPrompt(Answer policy = Answer::Ignore) : policy_(policy) {}
    Answer askRuntimeError(const QString& message) override;
    void inform(const QString& message) override;
    int errorCount() const { return errors_; }

private:
    Answer policy_;
    int errors_ = 0;
};

// The prompt in use; nullptr restores the standard-error prompt.
void setErrorPrompt(ErrorPrompt* prompt);
ErrorPrompt& errorPrompt();

// Abort ends the process through this hook (default: immediate exit with status 1).
// Tests install a hook that throws AbortRequested instead.
using ExitHook = std::function<void(int status)>;
void setExitHook(ExitHook hook);
struct AbortRequested {
    int status;
};
// True from the moment the user chose Abort; Procedure guards then leave without
// their exit lines, as the process is ending.
bool abortInProgress();
void resetAbortState();

// The central handler: builds the message, asks the prompt, returns "RETRY" or
// "IGNORE"; Abort ends the process inside the handler.
QString fcnMainErrorHandler(int ErrNumber, const QString& ErrDescription, const QString& ErrRoutine,
                            const QString& Task, const QVariant& TaskDetail);

// The message text exactly as the box shows it (without the error 53 rule's early answer).
QString runtimeErrorMessage(int ErrNumber, const QString& ErrDescription, const QString& ErrRoutine,
                            const QString& Task, const QVariant& TaskDetail);

inline constexpr const char* GraphicsMissingSentence =
    "A graphics file is missing. The Theme may not look right.";
