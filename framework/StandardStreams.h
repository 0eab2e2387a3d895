#pragma once

#include <QByteArray>

// Writes `bytes` to standard output or standard error and flushes it at once, so
// lines from both keep their order on a terminal. False when they could not all be
// written (a closed pipe, a full disk).
bool writeStandardOutput(const QByteArray& bytes);
bool writeStandardError(const QByteArray& bytes);

// Whether standard error or output is a terminal a person watches, rather than a pipe
// or file.
bool standardErrorIsTerminal();
bool standardOutputIsTerminal();
