#include "theme/SchemeValue.h"

#include "framework/RuntimeError.h"

#include <charconv>
#include <cmath>
#include <limits>

SchemeValue SchemeValue::text(QString text) {
    SchemeValue v;
    v.kind_ = Kind::Text;
    v.text_ = std::move(text);
    return v;
}

SchemeValue SchemeValue::integer(int value) {
    SchemeValue v;
    v.kind_ = Kind::Integer;
    v.number_ = value;
    return v;
}

SchemeValue SchemeValue::single(float value) {
    SchemeValue v;
    v.kind_ = Kind::Single;
    v.number_ = value;
    return v;
}

QString formatSingle(float value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString SchemeValue::toText() const {
    switch (kind_) {
    case Kind::Empty:
        return {};
    case Kind::Text:
        return text_;
    case Kind::Integer:
        return QString::number(static_cast<qint64>(number_));
    case Kind::Single:
        return formatSingle(static_cast<float>(number_));
    }
    return {};
}

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether a number that is out of range is so by being too small: the power of ten of
// its first significant digit (0 for 1.5, -2 for 0.01, -400 for 1e-400) is negative.
bool tooSmall(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    std::size_t point = i;
    while (point < text.size() && isDigit(text[point]))
        ++point;
    long long power = 0;
    bool significant = false;
    for (std::size_t k = i; k < point && !significant; ++k)
        if (text[k] != '0') {
            power = static_cast<long long>(point - k - 1);
            significant = true;
        }
    if (!significant && point < text.size() && text[point] == '.')
        for (std::size_t k = point + 1; k < text.size() && isDigit(text[k]); ++k)
            if (text[k] != '0') {
                power = -static_cast<long long>(k - point);
                significant = true;
                break;
            }
    const std::size_t e = text.find_first_of("eE");
    if (e != std::string_view::npos) {
        std::size_t k = e + 1;
        const bool negative = k < text.size() && text[k] == '-';
        if (k < text.size() && (text[k] == '-' || text[k] == '+'))
            ++k;
        // Beyond this any exponent decides alone; stopping keeps the sum in range.
        constexpr long long Cap = 1'000'000'000;
        long long exponent = 0;
        for (; k < text.size() && isDigit(text[k]) && exponent < Cap; ++k)
            exponent = exponent * 10 + (text[k] - '0');
        power += negative ? -exponent : exponent;
    }
    return power < 0;
}

} // namespace

std::optional<double> decimalNumber(std::string_view text) {
    // The reader below also takes "inf" and "nan", which are no numbers here.
    if (text.find_first_not_of("0123456789+-.eE") != std::string_view::npos)
        return std::nullopt;
    const char* first = text.data();
    const char* last = first + text.size();
    double value = 0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ptr != last || text.empty())
        return std::nullopt;
    if (result.ec == std::errc::result_out_of_range) {
        if (tooSmall(text))
            return 0.0;
        return text.front() == '-' ? -std::numeric_limits<double>::infinity()
                                   : std::numeric_limits<double>::infinity();
    }
    if (result.ec != std::errc())
        return std::nullopt;
    return value;
}

std::optional<double> parseNumber(const QString& text) {
    QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    const QByteArray bytes = t.toLatin1();
    std::string_view number(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (number.front() == '+')
        number.remove_prefix(1);
    return decimalNumber(number);
}

std::optional<double> SchemeValue::toNumber() const {
    switch (kind_) {
    case Kind::Empty:
        return std::nullopt;
    case Kind::Text:
        return parseNumber(text_);
    case Kind::Integer:
    case Kind::Single:
        return number_;
    }
    return std::nullopt;
}

float SchemeValue::toSingle() const {
    const std::optional<double> n = toNumber();
    if (!n)
        raiseError(Err::TypeMismatch);
    if (std::fabs(*n) > std::numeric_limits<float>::max())
        raiseError(Err::Overflow);
    return static_cast<float>(*n);
}

int SchemeValue::toInteger() const {
    const std::optional<double> n = toNumber();
    if (!n)
        raiseError(Err::TypeMismatch);
    const double rounded = std::nearbyint(*n);
    if (rounded > std::numeric_limits<int>::max() || rounded < std::numeric_limits<int>::min())
        raiseError(Err::Overflow);
    return static_cast<int>(rounded);
}

bool operator==(const SchemeValue& a, const SchemeValue& b) {
    if (a.isEmpty() || b.isEmpty())
        return a.isEmpty() && b.isEmpty();
    const std::optional<double> na = a.toNumber();
    const std::optional<double> nb = b.toNumber();
    if (na && nb)
        return *na == *nb;
    if (na || nb)
        return false;
    return a.text_ == b.text_;
}

bool holdsControlCharacter(QStringView text) {
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}
