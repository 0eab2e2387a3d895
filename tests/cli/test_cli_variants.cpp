#include "CliFixtures.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "support/TestSupport.h"
#include "theme/VariantNames.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

ColorScheme readScheme(const QString& path) {
    ColorScheme scheme;
    scheme.fillFontSizeTable();
    Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
    readSchemeFile(proc, scheme, path);
    return scheme;
}

// The colour most pixels of a picture have: the page's.
QRgb commonestColour(const QImage& image) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            ++counts[image.pixel(x, y) & 0xFFFFFF];
    return std::max_element(counts.begin(), counts.end()).key();
}

} // namespace

class TestCliVariants : public QObject {
    Q_OBJECT

    TestWorld world_;
    QString made_; // Studio with both variants, the body's background colour locked

private Q_SLOTS:
    void initTestCase() {
        made_ = world_.path("studio-variants.tna");
        const ProgramRun run = runCli(
            world_.path("."), {"variants", "Default", "--lock", "body.backcolor", "-o", made_});
        // Studio's navigation text lies on its dark buttons and on the page, which High
        // contrast makes white: no one colour reaches AAA on both.
        QCOMPARE(run.status, 3);
        QCOMPARE(
            run.err,
            QByteArray("tintora-cli: these rows cannot pass: High contrast (AAA): NAVBUTTONS\n"));
    }

    // The file holds both variants, the lock kept through making and the Light colours
    // as the theme has them.
    void variantsKeepTheLockAndLight() {
        const ColorScheme made = readScheme(made_);
        QVERIFY(made.hasVariant(Variant::Dark));
        QVERIFY(made.hasVariant(Variant::Contrast));
        const int bodySlot = themeElement(Element::BODY).colorSlot;
        QVERIFY(made.isLocked(ColorAttr::Back, bodySlot));
        for (const Variant v : {Variant::Dark, Variant::Contrast})
            QCOMPARE(made.colorsOf(v)[ColorAttr::Back][bodySlot],
                     made.SchemeColors[ColorAttr::Back][bodySlot]);
        const QString studio = world_.path("studio.tna");
        QCOMPARE(runCli(world_.path("."), {"scheme", "Default", "-o", studio}).status, 0);
        QCOMPARE(made.SchemeColors, readScheme(studio).SchemeColors);
        QVERIFY(made.SchemeColors != made.DarkColors.value());
    }

    // Every variant the file has is audited, each check naming its variant; the row the
    // making named is the one that fails.
    void auditOfEveryVariant() {
        ProgramRun run = runCli(world_.path("."),
                                {"audit", "--from", made_, "--variant", "all", "--format", "json"});
        QCOMPARE(run.status, 3);
        QHash<QString, int> checks;
        QStringList failing;
        for (const QJsonValue value :
             QJsonDocument::fromJson(run.out).object().value("checks").toArray()) {
            const QJsonObject check = value.toObject();
            ++checks[check.value("variant").toString()];
            // High contrast is judged at the level it is made for.
            QCOMPARE(check.value("level").toString(),
                     check.value("variant").toString() == "contrast" ? "AAA" : "AA");
            if (!check.value("pass").toBool() && !check.value("advice").toBool())
                failing << check.value("variant").toString() + ' ' +
                               check.value("section").toString();
        }
        QCOMPARE(failing, QStringList{"contrast NAVBUTTONS"});
        QCOMPARE(checks.keys().size(), 3);
        QCOMPARE(checks.value("dark"), checks.value("light"));
        QCOMPARE(checks.value("contrast"), checks.value("light"));

        run = runCli(world_.path("."), {"audit", "--from", made_, "--variant", "dark"});
        QCOMPARE(run.status, 0);
        for (const QByteArray& line : run.out.trimmed().split('\n'))
            QVERIFY2(line.startsWith("[dark] "), line.constData());
        // Without --variant the audit is the Light one, as it always was.
        run = runCli(world_.path("."), {"audit", "--from", made_});
        QVERIFY(run.out.startsWith("BANNER "));
    }

