#include "framework/Trace.h"

Trace& Trace::instance() {
    // Each thread nests its own routines; a worker thread starts untraced, so the log
    // holds the main thread's lines only, each indented by its own depth.
    static thread_local Trace state;
    return state;
}

bool Trace::openLog(const QString& path) {
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    TraceLog = std::move(file);
    TraceSwitch = true;
    return true;
}

void Trace::configureFromEnvironment() {
    const QString path = qEnvironmentVariable("TINTORA_TRACE");
    if (!path.isEmpty())
        openLog(path);
}

void Trace::closeLog() {
    TraceLog.reset();
    TraceSwitch = false;
}

void Trace::writeLine(const QString& entry, const char* what) {
    if (!TraceSwitch || !TraceLog)
        return;
    const QDateTime now = clock_ ? clock_() : QDateTime::currentDateTime();
    const QString line = now.toString(QStringLiteral("yyMMdd.HHmmss")) + QStringLiteral("- ") +
                         entry + QStringLiteral(" - ") + QLatin1String(what) +
                         QStringLiteral("\r\n");
    TraceLog->write(line.toUtf8());
    // A trace is read after a crash too, so nothing may wait in a buffer.
    TraceLog->flush();
}

void Trace::setClock(std::function<QDateTime()> clock) {
    clock_ = std::move(clock);
}

void Trace::reset() {
    TraceStack.fill(QString());
    TraceDepth = 0;
    closeLog();
    clock_ = nullptr;
}
