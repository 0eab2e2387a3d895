#pragma once

#include "theme/SchemeValue.h"

#include <QString>
#include <QStringView>

#include <optional>

struct ColorScheme;

// The declaration and value rules the four style-sheet readers share.
//
// Positions are counted from 1, as the classic string functions count them, and 0
// means "not found". All of that arithmetic goes through inStr and midText, so that a
// search starting at 0 or a negative length fails in the one way the readers report:
// run-time error 5.
namespace css {

// Position of the first `what` in `text` at or after position `start`; 0 when absent.
// A start below 1 is error 5.
qsizetype inStr(qsizetype start, QStringView text, QStringView what);

// `length` characters of `text` from position `start`, clipped at the end of the text.
// A start below 1 or a negative length is error 5.
QStringView midText(QStringView text, qsizetype start, qsizetype length);

// The property a declaration line declares, without its tab: the first colon - 1
// characters of `trimmed` must be one tab and the name. Empty when the line has no
// colon or does not have that shape. `colon` receives the position of the line's
// first colon (0 when there is none).
QStringView declaredProperty(QStringView line, QStringView trimmed, qsizetype& colon);

// Where the value after the colon at `colon` begins: after the colon and any blanks
// (spaces or tabs) that follow it.
qsizetype valueStart(QStringView line, qsizetype colon);

// The font-family rule: the first family of the list, up to the first "," before the
// ";" that ends the declaration. Quotes and inner blanks stay.
QString fontFamilyValue(QStringView line, qsizetype colon);

// The font-size rule: "NNpt" gives the text NN; a size number 1..6 gives the point size
// of FontSizeTable as a number. Anything else is error 13 (not a number), 6 (too big)
// or 9 (a number outside 1..6).
SchemeValue fontSizeValue(QStringView line, qsizetype colon, const ColorScheme& scheme);

// The image-path rule: the name between the line's first "(" and its first ")".
QString imageName(QStringView line);

// The colour rule: rgb(r, g, b), or the word between the first ":" and the first ";"
// as a CSS colour name, #rgb or #rrggbb. nullopt when the word is not a colour, in
// which case the stored colour stays as it is. A missing ";", parenthesis or comma is
// error 5.
std::optional<qint32> colorValue(QStringView line);

// One component of rgb(r, g, b): rounded to the nearest whole number and clamped to
// 0..255; a value that is not a number counts as 0.
int colorComponent(double value);

// A colour word: a CSS colour name (any letter case), #rgb or #rrggbb.
std::optional<qint32> colorWord(QStringView word);

// The CSS named colour of that name (any letter case).
std::optional<qint32> namedColor(QStringView name);
// The number of names the table knows.
int namedColorCount();

// The number at the start of the text: leading blanks skipped, reading stops at the
// first character that cannot continue the number; 0 when there is none.
double leadingNumber(QStringView text);

} // namespace css
