#include "theme/ChooseTheme.h"

#include "theme/ColorScheme.h"

QString themeFolderFor(const QString& caption) {
    return caption == QLatin1String("Default") ? QStringLiteral("Studio") : caption;
}

void chooseTheme(ColorScheme& scheme, const QString& caption) {
    // Runs inside the caller's routine (the Themes menu handler or the command line);
    // each reader traces and traps under its own name.
    Q_UNUSED(caption);
    for (int slot = 0; slot <= 11; ++slot)
        scheme.SchemeFonts[FontAttr::Style][static_cast<size_t>(slot)] = SchemeValue::integer(0);
}
