#include "export/CssImport.h"

#include "theme/DrawnFont.h"

#include "export/CssProperties.h"
#include "export/CssValues.h"
#include "framework/FileAccess.h"
#include "framework/FileLookup.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "framework/TextFile.h"
#include "theme/ColorScheme.h"
#include "theme/DrawnFont.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace {

// One declaration of a ":root" rule.
struct Declaration {
    QString name;
    QString value;
    int line;
    Variant variant = Variant::Light; // whose colours it sets
};

bool isQuote(QChar c) {
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

// The text with every comment turned into blanks (line ends kept, so line numbers stay
// right), strings left as they are.
QString withoutComments(const QString& text) {
    QString out = text;
    QChar quote;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out[i];
        if (!quote.isNull()) {
            if (c == QLatin1Char('\\'))
                ++i;
            else if (c == quote || c == QLatin1Char('\n'))
                quote = QChar();
        } else if (isQuote(c)) {
            quote = c;
        } else if (c == QLatin1Char('/') && i + 1 < out.size() && out[i + 1] == QLatin1Char('*')) {
            const qsizetype end = out.indexOf(QLatin1String("*/"), i + 2);
            const qsizetype stop = end < 0 ? out.size() : end + 2;
            for (qsizetype k = i; k < stop; ++k)
                if (out[k] != QLatin1Char('\n') && out[k] != QLatin1Char('\r'))
                    out[k] = QLatin1Char(' ');
            i = stop - 1;
        }
    }
    return out;
}

// Walks a text as CSS does at the level of blocks: strings and brackets are passed as
// wholes.
class Scanner {
public:
    explicit Scanner(const QString& text) : text_(text) {}

    // Position just after the string that starts at `i` (or the end of its line).
    qsizetype skipString(qsizetype i) const {
        const QChar quote = text_[i];
        for (++i; i < text_.size(); ++i) {
            if (text_[i] == QLatin1Char('\\'))
                ++i;
            else if (text_[i] == quote)
                return i + 1;
            else if (text_[i] == QLatin1Char('\n'))
                return i;
        }
        return text_.size();
    }

    // Position of the "}" that closes the block opened just before `i`; the end of the
    // text when it is never closed.
    qsizetype blockEnd(qsizetype i) const {
        int depth = 0;
        while (i < text_.size()) {
            const QChar c = text_[i];
            if (isQuote(c)) {
                i = skipString(i);
                continue;
            }
            if (c == QLatin1Char('{') || c == QLatin1Char('(') || c == QLatin1Char('['))
                ++depth;
            else if (c == QLatin1Char('}') && depth == 0)
                return i;
            else if (c == QLatin1Char('}') || c == QLatin1Char(')') || c == QLatin1Char(']'))
                depth = std::max(0, depth - 1);
            ++i;
        }
        return text_.size();
    }

    int lineAt(qsizetype position) {
        for (; counted_ < position && counted_ < text_.size(); ++counted_) {
            const QChar c = text_[counted_];
            if (c == QLatin1Char('\n') ||
                (c == QLatin1Char('\r') &&
                 !(counted_ + 1 < text_.size() && text_[counted_ + 1] == QLatin1Char('\n'))))
                ++line_;
        }
        return line_;
    }

    // The declarations of the block between `from` and `to`.
    QList<Declaration> declarations(qsizetype from, qsizetype to) {
        QList<Declaration> result;
        qsizetype start = from;
        int depth = 0;
        qsizetype i = from;
        while (i < to) {
            const QChar c = text_[i];
            if (isQuote(c)) {
                i = std::min(skipString(i), to);
                continue;
            }
            if (c == QLatin1Char('(') || c == QLatin1Char('[') || c == QLatin1Char('{')) {
                ++depth;
            } else if (c == QLatin1Char(')') || c == QLatin1Char(']') || c == QLatin1Char('}')) {
                depth = std::max(0, depth - 1);
            } else if (c == QLatin1Char(';') && depth == 0) {
                add(result, start, i);
                start = i + 1;
            }
            ++i;
        }
        add(result, start, to);
        return result;
    }

private:
    void add(QList<Declaration>& result, qsizetype from, qsizetype to) {
        const QStringView text = QStringView(text_).mid(from, to - from);
        const qsizetype colon = text.indexOf(QLatin1Char(':'));
        if (colon < 0)
            return;
        const QStringView name = cssvalue::trimCss(text.left(colon));
        if (name.isEmpty())
            return;
        QStringView value = cssvalue::trimCss(text.mid(colon + 1));
        // "!important" says how the value cascades; it is no part of the value.
        if (value.endsWith(QLatin1String("important"), Qt::CaseInsensitive)) {
            const QStringView before = cssvalue::trimCss(value.chopped(9));
            if (before.endsWith(QLatin1Char('!')))
                value = cssvalue::trimCss(before.chopped(1));
        }
        const qsizetype nameAt = from + (name.data() - text.data());
        result.append({name.toString(), value.toString(), lineAt(nameAt)});
    }

