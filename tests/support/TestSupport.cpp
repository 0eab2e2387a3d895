#include "support/TestSupport.h"

#include "framework/DataFolder.h"
#include "framework/Globals.h"
#include "framework/Trace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
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

QString TestWorld::themesDir() const {
    const QString themes = DataFolder::themesDir(dir.path());
    QDir().mkpath(themes);
    return themes;
}

void TestWorld::setUpGlobals() {
    Globals& g = globals();
    const FileInformation info = testFileInformation();
    g.VersionText = info.VersionText;
    g.UserName = info.UserName;
    g.AppDataPath = path(QStringLiteral("Documents/Tintora"));
    QDir().mkpath(g.AppDataPath);
    g.StartDir = dir.path();
    themesDir();
}

FileInformation testFileInformation() {
    return {QStringLiteral("0001.0000.0000"), QStringLiteral("tester")};
}

void startProgram(QProcess& process, const QString& program, const QString& workDir,
                  const QStringList& args, const ExtraEnvironment& extra) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), workDir);
    env.insert(QStringLiteral("XDG_DATA_HOME"), workDir + QStringLiteral("/share"));
    // What the desktop program remembers goes below the home too.
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), workDir + QStringLiteral("/config"));
    env.insert(QStringLiteral("USERNAME"), QStringLiteral("tester"));
    env.remove(QStringLiteral("USERPROFILE"));
    // The GUI commands look for the runtime folder, which must be private; it is kept
    // out of the program's home, which tests check it leaves alone.
    static QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    for (const auto& [name, value] : extra)
        env.insert(name, value);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workDir);
    process.start(program, args);
}

ProgramRun runProgram(const QString& program, const QString& workDir, const QStringList& args,
                      const QByteArray& input, const ExtraEnvironment& extra) {
    QProcess process;
    startProgram(process, program, workDir, args, extra);
    process.write(input);
    process.closeWriteChannel();
    ProgramRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
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
