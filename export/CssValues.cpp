#include "export/CssValues.h"

#include "theme/StyleSheetRules.h"

#include <QRegularExpression>

#include <limits>

namespace cssvalue {

namespace {

bool isCssSpace(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r') || c == QLatin1Char('\f');
}

// C0, DEL and C1 alike: a terminal acts on each of them, and no import takes them.
bool isControl(QChar c) {
    return c.category() == QChar::Other_Control;
}

bool isHexDigit(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

// Words that mean something to CSS itself when they stand alone as a value.
bool isCssWideKeyword(QStringView word) {
    for (const char* keyword : {"initial", "inherit", "unset", "revert", "revert-layer", "default"})
        if (word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool isNameStart(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || c == QLatin1Char('_') ||
           c.unicode() >= 0x80;
}

bool isNameChar(QChar c) {
    return isNameStart(c) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           c == QLatin1Char('-');
}

QString hexEscape(char32_t codePoint) {
    return QLatin1Char('\\') + QString::number(static_cast<uint>(codePoint), 16) + QLatin1Char(' ');
}

// A face name that CSS reads back as the same text: one quoted name without inner
// quotes, or words separated by single blanks; nothing that ends a declaration or
// starts a comment, and no comma, since a list gives its first family.
bool faceStandsAsItIs(const QString& name) {
    if (name.isEmpty())
        return false;
    for (const QChar c : name)
        if (isControl(c) || c == QLatin1Char('\\') || c == QLatin1Char(';') ||
            c == QLatin1Char('{') || c == QLatin1Char('}') || c == QLatin1Char('!') ||
            c == QLatin1Char(',') || c == QLatin1Char('(') || c == QLatin1Char(')') ||
            c == QLatin1Char('[') || c == QLatin1Char(']'))
            return false;
    if (name.contains(QLatin1String("/*")) || name.contains(QLatin1String("*/")))
        return false;
    const QChar first = name.front();
    if (first == QLatin1Char('"') || first == QLatin1Char('\'')) {
        const QStringView inner = QStringView(name).mid(1, name.size() - 2);
        return name.size() >= 2 && name.back() == first && !inner.contains(QLatin1Char('"')) &&
               !inner.contains(QLatin1Char('\''));
    }
    if (name.contains(QLatin1Char('"')) || name.contains(QLatin1Char('\'')))
        return false;
    const QStringList words = name.split(QLatin1Char(' '));
    for (const QString& word : words)
        if (!isIdentifier(word))
            return false;
    return !(words.size() == 1 && isCssWideKeyword(name));
}

const QRegularExpression& plainNumber() {
    static const QRegularExpression re(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    return re;
}

const QRegularExpression& pointSize() {
    static const QRegularExpression re(QStringLiteral("^(-?[0-9]+(\\.[0-9]+)?)pt$"));
    return re;
}

QString lowerWords(QStringView text) {
    return text.toString().simplified().toLower();
}

std::optional<qint32> rgbFunction(QStringView text) {
    if (!text.startsWith(QLatin1String("rgb("), Qt::CaseInsensitive) ||
        !text.endsWith(QLatin1Char(')')))
        return std::nullopt;
    const QStringList parts = text.mid(4, text.size() - 5).toString().split(QLatin1Char(','));
    if (parts.size() != 3)
        return std::nullopt;
    int rgb[3] = {};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const double value = parts[i].trimmed().toDouble(&ok);
        if (!ok)
            return std::nullopt;
        rgb[i] = css::colorComponent(value);
    }
    return rgb[0] + 256 * rgb[1] + 65536 * rgb[2];
}

} // namespace

QStringView trimCss(QStringView text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isCssSpace(text[first]))
        ++first;
    while (last > first && isCssSpace(text[last - 1]))
        --last;
    return text.sliced(first, last - first);
}

bool isIdentifier(QStringView word) {
    if (word.isEmpty())
        return false;
    qsizetype i = 0;
    if (word.startsWith(QLatin1String("--"))) {
        i = 2;
    } else {
        if (word[0] == QLatin1Char('-'))
            ++i;
        if (i >= word.size() || !isNameStart(word[i]))
            return false;
        ++i;
    }
    for (; i < word.size(); ++i)
        if (!isNameChar(word[i]))
            return false;
    return true;
}

QString escapedString(const QString& text) {
    QString out = QStringLiteral("\"");
    bool first = true;
    for (char32_t c : text.toUcs4()) {
        // A control character, which no import takes back, goes out as a blank.
        if (QChar::category(c) == QChar::Other_Control)
            c = U' ';
        if (first) {
            out += hexEscape(c);
        } else if (c == U'"' || c == U'\\') {
            out += QLatin1Char('\\') + QString::fromUcs4(&c, 1);
        } else {
            out += QString::fromUcs4(&c, 1);
        }
        first = false;
    }
    return out + QLatin1Char('"');
}

std::optional<QString> stringContents(QStringView text) {
    if (text.size() < 2)
        return std::nullopt;
    const QChar quote = text[0];
    if (quote != QLatin1Char('"') && quote != QLatin1Char('\''))
        return std::nullopt;
    QString out;
    qsizetype i = 1;
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text[i];
        if (c == quote)
            return i == n - 1 ? std::optional<QString>(out) : std::nullopt;
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\f'))
            return std::nullopt;
        if (c != QLatin1Char('\\')) {
            out += c;
            ++i;
            continue;
        }
        if (++i >= n)
            return std::nullopt;
        const QChar d = text[i];
        if (d == QLatin1Char('\n') || d == QLatin1Char('\f')) {
            ++i; // an escaped line end continues the string
        } else if (d == QLatin1Char('\r')) {
            i += (i + 1 < n && text[i + 1] == QLatin1Char('\n')) ? 2 : 1;
        } else if (isHexDigit(d)) {
            qsizetype end = i;
            while (end < n && end - i < 6 && isHexDigit(text[end]))
                ++end;
            char32_t code = text.mid(i, end - i).toUInt(nullptr, 16);
            if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                code = 0xFFFD;
            out += QString::fromUcs4(&code, 1);
            i = end;
            if (i < n && text[i] == QLatin1Char('\r') && i + 1 < n &&
                text[i + 1] == QLatin1Char('\n'))
                i += 2;
            else if (i < n && isCssSpace(text[i]))
                ++i;
        } else {
            out += d;
            ++i;
        }
    }
    return std::nullopt;
}

QString color(qint32 value) {
    if (value < 0 || value > 0xFFFFFF)
        return QString::number(value);
    const int r = value & 0xFF;
    const int g = (value >> 8) & 0xFF;
    const int b = (value >> 16) & 0xFF;
    return QStringLiteral("#%1%2%3")
        .arg(r, 2, 16, QLatin1Char('0'))
        .arg(g, 2, 16, QLatin1Char('0'))
        .arg(b, 2, 16, QLatin1Char('0'));
}

std::optional<qint32> readColor(QStringView text) {
    const QStringView value = trimCss(text);
    static const QRegularExpression integer(QStringLiteral("^[-+]?[0-9]{1,10}$"));
    if (integer.match(value.toString()).hasMatch()) {
        const qint64 number = value.toLongLong();
        if (number < std::numeric_limits<qint32>::min() ||
            number > std::numeric_limits<qint32>::max())
            return std::nullopt;
        return static_cast<qint32>(number);
    }
    if (const std::optional<qint32> rgb = rgbFunction(value))
        return rgb;
    return css::colorWord(value);
}

QString genericFamily(const QString& face) {
    QString name = face.toLower();
    name.remove(QLatin1Char('"')).remove(QLatin1Char('\''));
    for (const char* mono : {"courier", "consolas", "lucida console", "monaco", "menlo", "mono"})
        if (name.contains(QLatin1String(mono)))
            return QStringLiteral("monospace");
    if (name.contains(QLatin1String("sans")))
        return QStringLiteral("sans-serif");
    for (const char* serif : {"georgia", "times", "garamond", "palatino", "book antiqua", "cambria",
                              "constantia", "baskerville", "bookman", "century", "didot", "serif"})
        if (name.contains(QLatin1String(serif)))
            return QStringLiteral("serif");
    return QStringLiteral("sans-serif");
}

QString commentText(const QString& text) {
    QString out;
    for (const QChar c : text)
        out += isControl(c) ? QLatin1Char(' ') : c;
    return out.replace(QLatin1String("*/"), QLatin1String("* /"));
}

QString face(const QString& name) {
    if (name.isEmpty())
        return {};
    return faceStandsAsItIs(name) ? name : escapedString(name);
}

std::optional<QString> readFace(QStringView text) {
    const QStringView value = trimCss(text);
    if (value.isEmpty())
        return QString();
    if (value.contains(QLatin1Char('\\')))
        return stringContents(value);
    // The first family of a list, the commas inside quotes not counting.
    QChar quote;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char(',')) {
            const QStringView first = trimCss(value.left(i));
            return first.isEmpty() ? std::nullopt : std::optional<QString>(first.toString());
        }
    }
    return value.toString();
}

