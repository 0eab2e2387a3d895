#include "framework/ErrorHandler.h"
#include "framework/FileAccess.h"
#include "framework/RuntimeError.h"
#include "support/TestSupport.h"
#include "support/UnusualFiles.h"
#include "theme/ChooseTheme.h"
#include "theme/ColorScheme.h"
#include "theme/ThemeReaders.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <unistd.h>

namespace {
using Reader = void (*)(ColorScheme&, const QString&, const QString&);

Reader readerFor(const QString& file) {
    if (file == QLatin1String("color1.css"))
        return LoadColors;
    if (file == QLatin1String("graph0.css"))
        return LoadGraph0;
    if (file == QLatin1String("graph1.css"))
        return LoadGraph1;
    return LoadTheme;
}

const QStringList SheetNames{QStringLiteral("color1.css"), QStringLiteral("graph0.css"),
                             QStringLiteral("graph1.css"), QStringLiteral("theme.css")};

// A scheme whose every value is a recognisable leftover, so that a value a sheet does
// not declare shows as kept.
ColorScheme leftoverScheme() {
    ColorScheme s;
    s.fillFontSizeTable();
    for (QString& image : s.SchemeImages)
        image = QStringLiteral("old.gif");
    for (auto& attr : s.SchemeColors)
        attr.fill(1234567);
    s.SchemeFonts[FontAttr::Face].fill(SchemeValue::text(QStringLiteral("Old")));
    s.SchemeFonts[FontAttr::Size].fill(SchemeValue::text(QStringLiteral("99")));
    return s;
}

QString valueOf(const ColorScheme& s, const QString& key, Attribute a) {
    return s.valueText(*elementForKey(key.toStdString()), a);
}
} // namespace

class TestThemeReaders : public QObject {
    Q_OBJECT

    TestWorld* world = nullptr;
    ColorScheme scheme;

    QString folder(const QString& theme) const {
        return world->path(QStringLiteral("Themes/") + theme);
    }
    void write(const QString& theme, const QString& file, const QByteArray& bytes) {
        writeFile(folder(theme) + QLatin1Char('/') + file, bytes);
    }
    void write(const QString& theme, const QString& file, const QStringList& lines) {
        write(theme, file, crlfLines(lines));
    }
    int errorsNumbered(int number) const {
        int n = 0;
        for (const QString& m : world->prompt.messages)
            n += m.startsWith(QStringLiteral(" Encountered Err#%1 ").arg(number)) ? 1 : 0;
        return n;
    }

private Q_SLOTS:
    void init() {
        world = new TestWorld;
        scheme = leftoverScheme();
    }
    void cleanup() {
        delete world;
        world = nullptr;
    }

