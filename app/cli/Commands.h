#pragma once

#include <QStringList>

// The commands of tintora-cli. Each takes the arguments after its name and returns
// the exit status: 0 no error, 2 errors reported and ignored, 1 aborted, bad usage or
// an output that could not be written.
int runSchemeCommand(const QStringList& args);
int runReportCommand(const QStringList& args);
int runRenderCommand(const QStringList& args);
