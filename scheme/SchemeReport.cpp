#include "scheme/SchemeReport.h"

#include "contrast/AuditFormat.h"
#include "contrast/ContrastAudit.h"
#include "scheme/SchemeSections.h"

namespace {

// The table's columns: element, text, background, ratio, needs, result.
QString tableLine(const QString& element, const QString& text, const QString& background,
                  const QString& ratio, const QString& needs, const QString& result) {
    return QLatin1Char('\t') + element.leftJustified(12) + text.leftJustified(9) +
           background.leftJustified(10) + ratio.rightJustified(6) + needs.rightJustified(7) +
           QStringLiteral("  ") + result;
}

} // namespace

QList<ReportLine> reportLines(const ColorScheme& scheme, const FileInformation& info) {
    const QList<SchemeSection> sections = schemeSections(scheme, info) + variantSections(scheme);
    QList<ReportLine> lines;
    lines.reserve(sections.size() * 8);
    const QString sectionEnd = QStringLiteral("\r\n");
    for (const SchemeSection& section : sections) {
        lines.append({ReportLine::Kind::SectionTitle, section.title});
        for (const SchemeEntry& entry : section.entries)
            lines.append({ReportLine::Kind::Attribute,
                          QLatin1Char('\t') + entry.name + QLatin1String(": ") + entry.value});
        lines.append({ReportLine::Kind::SectionEnd, sectionEnd});
    }
    return lines;
}

QByteArray reportText(const QList<ReportLine>& lines) {
    QByteArray text;
    for (const ReportLine& line : lines) {
        if (line.kind == ReportLine::Kind::SectionEnd) {
            text += "\n\n";
            continue;
        }
        text += line.text.toUtf8();
        text += '\n';
    }
    return text;
}

QList<ReportLine> contrastReportLines(const ContrastAudit& audit) {
    QList<ReportLine> lines;
    QString title = QStringLiteral("CONTRAST ") + contrastLevelText(audit.level);
    if (audit.variant == Variant::Dark)
        title += QStringLiteral(" (DARK)");
    else if (audit.variant == Variant::Contrast)
        title += QStringLiteral(" (HIGH CONTRAST)");
    lines.append({ReportLine::Kind::SectionTitle, title});
    lines.append(
        {ReportLine::Kind::Attribute,
         tableLine(QStringLiteral("Element"), QStringLiteral("Text"), QStringLiteral("Background"),
                   QStringLiteral("Ratio"), QStringLiteral("Needs"), QStringLiteral("Result"))});
    for (const ContrastCheck& c : audit.checks) {
        if (c.kind != CheckKind::Text)
            continue;
        QString result = c.pass ? QStringLiteral("PASS") : QStringLiteral("FAIL");
        if (c.overPicture)
            result += QStringLiteral(" (picture, lowest ") + ratioText(c.lowest) + QLatin1Char(')');
        lines.append(
            {ReportLine::Kind::Attribute,
             tableLine(QLatin1String(themeElement(c.element).key.data(),
                                     static_cast<qsizetype>(themeElement(c.element).key.size())),
                       colorHex(c.foreground), colorHex(c.background), shownRatio(c),
                       ratioText(c.required), result)});
    }
    for (const ContrastCheck& c : audit.checks) {
        if (!c.advice)
            continue;
        QString line = auditLine(c);
        line.chop(static_cast<qsizetype>(QStringLiteral(" (advice)").size()));
        lines.append({ReportLine::Kind::Attribute, QStringLiteral("\tAdvice: ") + line});
    }
    lines.append({ReportLine::Kind::SectionEnd, QStringLiteral("\r\n")});
    return lines;
}
