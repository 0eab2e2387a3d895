#pragma once

#include <QDateTime>
#include <QFile>
#include <QString>

#include <array>
#include <functional>
#include <memory>

// The procedure trace: which routine runs at which nesting depth, and the optional
// trace log. One instance per thread (the program's routines run on the main thread;
// worker threads read and write files under the same convention); tests call reset()
// between cases.
class Trace {
public:
    static constexpr int StackSize = 101; // indices 0..100; index 0 is never written

    std::array<QString, StackSize> TraceStack;
    qint16 TraceDepth = 0;
    bool TraceSwitch = false;

    static Trace& instance();

    // Appends to the log file (created when missing) and switches tracing on. False,
    // with the reason in `error`, when it cannot be opened.
    bool openLog(const QString& path, QString* error = nullptr);
    // Switches tracing on when TINTORA_TRACE names a log file. A log that cannot be
    // opened is reported on standard error and the program goes on without it.
    void configureFromEnvironment();
    void closeLog();

    // Writes "yymmdd.hhmmss- ENTRY - WHAT" with CR LF when tracing is on. A write
    // that fails is reported once on standard error and switches tracing off.
    void writeLine(const QString& entry, const char* what);

    // The clock the log lines are stamped with; tests fix it.
    void setClock(std::function<QDateTime()> clock);

    // Back to the start state: depth 0, empty stack, tracing off, system clock.
    void reset();

private:
    Trace() = default;
    std::unique_ptr<QFile> TraceLog;
    std::function<QDateTime()> clock_;
};

inline Trace& trace() {
    return Trace::instance();
}