bool isPointSize(const QString& sizeText) {
    return plainNumber().match(sizeText).hasMatch();
}

QString size(const SchemeValue& value) {
    const QString text = value.toText();
    if (text.isEmpty())
        return {};
    if (isPointSize(text))
        return text + QStringLiteral("pt");
    if (isIdentifier(text) && !isCssWideKeyword(text))
        return text;
    return escapedString(text);
}

namespace {
bool isQuoted(QStringView value) {
    return value.startsWith(QLatin1Char('"')) || value.startsWith(QLatin1Char('\''));
}

// A quoted value as the scheme's text; none when the string is not closed properly.
std::optional<SchemeValue> quotedText(QStringView value) {
    const std::optional<QString> contents = stringContents(value);
    if (!contents)
        return std::nullopt;
    return SchemeValue::text(*contents);
}
} // namespace

std::optional<SchemeValue> readSize(QStringView text) {
    const QStringView value = trimCss(text);
    if (value.isEmpty())
        return SchemeValue();
    if (isQuoted(value))
        return quotedText(value);
    const QRegularExpressionMatch points = pointSize().match(value.toString());
    if (points.hasMatch())
        return SchemeValue::text(points.captured(1));
    if (isIdentifier(value) && !isCssWideKeyword(value))
        return SchemeValue::text(value.toString());
    return std::nullopt;
}

