#include "ExportFixtures.h"
#include "export/CssValues.h"
#include "export/DesignTokens.h"
#include "export/SiteVariables.h"
#include "export/TokenFiles.h"
#include "export/TokenResolver.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "support/ThemeFixtures.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

// JSON written with single quotes, which reads more easily in a C++ string.
QByteArray json(QByteArray text) {
    return text.replace('\'', '"');
}

std::optional<ColorScheme> importTokens(const QString& path, const ColorScheme& current) {
    Procedure proc(QStringLiteral("frmMain.mnuFileImportTokens_Click"));
    return importDesignTokens(proc, current, path);
}

QJsonObject tokenJson(const ColorScheme& scheme) {
    return QJsonDocument::fromJson(designTokens(scheme)).object();
}

QJsonValue at(const QJsonObject& root, const QString& path) {
    QJsonValue value = root;
    for (const QString& key : path.split(QLatin1Char('/')))
        value = value.isArray() ? value.toArray().at(key.toInt()) : value.toObject().value(key);
    return value;
}

ColorScheme schemeOfKind(const QString& kind, const QString& pictures) {
    if (kind == QLatin1String("studio"))
        return studioScheme();
    if (kind == QLatin1String("unusual"))
        return unusualScheme(pictures);
    if (kind == QLatin1String("hard"))
        return hardScheme(pictures);
    return randomScheme(kind.mid(6).toUInt());
}

// A token file another tool wrote: groups and tokens of its own, colours in several
// forms, sizes in rem and px, weights as words and numbers.
const QByteArray ForeignTokens =
    json("{\n"
         "  '$schema': 'https://www.designtokens.org/schemas/2025.10/format.json',\n"
         "  'brand': {'primary': {'$type': 'color', '$value': '#ff0000'}},\n"
         "  'body': {\n"
         "    'color': {'$type': 'color', '$value': {'colorSpace': 'srgb', 'components': [0, 0.5, "
         "1]}},\n"
         "    'shadow': {'$type': 'shadow', '$value': {}},\n"
         "    'typography': {'$type': 'typography', '$value': {\n"
         "      'fontFamily': 'Inter', 'fontSize': {'value': 1.5, 'unit': 'rem'}, 'fontWeight': "
         "'bold'}}\n"
         "  },\n"
         "  'h1': {'background': {'$type': 'color',\n"
         "         '$value': {'colorSpace': 'oklch', 'components': [0.5, 0.1, 30], 'hex': "
         "'#102030'}}},\n"
         "  'link': {'color': {'$type': 'color', '$value': '#abcdef'},\n"
         "           'typography': {'$value': {'fontSize': {'value': 13, 'unit': 'px'}, "
         "'fontWeight': 300}}}\n"
         "}");

} // namespace

