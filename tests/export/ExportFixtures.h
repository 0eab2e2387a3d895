#pragma once

#include "contrast/MakeVariant.h"
#include "support/TestSupport.h"
#include "support/ThemeFixtures.h"
#include "theme/ColorScheme.h"
#include "theme/ThemeElement.h"

#include <QDirIterator>
#include <QFile>
#include <QSet>

#include <limits>

// A scheme whose every value differs from anything an export writes, so a value an
// export or import fails to set shows as this one.
inline ColorScheme sentinelScheme() {
    ColorScheme s;
    s.fillFontSizeTable();
    for (size_t slot = 0; slot <= 18; ++slot)
        s.SchemeImages[slot] = QStringLiteral("/nowhere/sentinel.gif");
    for (size_t slot = 0; slot <= 12; ++slot) {
        s.SchemeColors[ColorAttr::Back][slot] = 4242;
        s.SchemeColors[ColorAttr::Fore][slot] = 2424;
        s.SchemeFonts[FontAttr::Face][slot] = SchemeValue::text(QStringLiteral("Sentinel"));
        s.SchemeFonts[FontAttr::Size][slot] = SchemeValue::integer(99);
        s.SchemeFonts[FontAttr::Style][slot] = SchemeValue::text(QStringLiteral("9"));
    }
    return s;
}

// `light` with both variants made and two colours locked, as the variants' maker
// leaves it.
inline ColorScheme withVariantsAndLocks(const ColorScheme& light) {
    ColorScheme s = light;
    s.setLocked(ColorAttr::Back, themeElement(Element::BANNER).colorSlot, true);
    s.setLocked(ColorAttr::Fore, themeElement(Element::HEADING2).colorSlot, true);
    return withVariantsMade(s, PlainBackdrops());
}

inline QString attributeLabel(const ThemeElement& e, Attribute a) {
    return QString::fromLatin1(e.key.data(), static_cast<qsizetype>(e.key.size())) +
           QLatin1Char(' ') +
           QString::fromLatin1(attributeName(a).data(),
                               static_cast<qsizetype>(attributeName(a).size()));
}

inline QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Every file and folder under `root`, relative to it, hidden ones included.
inline QSet<QString> entriesUnder(const QString& root) {
    QSet<QString> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.insert(QDir(root).relativeFilePath(it.next()));
    return entries;
}

// The run-time error numbers among the prompt's messages.
inline QList<int> errorNumbers(const ScriptedErrorPrompt& prompt) {
    QList<int> numbers;
    for (const QString& message : prompt.messages) {
        const qsizetype at = message.indexOf(QLatin1String("Err#"));
        numbers << message.mid(at + 4, message.indexOf(QLatin1Char(' '), at) - at - 4).toInt();
    }
    return numbers;
}

// Values a theme's sheets or a dialog never make, but a scheme file can hold.
inline ColorScheme hardScheme(const QString& pictureFolder) {
    ColorScheme s = unusualScheme(pictureFolder);
    const std::array<QString, 7> faces{QStringLiteral("Arial, Helvetica"),
                                       QStringLiteral("a;b}c"),
                                       QStringLiteral("Back\\slash /* not a comment */"),
                                       QStringLiteral("  leading and trailing  "),
                                       QStringLiteral("two\nlines"),
                                       QStringLiteral("\"unbalanced"),
                                       QStringLiteral("Double  blank")};
    const std::array<QString, 6> sizes{QStringLiteral("10pt"), QStringLiteral("-3"),
                                       QStringLiteral("1e2"),  QStringLiteral(" 9"),
                                       QStringLiteral("10,5"), QStringLiteral("inherit")};
    const std::array<QString, 5> styles{QStringLiteral("italic"), QStringLiteral(" 1"),
                                        QStringLiteral("2.0"), QStringLiteral("\"3\""),
                                        QStringLiteral("bold italic")};
    const std::array<qint32, 3> colors{-1, 16777216, std::numeric_limits<qint32>::min()};
    for (size_t slot = 0; slot <= 12; ++slot) {
        s.SchemeFonts[FontAttr::Face][slot] = SchemeValue::text(faces[slot % faces.size()]);
        s.SchemeFonts[FontAttr::Size][slot] = SchemeValue::text(sizes[slot % sizes.size()]);
        s.SchemeFonts[FontAttr::Style][slot] = SchemeValue::text(styles[slot % styles.size()]);
        if (slot % 2)
            s.SchemeColors[ColorAttr::Fore][slot] = colors[slot % colors.size()];
    }
    return s;
}
