#pragma once

#include "export/SiteStyles.h"
#include "export/ThemeExport.h"

#include <QByteArray>
#include <QString>

#include <optional>

class Procedure;
struct ColorScheme;

// The scheme as a design-token file (JSON, "$value"/"$type" tokens, colours as
// {"colorSpace": "srgb", "components", "hex"}): a group per element of SiteStyles.h,
// described as the editor names it, holding
//
//   color, background   colour tokens of its text and background colour
//   typography          fontFamily (the face, then the generic family the CSS export
//                       falls back on), fontSize in px from the points, fontWeight
//                       400 or 700, letterSpacing 0px, lineHeight PreviewLineHeight
//
// and under "$extensions" / TokenExtension what the format has no type for: the face,
// size and style as the scheme holds them, italic, the element's picture, and a colour
// that is no 24-bit colour. The root's extension holds the theme's name and the
// pictures of the elements without text. A token is left out where the scheme's value has no form
// in the format (an empty face, a size the preview cannot draw); the extension still carries it.
inline constexpr const char* TokenExtension = "org.tintora";

QByteArray designTokens(const ColorScheme& scheme);

// The colour tokens alone, of one variant's colours: the file a variant's colours are
// written to beside the main one.
QByteArray colorTokens(const SchemeColorTable& colors);

// The files written beside a token file for a scheme with variants: PATH without its
// ".tokens.json" (or ".json", ".tokens") ending, then ".dark.tokens.json",
// ".contrast.tokens.json" and ".resolver.json".
struct DesignTokenFiles {
    QString dark;
    QString contrast;
    QString resolver;
};
DesignTokenFiles designTokenFiles(const QString& path);

// The resolver document of a scheme whose token file is `path`: the set "scheme" of
// that file, and the modifier "theme" whose contexts "light" (nothing more), "dark" and
// "contrast" add the variants' colour files (designTokenFiles), by file name.
QByteArray tokenResolver(const ColorScheme& scheme, const QString& path);

// Writes designTokens to `path`, whole or not at all; an existing file is replaced only
// when `existing` says so (error 58 otherwise). A scheme with variants also gets the
// colour file of each (colorTokens) and the resolver beside it; with Keep, any of those
// existing refuses the export before anything is written. Errors go to the handler
// inside the caller's routine with the Task "Export Design Tokens: " and the path.
bool exportDesignTokens(Procedure& proc, const ColorScheme& scheme, const QString& path,
                        ExistingOutput existing);

// Reads a token file back: `current` with every group named as SiteStyles.h names an
// element applied, as importCss does with a style sheet, the locks the root's
// extension lists, and the variants a resolver beside it names (applyVariantTokens). Unknown groups
// and tokens are passed over; the theme's name is taken when the file names one. Where a token
// agrees with the scheme's own text in the extension (the face "'Segoe UI'" drawn as Segoe UI, size
// "10" as 13.333px) that text is taken, so a file this program wrote gives back the very scheme it
// was written from; a token edited elsewhere wins over the extension. A value that is not of its
// token's form is error 380 with its JSON path ("body.typography.$value.fontSize") in the Task, and
// after Ignore that attribute keeps its value. A file that cannot be read or is no JSON
// object gives nullopt. `found`, when given, gets the number of tokens and extension
// values read, good or bad.
std::optional<ColorScheme> importDesignTokens(Procedure& proc, const ColorScheme& current,
                                              const QString& path, int* found = nullptr);

// The variants a resolver beside `path` (designTokenFiles) names in its "theme"
// modifier's "dark" and "contrast" contexts: each starts from the Light colours and
// takes the colours of its files. Returns the number of values read; 0 without a
// resolver.
int applyVariantTokens(Procedure& proc, ColorScheme& scheme, const QString& path);

// The same on a file's bytes; `path` is the name the errors give.
int applyDesignTokens(Procedure& proc, ColorScheme& scheme, const QByteArray& json,
                      const QString& path);

// Whether a file name is that of a token file (".tokens.json", ".tokens", ".json").
bool isDesignTokenFileName(const QString& path);
