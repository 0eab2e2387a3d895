#include "ExportFixtures.h"
#include "export/CssExport.h"
#include "export/CssImport.h"
#include "export/CssProperties.h"
#include "export/CssValues.h"
#include "export/ExamplePage.h"
#include "export/PicturePlan.h"
#include "framework/FileAccess.h"
#include "framework/Procedure.h"
#include "support/ThemeFixtures.h"
#include "support/UnusualFiles.h"
#include "theme/DrawnFont.h"
#include "ui/preview/PreviewPictures.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

namespace {

bool exportIt(const ColorScheme& scheme, const QString& path,
              ExistingOutput existing = ExistingOutput::Keep) {
    Procedure proc(QStringLiteral("frmMain.mnuFileExportCss_Click"));
    return exportCss(proc, scheme, path, existing, PreviewPictures::isPicture);
}

std::optional<ColorScheme> importIt(const QString& path, const ColorScheme& current) {
    Procedure proc(QStringLiteral("frmMain.mnuFileImportCss_Click"));
    return importCss(proc, current, path);
}

} // namespace

class TestCssExchange : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Export a style sheet, then import it: every attribute comes back exactly, the
    // pictures as their copies beside the sheet.
    void importGivesBackTheExport_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("Studio") << "studio";
        QTest::newRow("unusual values") << "unusual";
        QTest::newRow("values CSS has no form for") << "hard";
    }
    void importGivesBackTheExport() {
        QFETCH(QString, kind);
        TestWorld world;
        QDir().mkpath(world.path("pictures"));
        QDir().mkpath(world.path("site"));
        const ColorScheme source = kind == QLatin1String("studio") ? studioScheme()
                                   : kind == QLatin1String("unusual")
                                       ? unusualScheme(world.path("pictures"))
                                       : hardScheme(world.path("pictures"));
        const QString sheet = world.path("site/theme.css");
        QVERIFY(exportIt(source, sheet));
        QCOMPARE(world.prompt.messages, QStringList());

        const std::optional<ColorScheme> imported = importIt(sheet, sentinelScheme());
        QVERIFY(imported);
        qsizetype refused = 0;
        for (const ThemeElement& e : ThemeElements) {
            for (int i = 0; i < e.attributeCount; ++i) {
                const Attribute a = e.attributes[static_cast<size_t>(i)];
                const QString label = attributeLabel(e, a);
                const QString value = imported->valueText(e, a);
                // A line end leaves as a blank: no import takes one.
                QString expected = source.valueText(e, a).replace(QLatin1Char('\n'), ' ');
                // A size the preview cannot draw is reported, and the scheme keeps its own.
                if (a == Attribute::FontSize && !expected.isEmpty() &&
                    !drawnPointSize(source.font(FontAttr::Size, e.fontSlot))) {
                    expected = sentinelScheme().valueText(e, a);
                    ++refused;
                }
                if (a != Attribute::Image || expected.isEmpty()) {
                    QVERIFY2(value == expected,
                             qPrintable(label + ": " + value + " / " + expected));
                    continue;
                }
                QVERIFY2(QFileInfo(value).absolutePath() == world.path("site"), qPrintable(value));
                QVERIFY2(bytesOf(value) == bytesOf(expected), qPrintable(label));
            }
        }
        QCOMPARE(world.prompt.messages.size(), refused);
        for (const QString& message : world.prompt.messages)
            QVERIFY2(message.contains(QStringLiteral("-font-size")), qPrintable(message));
        // Only the values change: the rest of the scheme is the caller's.
        QCOMPARE(imported->ThemeName, sentinelScheme().ThemeName);
    }

    // The variants' colours and the locks come back from their media blocks exactly,
    // and without them the sheet is the one a scheme without variants gives.
    void variantsComeBackFromTheMediaBlocks_data() {
        QTest::addColumn<quint32>("seed"); // 0: Studio
        QTest::newRow("Studio") << 0u;
        for (const quint32 seed : {7u, 1234u, 99999u})
            QTest::newRow(qPrintable(QStringLiteral("random %1").arg(seed))) << seed;
    }
    void variantsComeBackFromTheMediaBlocks() {
        QFETCH(quint32, seed);
        const ColorScheme light = seed == 0 ? studioScheme() : randomScheme(seed);
        TestWorld world;
        QDir().mkpath(world.path("plain"));
        QDir().mkpath(world.path("variants"));
        const ColorScheme source = withVariantsAndLocks(light);
        QVERIFY(exportIt(light, world.path("plain/theme.css")));
        QVERIFY(exportIt(source, world.path("variants/theme.css")));

        const std::optional<ColorScheme> imported =
            importIt(world.path("variants/theme.css"), sentinelScheme());
        QVERIFY(imported);
        QCOMPARE(world.prompt.messages, QStringList());
        for (const Variant v : Variants)
            QCOMPARE(imported->colorsOf(v), source.colorsOf(v));
        QVERIFY(imported->hasVariant(Variant::Dark) && imported->hasVariant(Variant::Contrast));
        QCOMPARE(imported->LockedColors, source.LockedColors);

        QString sheet = QString::fromUtf8(bytesOf(world.path("variants/theme.css")));
        QCOMPARE(sheet.count(QStringLiteral("@media (prefers-color-scheme: dark) {\n  :root {")),
                 1);
        QCOMPARE(sheet.count(QStringLiteral("@media (prefers-contrast: more) {\n  :root {")), 1);
        QVERIFY(sheet.contains(QStringLiteral(
            "  --tintora-locked: background-color banner-background-color h2-color;\n")));
        sheet.remove(QRegularExpression(QStringLiteral("  --tintora-locked: [^;]*;\n")));
        sheet.remove(
            QRegularExpression(QStringLiteral("@media [^{]*\\{\n  :root \\{\n[^}]*\\}\n\\}\n\n")));
        QCOMPARE(sheet, QString::fromUtf8(bytesOf(world.path("plain/theme.css"))));
    }

    // A media block that names some colours starts from the Light colours the sheet
    // just gave, not from a variant the scheme had before.
    void variantBlockStartsFromTheLightRead() {
        TestWorld world;
        const QString sheet = world.path("site.css");
        writeFile(sheet, ":root {\n  --tintora-body-color: #112233;\n}\n"
                         "@media (prefers-color-scheme: dark) {\n  :root {\n"
                         "    --tintora-background-color: #000000;\n  }\n}\n");
        ColorScheme current = sentinelScheme();
        ColorScheme::ColorTable stale = current.SchemeColors;
        const auto body = static_cast<std::size_t>(themeElement(Element::BODY).colorSlot);
        stale[ColorAttr::Fore][body] = rgbValue(0xAB, 0xCD, 0xEF);
        current.setColors(Variant::Dark, stale);
        const std::optional<ColorScheme> imported = importIt(sheet, current);
        QVERIFY(imported);
        const ColorScheme::ColorTable& dark = imported->colorsOf(Variant::Dark);
        QCOMPARE(dark[ColorAttr::Fore][body], rgbValue(0x11, 0x22, 0x33));
        QCOMPARE(dark[ColorAttr::Back][0], 0);
    }

    // A list of locks naming what is no colour is reported, and the scheme's locks stay.
    void badLockListIsReported_data() {
        QTest::addColumn<QByteArray>("locked");
        QTest::newRow("a font") << QByteArray("body-font");
        QTest::newRow("no property") << QByteArray("h1-color nothing");
    }
    void badLockListIsReported() {
        QFETCH(QByteArray, locked);
        TestWorld world;
        const QString sheet = world.path("site.css");
        writeFile(sheet, ":root {\n  --tintora-locked: " + locked + ";\n}\n");
        ColorScheme base = sentinelScheme();
        base.setLocked(ColorAttr::Fore, 2, true);
        const std::optional<ColorScheme> s = importIt(sheet, base);
        QVERIFY(s);
        QCOMPARE(errorNumbers(world.prompt), QList<int>{Err::InvalidPropertyValue});
        QVERIFY(world.prompt.messages[0].contains("line 2: --tintora-locked"));
        QCOMPARE(s->LockedColors, base.LockedColors);
    }

    void propertyNamesAreOnePerAttribute() {
        QSet<QString> names;
        for (const CssProperty& p : cssProperties()) {
            QVERIFY(p.name.startsWith(QLatin1String("--tintora-")));
            names.insert(p.name);
            QCOMPARE(cssPropertyNamed(p.name), &p);
        }
        // 2 + 6 + 11 * 5 + 6 + 16 attribute lines of the scheme file.
        QCOMPARE(names.size(), 85);
        QVERIFY(names.contains(QStringLiteral("--tintora-body-color")));
        QVERIFY(names.contains(QStringLiteral("--tintora-h1-font")));
        QVERIFY(names.contains(QStringLiteral("--tintora-background-color")));
    }

    // Only the top-level ":root" rules count, later declarations win, and everything
    // that is not one of the properties is passed over without a word.
    void importReadsOnlyTheRootBlock() {
        TestWorld world;
        const QString sheet = world.path("site.css");
        writeFile(sheet,
                  "@import url(other.css);\n"
                  "/* :root { --tintora-h2-color: red; } */\n"
                  "body { --tintora-body-color: red; color: blue; }\n"
                  "@media (prefers-color-scheme: dark) { :root { --tintora-h3-color: red; } }\n"
                  ":root {\n"
                  "  --other-colour: #123;\n"
                  "  --tintora-unknown: 12;\n"
                  "  --tintora-h1-color: navy;\n"
                  "  --tintora-h1-color: rgb(0, 0, 255) !important;\n"
                  "  --tintora-h4-font: \"Trebuchet MS\", Arial, sans-serif;\n"
                  "  --tintora-h5-font-size: 11.5pt; --tintora-h5-font-style: Bold  Italic\n"
                  "}\n"
                  ":root{--tintora-banner-image:url(pics/b.gif)}\n");
        const ColorScheme base = sentinelScheme();
        const std::optional<ColorScheme> s = importIt(sheet, base);
        QVERIFY(s);
        QCOMPARE(world.prompt.messages, QStringList());
        const auto value = [&](Element e, Attribute a) { return s->valueText(themeElement(e), a); };
        QCOMPARE(value(Element::HEADING1, Attribute::ForeColor),
                 QString::number(rgbValue(0, 0, 255)));
        QCOMPARE(value(Element::HEADING2, Attribute::ForeColor), QStringLiteral("2424"));
        QCOMPARE(value(Element::HEADING3, Attribute::ForeColor), QStringLiteral("2424"));
        // The dark block is the Dark variant's, which starts from the Light colours.
        const ColorScheme dark = s->shownAs(Variant::Dark);
        QCOMPARE(dark.valueText(themeElement(Element::HEADING3), Attribute::ForeColor),
                 QString::number(rgbValue(255, 0, 0)));
        QCOMPARE(dark.valueText(themeElement(Element::HEADING1), Attribute::ForeColor),
                 QString::number(rgbValue(0, 0, 255)));
        QVERIFY(!s->hasVariant(Variant::Contrast));
        QCOMPARE(value(Element::BODY, Attribute::ForeColor), QStringLiteral("2424"));
        QCOMPARE(value(Element::HEADING4, Attribute::Font), QStringLiteral("\"Trebuchet MS\""));
        QCOMPARE(value(Element::HEADING5, Attribute::FontSize), QStringLiteral("11.5"));
        QCOMPARE(value(Element::HEADING5, Attribute::FontStyle), QStringLiteral("3"));
        QCOMPARE(value(Element::BANNER, Attribute::Image),
                 QDir::toNativeSeparators(world.path("pics/b.gif")));
    }

    // A bad value is reported as the readers report theirs, naming the file, the line
    // and the property; the rest of the sheet is still applied.
    void badValuesAreReported_data() {
        QTest::addColumn<QByteArray>("declaration");
        QTest::newRow("colour word") << QByteArray("--tintora-h1-color: blurple");
        QTest::newRow("empty colour") << QByteArray("--tintora-h1-color: ");
        QTest::newRow("colour too big") << QByteArray("--tintora-h1-color: 99999999999");
        QTest::newRow("size in pixels") << QByteArray("--tintora-h1-font-size: 12px");
        QTest::newRow("size that is no number") << QByteArray("--tintora-h1-font-size: big");
        QTest::newRow("quoted size that is no number")
            << QByteArray("--tintora-h1-font-size: \"large\"");
        QTest::newRow("size no label takes") << QByteArray("--tintora-h1-font-size: 0pt");
        QTest::newRow("style word") << QByteArray("--tintora-h1-font-style: oblique");
        QTest::newRow("string and more") << QByteArray("--tintora-h1-font: \"Ari\\al\" x");
        QTest::newRow("picture outside") << QByteArray("--tintora-banner-image: url(../x.gif)");
        QTest::newRow("picture absolute") << QByteArray("--tintora-banner-image: url(/etc/x.gif)");
        QTest::newRow("picture elsewhere")
            << QByteArray("--tintora-banner-image: url(http://a/b.gif)");
        QTest::newRow("picture on a drive")
            << QByteArray("--tintora-banner-image: url('C:\\\\x.gif')");
        QTest::newRow("not a picture") << QByteArray("--tintora-banner-image: banner.gif");
    }
    void badValuesAreReported() {
        QFETCH(QByteArray, declaration);
        TestWorld world;
        const QString sheet = world.path("site.css");
        writeFile(sheet, ":root {\n  --tintora-h2-color: red;\n\n  " + declaration +
                             ";\n  --tintora-h3-color: lime;\n}\n");
        const ColorScheme base = sentinelScheme();
        const std::optional<ColorScheme> s = importIt(sheet, base);
        QVERIFY(s);
        QCOMPARE(errorNumbers(world.prompt), QList<int>{Err::InvalidPropertyValue});
        const QString property = QString::fromLatin1(declaration.left(declaration.indexOf(':')));
        QVERIFY2(world.prompt.messages[0].contains("Task: Import CSS: " + sheet +
                                                   ", line 4: " + property),
                 qPrintable(world.prompt.messages[0]));
        // The bad property keeps its value; the others are applied.
        const CssProperty* bad = cssPropertyNamed(property);
        QCOMPARE(s->valueText(themeElement(bad->element), bad->attribute),
                 base.valueText(themeElement(bad->element), bad->attribute));
        QCOMPARE(s->valueText(themeElement(Element::HEADING2), Attribute::ForeColor),
                 QStringLiteral("255"));
        QCOMPARE(s->valueText(themeElement(Element::HEADING3), Attribute::ForeColor),
                 QString::number(rgbValue(0, 255, 0)));
    }

    void missingSheetChangesNothing() {
        TestWorld world;
        QVERIFY(!importIt(world.path("none.css"), sentinelScheme()));
        QCOMPARE(errorNumbers(world.prompt), QList<int>{Err::FileNotFound});
        QVERIFY(world.prompt.messages[0].contains("Task: Import CSS: " + world.path("none.css")));
    }

    // A sheet is read only when it is an ordinary file within the size limit: a pipe
    // or device is refused at once, a read error is no end of the sheet.
    void sheetThatCannotBeRead_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("error");
        QTest::newRow("pipe") << "pipe" << Err::PathFileAccess;
        QTest::newRow("link to an endless device") << "zero" << Err::PathFileAccess;
        QTest::newRow("larger than the limit") << "large" << Err::FileTooLarge;
        QTest::newRow("read error") << "failing" << Err::DeviceIO;
    }
    void sheetThatCannotBeRead() {
        QFETCH(QString, kind);
        QFETCH(int, error);
        TestWorld world;
        const QString path = world.path("odd.css");
        QVERIFY(makeUnreadableFile(kind, path));
        std::optional<ColorScheme> imported;
        QVERIFY2(returnsAtOnce([&] { imported = importIt(path, sentinelScheme()); }, path),
                 "opening a pipe waited for a writer");
        QVERIFY(!imported);
        QCOMPARE(errorNumbers(world.prompt), QList<int>{error});
    }

    // A device at the sheet's name is written in place, as a scheme file is saved:
    // never replaced by an ordinary file, and a failed write is an error.
    void sheetToADeviceIsWrittenInPlace() {
        TestWorld world;
        const QString sheet = world.path("full.css");
        if (!makeFullDevice(sheet))
            QSKIP("device nodes cannot be made here");
        QVERIFY(!exportIt(studioScheme(), sheet, ExistingOutput::Replace));
        QCOMPARE(errorNumbers(world.prompt), QList<int>{Err::DiskFull});
        QVERIFY(QFileInfo::exists(sheet) && !QFileInfo(sheet).isFile());
    }

    // Beside an existing sheet, a picture file of the same name is reused when it is
    // the same picture and left alone when it is another; the sheet itself is
    // replaced only when the caller says so.
    void existingFilesBesideTheSheet() {
        TestWorld world;
        const ColorScheme source = studioScheme();
        const QString sheet = world.path("site/theme.css");
        writeFile(world.path("site/banner.gif"), "another picture");
        writeFile(world.path("site/rule.gif"), bytesOf(source.image(7)));
        writeFile(sheet, "old sheet");
        QVERIFY(!exportIt(source, sheet));
        QCOMPARE(errorNumbers(world.prompt), QList<int>{Err::FileAlreadyExists});
        QCOMPARE(bytesOf(sheet), QByteArray("old sheet"));

        QVERIFY(exportIt(source, sheet, ExistingOutput::Replace));
        QCOMPARE(bytesOf(world.path("site/banner.gif")), QByteArray("another picture"));
        const QByteArray css = bytesOf(sheet);
        QVERIFY(css.contains("--tintora-banner-image: url(\"banner-2.gif\");"));
        QVERIFY(css.contains("--tintora-rule-image: url(\"rule.gif\");"));
        QCOMPARE(bytesOf(world.path("site/banner-2.gif")), bytesOf(source.image(1)));
    }

    // The forms the rules can use as they stand.
    void valuesInCssForm_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("expected");
        using namespace cssvalue;
        QTest::newRow("black") << color(0) << "#000000";
        QTest::newRow("white") << color(16777215) << "#ffffff";
        QTest::newRow("red is low") << color(rgbValue(255, 0, 1)) << "#ff0001";
        QTest::newRow("fraction") << size(SchemeValue::single(10.5f)) << "10.5pt";
        QTest::newRow("table size") << size(SchemeValue::integer(12)) << "12pt";
        QTest::newRow("size word") << size(SchemeValue::text("x-small")) << "x-small";
        QTest::newRow("quoted face") << face("\"Times New Roman\"") << "\"Times New Roman\"";
        QTest::newRow("words") << face("Times New Roman") << "Times New Roman";
        QTest::newRow("digit first") << face("8514oem") << "\"\\38 514oem\"";
        // A C1 control character, like C0, makes the face a string, where it is a blank.
        QTest::newRow("C1 control")
            << face(QStringLiteral("Georgia\u009B31m")) << "\"\\47 eorgia 31m\"";
        QTest::newRow("bold italic") << style(SchemeValue::integer(3)) << "italic bold";
        QTest::newRow("no picture") << picture(QString()) << "none";
    }
    void valuesInCssForm() {
        QFETCH(QString, written);
        QFETCH(QString, expected);
        QCOMPARE(written, expected);
    }

    // The rules use the properties as a browser needs them: a generic family after
    // the face, the shorthand only when every part fits it, and buttons that keep
    // their own colour when they are links.
    void rulesUseTheProperties() {
        TestWorld world;
        ColorScheme scheme = studioScheme();
        scheme.font(FontAttr::Style, themeElement(Element::HEADING2).fontSlot) =
            SchemeValue::text(QStringLiteral("7"));
        scheme.font(FontAttr::Size, themeElement(Element::HEADING3).fontSlot) = SchemeValue();
        scheme.font(FontAttr::Face, themeElement(Element::HEADING4).fontSlot) =
            SchemeValue::text(QStringLiteral("Courier New"));
        const PicturePlan pictures(scheme, {QStringLiteral("site.css")});
        const QByteArray css = cssStyleSheet(scheme, pictures);
        const auto ruleOf = [&](const QByteArray& selector) {
            const qsizetype at = css.indexOf("\n" + selector + " {\n");
            return at < 0 ? QByteArray() : css.mid(at, css.indexOf('}', at) - at);
        };
        QVERIFY(
            ruleOf("h1").contains("  font: var(--tintora-h1-font-style) "
                                  "var(--tintora-h1-font-size) var(--tintora-h1-font), serif;"));
        QVERIFY(ruleOf("h2").contains("  font-family: var(--tintora-h2-font), serif;\n"
                                      "  font-size: var(--tintora-h2-font-size);"));
        QVERIFY(!ruleOf("h3").contains("font-size"));
        QVERIFY(ruleOf("h4").contains("var(--tintora-h4-font), monospace;"));
        QVERIFY(ruleOf("body").contains("var(--tintora-body-font), sans-serif;"));
        // A style the preview cannot draw leaves the heading regular, not bold.
        QVERIFY(ruleOf("h2").contains("  font-style: normal;\n  font-weight: normal;"));
        // The texts the preview draws on the page have no background of their own.
        for (const QByteArray selector : {"h1", "h6", "a:link"})
            QVERIFY2(!ruleOf(selector).contains("background"), selector.constData());
        QVERIFY(ruleOf("a:visited,\na.tintora-visited").contains("var(--tintora-visited-color)"));
        QVERIFY(ruleOf("a:active,\na.tintora-active").contains("var(--tintora-active-color)"));
        QVERIFY(css.contains(".tintora-nav:link,\n.tintora-nav:visited,\n.tintora-nav:active {\n"
                             "  color: var(--tintora-nav-color);"));
        QVERIFY(
            css.contains(".tintora-vnav.tintora-current::before,\n.tintora-vnav:hover::before {\n"
                         "  content: var(--tintora-vnav-pushed-image);"));
    }

    // The page's picture and the labels over pictures follow the preview's options.
    void rulesFollowThePreviewOptions_data() {
        QTest::addColumn<bool>("showBackground");
        QTest::addColumn<bool>("opaqueLabels");
        QTest::newRow("as the window starts") << false << false;
        QTest::newRow("background shown") << true << false;
        QTest::newRow("opaque labels") << false << true;
        QTest::newRow("both") << true << true;
    }
    void rulesFollowThePreviewOptions() {
        QFETCH(bool, showBackground);
        QFETCH(bool, opaqueLabels);
        const ColorScheme scheme = studioScheme();
        const QByteArray css = cssStyleSheet(scheme, PicturePlan(scheme, {"site.css"}),
                                             {showBackground, opaqueLabels});
        QCOMPARE(css.contains("  background-image: var(--tintora-background-image);\n"
                              "  background-repeat: no-repeat;\n"
                              "  background-size: 100% 100%;\n"),
                 showBackground);
        QCOMPARE(css.contains("  background-image: none;\n"), !showBackground);
        // The preview paints the banner, horizontal navigation and normal quick-link
        // labels; the selected quick links, vertical and global buttons stay clear.
        QCOMPARE(css.contains(".tintora-banner > * {\n"
                              "  background-color: var(--tintora-banner-background-color);"),
                 opaqueLabels);
        QCOMPARE(css.contains(".tintora-nav > * {\n"
                              "  background-color: var(--tintora-nav-background-color);"),
                 opaqueLabels);
        QCOMPARE(css.contains(".tintora-next:not(.tintora-current) > * {\n"
                              "  background-color: var(--tintora-nav-background-color);"),
                 opaqueLabels);
        QVERIFY(!css.contains(".tintora-vnav > * {\n  background-color"));
        QVERIFY(!css.contains(".tintora-global > * {\n  background-color"));
        // Whatever the options, every value is still carried for import.
        QVERIFY(css.contains("  --tintora-h1-background-color: #"));
    }

    void examplePageName_data() {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("page");
        QTest::newRow("css") << "/w/site.css"
                             << "/w/site.html";
        QTest::newRow("upper case") << "/w/SITE.CSS"
                                    << "/w/SITE.html";
        QTest::newRow("two points") << "/w/site.min.css"
                                    << "/w/site.min.html";
        QTest::newRow("no extension") << "/w/style"
                                      << "/w/style.html";
        QTest::newRow("html sheet") << "/w/a.html"
                                    << "/w/a.html.html";
    }
    void examplePageName() {
        QFETCH(QString, sheet);
        QFETCH(QString, page);
        QCOMPARE(examplePagePath(sheet), page);
    }

    // The example page is written beside the sheet and links it by a URL that a name
    // with blanks or "#" cannot break; an existing page is kept as the sheet is.
    void examplePageBesideTheSheet() {
        TestWorld world;
        ColorScheme scheme = studioScheme();
        scheme.ThemeName = QStringLiteral("Mine <&> \"Two\"");
        const QString sheet = world.path("my site#1.css");
        writeFile(world.path("my site#1.html"), "my own page");
        QVERIFY(!exportIt(scheme, sheet));
        QCOMPARE(errorNumbers(world.prompt), QList<int>{Err::FileAlreadyExists});
        QVERIFY(!QFileInfo::exists(sheet));
        QCOMPARE(bytesOf(world.path("my site#1.html")), QByteArray("my own page"));

        QVERIFY(exportIt(scheme, sheet, ExistingOutput::Replace));
        const QByteArray page = bytesOf(world.path("my site#1.html"));
        QVERIFY(page.startsWith("<!DOCTYPE html>\n<html lang=\"en\">"));
        QVERIFY(page.contains("<title>Mine &lt;&amp;&gt; &quot;Two&quot;: example page</title>"));
        QVERIFY(page.contains("<link rel=\"stylesheet\" href=\"my%20site%231.css\">"));
        // Every text row of the preview, each link going nowhere.
        for (const char* text :
             {"tintora-banner", "tintora-nav tintora-current", "<h6>", "Bullet 3", "<hr>",
              "tintora-next tintora-current", "tintora-visited", "tintora-active", "tintora-global",
              "tintora-vnav tintora-current"})
            QVERIFY2(page.contains(text), text);
        QCOMPARE(page.count("<a "), page.count("href=\"#\""));
    }
};

QTEST_GUILESS_MAIN(TestCssExchange)
#include "test_css_exchange.moc"
