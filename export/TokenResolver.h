#pragma once

#include "theme/ColorScheme.h"

#include <QByteArray>
#include <QString>

class Procedure;

// The files written beside a token file for a scheme with variants: PATH without its
// ".tokens.json" (or ".json", ".tokens") ending, then ".dark.tokens.json",
// ".contrast.tokens.json" and ".resolver.json".
struct DesignTokenFiles {
    QString dark;
    QString contrast;
    QString resolver;
};
DesignTokenFiles designTokenFiles(const QString& path);

// The colour file of `variant` (Dark or Contrast) among `files`.
QString variantTokenFile(const DesignTokenFiles& files, Variant variant);

// The resolver document of a scheme whose token file is `path`: the set "scheme" of
// that file, and the modifier "theme" whose contexts "light" (nothing more), "dark" and
// "contrast" add the variants' colour files (designTokenFiles), by file name.
QByteArray tokenResolver(const ColorScheme& scheme, const QString& path);

// The variants a resolver beside `path` (designTokenFiles) names in its "theme"
// modifier's "dark" and "contrast" contexts: each starts from the Light colours and
// takes the colours of its files. Returns the number of values read; 0 without a
// resolver.
int applyVariantTokens(Procedure& proc, ColorScheme& scheme, const QString& path);
