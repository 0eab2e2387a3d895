#include "framework/JsonWriter.h"

#include <QLocale>

#include <cmath>

QByteArray jsonString(QStringView text) {
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
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

void JsonWriter::newLine() {
    out_ += '\n';
    out_ += QByteArray(2 * levels_.size(), ' ');
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levels_.isEmpty())
        return;
    Level& level = levels_.last();
    if (!level.empty)
        out_ += ',';
    if (level.layout == Layout::Lines)
        newLine();
    else if (!level.empty)
        out_ += ' ';
    level.empty = false;
}

void JsonWriter::open(char bracket, Layout layout) {
    beforeValue();
    out_ += bracket;
    // Inside a one-line container everything stays on that line.
    const bool inlineParent = !levels_.isEmpty() && levels_.last().layout == Layout::Inline;
    levels_.append({inlineParent ? Layout::Inline : layout});
}

void JsonWriter::close(char bracket) {
    const Level level = levels_.takeLast();
    if (level.layout == Layout::Lines && !level.empty)
        newLine();
    out_ += bracket;
}

void JsonWriter::beginObject(Layout layout) {
    open('{', layout);
}

void JsonWriter::endObject() {
    close('}');
}

void JsonWriter::beginArray(Layout layout) {
    open('[', layout);
}

void JsonWriter::endArray() {
    close(']');
}

void JsonWriter::key(QStringView name) {
    beforeValue();
    out_ += jsonString(name) + ": ";
    afterKey_ = true;
}

void JsonWriter::value(const QString& text) {
    beforeValue();
    out_ += jsonString(text);
}

void JsonWriter::value(qint64 number) {
    beforeValue();
    out_ += QByteArray::number(number);
}

void JsonWriter::value(double number) {
    beforeValue();
    out_ += std::isfinite(number)
                ? QString::number(number, 'g', QLocale::FloatingPointShortest).toLatin1()
                : QByteArray("null");
}

void JsonWriter::value(bool flag) {
    beforeValue();
    out_ += flag ? "true" : "false";
}
