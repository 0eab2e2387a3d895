#include "contrast/AuditFormat.h"

#include "contrast/ColorSpace.h"

#include <QLocale>

#include <cmath>

namespace {

QString sectionOf(Element element) {
    return QString::fromLatin1(themeElement(element).key);
}

// A check's value to two decimals. Rounded, except that a failing value is never
// shown at or above what it needs: 2.999 against 3 shows as 2.99, not 3.00.
double shownValue(const ContrastCheck& c) {
    const double rounded = std::round(c.ratio * 100) / 100;
    return !c.pass && rounded >= c.required ? std::floor(c.ratio * 100) / 100 : rounded;
}

QString twoDecimals(double value) {
    return QString::number(value, 'f', 2);
}

// The shortest JSON number for a value rounded to two decimals: 4.48, 4.5, 21.
QString jsonNumber(double value) {
    return QString::number(std::round(value * 100) / 100, 'g', QLocale::FloatingPointShortest);
}

QString jsonString(const QString& text) {
    // Only section names, colours and deficiency names get here: nothing to escape.
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString jsonCheck(const ContrastCheck& c) {
    QStringList fields{QStringLiteral("\"section\": ") + jsonString(sectionOf(c.element)),
                       QStringLiteral("\"foreground\": ") + jsonString(colorHex(c.foreground)),
                       QStringLiteral("\"background\": ") + jsonString(colorHex(c.background)),
                       QStringLiteral("\"ratio\": ") + jsonNumber(shownValue(c)),
                       QStringLiteral("\"required\": ") + jsonNumber(c.required),
                       QStringLiteral("\"pass\": ") +
                           (c.pass ? QStringLiteral("true") : QStringLiteral("false")),
                       QStringLiteral("\"advice\": ") +
                           (c.advice ? QStringLiteral("true") : QStringLiteral("false"))};
    if (c.kind != CheckKind::Text)
        fields << QStringLiteral("\"with\": ") + jsonString(sectionOf(c.other));
    if (c.overPicture)
        fields << QStringLiteral("\"lowest\": ") + jsonNumber(c.lowest);
    if (c.kind == CheckKind::ColourVision)
        fields << QStringLiteral("\"deficiency\": ") + jsonString(deficiencyName(c.deficiency))
               << QStringLiteral("\"measure\": \"distance\"");
    return QLatin1Char('{') + fields.join(QStringLiteral(", ")) + QLatin1Char('}');
}

} // namespace

QString shownRatio(const ContrastCheck& check) {
    return twoDecimals(shownValue(check));
}

QString ratioText(double ratio) {
    return twoDecimals(ratio);
}

QString colorHex(qint32 value) {
    return QStringLiteral("#%1%2%3")
        .arg(redOf(value), 2, 16, QLatin1Char('0'))
        .arg(greenOf(value), 2, 16, QLatin1Char('0'))
        .arg(blueOf(value), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString auditLine(const ContrastCheck& c) {
    QString line = sectionOf(c.element) + QLatin1Char(' ') + colorHex(c.foreground);
    if (c.kind == CheckKind::Text)
        line += QStringLiteral(" on ");
    else
        line += QStringLiteral(" vs ") + sectionOf(c.other) + QLatin1Char(' ');
    line += colorHex(c.background);
    if (c.kind == CheckKind::ColourVision)
        line += QLatin1Char(' ') + deficiencyName(c.deficiency) + QStringLiteral(" distance ");
    else
        line += QStringLiteral(" ratio ");
    line += twoDecimals(shownValue(c)) + QStringLiteral(" needs ") + twoDecimals(c.required) +
            (c.pass ? QStringLiteral(" PASS") : QStringLiteral(" FAIL"));
    if (c.overPicture)
        line += QStringLiteral(" lowest ") + twoDecimals(c.lowest);
    if (c.advice)
        line += QStringLiteral(" (advice)");
    return line;
}

QStringList auditText(const ContrastAudit& audit) {
    QStringList lines;
    for (const ContrastCheck& c : audit.checks)
        lines << auditLine(c);
    return lines;
}

QByteArray auditJson(const ContrastAudit& audit) {
    QStringList checks;
    for (const ContrastCheck& c : audit.checks)
        checks << QStringLiteral("  ") + jsonCheck(c);
    const QString text = QStringLiteral("{\"level\": ") +
                         jsonString(contrastLevelText(audit.level)) +
                         QStringLiteral(", \"checks\": [\n") + checks.join(QStringLiteral(",\n")) +
                         QStringLiteral("\n]}\n");
    return text.toUtf8();
}

int auditExitStatus(const ContrastAudit& audit) {
    return audit.passes() ? 0 : 3;
}
