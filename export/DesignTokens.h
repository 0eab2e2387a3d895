#pragma once

#include "export/SiteStyles.h"

#include <QByteArray>

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
// that is no 24-bit colour. The root's extension holds the theme's name, the locked
// colours and the pictures of the elements without text. A token is left out where the
// scheme's value has no form in the format (an empty face, a size the preview cannot
// draw); the extension still carries it. Reading a token file back is TokenReader.h's
// job, the files beside it TokenResolver.h's, writing them to disk TokenFiles.h's.
inline constexpr const char* TokenExtension = "org.tintora";

QByteArray designTokens(const ColorScheme& scheme);

// The colour tokens alone, of one variant's colours: the file a variant's colours are
// written to beside the main one.
QByteArray colorTokens(const SchemeColorTable& colors);