    // A lock that keeps a row from passing is named, and the file is still written.
    void lockThatFailsARowIsNamed_data() {
        QTest::addColumn<QString>("lock");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("text colour")
            << "BODY.ForeColor" << QByteArray("Dark (AA): BODY (locked BODY.ForeColor)");
        // The banner's background is the page's colour, kept light in every variant.
        QTest::newRow("page colour") << "BANNER.BackColor"
                                     << QByteArray("High contrast (AAA): NAVBUTTONS (locked "
                                                   "BACKGROUND.Color)");
    }
    void lockThatFailsARowIsNamed() {
        QFETCH(QString, lock);
        QFETCH(QByteArray, message);
        const QString out = world_.path("locked.tna");
        const ProgramRun run =
            runCli(world_.path("."), {"variants", "Default", "--lock", lock, "-o", out});
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.startsWith("tintora-cli: these rows cannot pass: ") &&
                     run.err.contains(message),
                 run.err.constData());
        QVERIFY(readScheme(out).hasVariant(Variant::Dark));
    }

    void badUsage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("no output")
            << QStringList{"variants", "Default"} << QByteArray("variants needs -o OUT.tna");
        QTest::newRow("lock of a font")
            << QStringList{"variants", "--lock", "BODY.Font", "-o", "x", "Default"}
            << QByteArray("not \"BODY.Font\"");
        QTest::newRow("lock of no element")
            << QStringList{"variants", "--lock", "PAGE.Color", "-o", "x", "Default"}
            << QByteArray("such as BANNER.BackColor");
        QTest::newRow("audit of a missing variant")
            << QStringList{"audit", "--variant", "dark", "Default"}
            << QByteArray("the scheme has no dark variant; tintora-cli variants makes it");
        QTest::newRow("render of a missing variant")
            << QStringList{"render", "--variant", "contrast", "-o", "x.png", "Default"}
            << QByteArray("the scheme has no contrast variant");
        QTest::newRow("render of every variant")
            << QStringList{"render", "--variant", "all", "-o", "x.png"}
            << QByteArray("--variant takes light, dark or contrast, not \"all\"");
    }
    void badUsage() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, message);
        const ProgramRun run = runCli(world_.path("."), args);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(message), run.err.constData());
        QVERIFY(!QFile::exists(world_.path("x")) && !QFile::exists(world_.path("x.png")));
    }

    // render draws the variant's page colour.
    void renderDrawsTheVariant_data() {
        QTest::addColumn<QString>("variant");
        QTest::newRow("light") << "light";
        QTest::newRow("dark") << "dark";
        QTest::newRow("contrast") << "contrast";
    }
    void renderDrawsTheVariant() {
        QFETCH(QString, variant);
        const QString png = world_.path(variant + ".png");
        const ProgramRun run =
            runCli(world_.path("."), {"render", "--from", made_, "--variant", variant, "-o", png});
        QVERIFY2(run.status == 0, run.err.constData());
        const ColorScheme shown = readScheme(made_).shownAs(*variantFromKey(variant));
        const qint32 page = shown.pageBackground();
        QCOMPARE(commonestColour(QImage(png)),
                 QColor(page & 0xFF, (page >> 8) & 0xFF, (page >> 16) & 0xFF).rgb() & 0xFFFFFF);
    }

    // report: every variant's colours and contrast table; JSON gives the colours.
    void reportShowsEveryVariant() {
        ProgramRun run = runCli(world_.path("."), {"report", made_});
        QCOMPARE(run.status, 0);
        for (const char* part : {"\nDARK BODY\n", "\nCONTRAST BODY\n", "\nCONTRAST AA\n",
                                 "\nCONTRAST AA (DARK)\n", "\nCONTRAST AAA (HIGH CONTRAST)\n"})
            QVERIFY2(run.out.contains(part), part);
        QCOMPARE(run.out.count("  FAIL"), 1); // the table's column, not the advice
        run = runCli(world_.path("."), {"report", "--format", "json", made_});
        const QJsonObject root = QJsonDocument::fromJson(run.out).object();
        const ColorScheme made = readScheme(made_);
        const qint32 darkBody =
            made.colorsOf(Variant::Dark)[ColorAttr::Fore][themeElement(Element::BODY).colorSlot];
        QCOMPARE(root.value("DARK BODY").toObject().value("ForeColor").toString(),
                 QColor(darkBody & 0xFF, (darkBody >> 8) & 0xFF, (darkBody >> 16) & 0xFF)
                     .name()
                     .toUpper());
    }
};

QTEST_GUILESS_MAIN(TestCliVariants)
#include "test_cli_variants.moc"