namespace {
constexpr std::array<const char*, 4> StyleWords{"normal", "italic", "bold", "italic bold"};
} // namespace

bool isStyleCode(const QString& styleText) {
    return styleText == QLatin1String("0") || styleText == QLatin1String("1") ||
           styleText == QLatin1String("2") || styleText == QLatin1String("3");
}

QString style(const SchemeValue& value) {
    const QString text = value.toText();
    if (text.isEmpty())
        return {};
    if (isStyleCode(text))
        return QString::fromLatin1(StyleWords[static_cast<size_t>(text.toInt())]);
    return escapedString(text);
}

std::optional<SchemeValue> readStyle(QStringView text) {
    const QStringView value = trimCss(text);
    if (value.isEmpty())
        return SchemeValue();
    if (isQuoted(value))
        return quotedText(value);
    const QString words = lowerWords(value);
    if (words == QLatin1String("bold italic"))
        return SchemeValue::integer(3);
    for (size_t code = 0; code < StyleWords.size(); ++code)
        if (words == QLatin1String(StyleWords[code]))
            return SchemeValue::integer(static_cast<int>(code));
    return std::nullopt;
}

QString picture(const QString& fileName) {
    if (fileName.isEmpty())
        return QStringLiteral("none");
    QString escaped;
    for (const QChar c : fileName) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return QStringLiteral("url(\"") + escaped + QStringLiteral("\")");
}

std::optional<QString> readPicture(QStringView text) {
    const QStringView value = trimCss(text);
    if (value.isEmpty() || value.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0)
        return QString();
    if (!value.startsWith(QLatin1String("url("), Qt::CaseInsensitive) ||
        !value.endsWith(QLatin1Char(')')))
        return std::nullopt;
    const QStringView inner = trimCss(value.mid(4, value.size() - 5));
    QString path;
    if (isQuoted(inner)) {
        const std::optional<QString> contents = stringContents(inner);
        if (!contents)
            return std::nullopt;
        path = *contents;
    } else {
        path = inner.toString();
    }
    // Only a picture in the style sheet's folder or below it.
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')) || path.contains(QLatin1Char(':')) ||
        path.contains(QLatin1Char('\\')))
        return std::nullopt;
    for (const QChar c : path)
        if (isControl(c))
            return std::nullopt;
    for (const QString& part : path.split(QLatin1Char('/')))
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return std::nullopt;
    return path;
}

} // namespace cssvalue
