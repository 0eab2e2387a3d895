#include "framework/Trace.h"

#include "framework/StandardStreams.h"

namespace {
// A trace that was asked for and is not written would be missed just when it is
// needed, so the user hears of it; the program itself goes on without it.
void tellUser(const QString& text) {
    writeStandardError((text + QLatin1Char('\n')).toUtf8());
}
} // namespace

Trace& Trace::instance() {
    // Each thread nests its own routines; a worker thread starts untraced, so the log
    // holds the main thread's lines only, each indented by its own depth.
    static thread_local Trace state;
    return state;
}

bool Trace::openLog(const QString& path, QString* error) {
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (error)
            *error = file->errorString();
        return false;
    }
    TraceLog = std::move(file);
    TraceSwitch = true;
    return true;
}

void Trace::configureFromEnvironment() {
    const QString path = qEnvironmentVariable("TINTORA_TRACE");
    QString error;
    if (path.isEmpty() || openLog(path, &error))
        return;
    tellUser(QStringLiteral("tintora: the trace log %1 cannot be opened (%2); the program runs "
                            "without tracing.")
                 .arg(path, error));
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
    const QByteArray bytes = line.toUtf8();
    // A trace is read after a crash too, so nothing may wait in a buffer.
    if (TraceLog->write(bytes) == bytes.size() && TraceLog->flush())
        return;
    tellUser(QStringLiteral("tintora: the trace log %1 cannot be written (%2); tracing is off "
                            "from here on.")
                 .arg(TraceLog->fileName(), TraceLog->errorString()));
    closeLog();
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
