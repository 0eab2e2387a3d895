#pragma once

#include "framework/ErrorHandler.h"
#include "scheme/FileInformation.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class QProcess;

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
    // The temporary folder's Themes folder, made if missing: the themes folder the
    // engine is handed.
    QString themesDir() const;
    // For the windows, which read the globals: sets them as start-up would, with
    // StartDir the temporary folder (which gets a Themes folder) and the version and
    // user name of testFileInformation().
    void setUpGlobals();
};

// What the files written in tests say about the program: "0001.0000.0000" by
// "tester".
FileInformation testFileInformation();

// How a program run by runProgram ended, and what it wrote.
struct ProgramRun {
    int status = -1; // the exit status; -1 when it did not finish, -2 when it crashed
    QByteArray out;
    QByteArray err;
};

// Environment variables set for a program besides the usual ones.
using ExtraEnvironment = QList<QPair<QString, QString>>;

// Starts `program` in `workDir` with a home of its own (HOME, XDG_DATA_HOME and
// XDG_CONFIG_HOME below `workDir`, the user "tester"), so it never touches the real
// user's folders or settings.
void startProgram(QProcess& process, const QString& program, const QString& workDir,
                  const QStringList& args, const ExtraEnvironment& extra = {});
// Starts it so, with `input` as its standard input, and waits for it to end.
ProgramRun runProgram(const QString& program, const QString& workDir, const QStringList& args,
                      const QByteArray& input = {}, const ExtraEnvironment& extra = {});

// Writes bytes to a file, creating folders on the way.
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
// Joins lines with CR LF, the last line ended too.
QByteArray crlfLines(const QStringList& lines);
