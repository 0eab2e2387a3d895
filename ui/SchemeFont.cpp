#include "ui/SchemeFont.h"

#include "framework/TextFile.h"
#include "theme/SchemeValue.h"

#include <QFont>

namespace SchemeFont {

QString drawnFamily(const QString& face) {
    QStringView family = trimBlanks(face);
    if (family.size() >= 2 &&
        (family.front() == QLatin1Char('\'') || family.front() == QLatin1Char('"')) &&
        family.back() == family.front())
        family = trimBlanks(family.sliced(1, family.size() - 2));
    return family.toString();
}

void applyFace(QFont& font, const SchemeValue& face) {
    const QString family = drawnFamily(face.toText());
    if (!family.isEmpty())
        font.setFamily(family);
}

void applyStyle(QFont& font, const SchemeValue& style) {
    double code = 0;
    if (!style.isEmpty()) {
        const std::optional<double> number = style.toNumber();
        if (!number)
            return;
        code = *number;
    }
    if (code != 0 && code != 1 && code != 2 && code != 3)
        return;
    font.setBold(code == 2 || code == 3);
    font.setItalic(code == 1 || code == 3);
}

} // namespace SchemeFont
