#include "contrast/AuditFormat.h"

#include "contrast/ColorSpace.h"
#include "framework/JsonWriter.h"
#include "theme/VariantNames.h"

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

// A value rounded to two decimals, as JSON gives it: 4.48, 4.5, 21.
double jsonRatio(double value) {
    return std::round(value * 100) / 100;
}

// `named`, for audits of several variants, is the audit the check belongs to: its
// variant and level go with the check, as each variant may be judged at its own level.
void writeCheck(JsonWriter& json, const ContrastCheck& c, const ContrastAudit* named) {
    json.beginObject(JsonWriter::Layout::Inline);
    if (named) {
        json.field(u"variant", QString::fromLatin1(variantKey(named->variant)));
        json.field(u"level", contrastLevelText(named->level));
    }
    json.field(u"section", sectionOf(c.element));
    json.field(u"foreground", colorHex(c.foreground));
    json.field(u"background", colorHex(c.background));
    json.field(u"ratio", jsonRatio(shownValue(c)));
    json.field(u"required", jsonRatio(c.required));
    json.field(u"pass", c.pass);
    json.field(u"advice", c.advice);
    if (c.kind != CheckKind::Text)
        json.field(u"with", sectionOf(c.other));
    if (c.overPicture)
        json.field(u"lowest", jsonRatio(c.lowest));
    if (c.kind == CheckKind::ColourVision) {
        json.field(u"deficiency", deficiencyName(c.deficiency));
        json.field(u"measure", QStringLiteral("distance"));
    }
    json.endObject();
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

QStringList auditText(const ContrastAudit& audit, bool nameVariant) {
    const QString prefix =
        nameVariant ? QStringLiteral("[%1] ").arg(QLatin1String(variantKey(audit.variant)))
                    : QString();
    QStringList lines;
    for (const ContrastCheck& c : audit.checks)
        lines << prefix + auditLine(c);
    return lines;
}

namespace {

QByteArray auditsJson(const std::vector<ContrastAudit>& audits, bool nameVariant) {
    JsonWriter json;
    json.beginObject();
    json.field(u"format", JsonFormatVersion);
    json.field(u"level",
               contrastLevelText(audits.empty() ? ContrastLevel::AA : audits.front().level));
    json.key(u"checks");
    json.beginArray();
    for (const ContrastAudit& audit : audits)
        for (const ContrastCheck& c : audit.checks)
            writeCheck(json, c, nameVariant ? &audit : nullptr);
    json.endArray();
    json.endObject();
    return json.finish();
}

} // namespace

QByteArray auditJson(const ContrastAudit& audit) {
    return auditsJson({audit}, false);
}

QByteArray auditJson(const std::vector<ContrastAudit>& audits) {
    return auditsJson(audits, true);
}

int auditExitStatus(const ContrastAudit& audit) {
    return audit.passes() ? 0 : 3;
}

int auditExitStatus(const std::vector<ContrastAudit>& audits) {
    for (const ContrastAudit& audit : audits)
        if (!audit.passes())
            return 3;
    return 0;
}
