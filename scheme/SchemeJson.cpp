#include "scheme/SchemeJson.h"

#include "contrast/AuditFormat.h"
#include "framework/JsonWriter.h"

#include <cmath>

namespace {

bool isColorAttribute(const QString& name) {
    return name == QLatin1String("Color") || name == QLatin1String("BackColor") ||
           name == QLatin1String("ForeColor");
}

bool isNumberAttribute(const QString& name) {
    return name == QLatin1String("FontSize") || name == QLatin1String("FontStyle");
}

void writeColor(JsonWriter& json, const QString& value) {
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    if (ok && number >= 0 && number <= 0xFFFFFF)
        json.value(colorHex(static_cast<qint32>(number)));
    else if (ok)
        json.value(number);
    else
        json.value(value);
}

void writeNumber(JsonWriter& json, const QString& value) {
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (ok && std::isfinite(number))
        json.value(number);
    else
        json.value(value);
}

} // namespace

QByteArray schemeJson(const QList<SchemeSection>& sections) {
    JsonWriter json;
    json.beginObject();
    json.field(u"format", JsonFormatVersion);
    for (const SchemeSection& section : sections) {
        json.key(section.title);
        json.beginObject();
        for (const SchemeEntry& entry : section.entries) {
            json.key(entry.name);
            if (isColorAttribute(entry.name))
                writeColor(json, entry.value);
            else if (isNumberAttribute(entry.name))
                writeNumber(json, entry.value);
            else
                json.value(entry.value);
        }
        json.endObject();
    }
    json.endObject();
    return json.finish();
}