    void declarations_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("element");
        QTest::addColumn<int>("attribute");
        QTest::addColumn<QString>("expected"); // "@" stands for the theme's folder
        const auto row = [](const char* name, const char* file, QStringList lines,
                            const char* element, Attribute a, const char* expected) {
            QTest::newRow(name) << QString::fromLatin1(file) << lines
                                << QString::fromLatin1(element) << int(a)
                                << QString::fromLatin1(expected);
        };
        using A = Attribute;
        const QString F = QStringLiteral("\tfont-family: Impact;");
        row("textarea font", "theme.css", {"TEXTAREA", "{", "\tfont-family: Verdana, Arial;", "}"},
            "BODY", A::Font, "Verdana");
        row("textarea size", "theme.css", {"TEXTAREA", "{", "\tfont-size: 10pt;"}, "BODY",
            A::FontSize, "10");
        row("body is not the text", "theme.css", {"body", "{", F, "}"}, "BODY", A::Font, "Old");
        row("top-bar font", "theme.css", {".mstheme-topbar-font", "{", "\tfont-family:Tahoma;"},
            "GLOBALBUTTONS", A::Font, "Tahoma");
        row("top-bar size", "theme.css", {".mstheme-topbar-font", "{", "\tfont-size: 2;"},
            "GLOBALBUTTONS", A::FontSize, "10");
        row("top-bar colour", "theme.css", {".mstheme-topbar-font", "{", "\tcolor: white;"},
            "GLOBALBUTTONS", A::ForeColor, "16777215");
        row("top-bar picture", "theme.css", {".mstheme", "{", "\ttop-bar-button: url(top.gif);"},
            "GLOBALBUTTONS", A::Image, "@/top.gif");
        row("background picture", "theme.css", {"body", "{", "\tbackground-image: url(bg.gif);"},
            "BACKGROUND", A::Image, "@/bg.gif");
        row("h3 size", "theme.css", {"h3", "{", "\tfont-size: 4;"}, "HEADING3", A::FontSize, "14");
        row("h6 font", "theme.css", {"h6", "{", F}, "HEADING6", A::Font, "Impact");
        row("button font", "theme.css", {"BUTTON", "{", F}, "NAVBUTTONS", A::Font, "Impact");
        row("selector blanks", "theme.css", {"  h1  ", "{", F}, "HEADING1", A::Font, "Impact");
        row("space indent", "theme.css", {"h1", "{", "    font-family: Impact;"}, "HEADING1",
            A::Font, "Old");
        row("after close", "theme.css", {"h1", "{", "}", F}, "HEADING1", A::Font, "Old");
        row("horiz-navtxt", "theme.css", {"h1", ".mstheme-horiz-navtxt", F}, "HEADING1", A::Font,
            "Old");
        row("brace on selector line", "theme.css", {"h1 {", F}, "HEADING1", A::Font, "Old");
        row("bare line feeds", "theme.css", {"h1\n{\n\tfont-family: Impact;\n}"}, "HEADING1",
            A::Font, "Old");
        row("body colour", "color1.css", {"body", "{", "\tcolor: rgb(0,0,128);"}, "BODY",
            A::ForeColor, "8388608");
        row("body back to banner", "color1.css",
            {"body", "{", "\tbackground-color: rgb(255, 255, 204);"}, "BANNER", A::BackColor,
            "13434879");
        row("body back to background", "color1.css", {"body", "{", "\tbackground-color: #ffc;"},
            "BACKGROUND", A::Color, "13434879");
        row("body back to navbuttons", "color1.css", {"body", "{", "\tbackground-color: #ffffcc;"},
            "NAVBUTTONS", A::BackColor, "13434879");
        row("body back not global", "color1.css", {"body", "{", "\tbackground-color: red;"},
            "GLOBALBUTTONS", A::BackColor, "1234567");
        row("button after body", "color1.css",
            {"body", "{", "\tbackground-color: white;", "}", "BUTTON", "{",
             "\tbackground-color: red;"},
            "NAVBUTTONS", A::BackColor, "255");
        row("button before body", "color1.css",
            {"BUTTON", "{", "\tbackground-color: red;", "}", "body", "{",
             "\tbackground-color: white;"},
            "NAVBUTTONS", A::BackColor, "16777215");
        row("h2 alone", "color1.css", {"h2", "{", "\tcolor: red;"}, "HEADING2", A::ForeColor,
            "1234567");
        row("h2 marquee", "color1.css", {"h2, marquee", "{", "\tcolor: red;"}, "HEADING2",
            A::ForeColor, "255");
        row("visited black", "color1.css", {"a:visited", "{", "\tcolor: black;"}, "VISITEDLINK",
            A::ForeColor, "0");
        row("unknown colour kept", "color1.css",
            {"a:link", "{", "\tcolor: white;", "\tcolor: blurple;"}, "REGULARLINK", A::ForeColor,
            "16777215");
        row("banner picture", "graph0.css", {".mstheme", "{", "\tnav-banner-image: url(b.gif);"},
            "BANNER", A::Image, "@/b.gif");
        row("second rule is mstheme", "graph0.css",
            {".mstheme", "{", "}", ".other", "{", "\tlist-image-2: url(l2.gif);"}, "BULLETLIST2",
            A::Image, "@/l2.gif");
        row("before mstheme", "graph0.css", {"\tlist-image-1: url(l1.gif);", ".mstheme"},
            "BULLETLIST1", A::Image, "old.gif");
        row("mstheme with blanks", "graph0.css", {" .mstheme", "\tlist-image-1: url(l1.gif);"},
            "BULLETLIST1", A::Image, "old.gif");
        row("vertical pushed", "graph0.css", {".mstheme", "\tnavbutton-vert-pushed: url(v.gif);"},
            "VIRTNAVBTNPUSH", A::Image, "@/v.gif");
        row("hovered next", "graph1.css", {".mstheme", "\tnavbutton-next-hovered: url(n.gif);"},
            "BTNEXTPUSH", A::Image, "@/n.gif");
        row("banner points", "graph1.css", {".mstheme-bannertxt", "{", "\tfont-size: 24pt;"},
            "BANNER", A::FontSize, "24");
        row("banner number", "graph1.css", {".mstheme-bannertxt", "{", "\tfont-size: 5;"}, "BANNER",
            A::FontSize, "18");
        row("nav colour", "graph1.css", {".mstheme-navtxthome", "{", "\tcolor: navy;"},
            "NAVBUTTONS", A::ForeColor, "8388608");
        row("graph1 after close", "graph1.css", {".mstheme-bannertxt", "{", "}", F}, "BANNER",
            A::Font, "Old");
        row("graph1 selector blank", "graph1.css",
            {".mstheme-navtxthome", "{", ".mstheme-bannertxt ", F}, "BANNER", A::Font, "Old");
        row("graph1 blank ends section", "graph1.css",
            {".mstheme-navtxthome", "{", ".mstheme-bannertxt ", F}, "NAVBUTTONS", A::Font, "Old");
    }
    void declarations() {
        QFETCH(QString, file);
        QFETCH(QStringList, lines);
        QFETCH(QString, element);
        QFETCH(int, attribute);
        QFETCH(QString, expected);
        write(QStringLiteral("Blue"), file, lines);
        readerFor(file)(scheme, world->themesDir(), QStringLiteral("Blue"));
        QCOMPARE(world->prompt.messages, QStringList());
        QCOMPARE(scheme.ThemeName, QStringLiteral("Blue"));
        expected.replace(QLatin1Char('@'), folder(QStringLiteral("Blue")));
        QCOMPARE(valueOf(scheme, element, static_cast<Attribute>(attribute)), expected);
    }

    void defaultIsStudio() {
        write(QStringLiteral("Studio"), QStringLiteral("theme.css"), QStringList{"h1", F()});
        write(QStringLiteral("Studio"), QStringLiteral("color1.css"),
              QStringList{"h1", "\tcolor: red;"});
        chooseTheme(scheme, world->themesDir(), QStringLiteral("Default"));
        QCOMPARE(scheme.ThemeName, QStringLiteral("Studio"));
        QCOMPARE(valueOf(scheme, "HEADING1", Attribute::Font), QStringLiteral("Impact"));
        QCOMPARE(valueOf(scheme, "HEADING1", Attribute::ForeColor), QStringLiteral("255"));
        // The two graphics sheets are missing: two reports, and the rest still read.
        QCOMPARE(errorsNumbered(53), 2);
    }

    void hyperlinksTakeBodyFont() {
        write(QStringLiteral("Blue"), QStringLiteral("theme.css"), QStringList{"h1", F()});
        scheme.font(FontAttr::Face, 1) = SchemeValue::text(QStringLiteral("Body Face"));
        LoadTheme(scheme, world->themesDir(), QStringLiteral("Blue"));
        for (const char* link : {"REGULARLINK", "VISITEDLINK", "ACTIVELINK"}) {
            QCOMPARE(valueOf(scheme, link, Attribute::Font), QStringLiteral("Body Face"));
            QCOMPARE(valueOf(scheme, link, Attribute::FontSize), QStringLiteral("99"));
        }
    }

    void singleLineMode() {
        // Lines before the long one are read line by line; the long one is searched;
        // anything after it is not read.
        QByteArray sheet = "h4\r\n\tfont-size: 1pt;\r\n}\r\n";
        sheet += ".mstheme-topbar-font\n{\n\tfont-family: Tahoma;\n}\n"
                 "body\n{\n\tfont-family: Verdana, Arial;\n\tfont-size: 2;\n}\n";
        for (int h = 1; h <= 6; ++h)
            sheet += QStringLiteral("h%1\n{\n\tfont-family: Face%1;\n\tfont-size: %1pt;\n}\n")
                         .arg(h)
                         .toLatin1();
        sheet += QByteArray(2 * 1024 * 1024, ' ') + "\r\nh4\r\n\tfont-size: 3pt;\r\n";
        write(QStringLiteral("Blue"), QStringLiteral("theme.css"), sheet);
        LoadTheme(scheme, world->themesDir(), QStringLiteral("Blue"));
        QCOMPARE(world->prompt.messages, QStringList());
        QCOMPARE(valueOf(scheme, "GLOBALBUTTONS", Attribute::Font), QStringLiteral("Tahoma"));
        QCOMPARE(valueOf(scheme, "BODY", Attribute::Font), QStringLiteral("Verdana"));
        QCOMPARE(valueOf(scheme, "BODY", Attribute::FontSize), QStringLiteral("10"));
        QCOMPARE(valueOf(scheme, "ACTIVELINK", Attribute::Font), QStringLiteral("Verdana"));
        QCOMPARE(valueOf(scheme, "HEADING6", Attribute::Font), QStringLiteral("Face6"));
        QCOMPARE(valueOf(scheme, "HEADING4", Attribute::FontSize), QStringLiteral("4"));
    }

    void singleLineMissingSelector() {
        QByteArray sheet = ".mstheme-topbar-font { font-family: Tahoma; } body { font-family: A; "
                           "font-size: 1pt; } h6 { font-family: Six; font-size: 6pt; }";
        sheet += QByteArray(300, ' ');
        write(QStringLiteral("Blue"), QStringLiteral("theme.css"), sheet);
        LoadTheme(scheme, world->themesDir(), QStringLiteral("Blue"));
        // h1..h5 are not in the line; each is reported once and Ignore goes on.
        QCOMPARE(world->prompt.messages.size(), 5);
        QCOMPARE(errorsNumbered(5), 5);
        QVERIFY(world->prompt.messages.first().contains(QLatin1String("frmMain.LoadTheme")));
        QCOMPARE(valueOf(scheme, "HEADING3", Attribute::Font), QStringLiteral("Old"));
        QCOMPARE(valueOf(scheme, "HEADING6", Attribute::Font), QStringLiteral("Six"));
        QCOMPARE(valueOf(scheme, "BODY", Attribute::FontSize), QStringLiteral("1"));
    }

    void singleLineRuleWithoutFamilyKeepsItsSize_data() {
        QTest::addColumn<QByteArray>("h6Rule");
        QTest::addColumn<int>("errors");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("size");
        QTest::newRow("family missing") << QByteArray("h6 { font-size: 9pt; }") << 1 << "Old"
                                        << "9";
        QTest::newRow("size missing") << QByteArray("h6 { font-family: Six; }") << 1 << "Six"
                                      << "99";
        QTest::newRow("both there")
            << QByteArray("h6 { font-family: Six; font-size: 9pt; }") << 0 << "Six"
            << "9";
    }
    void singleLineRuleWithoutFamilyKeepsItsSize() {
        QFETCH(QByteArray, h6Rule);
        QFETCH(int, errors);
        QFETCH(QString, face);
        QFETCH(QString, size);
        QByteArray sheet = ".mstheme-topbar-font { font-family: Tahoma; } body { font-family: A; "
                           "font-size: 1pt; } ";
        for (int h = 1; h <= 5; ++h)
            sheet +=
                QStringLiteral("h%1 { font-family: F%1; font-size: %1pt; } ").arg(h).toLatin1();
        sheet += QByteArray(300, ' ') + h6Rule;
        write(QStringLiteral("Blue"), QStringLiteral("theme.css"), sheet);
        LoadTheme(scheme, world->themesDir(), QStringLiteral("Blue"));
        QCOMPARE(errorsNumbered(5), errors);
        QCOMPARE(world->prompt.messages.size(), errors);
        QCOMPARE(valueOf(scheme, "HEADING6", Attribute::Font), face);
        QCOMPARE(valueOf(scheme, "HEADING6", Attribute::FontSize), size);
        QCOMPARE(valueOf(scheme, "HEADING5", Attribute::FontSize), QStringLiteral("5"));
    }

    void missingFile_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("routine");
        for (const QString& f : SheetNames)
            QTest::newRow(qPrintable(f))
                << f
                << QStringLiteral("|frmMain.") + (f == "color1.css"   ? "LoadColors"
                                                  : f == "graph0.css" ? "LoadGraph0"
                                                  : f == "graph1.css" ? "LoadGraph1"
                                                                      : "LoadTheme");
    }
    void missingFile() {
        QFETCH(QString, file);
        QFETCH(QString, routine);
        QDir().mkpath(folder(QStringLiteral("Blue")));
        scheme.font(FontAttr::Face, 1) = SchemeValue::text(QStringLiteral("Body Face"));
        world->prompt.script({ErrorPrompt::Answer::Retry, ErrorPrompt::Answer::Ignore});
        readerFor(file)(scheme, world->themesDir(), QStringLiteral("Blue"));
        QCOMPARE(scheme.ThemeName, QStringLiteral("Blue"));
        QCOMPARE(world->prompt.messages.size(), 2);
        const QString& m = world->prompt.messages.first();
        QVERIFY2(m.startsWith(QLatin1String(" Encountered Err#53 - File not found")),
                 qPrintable(m));
        QVERIFY(m.contains(QLatin1String("Routine: ") + routine + QLatin1Char('\r')));
        QVERIFY(m.endsWith(QLatin1String(GraphicsMissingSentence)));
        // The message names the missing sheet, though the task stays empty.
        QVERIFY2(m.contains(QLatin1String("   Task: \r\r") + folder(QStringLiteral("Blue")) +
                            QLatin1Char('/') + file + QLatin1String("\r\r")),
                 qPrintable(m));
        // Nothing was read, yet the hyperlinks still take the body text's font.
        if (file == QLatin1String("theme.css"))
            QCOMPARE(valueOf(scheme, "VISITEDLINK", Attribute::Font), QStringLiteral("Body Face"));
    }

    void nameInAnotherCase() {
        write(QStringLiteral("Blue"), QStringLiteral("THEME.CSS"), QStringList{"h1", F()});
        write(QStringLiteral("Blue"), QStringLiteral("Color1.Css"),
              QStringList{"h1", "\tcolor: red;"});
        LoadTheme(scheme, world->themesDir(), QStringLiteral("Blue"));
        LoadColors(scheme, world->themesDir(), QStringLiteral("Blue"));
        QCOMPARE(world->prompt.messages, QStringList());
        QCOMPARE(valueOf(scheme, "HEADING1", Attribute::Font), QStringLiteral("Impact"));
        QCOMPARE(valueOf(scheme, "HEADING1", Attribute::ForeColor), QStringLiteral("255"));
    }

    void badValueIgnoreGoesOn() {
        write(QStringLiteral("Blue"), QStringLiteral("theme.css"),
              QStringList{"h1", F(), "\tfont-size: 9;", "\tfont-size: 10PT;", "}", "h2",
                          "\tfont-family: Arial;"});
        world->prompt.script({ErrorPrompt::Answer::Retry});
        LoadTheme(scheme, world->themesDir(), QStringLiteral("Blue"));
        // Retry repeats the failing line, Ignore skips only that line.
        QCOMPARE(world->prompt.messages.size(), 3);
        QCOMPARE(world->prompt.messages[0], world->prompt.messages[1]);
        QCOMPARE(errorsNumbered(9), 2);
        QCOMPARE(errorsNumbered(13), 1);
        QCOMPARE(valueOf(scheme, "HEADING1", Attribute::Font), QStringLiteral("Impact"));
        QCOMPARE(valueOf(scheme, "HEADING1", Attribute::FontSize), QStringLiteral("99"));
        QCOMPARE(valueOf(scheme, "HEADING2", Attribute::Font), QStringLiteral("Arial"));
    }

    void twoThemesKeepUndeclared() {
        write(QStringLiteral("Blue"), QStringLiteral("theme.css"),
              QStringList{"TEXTAREA", "\tfont-family: Verdana;", "}", "h1", F()});
        write(QStringLiteral("Red"), QStringLiteral("theme.css"),
              QStringList{"h1", "\tfont-family: Georgia;"});
        LoadTheme(scheme, world->themesDir(), QStringLiteral("Blue"));
        LoadTheme(scheme, world->themesDir(), QStringLiteral("Red"));
        QCOMPARE(scheme.ThemeName, QStringLiteral("Red"));
        QCOMPARE(valueOf(scheme, "HEADING1", Attribute::Font), QStringLiteral("Georgia"));
        QCOMPARE(valueOf(scheme, "BODY", Attribute::Font), QStringLiteral("Verdana"));
        QCOMPARE(valueOf(scheme, "REGULARLINK", Attribute::Font), QStringLiteral("Verdana"));
    }

    void readerOrderDecidesNavButtons() {
        const QString t = QStringLiteral("Blue");
        write(t, QStringLiteral("color1.css"), QStringList{"BUTTON", "\tcolor: red;"});
        write(t, QStringLiteral("graph0.css"), QStringList{".mstheme"});
        write(t, QStringLiteral("graph1.css"),
              QStringList{".mstheme-navtxthome", "\tcolor: blue;", "\tfont-family: Impact;",
                          "\tfont-size: 8pt;"});
        write(t, QStringLiteral("theme.css"), QStringList{"BUTTON", "\tfont-family: Tahoma;"});
        for (int slot = 0; slot <= 12; ++slot)
            scheme.font(FontAttr::Style, slot) = SchemeValue::integer(3);
        chooseTheme(scheme, world->themesDir(), t);
        QCOMPARE(world->prompt.messages, QStringList());
        QCOMPARE(valueOf(scheme, "NAVBUTTONS", Attribute::ForeColor), QStringLiteral("16711680"));
        QCOMPARE(valueOf(scheme, "NAVBUTTONS", Attribute::Font), QStringLiteral("Tahoma"));
        QCOMPARE(valueOf(scheme, "NAVBUTTONS", Attribute::FontSize), QStringLiteral("8"));
        for (int slot = 0; slot <= 11; ++slot)
            QCOMPARE(scheme.font(FontAttr::Style, slot).kind(), SchemeValue::Kind::Integer);
        QCOMPARE(valueOf(scheme, "NAVBUTTONS", Attribute::FontStyle), QStringLiteral("0"));
        QCOMPARE(valueOf(scheme, "GLOBALBUTTONS", Attribute::FontStyle), QStringLiteral("3"));
    }

    void windows1252Text() {
        write(QStringLiteral("Blue"), QStringLiteral("theme.css"),
              QByteArray("h1\r\n\tfont-family: Caf\xe9 \x80;\r\n"));
        LoadTheme(scheme, world->themesDir(), QStringLiteral("Blue"));
        QCOMPARE(valueOf(scheme, "HEADING1", Attribute::Font),
                 QString::fromUtf8("Caf\u00e9 \u20ac"));
    }

    void badInput_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("error"); // expected on every sheet, or 0 for "any"
        QTest::newRow("random bytes") << "random" << 0;
        QTest::newRow("invalid utf-8") << "utf8" << 0;
        QTest::newRow("folder") << "folder" << 75;
        QTest::newRow("unreadable") << "unreadable" << 70;
        QTest::newRow("long line") << "long" << 0;
    }
    void badInput() {
        QFETCH(QString, kind);
        QFETCH(int, error);
        if (kind == QLatin1String("unreadable") && geteuid() == 0)
            QSKIP("root reads every file");
        QRandomGenerator random(42);
        for (const QString& f : SheetNames) {
            const QString path = folder(QStringLiteral("Bad")) + QLatin1Char('/') + f;
            if (kind == QLatin1String("folder")) {
                QVERIFY(QDir().mkpath(path));
                continue;
            }
            QByteArray bytes;
            if (kind == QLatin1String("random")) {
                bytes.resize(64 * 1024);
                for (char& c : bytes)
                    c = static_cast<char>(random.bounded(256));
            } else if (kind == QLatin1String("utf8")) {
                bytes = "h1\r\n\tfont-family: \xc3\x28\xff;\r\n\tcolor: \xe2\x82;\r\n"
                        ".mstheme\r\n\tlist-image-1: url(\xf0\x9f.gif);\r\n";
            } else if (kind == QLatin1String("long")) {
                bytes = QByteArray(4 * 1024 * 1024, 'x') + "\tcolor: rgb(1,2";
            } else {
                bytes = crlfLines({"h1", F()});
            }
            write(QStringLiteral("Bad"), f, bytes);
            if (kind == QLatin1String("unreadable"))
                QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        }
        chooseTheme(scheme, world->themesDir(), QStringLiteral("Bad"));
        for (const QString& m : world->prompt.messages)
            QVERIFY2(m.startsWith(QLatin1String(" Encountered Err#")), qPrintable(m));
        if (error != 0)
            QCOMPARE(errorsNumbered(error), 4);
        if (kind == QLatin1String("long")) // the top-bar search and the seven selectors
            QCOMPARE(errorsNumbered(5), 8);
    }

    // A style sheet that is no readable ordinary file is reported at once, naming the
    // file, and the theme's other sheets are still read.
    void sheetThatCannotBeRead_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("error");
        QTest::newRow("pipe") << "pipe" << 75;
        QTest::newRow("link to an endless device") << "zero" << 75;
        QTest::newRow("larger than the limit") << "large" << Err::FileTooLarge;
        QTest::newRow("read error") << "failing" << 57;
    }
    void sheetThatCannotBeRead() {
        QFETCH(QString, kind);
        QFETCH(int, error);
        write(QStringLiteral("Odd"), QStringLiteral("color1.css"),
              QStringList{"h1", "\tcolor: red;"});
        const QString path = folder(QStringLiteral("Odd")) + QStringLiteral("/theme.css");
        QVERIFY(makeUnreadableFile(kind, path));
        const QString themes = world->themesDir();
        QVERIFY(returnsAtOnce([&] { chooseTheme(scheme, themes, QStringLiteral("Odd")); }, path));
        QCOMPARE(errorsNumbered(error), 1);
        for (const QString& m : world->prompt.messages)
            if (m.startsWith(QStringLiteral(" Encountered Err#%1 ").arg(error)))
                QVERIFY2(m.endsWith(QLatin1String("\r\r") + path), qPrintable(m));
        QCOMPARE(valueOf(scheme, "HEADING1", Attribute::ForeColor), QStringLiteral("255"));
        QCOMPARE(valueOf(scheme, "HEADING1", Attribute::Font), QStringLiteral("Old"));
    }

private:
    static QString F() { return QStringLiteral("\tfont-family: Impact;"); }
};

QTEST_GUILESS_MAIN(TestThemeReaders)
#include "test_themereaders.moc"