    const QString& text_;
    qsizetype counted_ = 0;
    int line_ = 1;
};

// A media condition with its blanks taken out and in lower case, so that
// "( prefers-contrast : more )" is the condition the export writes.
QString plainCondition(QStringView prelude) {
    QString text;
    for (const QChar c : prelude)
        if (!c.isSpace())
            text += c.toLower();
    return text;
}

// The variant whose colours an "@media" prelude asks for; none for any other.
std::optional<Variant> mediaVariant(QStringView prelude) {
    if (!prelude.startsWith(QLatin1String("@media"), Qt::CaseInsensitive))
        return std::nullopt;
    const QString condition = plainCondition(prelude.mid(6));
    for (const Variant variant : {Variant::Dark, Variant::Contrast})
        if (condition == plainCondition(QString::fromLatin1(cssVariantMedia(variant))))
            return variant;
    return std::nullopt;
}

// The declarations of every ":root" rule between `from` and `to`, in order, tagged
// with `variant`; at the top level (Light) also those of the ":root" rules inside the
// "@media" blocks of the variants.
void rootDeclarations(Scanner& scanner, const QString& text, qsizetype from, qsizetype to,
                      Variant variant, QList<Declaration>& result) {
    qsizetype preludeStart = from;
    qsizetype i = from;
    while (i < to) {
        const QChar c = text[i];
        if (isQuote(c)) {
            i = scanner.skipString(i);
            continue;
        }
        if (c == QLatin1Char('{')) {
            const qsizetype end = std::min(scanner.blockEnd(i + 1), to);
            const QStringView prelude =
                cssvalue::trimCss(QStringView(text).mid(preludeStart, i - preludeStart));
            if (prelude == QLatin1String(":root")) {
                for (Declaration& d : scanner.declarations(i + 1, end)) {
                    d.variant = variant;
                    result.append(std::move(d));
                }
            } else if (variant == Variant::Light) {
                if (const std::optional<Variant> media = mediaVariant(prelude))
                    rootDeclarations(scanner, text, i + 1, end, *media, result);
            }
            i = end + 1;
            preludeStart = i;
            continue;
        }
        if (c == QLatin1Char(';') || c == QLatin1Char('}'))
            preludeStart = i + 1;
        ++i;
    }
}

QList<Declaration> rootDeclarations(const QString& text) {
    Scanner scanner(text);
    QList<Declaration> result;
    rootDeclarations(scanner, text, 0, text.size(), Variant::Light, result);
    return result;
}

QString shortValue(const QString& value) {
    constexpr qsizetype Longest = 60;
    return value.size() <= Longest ? value : value.left(Longest) + QStringLiteral("...");
}

