#include "ThemeFixtures.h"
#include "framework/BuildPaths.h"

#include "framework/DataFolder.h"
#include "theme/ChooseTheme.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

// A small deterministic sequence, so that generated themes differ from each other.
quint32 mix(quint32 x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

QString variedSheet(const QString& sheet, int number) {
    static const QStringList faces{QStringLiteral("Verdana"),     QStringLiteral("Georgia"),
                                   QStringLiteral("Arial"),       QStringLiteral("Times New Roman"),
                                   QStringLiteral("Courier New"), QStringLiteral("Tahoma")};
    static const QRegularExpression rgb(QStringLiteral("rgb\\([^)]*\\)"));
    static const QRegularExpression face(QStringLiteral("font-family: [^;]*;"));
    static const QRegularExpression size(QStringLiteral("font-size: [0-9]+pt;"));
    quint32 seed = mix(static_cast<quint32>(number) * 2654435761U);
    const auto next = [&seed] { return seed = mix(seed + 0x9e3779b9U); };
    QString out;
    const QStringList lines = sheet.split(QStringLiteral("\r\n"));
    for (QString line : lines) {
        if (line.contains(rgb))
            line.replace(rgb, QStringLiteral("rgb(%1, %2, %3)")
                                  .arg(next() % 256)
                                  .arg(next() % 256)
                                  .arg(next() % 256));
        if (line.contains(face))
            line.replace(face, QStringLiteral("font-family: %1, serif;")
                                   .arg(faces[static_cast<qsizetype>(next() % faces.size())]));
        if (line.contains(size))
            line.replace(size, QStringLiteral("font-size: %1pt;").arg(7 + next() % 18));
        out += line + QStringLiteral("\r\n");
    }
    out.chop(2);
    return out;
}

} // namespace

QString bundledDataFolder() {
    return QStringLiteral(TINTORA_BUILD_DATA_DIR);
}

