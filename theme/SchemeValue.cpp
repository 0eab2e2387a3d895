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

std::optional<double> parseNumber(const QString& text) {
    QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    const QByteArray bytes = t.toLatin1();
    const char* first = bytes.constData();
    const char* last = first + bytes.size();
    if (*first == '+')
        ++first;
    double value = 0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range)
        return std::numeric_limits<double>::infinity();
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
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
