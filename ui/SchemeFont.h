#pragma once

#include <QString>

class QFont;
class SchemeValue;

// The one rule by which a scheme's font values become a drawn font, shared by the
// editor panel's buttons, the preview's labels and the font dialog, so that they
// never disagree.
namespace SchemeFont {

// The family a Font text is drawn in: without the blanks and the one pair of quotes
// around it ("'Segoe UI'" is drawn in Segoe UI). The stored text keeps them.
QString drawnFamily(const QString& face);

// Gives `font` the family of a Font value; an empty value leaves the font's family.
void applyFace(QFont& font, const SchemeValue& face);

// Gives `font` the bold and italic of a FontStyle value: 0 and an empty value regular,
// 1 italic, 2 bold, 3 bold italic. Any other value leaves them as they were.
void applyStyle(QFont& font, const SchemeValue& style);

} // namespace SchemeFont
