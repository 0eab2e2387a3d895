#pragma once

#include <QString>

#include <optional>

class SchemeValue;

// How the preview turns an element's Font, FontSize and FontStyle into its labels'
// font; the editor's buttons and the font dialog follow the same rules for the face.
// The contrast audit reads them the same way, so that "large text" is what is drawn.

// The family a Font text is drawn in: without the blanks and the one pair of quotes
// around it ("'Segoe UI'" is drawn in Segoe UI). The stored text keeps them.
QString drawnFamily(const QString& face);

// Sizes the preview accepts, in points; anything else is refused with an error and
// the label keeps the size it had.
inline constexpr float LargestFontSize = 2048.0f;

// The point size a label is given: the value as a single-precision number, when it
// is a number above 0 and at most LargestFontSize; nullopt when the preview refuses
// it.
std::optional<float> drawnPointSize(const SchemeValue& size);

struct DrawnStyle {
    bool bold = false;
    bool italic = false;
};
// Bold and italic of a style code: an empty value is regular, 0..3 as the code says;
// nullopt for any other value, which leaves a label's bold and italic as they were.
std::optional<DrawnStyle> drawnStyle(const SchemeValue& code);
