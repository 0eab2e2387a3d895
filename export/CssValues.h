#pragma once

#include "theme/SchemeValue.h"

#include <QString>
#include <QStringView>

#include <optional>

// How each kind of scheme value is written as the value of a CSS custom property, and
// read back. Every value a scheme can hold is written so that reading it gives the same
// text back, and, where CSS has a form for it, in that form, so that the rules of the
// style sheet can use it as it stands:
//
//   colour     #rrggbb for 0..16777215; any other number as its decimal digits
//   face name  as it stands when CSS reads it so (one quoted name, or words);
//              otherwise a CSS string whose first character is escaped, so it
//              always holds a backslash; nothing for an empty name
//   size       NNpt for a number; a CSS word (x-small) as it stands; otherwise a
//              CSS string as above; nothing for an empty size
//   style      normal, italic, bold, italic bold for the codes 0..3; otherwise a
//              CSS string; nothing for an empty style
//   picture    url("NAME"), the copy's file name beside the style sheet; none for
//              no picture
//
// The readers return nullopt for a value they cannot take.
namespace cssvalue {

QString color(qint32 value);
// Also takes what the style-sheet readers take: rgb(r, g, b), colour names, #rgb.
std::optional<qint32> readColor(QStringView text);

QString face(const QString& name);
// A list of families gives its first one, as the style-sheet readers take it.
std::optional<QString> readFace(QStringView text);

QString size(const SchemeValue& value);
std::optional<SchemeValue> readSize(QStringView text);

QString style(const SchemeValue& value);
std::optional<SchemeValue> readStyle(QStringView text);

QString picture(const QString& fileName);
// The path the url names, relative to the style sheet's folder; empty for none. A
// path that leaves that folder (absolute, "..", a drive or scheme) is refused.
std::optional<QString> readPicture(QStringView text);

// Whether a size, face or style value of this text can stand in the "font" shorthand.
bool isPointSize(const QString& sizeText);
bool isStyleCode(const QString& styleText);

// The generic family a browser falls back on when it lacks the face, so that a page
// on a machine without Georgia or Verdana still looks like the preview: serif and
// monospace for the faces known to be such, sans-serif for the rest.
QString genericFamily(const QString& face);

// The text inside a comment: a comment cannot hold its own end, nor a line break.
QString commentText(const QString& text);

// A CSS string literal of `text` whose first character is written as an escape, and
// each control character as a blank.
QString escapedString(const QString& text);
// The contents of a text that is exactly one CSS string literal.
std::optional<QString> stringContents(QStringView text);
// A CSS identifier without escapes ("x-small", "Arial").
bool isIdentifier(QStringView word);
// CSS whitespace at both ends removed.
QStringView trimCss(QStringView text);

} // namespace cssvalue
