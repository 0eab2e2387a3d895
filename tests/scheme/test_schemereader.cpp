#include "SchemeFixtures.h"
#include "framework/FileAccess.h"
#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "scheme/PictureRelocation.h"
#include "scheme/SchemeFile.h"
#include "support/TestSupport.h"
#include "support/UnusualFiles.h"

#include <QDir>
#include <QTest>

namespace {

// A scheme whose probed values are known, to see what a file changes.
ColorScheme sentinelScheme() {
    ColorScheme s;
    s.fillFontSizeTable();
    s.ThemeName = QStringLiteral("Kept");
    for (auto& image : s.SchemeImages)
        image = QStringLiteral("old");
    for (auto& attr : s.SchemeColors)
        attr.fill(7);
    for (auto& attr : s.SchemeFonts)
        attr.fill(SchemeValue::text(QStringLiteral("old")));
    return s;
}

QString probe(const ColorScheme& s, const QString& key, const QString& attribute) {
    const ThemeElement* e = elementForKey(key.toStdString());
    for (int i = 0; i < e->attributeCount; ++i) {
        const Attribute a = e->attributes[static_cast<size_t>(i)];
        if (QLatin1String(attributeName(a).data(), qsizetype(attributeName(a).size())) == attribute)
            return s.valueText(*e, a);
    }
    return QStringLiteral("<no such attribute>");
}

bool readInto(ColorScheme& s, const QString& path) {
    Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
    return readSchemeFile(proc, s, path).complete;
}

} // namespace

class TestSchemeReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTripIsByteIdentical() {
        TestWorld world;
        ColorScheme scheme = populatedScheme();
        const QString first = world.path("first.tna");
        const QString second = world.path("second.tna");
        {
            Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
            QVERIFY(writeSchemeFile(proc, scheme, testFileInformation(), first));
        }
        QVERIFY(readInto(scheme, first));
        {
            Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
            QVERIFY(writeSchemeFile(proc, scheme, testFileInformation(), second));
        }
        QCOMPARE(readFile(second), readFile(first));
        QVERIFY(world.prompt.messages.isEmpty());

