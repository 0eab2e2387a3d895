#pragma once

class QFont;
class SchemeValue;

// Gives a QFont what the engine's drawn-font rules (theme/DrawnFont.h) make of a
// scheme's values, for the editor panel's buttons and the preview's labels alike, so
// that they never disagree.
namespace SchemeFont {

// The family of a Font value, without its quotes; an empty value leaves the font's.
void applyFace(QFont& font, const SchemeValue& face);

// Bold and italic of a FontStyle value: 0 and an empty value regular, 1 italic,
// 2 bold, 3 bold italic. Any other value leaves them as they were.
void applyStyle(QFont& font, const SchemeValue& style);

} // namespace SchemeFont
