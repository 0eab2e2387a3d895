#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <atomic>
#include <functional>

// One run-time error as the central handler receives it.
struct RuntimeErrorReport {
    int number = 0;
    QString description;
    QString routine; // the failing routine's trace stack entry
    QString task;
    QVariant detail; // the routine's TaskDetail, typically the file being read
};

// Where run-time errors meet the user: the desktop shows a modal box, the command
// line writes to standard error, tests script the answers.
class ErrorPrompt {
public:
    enum class Answer { Abort, Retry, Ignore };
    virtual ~ErrorPrompt() = default;
    // A modal box titled "RUNTIME ERROR" with Abort / Retry / Ignore, Retry the default.
    virtual Answer askRuntimeError(const QString& message) = 0;
    // The handler asks through this one. By default it is the box above with the
    // handler's message; a prompt that words errors its own way reads the parts.
    virtual Answer reportRuntimeError(const RuntimeErrorReport& report);
    // A plain box with only OK.
    virtual void inform(const QString& message) = 0;
    // A plain box with only OK that tells `message` and lists `items` under it, however
    // many there are. By default the items are lines of the message; a box on a screen
    // lists the first few and lets the user scroll through the rest.
    virtual void informList(const QString& message, const QStringList& items);
};

// Writes each error to standard error as one line (runtimeErrorLine) and answers by a
// fixed policy. Used by the command line and whenever no other prompt is installed.
class StreamErrorPrompt : public ErrorPrompt {
public:
    explicit StreamErrorPrompt(Answer policy = Answer::Ignore) : policy_(policy) {}
    Answer askRuntimeError(const QString& message) override;
    Answer reportRuntimeError(const RuntimeErrorReport& report) override;
    // On one line: the message's lines joined by ": " and ", ".
    void inform(const QString& message) override;
    int errorCount() const { return errors_; }
    // Writes lines with this in front ("tintora-cli: "); empty by default.
    void setLinePrefix(const QString& prefix) { prefix_ = prefix; }
    // The file the program is working on, named for an error that names none itself.
    void setContext(const QString& file) { context_ = file; }

private:
    void writeLine(const QString& line);

    Answer policy_;
    int errors_ = 0;
    QString prefix_;
    QString context_;
};

// Takes every error of the calling thread while it exists: each becomes one line of
// `lines` and is answered Ignore, so a caller can report them together afterwards.
class CollectingErrorPrompt : public ErrorPrompt {
public:
    CollectingErrorPrompt();
    ~CollectingErrorPrompt() override;
    CollectingErrorPrompt(const CollectingErrorPrompt&) = delete;
    CollectingErrorPrompt& operator=(const CollectingErrorPrompt&) = delete;

    Answer askRuntimeError(const QString& message) override;
    Answer reportRuntimeError(const RuntimeErrorReport& report) override;
    void inform(const QString& message) override;

    QStringList lines;

private:
    ErrorPrompt* previous_;
};

// The prompt in use on the calling thread; nullptr restores the standard-error
// prompt. Each thread has its own, so a worker that reads a theme collects that
// theme's errors without touching the main thread's prompt.
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
QString runtimeErrorMessage(const RuntimeErrorReport& report);

// A message of several lines on one: "Title\n\nitem\nitem" reads "Title: item, item".
QString messageOnOneLine(const QString& message);

// The error on one line for people reading a terminal or a log: what went wrong with
// which file, without the routine's trace name ("/d/Themes/Blue/theme.css: File not
// found (error 53)"). The file is the TaskDetail when it holds one; a Task follows
// after "while".
QString runtimeErrorLine(const RuntimeErrorReport& report);

inline constexpr const char* GraphicsMissingSentence =
    QT_TRANSLATE_NOOP("RuntimeError", "A graphics file is missing. The Theme may not look right.");
