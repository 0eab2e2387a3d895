#pragma once

#include "framework/ErrorHandler.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Answers run-time error prompts from a script and records every message. When the
// script runs out it answers with the fallback (Ignore unless set otherwise).
class ScriptedErrorPrompt : public ErrorPrompt {
public:
    Answer askRuntimeError(const QString& message) override;
    void inform(const QString& message) override;

    void script(std::initializer_list<Answer> answers);
    void setFallback(Answer answer) { fallback_ = answer; }

    QStringList messages; // runtime error messages, in order
    QStringList informed; // plain OK-box messages, in order

private:
    QList<Answer> answers_;
    Answer fallback_ = Answer::Ignore;
};

// One test's clean world: trace and globals reset, a scripted prompt installed, Abort
// turned into an AbortRequested exception, and a temporary folder. Restores on exit.
class TestWorld {
public:
    TestWorld();
    ~TestWorld();
    TestWorld(const TestWorld&) = delete;
    TestWorld& operator=(const TestWorld&) = delete;

    ScriptedErrorPrompt prompt;
    QTemporaryDir dir;

    QString path(const QString& relative) const { return dir.filePath(relative); }
    // Sets CR, CRLF, CRCR and the other globals as start-up would, with StartDir the
    // temporary folder (which gets a Themes folder).
    void setUpGlobals();
};

// Writes bytes to a file, creating folders on the way.
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
// Joins lines with CR LF, the last line ended too.
QByteArray crlfLines(const QStringList& lines);