        // Into an empty scheme: every value comes back, the theme name does not.
        ColorScheme fresh;
        QVERIFY(readInto(fresh, first));
        const ColorScheme original = populatedScheme();
        for (const ThemeElement& e : ThemeElements)
            for (int i = 0; i < e.attributeCount; ++i) {
                const Attribute a = e.attributes[static_cast<size_t>(i)];
                const QString expected = original.valueText(e, a);
                QCOMPARE(fresh.valueText(e, a),
                         a == Attribute::Font ? ProperCase(expected) : expected);
            }
        QCOMPARE(fresh.ThemeName, QString());
        QCOMPARE(fresh.font(FontAttr::Size, 3).toSingle(), 10.5f);
    }

    void lineRules_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QString>("expected");
        QTest::newRow("tab indent stores")
            << QByteArray("BANNER\r\n{\r\n\tFont: Verdana\r\n}\r\n") << "BANNER"
            << "Font"
            << "Verdana";
        QTest::newRow("blank indent ignored")
            << QByteArray("BANNER\r\n{\r\n    Font: Verdana\r\n}\r\n") << "BANNER"
            << "Font"
            << "old";
        QTest::newRow("two tabs ignored")
            << QByteArray("BANNER\r\n{\r\n\t\tFont: Verdana\r\n}\r\n") << "BANNER"
            << "Font"
            << "old";
        QTest::newRow("lower-case header ignored")
            << QByteArray("banner\r\n{\r\n\tFont: Verdana\r\n}\r\n") << "BANNER"
            << "Font"
            << "old";
        QTest::newRow("header with blanks opens a dead section")
            << QByteArray(" BANNER\r\n{\r\n\tFont: Verdana\r\n}\r\n") << "BANNER"
            << "Font"
            << "old";
        QTest::newRow("lower-case attribute ignored")
            << QByteArray("BANNER\r\n{\r\n\tfont: Verdana\r\n}\r\n") << "BANNER"
            << "Font"
            << "old";
        QTest::newRow("attribute the element lacks ignored")
            << QByteArray("BODY\r\n{\r\n\tImage: x.gif\r\n\tColor: 5\r\n}\r\n") << "BACKGROUND"
            << "Color"
            << "7";
        QTest::newRow("value keeps its colons and inner blanks")
            << QByteArray("BANNER\r\n{\r\n\tImage:   C:\\Themes\\a b.gif  \r\n}\r\n") << "BANNER"
            << "Image"
            << "C:\\Themes\\a b.gif";
        QTest::newRow("blanks before the colon are trimmed from the key")
            << QByteArray("BODY\r\n{\r\n\tFontSize  : 12\r\n}\r\n") << "BODY"
            << "FontSize"
            << "12";
        QTest::newRow("empty value stored")
            << QByteArray("BODY\r\n{\r\n\tFontStyle: \r\n}\r\n") << "BODY"
            << "FontStyle"
            << "";
        QTest::newRow("line before any section ignored")
            << QByteArray("\tFont: Verdana\r\nBODY\r\n{\r\n}\r\n") << "BODY"
            << "Font"
            << "old";
        QTest::newRow("lines after the closing brace ignored")
            << QByteArray("BODY\r\n{\r\n}\r\n\tFont: Verdana\r\n") << "BODY"
            << "Font"
            << "old";
        QTest::newRow("no braces needed") << QByteArray("BODY\r\n\tFont: Verdana\r\n") << "BODY"
                                          << "Font"
                                          << "Verdana";
        QTest::newRow("later section wins")
            << QByteArray("BODY\r\n{\r\n\tFont: A\r\n}\r\nBODY\r\n{\r\n\tFont: B\r\n}\r\n")
            << "BODY"
            << "Font"
            << "B";
        QTest::newRow("BANNER BackColor after BACKGROUND Color wins")
            << QByteArray("BACKGROUND\r\n{\r\n\tColor: 100\r\n}\r\nBANNER\r\n{\r\n\tBackColor: "
                          "200\r\n}\r\n")
            << "BACKGROUND"
            << "Color"
            << "200";
        QTest::newRow("LF line ends, as version control writes them")
            << QByteArray("BODY\n{\n\tFont: Verdana\n}\n") << "BODY"
            << "Font"
            << "Verdana";
        QTest::newRow("LF and CR LF mixed")
            << QByteArray("BODY\r\n{\n\tFontSize: 12\r\n}\n") << "BODY"
            << "FontSize"
            << "12";
        QTest::newRow("CR alone ends lines")
            << QByteArray("BODY\r{\r\tFont: Verdana\r}\r") << "BODY"
            << "Font"
            << "Verdana";
        QTest::newRow("last line without line end")
            << QByteArray("BODY\r\n\tFont: Verdana") << "BODY"
            << "Font"
            << "Verdana";
        QTest::newRow("line without colon ignored")
            << QByteArray("BODY\r\n\tFont Verdana\r\n") << "BODY"
            << "Font"
            << "old";
        QTest::newRow("fractional size with a comma kept as text")
            << QByteArray("BODY\r\n\tFontSize: 10,5\r\n") << "BODY"
            << "FontSize"
            << "10,5";
        QTest::newRow("UTF-8 value")
            << QByteArray("BANNER\r\n\tImage: caf\xC3\xA9.gif\r\n") << "BANNER"
            << "Image" << QStringLiteral("caf\u00e9.gif");
        QTest::newRow("Windows-1252 value")
            << QByteArray("BANNER\r\n\tImage: caf\xE9 \x80.gif\r\n") << "BANNER"
            << "Image" << QStringLiteral("caf\u00e9 \u20ac.gif");
        QTest::newRow("tab inside the value kept")
            << QByteArray("BODY\r\n\tFont: A\tB\r\n") << "BODY"
            << "Font"
            << "A\tB";
    }
    void lineRules() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, key);
        QFETCH(QString, attribute);
        QFETCH(QString, expected);
        TestWorld world;
        writeFile(world.path("f.tna"), bytes);
        ColorScheme s = sentinelScheme();
        QVERIFY(readInto(s, world.path("f.tna")));
        QCOMPARE(probe(s, key, attribute), expected);
        QVERIFY(world.prompt.messages.isEmpty());
    }

    void nothingClearedAndThemeNameKept() {
        TestWorld world;
        writeFile(world.path("f.tna"),
                  crlfLines({"FILE INFORMATION", "{", "\tApplication Name: Tintora",
                             "\tTheme: Other", "}", "BODY", "{", "\tFont: Verdana", "}"}));
        ColorScheme s = sentinelScheme();
        QVERIFY(readInto(s, world.path("f.tna")));
        QCOMPARE(s.ThemeName, QStringLiteral("Kept"));
        QCOMPARE(probe(s, "BODY", "Font"), QStringLiteral("Verdana"));
        QCOMPARE(probe(s, "HEADING1", "Font"), QStringLiteral("old"));
        QCOMPARE(s.SchemeImages[20], QStringLiteral("old"));
        QCOMPARE(s.color(ColorAttr::Fore, 13), 7);
    }

    void fractionalSizeTextsConvert_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("point") << "10.5";
        QTest::newRow("comma") << "10,5";
    }
    void fractionalSizeTextsConvert() {
        QFETCH(QString, text);
        TestWorld world;
        writeFile(world.path("f.tna"), crlfLines({"BODY", "\tFontSize: " + text}));
        ColorScheme s;
        QVERIFY(readInto(s, world.path("f.tna")));
        QCOMPARE(s.font(FontAttr::Size, 1).toText(), text);
        QCOMPARE(s.font(FontAttr::Size, 1).toSingle(), 10.5f);
    }

    void colourConversion_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("stored");
        QTest::newRow("whole") << "16777215" << 0 << 16777215;
        QTest::newRow("negative") << "-1" << 0 << -1;
        QTest::newRow("2.5 to even") << "2.5" << 0 << 2;
        QTest::newRow("3.5 to even") << "3.5" << 0 << 4;
        QTest::newRow("-2.5 to even") << "-2.5" << 0 << -2;
        QTest::newRow("comma decimal") << "3,7" << 0 << 4;
        QTest::newRow("largest") << "2147483647" << 0 << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << 0 << int(-2147483647 - 1);
        QTest::newRow("not a number") << "white" << 13 << 7;
        QTest::newRow("trailing text") << "12px" << 13 << 7;
        QTest::newRow("empty") << "" << 13 << 7;
        QTest::newRow("beyond 32 bits") << "2147483648" << 6 << 7;
        QTest::newRow("far beyond") << "1e300" << 6 << 7;
        QTest::newRow("beyond any number") << "1e400" << 6 << 7;
        QTest::newRow("too small for any number") << "1e-400" << 0 << 0;
        QTest::newRow("negative too small") << "-1e-400" << 0 << 0;
        QTest::newRow("too small written out") << "0." + QString(400, '0') + "1" << 0 << 0;
    }
    void colourConversion() {
        QFETCH(QString, value);
        QFETCH(int, error);
        QFETCH(int, stored);
        TestWorld world;
        const QString path = world.path("c.tna");
        writeFile(path, crlfLines({"BODY", "{", "\tForeColor: " + value, "\tFont: After", "}"}));
        ColorScheme s = sentinelScheme();
        QVERIFY(readInto(s, path));
        QCOMPARE(s.color(ColorAttr::Fore, 1), stored);
        // Reading goes on after the ignored error.
        QCOMPARE(probe(s, "BODY", "Font"), QStringLiteral("After"));
        if (error == 0) {
            QVERIFY(world.prompt.messages.isEmpty());
        } else {
            QCOMPARE(world.prompt.messages.size(), 1);
            const QString& m = world.prompt.messages[0];
            QVERIFY2(m.contains(QStringLiteral("Err#%1 ").arg(error)), qPrintable(m));
            QVERIFY(m.contains(QStringLiteral("Task: Open file: ") + path));
            QVERIFY(m.contains(QLatin1String("frmMain.mnuFileOpen_Click")));
        }
    }

    void foreignFileIgnoredLoadsAnyway() {
        TestWorld world;
        const QString path = world.path("other.tna");
        writeFile(path, crlfLines({"FILE INFORMATION", "{", "\tApplication Name: Other Tool", "}",
                                   "BODY", "{", "\tFont: Verdana", "}"}));
        ColorScheme s = sentinelScheme();
        QVERIFY(readInto(s, path));
        QCOMPARE(world.prompt.messages.size(), 1);
        const QString& m = world.prompt.messages[0];
        QVERIFY(m.contains(QLatin1String(
            "Err#19691 - Attempting to open a file not created by the Tintora software.")));
        QVERIFY(m.contains(QStringLiteral("Task: Open file: ") + path));
        QCOMPARE(probe(s, "BODY", "Font"), QStringLiteral("Verdana"));
    }

    void foreignFileRetryShowsSameMessage() {
        TestWorld world;
        const QString path = world.path("other.tna");
        writeFile(path, crlfLines({"FILE INFORMATION", "\tApplication Name: Other Tool"}));
        world.prompt.script(
            {ErrorPrompt::Answer::Retry, ErrorPrompt::Answer::Retry, ErrorPrompt::Answer::Ignore});
        ColorScheme s = sentinelScheme();
        readInto(s, path);
        QCOMPARE(world.prompt.messages.size(), 3);
        QCOMPARE(world.prompt.messages[1], world.prompt.messages[0]);
        QCOMPARE(world.prompt.messages[2], world.prompt.messages[0]);
    }

    void foreignFileAbortEndsTheProgram() {
        TestWorld world;
        const QString path = world.path("other.tna");
        writeFile(path, crlfLines({"FILE INFORMATION", "\tApplication Name: Other Tool", "BODY",
                                   "\tFont: Verdana"}));
        world.prompt.script({ErrorPrompt::Answer::Abort});
        ColorScheme s = sentinelScheme();
        int status = -1;
        try {
            readInto(s, path);
        } catch (const AbortRequested& abort) {
            status = abort.status;
        }
        QCOMPARE(status, 1);
        QCOMPARE(probe(s, "BODY", "Font"), QStringLiteral("old"));
    }

    void applicationNameCheck_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("raises");
        QTest::newRow("Tintora") << QStringList{"FILE INFORMATION", "\tApplication Name: Tintora"}
                                 << false;
        QTest::newRow("blanks around the value")
            << QStringList{"FILE INFORMATION", "\tApplication Name:   Tintora  "} << false;
        QTest::newRow("other case")
            << QStringList{"FILE INFORMATION", "\tApplication Name: tintora"} << true;
        QTest::newRow("empty value")
            << QStringList{"FILE INFORMATION", "\tApplication Name:"} << true;
        QTest::newRow("no FILE INFORMATION section")
            << QStringList{"BODY", "\tFont: Arial"} << false;
        QTest::newRow("key with a blank before the tab is not checked")
            << QStringList{"FILE INFORMATION", " \tApplication Name: Other"} << false;
        QTest::newRow("key with a blank before the colon is not checked")
            << QStringList{"FILE INFORMATION", "\tApplication Name : Other"} << false;
        QTest::newRow("outside the section")
            << QStringList{"BODY", "\tApplication Name: Other"} << false;
        QTest::newRow("header with blanks")
            << QStringList{"FILE INFORMATION ", "\tApplication Name: Other"} << false;
    }
    void applicationNameCheck() {
        QFETCH(QStringList, lines);
        QFETCH(bool, raises);
        TestWorld world;
        writeFile(world.path("f.tna"), crlfLines(lines));
        ColorScheme s = sentinelScheme();
        QVERIFY(readInto(s, world.path("f.tna")));
        QCOMPARE(world.prompt.messages.size(), raises ? 1 : 0);
    }

    void themeNameOfTheFileIsReported() {
        TestWorld world;
        world.setUpGlobals();
        writeFile(world.path("f.tna"), "FILE INFORMATION\n{\n\tTheme: Blue Sky\n}\nBODY\n{\n}\n");
        ColorScheme s = sentinelScheme();
        Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
        QCOMPARE(readSchemeFile(proc, s, world.path("f.tna")).themeName,
                 QStringLiteral("Blue Sky"));
        QCOMPARE(s.ThemeName, QStringLiteral("Kept"));
    }

    // A scheme file that travelled: its pictures are found beside it first, then in
    // its theme's folder; what is nowhere is named once.
    void picturesThatMovedAreFound() {
        TestWorld world;
        const QString themes = world.themesDir();
        QDir().mkpath(world.path("copied"));
        QDir().mkpath(themes + "/Blue");
        for (const char* file : {"copied/banner.gif", "copied/bullet.gif", "copied/scheme.tna"})
            writeFile(world.path(file), "x");
        for (const char* file : {"/Blue/bullet.gif", "/Blue/RULE.GIF"})
            writeFile(themes + file, "x");
        const QString here = world.path("copied/banner.gif");
        ColorScheme s;
        const auto image = [&s](Element e) -> QString& {
            return s.image(themeElement(e).imageSlot);
        };
        image(Element::BANNER) = here;                              // exists: kept
        image(Element::BULLETLIST1) = "/elsewhere/Blue/bullet.gif"; // beside the file
        image(Element::HORIZRULE) = "C:\\Themes\\Blue\\rule.gif";   // in the theme
        image(Element::BACKGROUND) = "/elsewhere/gone.gif";         // nowhere
        image(Element::BULLETLIST2) = "/elsewhere/gone.gif";        // named once
        image(Element::BULLETLIST3) = "";                           // no picture

        const PicturesRelocated moved =
            relocatePictures(s, world.path("copied/scheme.tna"), "Blue", {themes});
        QCOMPARE(moved.foundElsewhere, 2);
        QCOMPARE(moved.missing, QStringList{"/elsewhere/gone.gif"});
        QCOMPARE(image(Element::BANNER), here);
        QCOMPARE(image(Element::BULLETLIST1), world.path("copied/bullet.gif"));
        QCOMPARE(image(Element::HORIZRULE), themes + "/Blue/RULE.GIF");
        QCOMPARE(image(Element::BULLETLIST3), QString());

        // A theme name is a folder inside the Themes folder, never a way out of it.
        ColorScheme out;
        out.image(themeElement(Element::HORIZRULE).imageSlot) = "/x/rule.gif";
        QCOMPARE(relocatePictures(out, world.path("copied/scheme.tna"), "../Themes/Blue", {themes})
                     .foundElsewhere,
                 0);
    }

    void sectionsRecognisedAreCounted_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("sections");
        const QByteArray body = "BODY\r\n{\r\n\tForeColor: 255\r\n}\r\n";
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("LF line ends") << QByteArray(body).replace("\r\n", "\n") << 1;
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 18) << 0;
        QTest::newRow("headers with blanks only")
            << QByteArray(" BODY\r\n{\r\n\tForeColor: 255\r\n}") << 0;
        QTest::newRow("one section") << body << 1;
        QTest::newRow("information and a section")
            << "FILE INFORMATION\r\n{\r\n}\r\n" + body + body << 3;
    }
    void sectionsRecognisedAreCounted() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, sections);
        TestWorld world;
        world.setUpGlobals();
        writeFile(world.path("f.tna"), bytes);
        ColorScheme s = sentinelScheme();
        Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
        const SchemeFileRead read = readSchemeFile(proc, s, world.path("f.tna"));
        QVERIFY(read.complete);
        QCOMPARE(read.sections, sections);
        QCOMPARE(probe(s, "BODY", "ForeColor"), sections > 0 ? QStringLiteral("255") : "7");
        QCOMPARE(world.prompt.messages, QStringList());
    }

    void unreadableFiles_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<int>("number");
        QTest::newRow("missing file") << "missing.tna" << 53;
        QTest::newRow("missing folder") << "nofolder/x.tna" << 76;
        QTest::newRow("a folder") << "folder" << 75;
        QTest::newRow("a pipe") << "pipe.tna" << 75;
        QTest::newRow("larger than the limit") << "large.tna" << Err::FileTooLarge;
        QTest::newRow("read error") << "failing.tna" << 57;
    }
    void unreadableFiles() {
        QFETCH(QString, relative);
        QFETCH(int, number);
        TestWorld world;
        QDir().mkpath(world.path("folder"));
        const QString path = world.path(relative);
        if (relative == QLatin1String("pipe.tna"))
            QVERIFY(makePipe(path));
        else if (relative == QLatin1String("large.tna"))
            QVERIFY(makeSparseFile(path, MaxTextFileSize + 1));
        else if (relative == QLatin1String("failing.tna"))
            QVERIFY(makeFailingReadLink(path));
        ColorScheme s = sentinelScheme();
        bool read = true;
        QVERIFY(returnsAtOnce([&] { read = readInto(s, path); }, path));
        QVERIFY(!read);
        QCOMPARE(world.prompt.messages.size(), 1);
        QVERIFY2(world.prompt.messages[0].contains(QStringLiteral("Err#%1 ").arg(number)),
                 qPrintable(world.prompt.messages[0]));
        QVERIFY(world.prompt.messages[0].contains(QStringLiteral("Open file: ") +
                                                  world.path(relative)));
        QCOMPARE(probe(s, "BODY", "Font"), QStringLiteral("old"));
    }
};

QTEST_GUILESS_MAIN(TestSchemeReader)
#include "test_schemereader.moc"
