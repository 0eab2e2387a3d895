// The Dark and High contrast variants and the locks in the scheme file: what files
// written before variants existed hold, and what a reader that knows nothing of them
// makes of a file that has them. The fixtures: before.tna, Save's file of the Studio
// theme as written before variants existed; variants.tna, the same scheme with both
// variants and two locks (the page colour and the body text); variants-read-before.tna,
// what opening variants.tna and saving it again wrote before variants existed.
#include "SchemeFixtures.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "support/TestSupport.h"

#include <QTest>

namespace {

QString fixture(const char* name) {
    return qEnvironmentVariable("TINTORA_TEST_DATA") + QStringLiteral("/scheme/") +
           QLatin1String(name);
}

// The scheme a file holds, read into a fresh scheme as Open does.
ColorScheme opened(const QString& path) {
    ColorScheme s;
    s.fillFontSizeTable();
    Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
    const SchemeFileRead read = readSchemeFile(proc, s, path);
    if (!read.complete)
        qFatal("could not read %s", qPrintable(path));
    s.ThemeName = read.themeName;
    return s;
}

QByteArray saved(const ColorScheme& s) {
    return schemeFileBytes(schemeFileLines(s, testFileInformation()));
}

ColorScheme lightOnly(ColorScheme s) {
    s.DarkColors.reset();
    s.ContrastColors.reset();
    s.LockedColors = {};
    return s;
}

bool readLines(ColorScheme& s, const QStringList& lines) {
    TestWorld world;
    const QString path = world.path("lines.tna");
    writeFile(path, crlfLines(lines));
    Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
    return readSchemeFile(proc, s, path).complete;
}

constexpr int BodySlot = 1;

} // namespace

