#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "framework/TextFile.h"
#include "scheme/SchemeFile.h"
#include "scheme/SchemeSections.h"
#include "theme/ColorScheme.h"
#include "theme/SchemeValue.h"
#include "theme/ThemeElement.h"

#include <QCoreApplication>

namespace {

// An attribute line split at its first colon: the key before it (without the
// colon) and the value after it, trimmed of blanks. No colon gives an empty key.
struct AttributeLine {
    QStringView key;
    QStringView value;
};

AttributeLine splitAttributeLine(QStringView line) {
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return {};
    return {line.left(colon), trimBlanks(line.mid(colon + 1))};
}

// The section the last header line opened. A header with blanks around its name
// opens a section that matches nothing, so both stay unset for it.
struct ReaderState {
    const ThemeElement* element = nullptr;
    Variant variant = Variant::Light; // whose colours the element's lines set
    bool fileInformation = false;
    int sections = 0;  // sections opened so far, kept across "}" lines
    QString themeName; // FILE INFORMATION's Theme line
};

// The longest section name, FILE INFORMATION; longer lines are never headers.
constexpr qsizetype LongestSectionName = 16;

const ThemeElement* elementNamed(QStringView name) {
    if (name.isEmpty() || name.size() > LongestSectionName)
        return nullptr;
    // Element keys are upper-case ASCII letters and digits.
    char key[LongestSectionName];
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (!((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')))
            return nullptr;
        key[i] = static_cast<char>(c);
    }
    return elementForKey(std::string_view(key, static_cast<size_t>(name.size())));
}

// The attribute of `element` named `name`, if any.
bool attributeNamed(const ThemeElement& element, QStringView name, Attribute& found) {
    for (int i = 0; i < element.attributeCount; ++i) {
        const Attribute attribute = element.attributes[static_cast<size_t>(i)];
        const std::string_view n = attributeName(attribute);
        if (name == QLatin1StringView(n.data(), static_cast<qsizetype>(n.size()))) {
            found = attribute;
            return true;
        }
    }
    return false;
}

// The attribute of `element` whose key is a tab followed by its name, if any.
bool attributeForKey(const ThemeElement& element, QStringView key, Attribute& found) {
    if (key.size() < 2 || key[0] != QLatin1Char('\t'))
        return false;
    return attributeNamed(element, key.mid(1), found);
}

// A colour value from the file: a number rounded half to even to a 32-bit integer;
// 13 for a value that is no number, 6 for one out of range.
qint32 colorFromText(QStringView value) {
    // Plain decimal integers, as the writer writes them, need no general parsing.
    qsizetype i = value.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype digits = value.size() - i;
    if (digits > 0 && digits <= 9) {
        qint32 number = 0;
        for (; i < value.size() && value[i].unicode() >= u'0' && value[i].unicode() <= u'9'; ++i)
            number = number * 10 + (value[i].unicode() - u'0');
        if (i == value.size())
            return value.startsWith(QLatin1Char('-')) ? -number : number;
    }
    return SchemeValue::text(value.toString()).toInteger();
}

// The element of a variant's section header ("DARK BODY"), written exactly; nullptr
// for any other line.
const ThemeElement* variantHeader(QStringView line, Variant& variant) {
    for (const Variant v : {Variant::Dark, Variant::Contrast}) {
        const QLatin1StringView prefix(variantSectionPrefix(v));
        if (line.startsWith(prefix)) {
            const ThemeElement* element = elementNamed(line.mid(prefix.size()));
            if (element && element->colorSlot != NoSlot) {
                variant = v;
                return element;
            }
        }
    }
    return nullptr;
}

// A variant's colour line: the colour goes to that variant.
void storeVariantColor(ColorScheme& scheme, Variant variant, const ThemeElement& element,
                       Attribute attribute, QStringView value) {
    const std::optional<ColorPlace> place = colorPlace(element, attribute);
    if (!place)
        return;
    ColorScheme::ColorTable colors = scheme.colorsOf(variant);
    colors[static_cast<size_t>(place->attr)][static_cast<size_t>(place->slot)] =
        colorFromText(value);
    scheme.setColors(variant, colors);
}

// The Locked line of an element: each name of one of its colour attributes locks that
// colour; other words are skipped, as unknown keys are.
void storeLocks(ColorScheme& scheme, const ThemeElement& element, QStringView value) {
    for (const QStringView word : value.tokenize(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Attribute attribute{};
        if (!attributeNamed(element, word, attribute))
            continue;
        if (const std::optional<ColorPlace> place = colorPlace(element, attribute))
            scheme.setLocked(place->attr, place->slot, true);
    }
}

void storeAttribute(ColorScheme& scheme, const ThemeElement& element, Attribute attribute,
                    QStringView value) {
    switch (attribute) {
    case Attribute::Image:
        scheme.image(element.imageSlot) = value.toString();
        break;
    case Attribute::Color:
    case Attribute::BackColor:
        scheme.color(ColorAttr::Back, element.colorSlot) = colorFromText(value);
        break;
    case Attribute::ForeColor:
        scheme.color(ColorAttr::Fore, element.colorSlot) = colorFromText(value);
        break;
    case Attribute::Font:
        scheme.font(FontAttr::Face, element.fontSlot) = SchemeValue::text(value.toString());
        break;
    case Attribute::FontSize:
        scheme.font(FontAttr::Size, element.fontSlot) = SchemeValue::text(value.toString());
        break;
    case Attribute::FontStyle:
        scheme.font(FontAttr::Style, element.fontSlot) = SchemeValue::text(value.toString());
        break;
    }
}

void applyLine(ReaderState& state, ColorScheme& scheme, const QString& line) {
    const QStringView trimmed = trimBlanks(line);
    if (trimmed == QLatin1String("{"))
        return;
    if (trimmed == QLatin1String("}")) {
        state.element = nullptr;
        state.fileInformation = false;
        return;
    }
    Variant variant = Variant::Light;
    const ThemeElement* headerElement = elementNamed(trimmed);
    if (!headerElement && line.size() == trimmed.size())
        headerElement = variantHeader(line, variant);
    if (headerElement || trimmed == QLatin1String(FileInformationTitle)) {
        // Only a header written exactly opens a section whose lines count.
        state.fileInformation = line == QLatin1String(FileInformationTitle);
        state.element = line.size() == trimmed.size() ? headerElement : nullptr;
        state.variant = variant;
        if (state.fileInformation || state.element) {
            // The file's scheme has the variants and locks the file holds, none
            // left over from what was shown before.
            if (state.sections == 0) {
                scheme.DarkColors.reset();
                scheme.ContrastColors.reset();
                scheme.LockedColors = {};
            }
            ++state.sections;
        }
        // A variant's first section copies the Light colours read before it, so that a
        // colour its sections leave out is Light's.
        if (state.element && !scheme.hasVariant(variant))
            scheme.setColors(variant, scheme.SchemeColors);
        return;
    }
    if (state.element) {
        const AttributeLine split = splitAttributeLine(line);
        const QStringView key = trimBlanks(split.key);
        Attribute attribute{};
        if (state.variant == Variant::Light && key.startsWith(QLatin1Char('\t')) &&
            key.mid(1) == QLatin1String(LockedKey))
            storeLocks(scheme, *state.element, split.value);
        else if (!attributeForKey(*state.element, key, attribute))
            return;
        else if (state.variant == Variant::Light)
            storeAttribute(scheme, *state.element, attribute, split.value);
        else
            storeVariantColor(scheme, state.variant, *state.element, attribute, split.value);
    } else if (state.fileInformation) {
        const AttributeLine split = splitAttributeLine(line);
        if (split.key == QLatin1String("\tTheme"))
            state.themeName = split.value.toString();
        if (split.key == QLatin1String("\tApplication Name") &&
            split.value != QLatin1String(ApplicationName))
            raiseError(ForeignFileError,
                       QCoreApplication::translate("RuntimeError", ForeignFileDescription),
                       QString::fromLatin1(ForeignFileSource));
    }
}

} // namespace

QString notASchemeFileMessage(const QString& name) {
    return QCoreApplication::translate(
               "SchemeFile", "%1 is not a Tintora scheme file: no section was recognised.")
        .arg(name);
}

SchemeFileRead readSchemeFile(Procedure& proc, ColorScheme& scheme, const QString& path,
                              const QString& shownName) {
    proc.Task = QStringLiteral("Open file: ") + (shownName.isEmpty() ? path : shownName);
    // Version control on Linux may turn the CR LF that Save writes into LF alone.
    TextLineReader reader(TextLineReader::BareLf::EndsLine);
    ReaderState state;
    // A file that cannot be opened has nothing to read; after Ignore the command
    // ends here rather than reading from a file that is not open.
    if (!proc.step([&] { reader.open(path); }))
        return {};
    for (;;) {
        bool atEnd = false;
        QString line;
        // A read error that is ignored ends the reading: the rest of the file is
        // out of reach.
        if (!proc.step([&] {
                atEnd = reader.atEnd();
                if (!atEnd)
                    line = reader.readLine();
            }))
            return {false, state.sections, state.themeName};
        if (atEnd)
            break;
        // Retry runs the line again (a foreign file's check shows the same message);
        // Ignore goes on with the next line as if this one had matched.
        proc.step([&] { applyLine(state, scheme, line); });
    }
    reader.close();
    return {true, state.sections, state.themeName};
}
