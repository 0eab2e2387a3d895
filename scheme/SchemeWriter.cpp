#include "framework/FileAccess.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "scheme/SchemeSections.h"

#include <utility>

namespace {

// A value holding a line end, whatever put it there, would end its line early and
// could add attribute lines of its own: each line end is written as a blank.
QString onOneLine(QString value) {
    for (QChar& c : value)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return value;
}

} // namespace

QStringList schemeFileLines(const ColorScheme& scheme, const FileInformation& info) {
    QStringList lines;
    lines.reserve(SchemeFileLineCount);
    for (const SchemeSection& section : schemeSections(scheme, info) + variantSections(scheme)) {
        lines.append(section.title);
        lines.append(QStringLiteral("{"));
        for (const SchemeEntry& entry : section.entries)
            lines.append(QLatin1Char('\t') + entry.name + QLatin1String(": ") +
                         onOneLine(entry.value));
        lines.append(QStringLiteral("}"));
    }
    return lines;
}

QByteArray schemeFileBytes(const QStringList& lines) {
    QByteArray bytes;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    bytes.reserve(size);
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

bool writeSchemeFile(Procedure& proc, const ColorScheme& scheme, const FileInformation& info,
                     const QString& path) {
    // The values are taken once, so a Retry of a failed write does not ask again
    // about an empty face name.
    const QByteArray bytes = schemeFileBytes(schemeFileLines(scheme, info));
    // The file being written is the detail of any error writing it.
    const QVariant detail = std::exchange(proc.TaskDetail, path);
    const bool written = proc.step([&] { saveFileBytes(path, bytes); });
    proc.TaskDetail = detail;
    return written;
}