QStringList bundledThemeFolders() {
    return QDir(DataFolder::themesDir(bundledDataFolder()))
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QString bundledThemeCaption(const QString& folder) {
    return folder == QLatin1String("Studio") ? QStringLiteral("Default") : folder;
}

bool copyBundledTheme(const QString& themesDir, const QString& folder, const QString& name) {
    const QDir bundled(bundledDataFolder() + QStringLiteral("/Themes/") + folder);
    const QString target = themesDir + QLatin1Char('/') + (name.isEmpty() ? folder : name);
    if (!QDir().mkpath(target))
        return false;
    const QStringList files = bundled.entryList(QDir::Files);
    for (const QString& file : files)
        if (!QFile::copy(bundled.filePath(file), target + QLatin1Char('/') + file))
            return false;
    return !files.isEmpty();
}

bool copyStudioTheme(const QString& themesDir, const QString& name) {
    return copyBundledTheme(themesDir, QStringLiteral("Studio"), name);
}

ColorScheme studioScheme() {
    ColorScheme scheme;
    scheme.fillFontSizeTable();
    chooseTheme(scheme, DataFolder::themesDir(bundledDataFolder()), QStringLiteral("Default"));
    return scheme;
}

ColorScheme randomScheme(quint32 seed) {
    static const char* const faces[] = {"Arial", "Times New Roman", "Courier New"};
    ColorScheme scheme = studioScheme();
    QRandomGenerator random(seed);
    const auto anyColor = [&random] { return static_cast<qint32>(random.bounded(0x1000000)); };
    for (int row = 1; row < EditorRowCount; ++row) {
        const ThemeElement& e = *elementForRow(row);
        scheme.color(ColorAttr::Fore, e.colorSlot) = anyColor();
        // What the text rows' own background colour says matters only to the labels over
        // pictures, which show it while they are opaque.
        scheme.color(ColorAttr::Back, e.colorSlot) = anyColor();
        scheme.font(FontAttr::Face, e.fontSlot) =
            SchemeValue::text(QLatin1String(faces[static_cast<std::size_t>(random.bounded(3))]));
        scheme.font(FontAttr::Size, e.fontSlot) = SchemeValue::integer(8 + random.bounded(21));
        scheme.font(FontAttr::Style, e.fontSlot) = SchemeValue::integer(random.bounded(4));
    }
    // The banner's background colour is the page's: drawn last, it is the page's.
    scheme.pageBackground() = anyColor();
    scheme.ThemeName = QStringLiteral("Random %1").arg(seed);
    return scheme;
}

QStringList makeGeneratedThemes(const QString& themesDir, int count) {
    const QDir studio(DataFolder::themesDir(bundledDataFolder()) + QStringLiteral("/Studio"));
    const QStringList files = studio.entryList(QDir::Files, QDir::Name);
    QStringList names;
    for (int n = 1; n <= count; ++n) {
        const QString name = QStringLiteral("Generated%1").arg(n, 4, 10, QLatin1Char('0'));
        const QString folder = themesDir + QLatin1Char('/') + name;
        QDir().mkpath(folder);
        for (const QString& file : files) {
            QByteArray bytes = fileBytes(studio.filePath(file));
            if (file.endsWith(QLatin1String(".css")))
                bytes = variedSheet(QString::fromUtf8(bytes), n).toUtf8();
            putFile(folder + QLatin1Char('/') + file, bytes);
        }
        names << name;
    }
    return names;
}

ColorScheme unusualScheme(const QString& pictureFolder) {
    ColorScheme s;
    s.fillFontSizeTable();
    s.ThemeName = QStringLiteral("Unusual");
    const QDir studio(DataFolder::themesDir(bundledDataFolder()) + QStringLiteral("/Studio"));
    const QStringList pictures{QStringLiteral("we(ird);name.gif"), QStringLiteral("banner.gif"),
                               QStringLiteral(".hidden.gif"), QStringLiteral("theme.css")};
    for (int slot = 0; slot <= 18; ++slot) {
        // Every fourth slot has no picture; the others share a few files.
        if (slot % 4 == 3)
            continue;
        const QString name = pictures[(slot + slot / 4) % pictures.size()];
        const QString path = pictureFolder + QLatin1Char('/') + name;
        putFile(path, fileBytes(studio.filePath(slot % 2 ? QStringLiteral("qback.gif")
                                                         : QStringLiteral("rule.gif"))));
        s.SchemeImages[static_cast<size_t>(slot)] = path;
    }
    const std::array<qint32, 4> colors{0, 16777215, rgbValue(1, 2, 3), rgbValue(255, 0, 128)};
    const std::array<SchemeValue, 6> sizes{SchemeValue::single(10.5f),
                                           SchemeValue::text(QStringLiteral("7.25")),
                                           SchemeValue::integer(24),
                                           SchemeValue::text(QStringLiteral("x-small")),
                                           SchemeValue::text(QStringLiteral("12")),
                                           SchemeValue()};
    const std::array<QString, 7> faces{QStringLiteral("\"Times New Roman\""),
                                       QStringLiteral("'Trebuchet MS'"),
                                       QStringLiteral("Courier New"),
                                       QStringLiteral("8514oem"),
                                       QStringLiteral("inherit"),
                                       QStringLiteral("Caf\u00e9 \"Noir\""),
                                       QString()};
    const std::array<SchemeValue, 6> styles{SchemeValue::integer(0),
                                            SchemeValue::integer(1),
                                            SchemeValue::text(QStringLiteral("2")),
                                            SchemeValue::integer(3),
                                            SchemeValue::text(QStringLiteral("7")),
                                            SchemeValue()};
    for (size_t slot = 0; slot <= 12; ++slot) {
        s.SchemeColors[ColorAttr::Back][slot] = colors[slot % colors.size()];
        s.SchemeColors[ColorAttr::Fore][slot] = colors[(slot + 1) % colors.size()];
        s.SchemeFonts[FontAttr::Face][slot] = SchemeValue::text(faces[slot % faces.size()]);
        s.SchemeFonts[FontAttr::Size][slot] = sizes[slot % sizes.size()];
        s.SchemeFonts[FontAttr::Style][slot] = styles[slot % styles.size()];
    }
    return s;
}
