#pragma once

#include <QString>

#include <optional>

class Procedure;
struct ColorScheme;

// Reads back a style sheet written by exportCss, or any style sheet that sets the same
// custom properties: only the declarations of its top-level ":root" rules count, and
// of those only the properties of CssProperties.h (and the list of locked colours);
// the colour properties of the ":root" rules inside "@media (prefers-color-scheme:
// dark)" and "@media (prefers-contrast: more)" give the Dark and High contrast
// variants, each starting from the Light colours read; everything else in the sheet
// is passed over. Pictures are looked for relative to the sheet's folder.
//
// The result is `current` with every property found applied in the order of the
// sheet (a later one wins), so the caller can take it as one change. Nothing else of
// the scheme changes: ThemeName, SchemeFileName and SchemeChanged are the caller's.
// Errors go to the handler inside the caller's routine with the Task "Import CSS: "
// and the file: a sheet that cannot be read gives nullopt (only an ordinary file of
// at most MaxTextFileSize bytes is read, as every style sheet); a value that is not
// one of its property's forms is error 380 with the line and property in the Task,
// and after Ignore that property keeps its value. `found`, when given, gets the number
// of declarations of those properties, good values or bad: none means the sheet holds
// no scheme at all.
std::optional<ColorScheme> importCss(Procedure& proc, const ColorScheme& current,
                                     const QString& path, int* found = nullptr);

// The same on a sheet's text; `path` is the name the errors give and its folder the
// one pictures are looked for in. Returns the number of declarations of the
// properties of CssProperties.h that the sheet holds.
int applyCssText(Procedure& proc, ColorScheme& scheme, const QString& text, const QString& path);
