#include "ui/editor/ColorText.h"

#include "export/CssValues.h"

#include <QRegularExpression>

std::optional<qint32> colorFromText(const QString& text) {
    const QString value = text.trimmed();
    static const QRegularExpression number(QStringLiteral("^[-+]?[0-9]+$"));
    if (value.isEmpty() || number.match(value).hasMatch())
        return std::nullopt;
    return cssvalue::readColor(value);
}
