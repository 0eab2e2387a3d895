#pragma once

#include "framework/RuntimeError.h"

#include <QString>
#include <QVariant>

#include <utility>

// The guard every routine runs under. Construction pushes the routine's trace name
// (and writes the ENTER line when tracing); destruction on a normal exit writes the
// EXIT line and pops. Statements that may fail run through step() or test(): a
// RuntimeError goes to fcnMainErrorHandler, Retry runs the statement again and
// Ignore goes on with the next one.
//
//     void LoadTheme(...) {
//         Procedure proc("frmMain.LoadTheme");
//         proc.step([&] { file.open(path); });
//         if (proc.test([&] { return line.size() >= 256; })) { ... }
//     }
class Procedure {
public:
    enum Trapping { Trapped, Untrapped };

    explicit Procedure(QString traceName, Trapping trapping = Trapped);
    ~Procedure();
    Procedure(const Procedure&) = delete;
    Procedure& operator=(const Procedure&) = delete;

    // What the routine is doing now and a detail of it (shown for error 53).
    QString Task;
    QVariant TaskDetail;

    // Runs one statement under the trap. True when it completed, false when its
    // error was ignored.
    template <class Statement> bool step(Statement&& statement) {
        for (;;) {
            try {
                std::forward<Statement>(statement)();
                return true;
            } catch (const RuntimeError& error) {
                if (!retryAfter(error))
                    return false;
            }
        }
    }

    // Runs the test of a conditional statement under the trap. An ignored failure
    // counts as the test having held.
    template <class Condition> bool test(Condition&& condition) {
        for (;;) {
            try {
                return static_cast<bool>(std::forward<Condition>(condition)());
            } catch (const RuntimeError& error) {
                if (!retryAfter(error))
                    return true;
            }
        }
    }

    // Number of the last error handed to the handler by this routine (0: none).
    int lastErrorNumber() const { return lastError_; }

private:
    // Reports the error; true when the answer was Retry.
    bool retryAfter(const RuntimeError& error);

    QString traceName_;
    QString entry_;
    int lastError_ = 0;
    bool pushed_ = false;
};
