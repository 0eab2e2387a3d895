#include "theme/ChooseTheme.h"

#include "theme/ColorScheme.h"
#include "theme/ThemeReaders.h"

#include <QFileInfo>

QString themeFolderFor(const QString& caption) {
    return caption == QLatin1String("Default") ? QStringLiteral("Studio") : caption;
}

bool isThemeName(const QString& name) {
    return !holdsControlCharacter(name);
}

QString visibleName(const QString& name) {
    QString shown;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (c.category() != QChar::Other_Control)
            shown += c;
        else if (u < 0x20)
            shown += QChar(0x2400 + u); // the Control Pictures sign of that character
        else if (u == 0x7F)
            shown += QChar(0x2421);
        else
            shown += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
    }
    return shown;
}

bool isThemesMenuCaption(const QString& themesDir, const QString& caption) {
    if (caption == QLatin1String("Default"))
        return true;
    const bool plainName = !caption.isEmpty() && !caption.contains(QLatin1Char('/')) &&
                           caption != QLatin1String(".") && caption != QLatin1String("..") &&
                           isThemeName(caption);
    return plainName && QFileInfo(themesDir + QLatin1Char('/') + caption).isDir();
}

void chooseTheme(ColorScheme& scheme, const QString& themesDir, const QString& caption) {
    // Runs inside the caller's routine (the Themes menu handler or the command line);
    // each reader traces and traps under its own name. The styles go back to regular
    // first because no style sheet declares one; GLOBALBUTTONS (slot 12) keeps its own.
    for (int slot = 0; slot <= 11; ++slot)
        scheme.SchemeFonts[FontAttr::Style][static_cast<size_t>(slot)] = SchemeValue::integer(0);
    // Later readers win where two set the same value.
    LoadColors(scheme, themesDir, caption);
    LoadGraph0(scheme, themesDir, caption);
    LoadGraph1(scheme, themesDir, caption);
    LoadTheme(scheme, themesDir, caption);
}
