#include "support/TestSupport.h"

#include "framework/Globals.h"
#include "framework/Trace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

ErrorPrompt::Answer ScriptedErrorPrompt::askRuntimeError(const QString& message) {
    messages.append(message);
    return answers_.isEmpty() ? fallback_ : answers_.takeFirst();
}

void ScriptedErrorPrompt::inform(const QString& message) {
    informed.append(message);
}

void ScriptedErrorPrompt::script(std::initializer_list<Answer> answers) {
    answers_ = QList<Answer>(answers);
}

TestWorld::TestWorld() {
    Trace::instance().reset();
    resetGlobals();
    resetAbortState();
    setErrorPrompt(&prompt);
    setExitHook([](int status) { throw AbortRequested{status}; });
}

TestWorld::~TestWorld() {
    setErrorPrompt(nullptr);
    setExitHook(nullptr);
    resetAbortState();
    Trace::instance().reset();
    resetGlobals();
}

void TestWorld::setUpGlobals() {
    Globals& g = globals();
    g.CR = QStringLiteral("\r");
    g.CRLF = QStringLiteral("\r\n");
    g.CRCR = QStringLiteral("\r\r");
    g.VersionText = QStringLiteral("0001.0000.0000");
    g.UserName = QStringLiteral("tester");
    g.AppDataPath = path(QStringLiteral("Documents/Tintora"));
    QDir().mkpath(g.AppDataPath);
    g.StartDir = dir.path();
    QDir().mkpath(path(QStringLiteral("Themes")));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        QFAIL(qPrintable(QStringLiteral("cannot write ") + path));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray crlfLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}