class TestSchemeVariants : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileWithoutVariantsIsAsBefore() {
        const ColorScheme s = opened(fixture("before.tna"));
        QVERIFY(!s.hasVariant(Variant::Dark));
        QVERIFY(!s.hasVariant(Variant::Contrast));
        QVERIFY(!s.hasLocks());
        QCOMPARE(saved(s), readFile(fixture("before.tna")));
    }

    void readerBeforeVariantsLoadsTheLightScheme() {
        // This reader's Light scheme of the file is the scheme it was made from...
        ColorScheme s = lightOnly(opened(fixture("variants.tna")));
        QCOMPARE(saved(s), readFile(fixture("before.tna")));
        // ...and the scheme the reader before variants took from it. That one was saved
        // after opening the file alone, which names no theme.
        s.ThemeName.clear();
        QCOMPARE(saved(s), readFile(fixture("variants-read-before.tna")));
    }

    void variantsAndLocksRoundTrip() {
        const ColorScheme s = opened(fixture("variants.tna"));
        QVERIFY(s.hasVariant(Variant::Dark));
        QVERIFY(s.hasVariant(Variant::Contrast));
        QVERIFY(s.colorsOf(Variant::Dark) != s.SchemeColors);
        QVERIFY(s.colorsOf(Variant::Contrast) != s.colorsOf(Variant::Dark));
        ColorScheme::LockTable locks{};
        locks[ColorAttr::Back][0] = true;        // BANNER.BackColor, the page's colour
        locks[ColorAttr::Fore][BodySlot] = true; // BODY.ForeColor
        QVERIFY(s.LockedColors == locks);
        for (const Variant v : {Variant::Dark, Variant::Contrast}) {
            QCOMPARE(s.colorsOf(v)[ColorAttr::Back][0], s.SchemeColors[ColorAttr::Back][0]);
            QCOMPARE(s.colorsOf(v)[ColorAttr::Fore][BodySlot],
                     s.SchemeColors[ColorAttr::Fore][BodySlot]);
        }
        QCOMPARE(saved(s), readFile(fixture("variants.tna")));
    }

    void writtenSections() {
        ColorScheme s = populatedScheme();
        ColorScheme::ColorTable dark = s.SchemeColors;
        dark[ColorAttr::Back][0] = 1;
        dark[ColorAttr::Fore][BodySlot] = 2;
        s.setColors(Variant::Dark, dark);
        s.setLocked(ColorAttr::Fore, BodySlot, true);
        s.setLocked(ColorAttr::Back, BodySlot, true);
        const QStringList lines = schemeFileLines(s, testFileInformation());
        // The Light sections as before, BODY with its lock as its last line.
        const qsizetype body = lines.indexOf(QStringLiteral("BODY"));
        QCOMPARE(lines.mid(body, 9),
                 QStringList({"BODY", "{", "\tFont: Arial", "\tFontSize: 9", "\tFontStyle: 1",
                              "\tBackColor: " + QString::number(rgbValue(1, 2, 255)),
                              "\tForeColor: 16777214", "\tLocked: ForeColor BackColor", "}"}));
        // Then Dark only: colours only, for the thirteen elements with colours.
        const qsizetype first = lines.indexOf(QStringLiteral("DARK BACKGROUND"));
        QCOMPARE(first, SchemeFileLineCount + 1);
        QCOMPARE(lines.mid(first, 4), QStringList({"DARK BACKGROUND", "{", "\tColor: 1", "}"}));
        QCOMPARE(
            lines.mid(first + 9, 5),
            QStringList({"DARK BODY", "{", "\tBackColor: " + QString::number(rgbValue(1, 2, 255)),
                         "\tForeColor: 2", "}"}));
        QCOMPARE(lines.size(), SchemeFileLineCount + 1 + 4 + 13 * 5);
        QCOMPARE(lines.last(), QStringLiteral("}"));
        QVERIFY(!lines.contains(QStringLiteral("CONTRAST BODY")));
    }

    // Lines a variant-aware reader must take or skip as the reader before it would
    // have skipped them: only a header written exactly opens a variant's section, and
    // only colours are read in it.
    void readerTakesOnlyWhatItKnows_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("darkBodyText"); // -1: no Dark variant
        QTest::addColumn<bool>("bodyTextLocked");
        const QStringList head{"BODY", "{", "\tForeColor: 5", "}"};
        QTest::newRow("dark colour")
            << head + QStringList{"DARK BODY", "{", "\tForeColor: 9", "}"} << 9 << false;
        QTest::newRow("font in a variant is skipped")
            << head + QStringList{"DARK BODY", "{", "\tFont: Courier", "}"} << 5 << false;
        QTest::newRow("blank before the header")
            << head + QStringList{" DARK BODY", "{", "\tForeColor: 9", "}"} << -1 << false;
        QTest::newRow("no such element")
            << head + QStringList{"DARK NOSUCH", "{", "\tForeColor: 9", "}"} << -1 << false;
        QTest::newRow("element without colours")
            << head + QStringList{"DARK BULLETLIST1", "{", "\tForeColor: 9", "}"} << -1 << false;
        QTest::newRow("lower case")
            << head + QStringList{"dark BODY", "{", "\tForeColor: 9", "}"} << -1 << false;
        QTest::newRow("lock") << QStringList{"BODY", "{", "\tForeColor: 5",
                                             "\tLocked: ForeColor Font Nonsense", "}"}
                              << -1 << true;
        QTest::newRow("lock in a variant is no lock")
            << head + QStringList{"DARK BODY", "{", "\tLocked: ForeColor", "}"} << 5 << false;
    }
    void readerTakesOnlyWhatItKnows() {
        QFETCH(QStringList, lines);
        QFETCH(int, darkBodyText);
        QFETCH(bool, bodyTextLocked);
        ColorScheme s = populatedScheme();
        QVERIFY(readLines(s, lines));
        QCOMPARE(s.color(ColorAttr::Fore, BodySlot), 5);
        QCOMPARE(s.hasVariant(Variant::Dark), darkBodyText >= 0);
        if (darkBodyText >= 0)
            QCOMPARE(s.colorsOf(Variant::Dark)[ColorAttr::Fore][BodySlot], darkBodyText);
        QCOMPARE(s.isLocked(ColorAttr::Fore, BodySlot), bodyTextLocked);
        QCOMPARE(s.hasLocks(), bodyTextLocked);
    }

    // Opening a file gives the file's variants and locks, none of those shown before;
    // a file that is no scheme file changes nothing.
    void openingReplacesVariantsAndLocks() {
        ColorScheme s = populatedScheme();
        s.setColors(Variant::Contrast, s.SchemeColors);
        s.setLocked(ColorAttr::Back, 0, true);
        ColorScheme kept = s;
        QVERIFY(readLines(kept, {"no scheme here"}));
        QVERIFY(kept.hasVariant(Variant::Contrast));
        QVERIFY(kept.hasLocks());
        QVERIFY(readLines(s, {"BODY", "{", "\tForeColor: 5", "}"}));
        QVERIFY(!s.hasVariant(Variant::Contrast));
        QVERIFY(!s.hasLocks());
    }
};

QTEST_GUILESS_MAIN(TestSchemeVariants)
#include "test_schemevariants.moc"
