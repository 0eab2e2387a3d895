#include "theme/DrawnFont.h"

#include "framework/TextFile.h"
#include "theme/SchemeValue.h"

#include <limits>

QString drawnFamily(const QString& face) {
    QStringView family = trimBlanks(face);
    if (family.size() >= 2 &&
        (family.front() == QLatin1Char('\'') || family.front() == QLatin1Char('"')) &&
        family.back() == family.front())
        family = trimBlanks(family.sliced(1, family.size() - 2));
    return family.toString();
}

std::optional<float> drawnPointSize(const SchemeValue& size) {
    const std::optional<double> number = size.toNumber();
    if (!number || !(*number > 0.0) || *number > std::numeric_limits<float>::max())
        return std::nullopt;
    const auto points = static_cast<float>(*number);
    if (!(points > 0.0f && points <= LargestFontSize))
        return std::nullopt;
    return points;
}

std::optional<DrawnStyle> drawnStyle(const SchemeValue& code) {
    if (code.isEmpty())
        return DrawnStyle{};
    const std::optional<double> number = code.toNumber();
    if (!number || (*number != 0 && *number != 1 && *number != 2 && *number != 3))
        return std::nullopt;
    const int c = static_cast<int>(*number);
    return DrawnStyle{c == 2 || c == 3, c == 1 || c == 3};
}
