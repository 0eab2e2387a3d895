#include "ExportFixtures.h"
#include "export/ExportNames.h"
#include "export/PicturePlan.h"
#include "export/ThemeExport.h"
#include "framework/Procedure.h"
#include "support/ThemeFixtures.h"
#include "theme/ChooseTheme.h"
#include "ui/preview/PreviewPictures.h"

#include <QDir>
#include <QTest>

namespace {

const QString Name = QStringLiteral("Exported");

// What the four readers cannot carry, as the README lists it: styles, the back colours
// of the text elements beyond the page background (BANNER) and the buttons
// (NAVBUTTONS), the top-bar buttons' back colour, the hyperlinks' own faces and sizes
// (they take the body's), and empty sizes and pictures (a theme that declares none
// leaves the value as it was).
bool carried(const ColorScheme& source, const ThemeElement& e, Attribute a) {
    if (a == Attribute::FontStyle)
        return false;
    if (a == Attribute::BackColor)
        return e.element == Element::BANNER || e.element == Element::NAVBUTTONS ||
               (e.element != Element::GLOBALBUTTONS &&
                source.color(ColorAttr::Back, e.colorSlot) == source.pageBackground());
    const bool link = e.element == Element::REGULARLINK || e.element == Element::VISITEDLINK ||
                      e.element == Element::ACTIVELINK;
    if (link && (a == Attribute::Font || a == Attribute::FontSize))
        return false;
    return !source.valueText(e, a).isEmpty() || (a != Attribute::FontSize && a != Attribute::Image);
}

bool exportIt(TestWorld& world, const ColorScheme& scheme, const QString& name,
              ExistingOutput existing = ExistingOutput::Keep) {
    Procedure proc(QStringLiteral("frmMain.mnuFileExportTheme_Click"));
    return exportTheme(proc, scheme, world.themesDir(), name, existing, PreviewPictures::isPicture);
}

} // namespace

class TestThemeExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Export a theme, then choose it: every attribute the readers carry comes back.
    void chosenAfterExport_data() {
        QTest::addColumn<bool>("unusual");
        QTest::newRow("Studio") << false;
        QTest::newRow("unusual values") << true;
    }
    void chosenAfterExport() {
        QFETCH(bool, unusual);
        TestWorld world;
        QDir().mkpath(world.path("pictures"));
        const ColorScheme source = unusual ? unusualScheme(world.path("pictures")) : studioScheme();
        QVERIFY(exportIt(world, source, Name));
        QCOMPARE(world.prompt.messages, QStringList());

        ColorScheme chosen = sentinelScheme();
        chooseTheme(chosen, world.themesDir(), Name);
        QCOMPARE(world.prompt.messages, QStringList());
        QCOMPARE(chosen.ThemeName, Name);
        int compared = 0;
        for (const ThemeElement& e : ThemeElements) {
            for (int i = 0; i < e.attributeCount; ++i) {
                const Attribute a = e.attributes[static_cast<size_t>(i)];
                if (!carried(source, e, a))
                    continue;
                ++compared;
                const QString label = attributeLabel(e, a);
                if (a != Attribute::Image) {
                    QVERIFY2(chosen.valueText(e, a) == source.valueText(e, a), qPrintable(label));
                    continue;
                }
                // A picture comes back as its copy in the theme folder.
                const QString copy = chosen.valueText(e, a);
                QVERIFY2(copy.startsWith(world.themesDir() + QLatin1Char('/') + Name + '/'),
                         qPrintable(label + ": " + copy));
                QVERIFY2(bytesOf(copy) == bytesOf(source.valueText(e, a)), qPrintable(label));
            }
        }
        QVERIFY(compared >= 50);
        // The hyperlinks take the body text's face and size, as the readers give them.
        const ThemeElement& body = themeElement(Element::BODY);
        const ThemeElement& link = themeElement(Element::VISITEDLINK);
        QCOMPARE(chosen.valueText(link, Attribute::Font), source.valueText(body, Attribute::Font));
        // Choosing a theme makes every text element regular again.
        QCOMPARE(chosen.valueText(body, Attribute::FontStyle), QStringLiteral("0"));
    }

    void refusedNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("slash") << "a/b";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("parent") << "..";
        QTest::newRow("hidden") << ".Blue";
        QTest::newRow("point, never listed") << "Blue.2";
        QTest::newRow("control character") << "Blue\tGreen";
        QTest::newRow("leading blank") << " Blue";
        QTest::newRow("Default") << "Default";
        QTest::newRow("separator") << "-";
        QTest::newRow("too long") << QString(300, QLatin1Char('x'));
    }
    void refusedNames() {
        QFETCH(QString, name);
        TestWorld world;
        QVERIFY(!themeNameProblem(name).isEmpty());
        QVERIFY(!exportIt(world, studioScheme(), name));
        QCOMPARE(errorNumbers(world.prompt), QList<int>{Err::BadFileName});
        QCOMPARE(entriesUnder(world.themesDir()), QSet<QString>());
    }

    void acceptedNames() {
        for (const QString& name : {QStringLiteral("My Theme"), QStringLiteral("Gr\u00fcn-2_x"),
                                    QStringLiteral("Studio"), QStringLiteral("A&B")})
            QVERIFY2(themeNameProblem(name).isEmpty(), qPrintable(name));
    }

    // An existing theme is replaced only when the caller says so, and never left half
    // done: the old files go, the new ones are all there, nothing else remains.
    void existingFolderKeptOrReplaced() {
        TestWorld world;
        writeFile(world.themesDir() + "/Blue/old.txt", "old");
        QVERIFY(!exportIt(world, studioScheme(), QStringLiteral("Blue")));
        QCOMPARE(errorNumbers(world.prompt), QList<int>{Err::FileAlreadyExists});
        QCOMPARE(entriesUnder(world.themesDir()),
                 (QSet<QString>{QStringLiteral("Blue"), QStringLiteral("Blue/old.txt")}));

        QVERIFY(exportIt(world, studioScheme(), QStringLiteral("Blue"), ExistingOutput::Replace));
        const QSet<QString> entries = entriesUnder(world.themesDir());
        QVERIFY(!entries.contains(QStringLiteral("Blue/old.txt")));
        QVERIFY(entries.contains(QStringLiteral("Blue/graph1.css")));
        QVERIFY(entries.contains(QStringLiteral("Blue/banner.gif")));
        for (const QString& entry : entries)
            QVERIFY2(entry.startsWith(QLatin1String("Blue")), qPrintable(entry));
    }

    void fileInTheWayIsNotReplaced() {
        TestWorld world;
        writeFile(world.themesDir() + "/Blue", "a file");
        QVERIFY(!exportIt(world, studioScheme(), QStringLiteral("Blue"), ExistingOutput::Replace));
        QCOMPARE(errorNumbers(world.prompt), QList<int>{Err::PathFileAccess});
        QCOMPARE(bytesOf(world.themesDir() + "/Blue"), QByteArray("a file"));
        QCOMPARE(entriesUnder(world.themesDir()), QSet<QString>{QStringLiteral("Blue")});
    }

    // Pictures are copied under names the readers take, into the theme folder only,
    // one copy per file, never over a style sheet.
    void picturesStayInsideUnderSafeNames() {
        TestWorld world;
        QDir().mkpath(world.path("pictures"));
        const ColorScheme source = unusualScheme(world.path("pictures"));
        world.themesDir();
        const QSet<QString> before = entriesUnder(world.path("."));
        QVERIFY(exportIt(world, source, Name));
        QSet<QString> added = entriesUnder(world.path(".")) - before;
        QSet<QString> expected{"Themes/Exported",
                               "Themes/Exported/theme.css",
                               "Themes/Exported/color1.css",
                               "Themes/Exported/graph0.css",
                               "Themes/Exported/graph1.css",
                               "Themes/Exported/we_ird__name.gif",
                               "Themes/Exported/banner.gif",
                               "Themes/Exported/_hidden.gif",
                               "Themes/Exported/theme-2.css"};
        QCOMPARE(added, expected);
        QVERIFY(bytesOf(world.themesDir() + "/Exported/theme.css").startsWith(".mstheme\r\n"));
    }

    void missingPictureIsReportedAndTheRestWritten() {
        TestWorld world;
        ColorScheme source = studioScheme();
        const QString missing = world.path("gone/lost.gif");
        source.image(themeElement(Element::HORIZRULE).imageSlot) = missing;
        QVERIFY(exportIt(world, source, Name));
        QCOMPARE(errorNumbers(world.prompt), QList<int>{Err::FileNotFound});
        QVERIFY(world.prompt.messages[0].contains(missing));
        QVERIFY(bytesOf(world.themesDir() + "/Exported/graph0.css")
                    .contains("\tseparator-image: url(lost.gif);\r\n"));
        QVERIFY(QFileInfo::exists(world.themesDir() + "/Exported/banner.gif"));
    }

    // A value long enough to make a 256-character line would switch theme.css to its
    // single-line mode; it is cut instead, and the other rules are still read.
    void linesStayShorterThanSingleLineMode() {
        TestWorld world;
        ColorScheme source = studioScheme();
        const QString longFace = QString(300, QLatin1Char('F'));
        source.font(FontAttr::Face, themeElement(Element::BODY).fontSlot) =
            SchemeValue::text(longFace);
        const PicturePlan pictures(source, themeSheetNames());
        const ThemeSheets sheets = themeSheets(source, pictures);
        for (const QByteArray& sheet :
             {sheets.theme, sheets.color1, sheets.graph0, sheets.graph1}) {
            QVERIFY(sheet.endsWith("\r\n"));
            for (const QByteArray& line : sheet.split('\n'))
                QVERIFY2(line.size() < 256, line.constData());
        }
        QVERIFY(exportIt(world, source, Name));
        ColorScheme chosen = sentinelScheme();
        chooseTheme(chosen, world.themesDir(), Name);
        QCOMPARE(chosen.font(FontAttr::Face, themeElement(Element::BODY).fontSlot).toText(),
                 longFace.left(200));
        QCOMPARE(chosen.font(FontAttr::Face, themeElement(Element::HEADING1).fontSlot).toText(),
                 QStringLiteral("Georgia"));
    }
};

QTEST_GUILESS_MAIN(TestThemeExport)
#include "test_theme_export.moc"