// A value escaped into a control character is refused like any value out of form: it
// could put a line of its own into the scheme file it is saved to.
void store(ColorScheme& scheme, const CssProperty& property, const QString& value,
           const QString& folder) {
    const ThemeElement& e = themeElement(property.element);
    switch (property.attribute) {
    case Attribute::Image: {
        const std::optional<QString> path = cssvalue::readPicture(value);
        if (!path || holdsControlCharacter(*path))
            raiseError(Err::InvalidPropertyValue);
        const QString file = folder + QLatin1Char('/') + *path;
        // A sub-folder that is a link may lead anywhere, to private files too; an export
        // would then copy them into a site.
        if (!path->isEmpty() && !liesWithin(file, folder))
            raiseError(Err::PathFileAccess);
        scheme.image(e.imageSlot) = path->isEmpty() ? QString() : QDir::toNativeSeparators(file);
        return;
    }
    case Attribute::Color:
    case Attribute::BackColor:
    case Attribute::ForeColor: {
        const std::optional<qint32> color = cssvalue::readColor(value);
        if (!color)
            raiseError(Err::InvalidPropertyValue);
        const int attr =
            property.attribute == Attribute::ForeColor ? ColorAttr::Fore : ColorAttr::Back;
        scheme.color(attr, e.colorSlot) = *color;
        return;
    }
    case Attribute::Font: {
        const std::optional<QString> face = cssvalue::readFace(value);
        if (!face || holdsControlCharacter(*face))
            raiseError(Err::InvalidPropertyValue);
        scheme.font(FontAttr::Face, e.fontSlot) = SchemeValue::text(*face);
        return;
    }
    case Attribute::FontSize: {
        const std::optional<SchemeValue> size = cssvalue::readSize(value);
        // A size the preview cannot draw would fail every redraw after it; it is
        // reported here, once, with its line, and the scheme keeps its own.
        if (!size || (!size->isEmpty() && !drawnPointSize(*size)) ||
            holdsControlCharacter(size->toText()))
            raiseError(Err::InvalidPropertyValue);
        scheme.font(FontAttr::Size, e.fontSlot) = *size;
        return;
    }
    case Attribute::FontStyle: {
        const std::optional<SchemeValue> style = cssvalue::readStyle(value);
        if (!style || holdsControlCharacter(style->toText()))
            raiseError(Err::InvalidPropertyValue);
        scheme.font(FontAttr::Style, e.fontSlot) = *style;
        return;
    }
    }
}

QString readSheet(const QString& path) {
    const QByteArray bytes = readFileBytes(path, MaxTextFileSize);
    QString text = decodeText(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

// The locks the sheet lists, by property names without "--tintora-"; every lock
// taken off first, since the list is the scheme's whole set.
void storeLocks(ColorScheme& scheme, const QString& value) {
    ColorScheme::LockTable locks{};
    for (const QString& word : value.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const CssProperty* property = cssPropertyNamed(QStringLiteral("--tintora-") + word);
        if (!property || !isColorProperty(*property))
            raiseError(Err::InvalidPropertyValue);
        const ColorPlace place = *colorPlace(themeElement(property->element), property->attribute);
        locks[static_cast<size_t>(place.attr)][static_cast<size_t>(place.slot)] = true;
    }
    scheme.LockedColors = locks;
}

} // namespace

int applyCssText(Procedure& proc, ColorScheme& scheme, const QString& text, const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    // CSS reads a NUL character as U+FFFD wherever it stands, as it does an escaped one.
    QString css = text;
    css.replace(QChar(0), QChar(0xFFFD));
    int found = 0;
    const QList<Declaration> declarations = rootDeclarations(withoutComments(css));
    const auto taskOf = [&](const Declaration& d) {
        return QStringLiteral("Import CSS: %1, line %2: %3: %4")
            .arg(path)
            .arg(d.line)
            .arg(d.name, shortValue(d.value));
    };
    for (const Declaration& d : declarations) {
        if (d.variant != Variant::Light)
            continue;
        if (d.name == QLatin1String(CssLockedProperty)) {
            ++found;
            proc.Task = taskOf(d);
            proc.step([&] { storeLocks(scheme, d.value); });
            continue;
        }
        const CssProperty* property = cssPropertyNamed(d.name);
        if (!property)
            continue;
        ++found;
        proc.Task = taskOf(d);
        proc.step([&] { store(scheme, *property, d.value, folder); });
    }
    // A variant starts from the Light colours just read, and takes only colours.
    for (const Variant variant : {Variant::Dark, Variant::Contrast}) {
        ColorScheme shown = scheme.shownAs(Variant::Light);
        bool any = false;
        for (const Declaration& d : declarations) {
            const CssProperty* property = cssPropertyNamed(d.name);
            if (d.variant != variant || !property || !isColorProperty(*property))
                continue;
            ++found;
            any = true;
            proc.Task = taskOf(d);
            proc.step([&] { store(shown, *property, d.value, folder); });
        }
        if (any)
            scheme.setColors(variant, shown.SchemeColors);
    }
    proc.Task = QStringLiteral("Import CSS: ") + path;
    return found;
}

std::optional<ColorScheme> importCss(Procedure& proc, const ColorScheme& current,
                                     const QString& path, int* found) {
    proc.Task = QStringLiteral("Import CSS: ") + path;
    QString text;
    if (!proc.step([&] { text = readSheet(path); }))
        return std::nullopt;
    ColorScheme next = current;
    const int declarations = applyCssText(proc, next, text, path);
    if (found)
        *found = declarations;
    return next;
}
