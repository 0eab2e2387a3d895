#pragma once

#include "support/TestSupport.h"
#include "support/ThemeFixtures.h"

#include <QDir>
#include <QTest>

// What the command line's tests share: running the program, a data folder to run it
// on, and the form of its error lines.

inline ProgramRun runCli(const QString& workDir, const QStringList& args,
                         const QByteArray& input = {}) {
    return runProgram(QStringLiteral(TINTORA_CLI_PATH), workDir, args, input);
}

// A data folder holding the Studio theme, also under `alsoAs` when given; empty when
// it could not be made.
inline QString studioData(TestWorld& world, const QString& alsoAs = {}) {
    const QString themes = world.path("data/Themes");
    QDir().mkpath(themes);
    bool copied = copyStudioTheme(themes);
    if (!alsoAs.isEmpty())
        copied = copied && copyStudioTheme(themes, alsoAs);
    return copied ? world.path("data") : QString();
}

// Every line of the error output is one of the program's own, without routine names.
inline void checkErrorLines(const QByteArray& err) {
    for (const QByteArray& line : err.split('\n')) {
        if (line.isEmpty())
            continue;
        QVERIFY2(line.startsWith("tintora-cli: "), line.constData());
        QVERIFY2(!line.contains("frmMain.") && !line.contains("Routine"), line.constData());
    }
}