class TestSiteExports : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Export the tokens, read them back over a scheme that differs in every value: the
    // scheme file written from the result is the one written from the source.
    void tokensGiveBackTheSchemeFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("variants"); // with both variants and locked colours
        QTest::newRow("Studio") << "studio" << false;
        QTest::newRow("Studio with variants") << "studio" << true;
        QTest::newRow("unusual values") << "unusual" << false;
        QTest::newRow("values CSS has no form for") << "hard" << false;
        for (int seed = 1; seed <= 6; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("random %1").arg(seed)))
                << QStringLiteral("random%1").arg(seed) << (seed % 2 == 0);
    }
    void tokensGiveBackTheSchemeFile() {
        QFETCH(QString, kind);
        QFETCH(bool, variants);
        TestWorld world;
        QDir().mkpath(world.path("pictures"));
        const ColorScheme light = schemeOfKind(kind, world.path("pictures"));
        const ColorScheme source = variants ? withVariantsAndLocks(light) : light;
        const QString path = world.path("theme.tokens.json");
        Procedure proc(QStringLiteral("frmMain.mnuFileExportTokens_Click"));
        QVERIFY(exportDesignTokens(proc, source, path, ExistingOutput::Keep));
        const std::optional<ColorScheme> back = importTokens(path, sentinelScheme());
        QVERIFY(back);
        QCOMPARE(world.prompt.messages, QStringList());
        // (The writer's ProperCase reports faces such as "8514oem" for both alike.)
        QCOMPARE(schemeFileLines(*back, {}), schemeFileLines(source, {}));
        world.prompt.messages.clear();
        // A second export writes nothing over the first unless told to.
        QVERIFY(!exportDesignTokens(proc, source, path, ExistingOutput::Keep));
        QCOMPARE(errorNumbers(world.prompt), QList<int>{Err::FileAlreadyExists});
        const DesignTokenFiles files = designTokenFiles(path);
        for (const QString& file : {files.dark, files.contrast, files.resolver})
            QCOMPARE(QFile::exists(file), variants);
        // A variant's file in the way refuses the export before the main file is written.
        if (variants) {
            world.prompt.messages.clear();
            QFile::remove(path);
            QVERIFY(!exportDesignTokens(proc, source, path, ExistingOutput::Keep));
            QCOMPARE(errorNumbers(world.prompt), QList<int>{Err::FileAlreadyExists});
            QVERIFY(!QFile::exists(path));
        }
    }

    // The resolver names the variants' files in the contexts of its "theme" modifier.
    void resolverNamesTheVariantsFiles() {
        const ColorScheme scheme = withVariantsAndLocks(studioScheme());
        const QJsonObject resolver =
            QJsonDocument::fromJson(tokenResolver(scheme, QStringLiteral("/x/site.tokens.json")))
                .object();
        QCOMPARE(resolver.value("version").toString(), "2025.10");
        QCOMPARE(at(resolver, "sets/scheme/sources/0/$ref").toString(), "site.tokens.json");
        QCOMPARE(at(resolver, "modifiers/theme/contexts/light").toArray().size(), 0);
        QCOMPARE(at(resolver, "modifiers/theme/contexts/dark/0/$ref").toString(),
                 "site.dark.tokens.json");
        QCOMPARE(at(resolver, "modifiers/theme/contexts/contrast/0/$ref").toString(),
                 "site.contrast.tokens.json");
        QCOMPARE(at(resolver, "resolutionOrder/1/$ref").toString(), "#/modifiers/theme");
        QCOMPARE(at(tokenJson(scheme), "$extensions/org.tintora/locked").toArray(),
                 QJsonArray({"BACKGROUND.Color", "BANNER.BackColor", "HEADING2.ForeColor"}));
    }

    // Tailwind and SCSS carry each variant's colours in an override of their own.
    void tailwindAndScssCarryTheVariants() {
        const ColorScheme scheme = withVariantsAndLocks(studioScheme());
        const QString tailwind = QString::fromUtf8(tailwindStyleSheet(scheme));
        const QString scss = QString::fromUtf8(scssVariables(scheme));
        for (const Variant v : {Variant::Dark, Variant::Contrast}) {
            const QString media = QLatin1String(v == Variant::Dark ? "(prefers-color-scheme: dark)"
                                                                   : "(prefers-contrast: more)");
            const qsizetype block = tailwind.indexOf("@media " + media + " {\n  :root {\n");
            QVERIFY(block > tailwind.indexOf("@theme {"));
            const QString suffix = v == Variant::Dark ? "-dark" : "-contrast";
            QVERIFY(scss.contains("$tintora" + suffix + ": (\n"));
            for (const SiteElement& site : siteElements()) {
                if (!site.text)
                    continue;
                const QString color = cssvalue::color(*siteColor(scheme.colorsOf(v), site.element));
                QVERIFY(tailwind.indexOf(QStringLiteral("    --color-%1: %2;\n")
                                             .arg(QLatin1String(site.name), color),
                                         block) > block);
                QVERIFY(scss.contains(QStringLiteral("$tintora-%1-color%2: %3;")
                                          .arg(QLatin1String(site.name), suffix, color)));
            }
        }
        // Without variants there is no override.
        QVERIFY(!QString::fromUtf8(tailwindStyleSheet(studioScheme())).contains("@media"));
        QVERIFY(!QString::fromUtf8(scssVariables(studioScheme())).contains("-dark"));
    }

    // The tokens hold the scheme's values in the format's own forms.
    void tokensHoldTheValuesInTheFormatsForms() {
        ColorScheme scheme = studioScheme();
        scheme.color(ColorAttr::Fore, themeElement(Element::HEADING2).colorSlot) =
            rgbValue(1, 128, 254);
        scheme.font(FontAttr::Size, themeElement(Element::HEADING2).fontSlot) =
            SchemeValue::single(10.5f);
        scheme.font(FontAttr::Style, themeElement(Element::HEADING2).fontSlot) =
            SchemeValue::integer(3);
        scheme.font(FontAttr::Face, themeElement(Element::HEADING2).fontSlot) =
            SchemeValue::text(QStringLiteral("'Courier New'"));
        const QJsonObject root = tokenJson(scheme);
        QCOMPARE(at(root, "h2/$description").toString(), QStringLiteral("Heading 2"));
        QCOMPARE(at(root, "h2/color/$type").toString(), QStringLiteral("color"));
        QCOMPARE(at(root, "h2/color/$value/colorSpace").toString(), QStringLiteral("srgb"));
        QCOMPARE(at(root, "h2/color/$value/hex").toString(), QStringLiteral("#0180fe"));
        const QJsonArray components = at(root, "h2/color/$value/components").toArray();
        QCOMPARE(components.size(), 3);
        QCOMPARE(qRound(components[0].toDouble() * 255), 1);
        QCOMPARE(qRound(components[1].toDouble() * 255), 128);
        QCOMPARE(qRound(components[2].toDouble() * 255), 254);
        QCOMPARE(at(root, "h2/typography/$type").toString(), QStringLiteral("typography"));
        QCOMPARE(at(root, "h2/typography/$value/fontFamily").toArray(),
                 QJsonArray({QStringLiteral("Courier New"), QStringLiteral("monospace")}));
        QCOMPARE(at(root, "h2/typography/$value/fontSize/value").toDouble(), 14.0);
        QCOMPARE(at(root, "h2/typography/$value/fontSize/unit").toString(), QStringLiteral("px"));
        QCOMPARE(at(root, "h2/typography/$value/fontWeight").toInt(), 700);
        QCOMPARE(at(root, "h2/typography/$value/letterSpacing/value").toDouble(), 0.0);
        QCOMPARE(at(root, "h2/$extensions/org.tintora/italic").toBool(), true);
        QCOMPARE(at(root, "h2/$extensions/org.tintora/font").toString(),
                 QStringLiteral("'Courier New'"));
        // The page has its colour only, the banner its picture too.
        QCOMPARE(at(root, "page/background/$value/hex").toString(),
                 cssvalue::color(scheme.pageBackground()));
        QVERIFY(at(root, "page/color").isUndefined());
        QCOMPARE(at(root, "banner/$extensions/org.tintora/image").toString(), scheme.image(1));
        QCOMPARE(at(root, "$extensions/org.tintora/pictures/rule").toString(), scheme.image(7));
        // The groups stand in the editor's order.
        const QByteArray text = designTokens(scheme);
        QVERIFY(text.indexOf("\"banner\"") < text.indexOf("\"body\""));
        QVERIFY(text.indexOf("\"h6\"") < text.indexOf("\"link\""));
    }

    // A token file from elsewhere: the groups named as the elements are read, in the
    // forms the format allows; other groups and tokens are passed over.
    void foreignTokensAreReadAsFarAsTheyMatch() {
        TestWorld world;
        const QString path = world.path("brand.tokens.json");
        writeFile(path, ForeignTokens);
        const ColorScheme base = sentinelScheme();
        const std::optional<ColorScheme> s = importTokens(path, base);
        QVERIFY(s);
        QCOMPARE(world.prompt.messages, QStringList());
        const auto text = [&](Element e, Attribute a) { return s->valueText(themeElement(e), a); };
        QCOMPARE(text(Element::BODY, Attribute::ForeColor), QString::number(rgbValue(0, 128, 255)));
        QCOMPARE(text(Element::BODY, Attribute::Font), QStringLiteral("Inter"));
        QCOMPARE(text(Element::BODY, Attribute::FontSize), QStringLiteral("18"));
        QCOMPARE(text(Element::BODY, Attribute::FontStyle), QStringLiteral("2"));
        QCOMPARE(text(Element::HEADING1, Attribute::BackColor),
                 QString::number(rgbValue(0x10, 0x20, 0x30)));
        QCOMPARE(text(Element::REGULARLINK, Attribute::ForeColor),
                 QString::number(rgbValue(0xab, 0xcd, 0xef)));
        QCOMPARE(text(Element::REGULARLINK, Attribute::FontSize), QStringLiteral("9.75"));
        QCOMPARE(text(Element::REGULARLINK, Attribute::FontStyle), QStringLiteral("0"));
        // What the file does not name keeps its value.
        QCOMPARE(text(Element::REGULARLINK, Attribute::Font),
                 base.valueText(themeElement(Element::REGULARLINK), Attribute::Font));
        QCOMPARE(text(Element::HEADING1, Attribute::ForeColor),
                 base.valueText(themeElement(Element::HEADING1), Attribute::ForeColor));
        QCOMPARE(s->image(1), base.image(1));
    }

    // A token changed elsewhere wins over the scheme's own text the extension holds.
    void editedTokenWinsOverTheExtension() {
        TestWorld world;
        const ColorScheme source = studioScheme();
        QByteArray json = designTokens(source);
        const QByteArray size =
            "\"fontSize\": {\"value\": " +
            shortestNumber(
                pointsToPixels(
                    *source.font(FontAttr::Size, themeElement(Element::BODY).fontSlot).toNumber()))
                .toUtf8();
        const qsizetype bodyAt = json.indexOf("\"body\": {");
        const qsizetype sizeAt = json.indexOf(size, bodyAt);
        QVERIFY(sizeAt > bodyAt);
        json.replace(sizeAt, size.size(), "\"fontSize\": {\"value\": 20");
        writeFile(world.path("t.tokens.json"), json);
        const std::optional<ColorScheme> s = importTokens(world.path("t.tokens.json"), source);
        QVERIFY(s);
        QCOMPARE(s->valueText(themeElement(Element::BODY), Attribute::FontSize),
                 QStringLiteral("15"));
        QCOMPARE(s->valueText(themeElement(Element::HEADING1), Attribute::FontSize),
                 source.valueText(themeElement(Element::HEADING1), Attribute::FontSize));
    }

    // A bad value is reported with its JSON path; the attribute keeps its value, and the
    // rest of the file is applied.
    void badValuesAreReportedWithTheirPath_data() {
        QTest::addColumn<QByteArray>("group");
        QTest::addColumn<QString>("jsonPath");
        QTest::addColumn<int>("attribute");
        const auto typography = [](const QByteArray& member) {
            return json("{'typography': {'$type': 'typography', '$value': {" + member + "}}}");
        };
        const QString value = QStringLiteral("h1.typography.$value.");
        QTest::newRow("colour word") << json("{'color': {'$value': 'blurple'}}")
                                     << "h1.color.$value" << int(Attribute::ForeColor);
        QTest::newRow("component above 1")
            << json("{'color': {'$value': {'colorSpace': 'srgb', 'components': [2, 0, 0]}}}")
            << "h1.color.$value" << int(Attribute::ForeColor);
        QTest::newRow("two components")
            << json("{'color': {'$value': {'colorSpace': 'srgb', 'components': [1, 0]}}}")
            << "h1.color.$value" << int(Attribute::ForeColor);
        QTest::newRow("other space without hex")
            << json("{'background': {'$value': {'colorSpace': 'lab', 'components': [50, 0, 0]}}}")
            << "h1.background.$value" << int(Attribute::BackColor);
        QTest::newRow("size in em") << typography("'fontSize': {'value': 2, 'unit': 'em'}")
                                    << value + "fontSize" << int(Attribute::FontSize);
        QTest::newRow("size as text")
            << typography("'fontSize': '12px'") << value + "fontSize" << int(Attribute::FontSize);
        QTest::newRow("size zero") << typography("'fontSize': {'value': 0, 'unit': 'px'}")
                                   << value + "fontSize" << int(Attribute::FontSize);
        QTest::newRow("weight word") << typography("'fontWeight': 'chunky'") << value + "fontWeight"
                                     << int(Attribute::FontStyle);
        QTest::newRow("weight too big") << typography("'fontWeight': 1200") << value + "fontWeight"
                                        << int(Attribute::FontStyle);
        QTest::newRow("family number")
            << typography("'fontFamily': [12]") << value + "fontFamily" << int(Attribute::Font);
        QTest::newRow("italic as text")
            << json("{'$extensions': {'org.tintora': {'italic': 'yes'}}}")
            << "h1.$extensions.org.tintora.italic" << -1;
    }
    void badValuesAreReportedWithTheirPath() {
        QFETCH(QByteArray, group);
        QFETCH(QString, jsonPath);
        QFETCH(int, attribute);
        TestWorld world;
        const QString path = world.path("bad.tokens.json");
        writeFile(path, json("{'h2': {'color': {'$value': '#ff0000'}}, 'h1': " + group +
                             ", 'h3': {'color': {'$value': '#00ff00'}}}"));
        const ColorScheme base = sentinelScheme();
        const std::optional<ColorScheme> s = importTokens(path, base);
        QVERIFY(s);
        QCOMPARE(errorNumbers(world.prompt), QList<int>{Err::InvalidPropertyValue});
        QVERIFY2(world.prompt.messages[0].contains("Task: Import Design Tokens: " + path + ": " +
                                                   jsonPath),
                 qPrintable(world.prompt.messages[0]));
        if (attribute >= 0) {
            const auto a = static_cast<Attribute>(attribute);
            QCOMPARE(s->valueText(themeElement(Element::HEADING1), a),
                     base.valueText(themeElement(Element::HEADING1), a));
        }
        QCOMPARE(s->valueText(themeElement(Element::HEADING2), Attribute::ForeColor),
                 QStringLiteral("255"));
        QCOMPARE(s->valueText(themeElement(Element::HEADING3), Attribute::ForeColor),
                 QString::number(rgbValue(0, 255, 0)));
    }

    void fileThatIsNoTokenFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("broken JSON") << QByteArray("{\"body\": {");
        QTest::newRow("a list") << QByteArray("[1, 2]");
        QTest::newRow("empty") << QByteArray();
    }
    void fileThatIsNoTokenFile() {
        QFETCH(QByteArray, bytes);
        TestWorld world;
        writeFile(world.path("x.tokens.json"), bytes);
        QVERIFY(!importTokens(world.path("x.tokens.json"), sentinelScheme()));
        QCOMPARE(errorNumbers(world.prompt), QList<int>{Err::InvalidPropertyValue});
        QVERIFY(!importTokens(world.path("none.tokens.json"), sentinelScheme()));
        QCOMPARE(errorNumbers(world.prompt).last(), Err::FileNotFound);
        // The same beside a good token file, as its resolver: the tokens are read, and
        // the resolver is reported rather than dropped without a word.
        world.prompt.messages.clear();
        const QString good = world.path("good.tokens.json");
        Procedure proc(QStringLiteral("frmMain.mnuFileExportTokens_Click"));
        QVERIFY(exportDesignTokens(proc, studioScheme(), good, ExistingOutput::Keep));
        writeFile(designTokenFiles(good).resolver, bytes);
        QVERIFY(importTokens(good, sentinelScheme()));
        QCOMPARE(errorNumbers(world.prompt), QList<int>{Err::InvalidPropertyValue});
    }

    // The Tailwind and SCSS files name each element's colours and type; a value with no
    // web form is left out rather than written as something a build would refuse.
    void tailwindAndScssHoldTheValues() {
        TestWorld world;
        QDir().mkpath(world.path("pictures"));
        const ColorScheme scheme = hardScheme(world.path("pictures"));
        const QString tailwind = QString::fromUtf8(tailwindStyleSheet(scheme));
        const QString scss = QString::fromUtf8(scssVariables(scheme));
        QVERIFY(tailwind.contains(QStringLiteral("@import \"tailwindcss\";\n")));
        for (const SiteElement& site : siteElements()) {
            const QString name = QLatin1String(site.name);
            const std::optional<qint32> color = siteColor(scheme.SchemeColors, site.element);
            const QString back =
                cssvalue::color(*siteBackground(scheme.SchemeColors, site.element));
            QVERIFY2(
                tailwind.contains(
                    QStringLiteral("--color-%1%2: %3;")
                        .arg(name, site.text ? QStringLiteral("-background") : QString(), back)),
                qPrintable(name));
            QVERIFY(scss.contains(QStringLiteral("$tintora-%1-background: %2;").arg(name, back)));
            if (!site.text)
                continue;
            const ThemeElement& e = themeElement(site.element);
            const qint32 fore = scheme.color(ColorAttr::Fore, e.colorSlot);
            QCOMPARE(color.has_value(), fore >= 0 && fore <= 0xFFFFFF);
            QCOMPARE(tailwind.contains(QStringLiteral("--color-%1: ").arg(name)),
                     color.has_value());
            QCOMPARE(scss.contains(QStringLiteral("$tintora-%1-color: ").arg(name)),
                     color.has_value());
            const SiteFont font = siteFont(scheme, site.element);
            QCOMPARE(tailwind.contains(QStringLiteral("--text-%1-size: ").arg(name)),
                     font.px.has_value());
            QCOMPARE(scss.contains(QStringLiteral("$tintora-%1-font-size: ").arg(name)),
                     font.px.has_value());
        }
        // A face is quoted so that no Sass operator or interpolation acts on it.
        QVERIFY(scss.contains(QStringLiteral("(\"a;b}c\", sans-serif)")));
        QVERIFY(!scss.contains(QStringLiteral("#{")));
    }
};

QTEST_GUILESS_MAIN(TestSiteExports)
#include "test_site_exports.moc"
