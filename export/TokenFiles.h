#pragma once

#include "export/ThemeExport.h"

#include <QString>
#include <QStringList>

#include <optional>

class Procedure;
struct ColorScheme;

// Writes designTokens to `path`, whole or not at all; an existing file is replaced only
// when `existing` says so (error 58 otherwise). A scheme with variants also gets the
// colour file of each (colorTokens) and the resolver beside it; with Keep, any of those
// existing refuses the export before anything is written (prepareExportOutputs). Errors go to the
// handler inside the caller's routine with the Task "Export Design Tokens: " and the path.
bool exportDesignTokens(Procedure& proc, const ColorScheme& scheme, const QString& path,
                        ExistingOutput existing);

// The files exportDesignTokens writes for `scheme` to `path`: the token file, and for
// a scheme with variants the colour file of each it has and the resolver.
QStringList designTokenOutputs(const ColorScheme& scheme, const QString& path);

// Reads a token file back into a copy of `current` (applyDesignTokens), with the
// variants a resolver beside it names (applyVariantTokens). A file that cannot be read
// or is no JSON object gives nullopt. `found`, when given, gets the number of tokens
// and extension values read, good or bad.
std::optional<ColorScheme> importDesignTokens(Procedure& proc, const ColorScheme& current,
                                              const QString& path, int* found = nullptr);
