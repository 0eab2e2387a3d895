#include "support/TestSupport.h"
#include "support/ThemeFixtures.h"
#include "theme/ChooseTheme.h"
#include "theme/ColorScheme.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QSize>
#include <QTest>

// The bundled themes must be read exactly as a user's theme is: the readers only see
// selectors alone on their line and declarations indented with one tab, and the
// preview lays itself out from the pictures' pixel sizes. These checks keep the
// generated files in that shape, for every folder in the bundled Themes folder.
namespace {

QString themePath(const QString& folder, const QString& name) {
    return bundledDataFolder() + QStringLiteral("/Themes/") + folder + QLatin1Char('/') + name;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// One declaration as the sheet holds it: the selector it belongs to and its value.
struct Declaration {
    QString selector;
    QString property;
    QString value;
};

// Splits a sheet into declarations, failing the test on any line the readers would
// take differently from what its author meant.
QList<Declaration> parseSheet(const QByteArray& bytes, QString* problem) {
    QList<Declaration> result;
    if (!bytes.endsWith("\r\n")) {
        *problem = QStringLiteral("the last line has no CR LF");
        return result;
    }
    const QList<QByteArray> lines = bytes.left(bytes.size() - 2).split('\n');
    static const QRegularExpression declaration(QStringLiteral("^\t([a-z0-9-]+): (\\S.*);$"));
    static const QRegularExpression selector(
        QStringLiteral("^[.A-Za-z][A-Za-z0-9.:, -]*[A-Za-z0-9]$"));
    QString current;
    bool open = false;
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray raw = lines[i];
        const bool last = i == lines.size() - 1;
        if (!last && !raw.endsWith('\r')) {
            *problem = QStringLiteral("line %1 ends in a bare line feed").arg(i + 1);
            return result;
        }
        if (!last)
            raw.chop(1);
        if (raw.contains('\r')) {
            *problem = QStringLiteral("line %1 holds a bare carriage return").arg(i + 1);
            return result;
        }
        const QString line = QString::fromLatin1(raw);
        if (line == QLatin1String("{") && !current.isEmpty() && !open) {
            open = true;
        } else if (line == QLatin1String("}") && open) {
            open = false;
            current.clear();
        } else if (open) {
            const QRegularExpressionMatch m = declaration.match(line);
            if (!m.hasMatch()) {
                *problem = QStringLiteral("line %1 is not a tab-indented declaration: %2")
                               .arg(i + 1)
                               .arg(line);
                return result;
            }
            result.append({current, m.captured(1), m.captured(2)});
        } else if (current.isEmpty() && selector.match(line).hasMatch()) {
            current = line;
        } else {
            *problem = QStringLiteral("line %1 is out of place: %2").arg(i + 1).arg(line);
            return result;
        }
    }
    if (open || !current.isEmpty())
        *problem = QStringLiteral("the last rule is not closed");
    return result;
}

// Reads one of a bundled theme's sheets; returns what is wrong with it, or nothing.
QString loadSheet(const QString& folder, const QString& name, QList<Declaration>* declarations) {
    const QByteArray bytes = readAll(themePath(folder, name));
    if (bytes.isEmpty())
        return folder + QLatin1Char('/') + name + QStringLiteral(" is missing or empty");
    QString problem;
    *declarations = parseSheet(bytes, &problem);
    return problem.isEmpty() ? problem
                             : folder + QLatin1Char('/') + name + QStringLiteral(": ") + problem;
}

// The pixel size of a single-image GIF from its image descriptor, or an empty size
// when the bytes are not a complete GIF.
QSize gifImageSize(const QByteArray& data) {
    const auto byte = [&](qsizetype at) { return static_cast<unsigned char>(data.at(at)); };
    const auto word = [&](qsizetype at) { return byte(at) | (byte(at + 1) << 8); };
    if (data.size() < 14 || (!data.startsWith("GIF89a") && !data.startsWith("GIF87a")))
        return {};
    const QSize screen(word(6), word(8));
    qsizetype pos = 13;
    if (byte(10) & 0x80)
        pos += 3 * (qsizetype(1) << ((byte(10) & 7) + 1));
    while (pos < data.size() && byte(pos) == 0x21) {
        pos += 2;
        while (pos < data.size() && byte(pos) != 0)
            pos += byte(pos) + 1;
        ++pos;
    }
    if (pos + 10 > data.size() || byte(pos) != 0x2C)
        return {};
    const QSize image(word(pos + 5), word(pos + 7));
    if (image != screen || word(pos + 1) != 0 || word(pos + 3) != 0 || !data.endsWith(char(0x3B)))
        return {};
    return image;
}

// The generic families a family list may end with.
const QStringList& genericFamilies() {
    static const QStringList families{QStringLiteral("serif"), QStringLiteral("sans-serif"),
                                      QStringLiteral("monospace")};
    return families;
}

// Faces found on nearly every desktop, whose metrics or look Debian's Liberation and
// DejaVu faces stand in for; the preview draws the first of a list.
const QStringList& webSafeFamilies() {
    static const QStringList families{
        QStringLiteral("Arial"),   QStringLiteral("Helvetica"),
        QStringLiteral("Verdana"), QStringLiteral("Geneva"),
        QStringLiteral("Tahoma"),  QStringLiteral("\"Trebuchet MS\""),
        QStringLiteral("Georgia"), QStringLiteral("\"Times New Roman\""),
        QStringLiteral("Times"),   QStringLiteral("\"Courier New\""),
        QStringLiteral("Courier")};
    return families;
}

// One row per bundled theme for a sheet's expected declarations.
void addThemeRows(const char* sheet, const QStringList& expected) {
    for (const QString& folder : bundledThemeFolders())
        QTest::addRow("%s/%s", qPrintable(folder), sheet)
            << folder << QString::fromLatin1(sheet) << expected;
}

} // namespace

