#include "framework/Procedure.h"

#include "framework/ErrorHandler.h"
#include "framework/Trace.h"

#include <limits>

Procedure::Procedure(QString traceName, Trapping trapping) : traceName_(std::move(traceName)) {
    Trace& t = trace();
    if (t.TraceDepth == std::numeric_limits<qint16>::max()) {
        // The depth counter itself would overflow: such nesting is a runaway.
        if (trapping == Untrapped)
            raiseError(Err::Overflow);
        retryAfter(RuntimeError(Err::Overflow, errorDescription(Err::Overflow)));
        entry_ = traceName_;
        return;
    }
    ++t.TraceDepth;
    pushed_ = true;
    entry_ = QString(t.TraceDepth, QLatin1Char('|')) + traceName_;
    // The stack holds 100 routines; deeper nesting is reported, never written past
    // the end. After Ignore the routine runs without a stack entry of its own.
    while (t.TraceDepth >= Trace::StackSize) {
        if (trapping == Untrapped)
            break;
        if (!retryAfter(
                RuntimeError(Err::SubscriptOutOfRange, errorDescription(Err::SubscriptOutOfRange))))
            break;
    }
    if (t.TraceDepth < Trace::StackSize)
        t.TraceStack[static_cast<size_t>(t.TraceDepth)] = entry_;
    t.writeLine(entry_, "ENTER");
}

Procedure::~Procedure() {
    // After Abort the process is ending: no exit line, no pop.
    if (!pushed_ || abortInProgress())
        return;
    Trace& t = trace();
    t.writeLine(entry_, "EXIT");
    --t.TraceDepth;
}

bool Procedure::retryAfter(const RuntimeError& error) {
    lastError_ = error.number();
    const QString answer =
        fcnMainErrorHandler(error.number(), error.description(), entry_, Task, TaskDetail);
    return answer == QLatin1String("RETRY");
}
