#include "scheme/SchemeReport.h"

#include "scheme/SchemeSections.h"

QList<ReportLine> reportLines(const ColorScheme& scheme, const FileInformation& info) {
    const QList<SchemeSection> sections = schemeSections(scheme, info);
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
