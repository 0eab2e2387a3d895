#include "theme/StyleSheetRules.h"

#include "framework/RuntimeError.h"
#include "framework/TextFile.h"
#include "theme/ColorScheme.h"

#include <algorithm>
#include <cmath>

namespace css {

qsizetype inStr(qsizetype start, QStringView text, QStringView what) {
    if (start < 1)
        raiseError(Err::InvalidCall);
    if (start > text.size())
        return 0;
    const qsizetype found = text.indexOf(what, start - 1);
    return found < 0 ? 0 : found + 1;
}

QStringView midText(QStringView text, qsizetype start, qsizetype length) {
    if (start < 1 || length < 0)
        raiseError(Err::InvalidCall);
    if (start > text.size())
        return {};
    return text.mid(start - 1, std::min(length, text.size() - (start - 1)));
}

QStringView declaredProperty(QStringView line, QStringView trimmed, qsizetype& colon) {
    colon = inStr(1, line, u":");
    if (colon == 0)
        return {};
    const QStringView name = trimmed.left(colon - 1);
    if (name.size() < 2 || name.front() != QLatin1Char('\t'))
        return {};
    return name.sliced(1);
}

qsizetype valueStart(QStringView line, qsizetype colon) {
    if (colon < 1)
        raiseError(Err::InvalidCall);
    qsizetype start = colon + 1;
    while (start <= line.size() &&
           (line[start - 1] == QLatin1Char(' ') || line[start - 1] == QLatin1Char('\t')))
        ++start;
    return start;
}

QString fontFamilyValue(QStringView line, qsizetype colon) {
    const qsizetype semi = inStr(colon, line, u";");
    const qsizetype comma = inStr(colon, line, u",");
    const qsizetype start = valueStart(line, colon);
    const qsizetype end = (comma > colon && comma < semi) ? comma : semi;
    return midText(line, start, end - start).toString();
}

SchemeValue fontSizeValue(QStringView line, qsizetype colon, const ColorScheme& scheme) {
    const qsizetype semi = inStr(colon, line, u";");
    const qsizetype start = valueStart(line, colon);
    const QStringView value = midText(line, start, semi - start);
    if (value.endsWith(u"pt"))
        return SchemeValue::text(value.chopped(2).toString());
    const int sizeNumber = SchemeValue::text(value.toString()).toInteger();
    return SchemeValue::integer(scheme.fontSizeFor(sizeNumber));
}

QString imageName(QStringView line) {
    const qsizetype open = inStr(1, line, u"(");
    const qsizetype close = inStr(1, line, u")");
    return midText(line, open + 1, close - open - 1).toString();
}

int colorComponent(double value) {
    // Components beyond 0..255 count as the nearest end, as CSS clamps them; a
    // negative component would otherwise borrow from the next colour.
    const double rounded = std::nearbyint(value);
    if (!(rounded > 0))
        return 0;
    return rounded > 255 ? 255 : static_cast<int>(rounded);
}

namespace {
int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}
} // namespace

std::optional<qint32> colorValue(QStringView line) {
    if (!line.contains(u"rgb")) {
        const qsizetype colon = inStr(1, line, u":");
        const qsizetype semi = inStr(1, line, u";");
        const qsizetype start = valueStart(line, colon);
        return colorWord(trimBlanks(midText(line, start, semi - start)));
    }
    const qsizetype open = inStr(1, line, u"(");
    const qsizetype close = inStr(1, line, u")");
    const qsizetype comma1 = inStr(1, line, u",");
    const qsizetype comma2 = inStr(comma1 + 1, line, u",");
    const int red = colorComponent(leadingNumber(midText(line, open + 1, comma1 - open - 1)));
    const int green = colorComponent(leadingNumber(midText(line, comma1 + 1, comma2 - comma1 - 1)));
    const int blue = colorComponent(leadingNumber(midText(line, comma2 + 1, close - comma2)));
    return rgbValue(red, green, blue);
}

std::optional<qint32> colorWord(QStringView word) {
    if (word.startsWith(QLatin1Char('#'))) {
        const QStringView digits = word.sliced(1);
        if (digits.size() != 3 && digits.size() != 6)
            return std::nullopt;
        int values[6] = {};
        for (qsizetype i = 0; i < digits.size(); ++i) {
            values[i] = hexDigit(digits[i]);
            if (values[i] < 0)
                return std::nullopt;
        }
        if (digits.size() == 3)
            return rgbValue(values[0] * 17, values[1] * 17, values[2] * 17);
        return rgbValue(values[0] * 16 + values[1], values[2] * 16 + values[3],
                        values[4] * 16 + values[5]);
    }
    return namedColor(word);
}

double leadingNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    // Copies the longest prefix that can form a number: sign, digits, a decimal point,
    // digits, and an exponent only when digits follow it.
    std::string number;
    const auto isDigit = [&](qsizetype k) {
        return k < n && text[k] >= QLatin1Char('0') && text[k] <= QLatin1Char('9');
    };
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        if (text[i] == QLatin1Char('-'))
            number += '-';
        ++i;
    }
    bool anyDigit = false;
    while (isDigit(i)) {
        number += static_cast<char>(text[i++].unicode());
        anyDigit = true;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        number += '.';
        ++i;
        while (isDigit(i)) {
            number += static_cast<char>(text[i++].unicode());
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype k = i + 1;
        std::string exponent = "e";
        if (k < n && (text[k] == QLatin1Char('-') || text[k] == QLatin1Char('+')))
            exponent += static_cast<char>(text[k++].unicode());
        if (isDigit(k)) {
            while (isDigit(k))
                exponent += static_cast<char>(text[k++].unicode());
            number += exponent;
        }
    }
    // Too small rounds to nothing; too large stands for the largest value.
    return decimalNumber(number).value_or(0);
}

} // namespace css
