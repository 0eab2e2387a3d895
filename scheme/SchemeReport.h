#pragma once

#include "scheme/FileInformation.h"

#include <QList>
#include <QString>

struct ColorScheme;
struct ContrastAudit;

// One line of the printed scheme report. The printer prints `text` of every line as
// a line of its own; the section end's text is CR LF, which leaves two empty lines.
struct ReportLine {
    enum class Kind { SectionTitle, Attribute, SectionEnd };
    Kind kind;
    QString text; // the title, "\tName: value", or CR LF for a section end
};

// The report of the scheme: for each section of the scheme file (the 31 of every
// scheme, then those of its variants' colours), in the same order, its title, its
// attribute lines and its section end; `info` fills FILE INFORMATION. Face names go through
// ProperCase; an error there goes to the handler and, after Ignore, leaves that "Font" line without
// a value.
QList<ReportLine> reportLines(const ColorScheme& scheme, const FileInformation& info);

// The report as plain text: each line ended by "\n", each section end as two empty
// lines.
QByteArray reportText(const QList<ReportLine>& lines);

// The contrast table that ends the printed report, as one more section: the title
// "CONTRAST AA" (or AAA; "CONTRAST AA (DARK)", "CONTRAST AAA (HIGH CONTRAST)" for an
// audit of a variant), a heading line, one line per text row (element, text colour,
// the colour behind it, ratio, what it needs, PASS or FAIL, and over a picture the
// worst pixel's ratio), then one "Advice:" line per piece of advice, and the section
// end. Lines after the title start with a tab, as attribute lines do; the columns are
// padded with spaces for the report's fixed-pitch font.
QList<ReportLine> contrastReportLines(const ContrastAudit& audit);
