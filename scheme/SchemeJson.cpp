#include "scheme/SchemeJson.h"

namespace {

bool isColorAttribute(const QString& name) {
    return name == QLatin1String("Color") || name == QLatin1String("BackColor") ||
           name == QLatin1String("ForeColor");
}

// A colour as a JSON number when it is one, which every colour the scheme holds is.
QByteArray colorJson(const QString& value) {
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    return ok ? QByteArray::number(number) : jsonString(value);
}

} // namespace

QByteArray jsonString(const QString& text) {
    QByteArray out = "\"";
    const QByteArray bytes = text.toUtf8();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20)
                out += "\\u00" + QByteArray::number(byte, 16).rightJustified(2, '0');
            else
                out += c;
        }
    }
    return out + '"';
}

QByteArray schemeJson(const QList<SchemeSection>& sections) {
    QByteArray out = "{\n";
    for (qsizetype s = 0; s < sections.size(); ++s) {
        const SchemeSection& section = sections[s];
        out += "  " + jsonString(section.title) + ": {";
        for (qsizetype e = 0; e < section.entries.size(); ++e) {
            const SchemeEntry& entry = section.entries[e];
            out += e == 0 ? "\n    " : ",\n    ";
            out += jsonString(entry.name) + ": ";
            out += isColorAttribute(entry.name) ? colorJson(entry.value) : jsonString(entry.value);
        }
        out += section.entries.isEmpty() ? "}" : "\n  }";
        out += s + 1 < sections.size() ? ",\n" : "\n";
    }
    return out + "}\n";
}
