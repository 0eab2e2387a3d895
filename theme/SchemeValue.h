#pragma once

#include <QString>

#include <optional>
#include <string_view>

// An entry that may hold text or a number (font face, size or style). A numeric
// text and its number behave the same: size "10" equals 10, style "1" equals 1.
class SchemeValue {
public:
    enum class Kind { Empty, Text, Integer, Single };

    SchemeValue() = default;
    static SchemeValue text(QString text);
    static SchemeValue integer(int value);
    static SchemeValue single(float value);

    Kind kind() const { return kind_; }
    // Never set, or an empty text.
    bool isEmpty() const {
        return kind_ == Kind::Empty || (kind_ == Kind::Text && text_.isEmpty());
    }

    // The value turned into text as held: text unchanged, numbers in their shortest
    // form with a decimal point ("10", "10.5"), empty for an empty value.
    QString toText() const;

    // The number the value stands for: a number as held, a text that holds one
    // (blanks around it allowed, "." or "," as the decimal mark). nullopt otherwise.
    std::optional<double> toNumber() const;

    // Conversions that fail as the classic ones do: 13 type mismatch for an empty or
    // non-numeric value, 6 overflow when out of range.
    float toSingle() const;
    int toInteger() const; // halves round to even

    friend bool operator==(const SchemeValue& a, const SchemeValue& b);

private:
    Kind kind_ = Kind::Empty;
    QString text_;
    double number_ = 0;
};

// Parses a whole text as a number ("10", " 10.5 ", "10,5", "-3", "1e2").
std::optional<double> parseNumber(const QString& text);

// The number a whole text of the form [sign]digits[.digits][e[sign]digits] stands for
// (nullopt for anything else). Every number the program parses goes through here, so
// they all agree: a number too small to represent is 0, one too large is infinity,
// which the callers report as an overflow or take as the largest value.
std::optional<double> decimalNumber(std::string_view text);

// Shortest decimal text that reads back as the same single-precision number.
QString formatSingle(float value);

// Whether `text` holds a control character (a line end, tab, escape, ...), which no
// value or theme name the program takes in may hold: written into a scheme file, it
// could end a line early and add lines of its own.
bool holdsControlCharacter(QStringView text);