class TestBundledThemes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every selector and property the readers look for is declared, so choosing
    // "Default" sets every value the theme is meant to set.
    void declaresWhatTheReadersRead_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QStringList>("expected");
        const QString font = QStringLiteral("font-family,font-size");
        QStringList theme = {QStringLiteral(".mstheme/top-bar-button"),
                             QStringLiteral(".mstheme-topbar-font/font-family,font-size,color"),
                             QStringLiteral("body/background-image"),
                             QStringLiteral("TEXTAREA/") + font, QStringLiteral("BUTTON/") + font};
        for (int h = 1; h <= 6; ++h)
            theme << QStringLiteral("h%1/").arg(h) + font;
        addThemeRows("theme.css", theme);

        QStringList colors = {QStringLiteral("body/color,background-color"),
                              QStringLiteral("h1/color"),
                              QStringLiteral("h2, marquee/color"),
                              QStringLiteral("BUTTON/color,background-color"),
                              QStringLiteral("a:link/color"),
                              QStringLiteral("a:visited/color"),
                              QStringLiteral("a:active/color")};
        for (int h = 3; h <= 6; ++h)
            colors << QStringLiteral("h%1/color").arg(h);
        addThemeRows("color1.css", colors);

        QStringList graph0 = {QStringLiteral(".mstheme/nav-banner-image,separator-image,"
                                             "list-image-1,list-image-2,list-image-3")};
        for (const char* button : {"prev", "home", "up", "next"})
            graph0 << QStringLiteral(".mstheme/navbutton-%1-normal").arg(QLatin1String(button));
        graph0 << QStringLiteral(".mstheme/navbutton-horiz-normal,navbutton-horiz-pushed,"
                                 "navbutton-vert-normal,navbutton-vert-pushed");
        addThemeRows("graph0.css", graph0);

        QStringList graph1 = {QStringLiteral(".mstheme-bannertxt/color,font-family,font-size"),
                              QStringLiteral(".mstheme-navtxthome/color,font-family,font-size")};
        for (const char* button : {"prev", "home", "up", "next"})
            graph1 << QStringLiteral(".mstheme/navbutton-%1-hovered").arg(QLatin1String(button));
        addThemeRows("graph1.css", graph1);
    }

    void declaresWhatTheReadersRead() {
        QFETCH(QString, folder);
        QFETCH(QString, sheet);
        QFETCH(QStringList, expected);
        QList<Declaration> declarations;
        const QString problem = loadSheet(folder, sheet, &declarations);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QSet<QString> declared;
        for (const Declaration& d : declarations)
            declared.insert(d.selector + QLatin1Char('/') + d.property);
        for (const QString& entry : expected) {
            const QString selector = entry.section(QLatin1Char('/'), 0, 0);
            for (const QString& property :
                 entry.section(QLatin1Char('/'), 1).split(QLatin1Char(',')))
                QVERIFY2(declared.contains(selector + QLatin1Char('/') + property),
                         qPrintable(selector + QStringLiteral(" lacks ") + property));
        }
    }

    // Values keep to the forms every reader understands, so the theme reads the same
    // whichever colour and size forms a reader accepts beyond these.
    void valuesUseTheClassicForms_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("sheet");
        for (const QString& folder : bundledThemeFolders())
            for (const char* sheet : {"theme.css", "color1.css", "graph0.css", "graph1.css"})
                QTest::addRow("%s/%s", qPrintable(folder), sheet)
                    << folder << QString::fromLatin1(sheet);
    }

    void valuesUseTheClassicForms() {
        QFETCH(QString, folder);
        QFETCH(QString, sheet);
        static const QRegularExpression rgb(
            QStringLiteral("^rgb\\((\\d{1,3}), (\\d{1,3}), (\\d{1,3})\\)$"));
        static const QRegularExpression size(QStringLiteral("^(\\d+pt|[1-6])$"));
        static const QRegularExpression url(QStringLiteral("^url\\([a-z0-9]+\\.gif\\)$"));
        QList<Declaration> declarations;
        const QString problem = loadSheet(folder, sheet, &declarations);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        for (const Declaration& d : declarations) {
            const QString where =
                d.selector + QLatin1Char('/') + d.property + QStringLiteral(": ") + d.value;
            if (d.property.endsWith(QLatin1String("color"))) {
                const QRegularExpressionMatch m = rgb.match(d.value);
                QVERIFY2(d.value == QLatin1String("black") || d.value == QLatin1String("white") ||
                             m.hasMatch(),
                         qPrintable(where));
                for (int c = 1; m.hasMatch() && c <= 3; ++c)
                    QVERIFY2(m.captured(c).toInt() <= 255, qPrintable(where));
            } else if (d.property == QLatin1String("font-size")) {
                QVERIFY2(size.match(d.value).hasMatch(), qPrintable(where));
            } else if (d.property == QLatin1String("font-family")) {
                // Web-safe faces first, for the readers and browsers; a generic family
                // last, so a browser without them still picks the right kind of face.
                const QStringList families = d.value.split(QStringLiteral(", "));
                QVERIFY2(families.size() >= 2 && genericFamilies().contains(families.last()),
                         qPrintable(where));
                for (const QString& family : families.first(families.size() - 1))
                    QVERIFY2(webSafeFamilies().contains(family), qPrintable(where));
            } else if (d.property.contains(QLatin1String("image")) ||
                       d.property.startsWith(QLatin1String("navbutton")) ||
                       d.property == QLatin1String("top-bar-button")) {
                QVERIFY2(url.match(d.value).hasMatch(), qPrintable(where));
            }
        }
    }

    // Every picture a sheet names is there and has the size the preview is laid out
    // for; no picture lies in the folder unused.
    void picturesExistAtTheirSizes_data() {
        QTest::addColumn<QString>("folder");
        for (const QString& folder : bundledThemeFolders())
            QTest::newRow(qPrintable(folder)) << folder;
    }

    void picturesExistAtTheirSizes() {
        QFETCH(QString, folder);
        const QMap<QString, QSize> sizes = {
            {QStringLiteral("nav-banner-image"), QSize(600, 64)},
            {QStringLiteral("separator-image"), QSize(600, 6)},
            {QStringLiteral("list-image-1"), QSize(10, 10)},
            {QStringLiteral("list-image-2"), QSize(8, 8)},
            {QStringLiteral("list-image-3"), QSize(6, 6)},
            {QStringLiteral("navbutton-horiz-normal"), QSize(141, 22)},
            {QStringLiteral("navbutton-horiz-pushed"), QSize(141, 22)},
            {QStringLiteral("navbutton-vert-normal"), QSize(141, 22)},
            {QStringLiteral("navbutton-vert-pushed"), QSize(141, 22)},
            {QStringLiteral("top-bar-button"), QSize(95, 20)},
        };
        static const QRegularExpression quickLink(
            QStringLiteral("^navbutton-(prev|home|up|next)-(normal|hovered)$"));
        QSet<QString> named;
        int pictures = 0;
        for (const char* sheet : {"theme.css", "graph0.css", "graph1.css"}) {
            QList<Declaration> declarations;
            const QString problem = loadSheet(folder, QString::fromLatin1(sheet), &declarations);
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
            for (const Declaration& d : declarations) {
                if (!d.value.startsWith(QLatin1String("url(")))
                    continue;
                const QString file = d.value.mid(4, d.value.size() - 5);
                const QSize actual = gifImageSize(readAll(themePath(folder, file)));
                QVERIFY2(actual.isValid(),
                         qPrintable(file + QStringLiteral(" is missing or not a GIF")));
                QSize wanted = sizes.value(d.property);
                const QRegularExpressionMatch m = quickLink.match(d.property);
                if (m.hasMatch())
                    wanted =
                        m.captured(2) == QLatin1String("normal") ? QSize(100, 20) : QSize(100, 22);
                // The background is stretched over the page; no larger than the page
                // before its first layout, it is decoded whole however the page was
                // laid out before, so it looks and is judged the same every time.
                if (d.property == QLatin1String("background-image"))
                    QVERIFY2(actual.width() >= 16 && actual.height() >= 16 &&
                                 actual.width() <= 629 && actual.height() <= 357,
                             qPrintable(QStringLiteral("%1 is %2x%3")
                                            .arg(file)
                                            .arg(actual.width())
                                            .arg(actual.height())));
                else
                    QVERIFY2(actual == wanted, qPrintable(QStringLiteral("%1 is %2x%3")
                                                              .arg(file)
                                                              .arg(actual.width())
                                                              .arg(actual.height())));
                named.insert(file);
                ++pictures;
            }
        }
        QCOMPARE(pictures, 19);
        const QStringList present =
            QDir(themePath(folder, QString())).entryList({QStringLiteral("*.gif")}, QDir::Files);
        QCOMPARE(QSet<QString>(present.begin(), present.end()), named);
    }

    // Choosing each theme by its Themes menu caption reads it without a single
    // run-time error and sets every value a theme can set, pictures from its own folder.
    void readsCleanly_data() {
        QTest::addColumn<QString>("folder");
        for (const QString& folder : bundledThemeFolders())
            QTest::newRow(qPrintable(folder)) << folder;
    }

    void readsCleanly() {
        QFETCH(QString, folder);
        TestWorld world;
        QVERIFY(copyBundledTheme(world.themesDir(), folder));
        const QString copy = world.themesDir() + QLatin1Char('/') + folder;

        ColorScheme scheme;
        scheme.fillFontSizeTable();
        scheme.SchemeImages.fill(QStringLiteral("old.gif"));
        for (auto& attr : scheme.SchemeColors)
            attr.fill(1234567);
        scheme.SchemeFonts[FontAttr::Face].fill(SchemeValue::text(QStringLiteral("Old")));
        scheme.SchemeFonts[FontAttr::Size].fill(SchemeValue::text(QStringLiteral("99")));
        chooseTheme(scheme, world.themesDir(), bundledThemeCaption(folder));
        QCOMPARE(world.prompt.messages, QStringList());
        QCOMPARE(scheme.ThemeName, folder);

        for (const ThemeElement& e : ThemeElements) {
            const QString key = QString::fromLatin1(e.key.data(), qsizetype(e.key.size()));
            if (e.has(Attribute::Image)) {
                const QString image = scheme.valueText(e, Attribute::Image);
                QVERIFY2(image.startsWith(copy) && QFile::exists(image),
                         qPrintable(key + QStringLiteral(": ") + image));
            }
            if (e.has(Attribute::Font)) {
                QVERIFY2(scheme.valueText(e, Attribute::Font) != QLatin1String("Old"),
                         qPrintable(key));
                QVERIFY2(scheme.valueText(e, Attribute::FontSize) != QLatin1String("99"),
                         qPrintable(key));
            }
            if (e.has(Attribute::ForeColor))
                QVERIFY2(scheme.valueText(e, Attribute::ForeColor) != QLatin1String("1234567"),
                         qPrintable(key));
            // No style sheet selector sets the global buttons' background.
            if (e.has(Attribute::BackColor) && e.element != Element::GLOBALBUTTONS)
                QVERIFY2(scheme.valueText(e, Attribute::BackColor) != QLatin1String("1234567"),
                         qPrintable(key));
        }
    }

    // The Default theme and the gallery are all there: losing a folder from the
    // package would otherwise go unnoticed by the checks above, which find them.
    void galleryIsComplete() {
        const QStringList folders = bundledThemeFolders();
        QVERIFY2(folders.contains(QStringLiteral("Studio")), qPrintable(folders.join(u' ')));
        QVERIFY2(folders.size() >= 12, qPrintable(folders.join(u' ')));
    }
};

QTEST_GUILESS_MAIN(TestBundledThemes)
#include "test_bundled_themes.moc"
