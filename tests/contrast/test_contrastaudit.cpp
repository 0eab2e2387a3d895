#include "ContrastFixtures.h"
#include "contrast/AuditFormat.h"
#include "contrast/ColorSpace.h"
#include "contrast/ContrastAudit.h"
#include "contrast/MakeAllPass.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

namespace {

const ContrastCheck& checkOf(const ContrastAudit& audit, CheckKind kind, Element element) {
    for (const ContrastCheck& c : audit.checks)
        if (c.kind == kind && c.element == element)
            return c;
    qFatal("no such check");
}

void setText(ColorScheme& s, Element e, const char* hex) {
    s.color(ColorAttr::Fore, themeElement(e).colorSlot) = hexColor(QLatin1String(hex));
}

qint32 textOf(const ColorScheme& s, Element e) {
    return s.color(ColorAttr::Fore, themeElement(e).colorSlot);
}

double lightnessOf(const ColorScheme& s, Element e) {
    return toOkLab(toLinear(textOf(s, e))).L;
}

void setFont(ColorScheme& s, Element e, const SchemeValue& size, const SchemeValue& style) {
    s.font(FontAttr::Size, themeElement(e).fontSlot) = size;
    s.font(FontAttr::Style, themeElement(e).fontSlot) = style;
}

} // namespace

class TestContrastAudit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void requiredBySizeAndStyle_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<SchemeValue>("size");
        QTest::addColumn<SchemeValue>("style");
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("required");
        QTest::addColumn<bool>("pass");
        const auto i = [](int v) { return SchemeValue::integer(v); };
        const auto t = [](const char* v) { return SchemeValue::text(QString::fromLatin1(v)); };
        const int aa = int(ContrastLevel::AA);
        const int aaa = int(ContrastLevel::AAA);
        QTest::newRow("4.48 at 10 pt body fails")
            << "#777777" << i(10) << i(0) << aa << 4.5 << false;
        QTest::newRow("4.48 at 24 pt heading passes")
            << "#777777" << i(24) << i(0) << aa << 3.0 << true;
        QTest::newRow("#767676 at 10 pt passes") << "#767676" << i(10) << i(0) << aa << 4.5 << true;
        QTest::newRow("2.99999 fails 3") << "#B178FF" << i(18) << i(0) << aa << 3.0 << false;
        QTest::newRow("bold 14 pt is large") << "#777777" << i(14) << i(2) << aa << 3.0 << true;
        QTest::newRow("bold italic 14 pt is large")
            << "#777777" << t("14") << t("3") << aa << 3.0 << true;
        QTest::newRow("italic 14 pt is not") << "#777777" << i(14) << i(1) << aa << 4.5 << false;
        QTest::newRow("bold 13.9 pt is not")
            << "#777777" << SchemeValue::single(13.9f) << i(2) << aa << 4.5 << false;
        QTest::newRow("17.99 pt is not") << "#777777" << t("17.99") << i(0) << aa << 4.5 << false;
        QTest::newRow("18 pt as text is") << "#777777" << t(" 18 ") << t("") << aa << 3.0 << true;
        QTest::newRow("bold as 2.0 is bold") << "#777777" << i(14) << t("2.0") << aa << 3.0 << true;
        QTest::newRow("unknown style: judged regular")
            << "#777777" << i(14) << i(7) << aa << 4.5 << false;
        QTest::newRow("refused size: judged normal")
            << "#777777" << i(3000) << i(0) << aa << 4.5 << false;
        QTest::newRow("no size: judged normal") << "#777777" << t("") << i(2) << aa << 4.5 << false;
        QTest::newRow("AAA body") << "#767676" << i(10) << i(0) << aaa << 7.0 << false;
        QTest::newRow("AAA large") << "#767676" << i(24) << i(0) << aaa << 4.5 << true;
    }
    void requiredBySizeAndStyle() {
        QFETCH(QString, text);
        QFETCH(SchemeValue, size);
        QFETCH(SchemeValue, style);
        QFETCH(int, level);
        QFETCH(double, required);
        QFETCH(bool, pass);
        ColorScheme s = plainPage();
        setText(s, Element::HEADING2, qPrintable(text));
        setFont(s, Element::HEADING2, size, style);
        const ContrastCheck c =
            checkRow(s, PlainBackdrops(), ContrastLevel(level), Element::HEADING2);
        QCOMPARE(c.required, required);
        QCOMPARE(c.pass, pass);
        QCOMPARE(c.background, hexColor("#FFFFFF"));
    }

    void workedValuesAsPrinted() {
        ColorScheme s = plainPage();
        setText(s, Element::BODY, "#777777");
        setText(s, Element::HEADING1, "#777777");
        setFont(s, Element::HEADING1, SchemeValue::integer(24), SchemeValue::integer(2));
        const ContrastAudit audit = auditScheme(s, PlainBackdrops(), ContrastLevel::AA);
        // The twelve rows in editor order, then the three hyperlinks against the body.
        QCOMPARE(audit.checks.size(), std::size_t(15));
        for (int row = 1; row <= 12; ++row)
            QCOMPARE(audit.checks[std::size_t(row - 1)].element, elementForRow(row)->element);
        const QStringList lines = auditText(audit);
        QCOMPARE(lines[1], QStringLiteral("BODY #777777 on #FFFFFF ratio 4.48 needs 4.50 FAIL"));
        QCOMPARE(lines[2],
                 QStringLiteral("HEADING1 #777777 on #FFFFFF ratio 4.48 needs 3.00 PASS"));
        QCOMPARE(lines[12],
                 QStringLiteral("REGULARLINK #000000 vs BODY #777777 ratio 4.69 needs 3.00 PASS "
                                "(advice)"));
        QCOMPARE(auditExitStatus(audit), 3);
    }

    void failingRatioNeverShownAsReached() {
        // 2.99999 against 3 would round to 3.00; a failing ratio is shown rounded down.
        ColorScheme s = plainPage();
        setText(s, Element::HEADING2, "#B178FF");
        setFont(s, Element::HEADING2, SchemeValue::integer(18), SchemeValue::integer(0));
        const ContrastAudit audit = auditScheme(s, PlainBackdrops(), ContrastLevel::AA);
        QCOMPARE(auditText(audit)[3],
                 QStringLiteral("HEADING2 #B178FF on #FFFFFF ratio 2.99 needs 3.00 FAIL"));
        QVERIFY(auditJson(audit).contains(
            "\"section\": \"HEADING2\", \"foreground\": \"#B178FF\", \"background\": "
            "\"#FFFFFF\", \"ratio\": 2.99, \"required\": 3, \"pass\": false"));
    }

    void adviceNeverFails() {
        ColorScheme s = plainPage();
        setText(s, Element::REGULARLINK, "#0000EE");
        const ContrastAudit audit = auditScheme(s, PlainBackdrops(), ContrastLevel::AA);
        const ContrastCheck& link =
            checkOf(audit, CheckKind::LinkAgainstBody, Element::REGULARLINK);
        QVERIFY(!link.pass);
        QCOMPARE(auditLine(link),
                 QStringLiteral("REGULARLINK #0000EE vs BODY #000000 ratio 2.23 needs 3.00 FAIL "
                                "(advice)"));
        QVERIFY(checkOf(audit, CheckKind::Text, Element::REGULARLINK).pass);
        QVERIFY(audit.passes());
        QCOMPARE(auditExitStatus(audit), 0);
    }

    void colourVisionAdvice() {
        // Red and olive: far apart for normal vision, alike without green cones.
        ColorScheme s = plainPage();
        setText(s, Element::REGULARLINK, "#CC3333");
        setText(s, Element::VISITEDLINK, "#668000");
        const ContrastAudit audit = auditScheme(s, PlainBackdrops(), ContrastLevel::AA);
        QCOMPARE(audit.checks.size(), std::size_t(16));
        const ContrastCheck& pair = audit.checks.back();
        QCOMPARE(pair.kind, CheckKind::ColourVision);
        QCOMPARE(pair.element, Element::REGULARLINK);
        QCOMPARE(pair.other, Element::VISITEDLINK);
        QCOMPARE(pair.deficiency, Deficiency::Deuteranopia);
        QVERIFY(pair.advice && !pair.pass);
        QVERIFY(QRegularExpression(QStringLiteral("^REGULARLINK #CC3333 vs VISITEDLINK #668000 "
                                                  "deuteranopia distance 1\\.\\d\\d needs "
                                                  "4\\.00 FAIL \\(advice\\)$"))
                    .match(auditLine(pair))
                    .hasMatch());
        QCOMPARE(auditExitStatus(audit), 0);
    }

    // Pair advice only where the colours carry meaning (links and body text, the link
    // states), and never for achromatopsia alone, which the ratios already measure.
    void colourVisionAdviceOnlyWhereItMeansSomething_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<QString>("colorA");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("colorB");
        QTest::addColumn<bool>("advised");
        const auto row = [](const char* name, Element a, const char* ca, Element b, const char* cb,
                            bool advised) {
            QTest::newRow(name) << int(a) << QString::fromLatin1(ca) << int(b)
                                << QString::fromLatin1(cb) << advised;
        };
        row("two headings alike to a deuteranope", Element::HEADING3, "#CC3333", Element::HEADING4,
            "#668000", false);
        row("navigation and body alike to a deuteranope", Element::NAVBUTTONS, "#CC3333",
            Element::BODY, "#668000", false);
        row("link and body alike to a deuteranope", Element::ACTIVELINK, "#CC3333", Element::BODY,
            "#668000", true);
        // Rust and grey of one lightness: only achromatopsia merges them.
        row("link states alike only without any colour", Element::VISITEDLINK, "#C44226",
            Element::ACTIVELINK, "#6A6F7C", false);
        row("link states far apart for everyone", Element::REGULARLINK, "#0000EE",
            Element::VISITEDLINK, "#FFCC00", false);
    }
    void colourVisionAdviceOnlyWhereItMeansSomething() {
        QFETCH(int, a);
        QFETCH(QString, colorA);
        QFETCH(int, b);
        QFETCH(QString, colorB);
        QFETCH(bool, advised);
        ColorScheme s = plainPage();
        setText(s, Element(a), qPrintable(colorA));
        setText(s, Element(b), qPrintable(colorB));
        const ContrastAudit audit = auditScheme(s, PlainBackdrops(), ContrastLevel::AA);
        const auto pairs =
            std::count_if(audit.checks.begin(), audit.checks.end(),
                          [](const auto& c) { return c.kind == CheckKind::ColourVision; });
        QCOMPARE(pairs, advised ? 1 : 0);
    }

    void opaqueLabelsAndPictures() {
        ColorScheme s = plainPage();
        setText(s, Element::NAVBUTTONS, "#FFFFFF");
        setText(s, Element::BANNER, "#FFFFFF");
        s.color(ColorAttr::Back, themeElement(Element::NAVBUTTONS).colorSlot) = hexColor("#2B3348");
        // Opaque, the navigation labels lie on navy, but the selected quick links stay
        // transparent on the white page, and they decide.
        const ContrastCheck nav =
            checkRow(s, PlainBackdrops(true), ContrastLevel::AA, Element::NAVBUTTONS);
        QCOMPARE(nav.ratio, 1.0);
        QCOMPARE(nav.background, hexColor("#FFFFFF"));
        // Over the banner picture the white frame does not decide; it is the lowest.
        const ContrastAudit audit = auditScheme(s, BannerPicture(), ContrastLevel::AA);
        const ContrastCheck& banner = audit.checks.front();
        QVERIFY(banner.pass && banner.overPicture);
        QCOMPARE(banner.lowest, 1.0);
        QVERIFY(auditLine(banner).startsWith(QStringLiteral("BANNER #FFFFFF on #2B3348 ratio ")));
        QVERIFY(auditLine(banner).endsWith(QStringLiteral(" PASS lowest 1.00")));
    }

    void json() {
        ColorScheme s = plainPage();
        setText(s, Element::BODY, "#777777");
        const QByteArray bytes = auditJson(auditScheme(s, BannerPicture(), ContrastLevel::AAA));
        QVERIFY(bytes.contains("\"ratio\": 4.48, \"required\": 7, \"pass\": false"));
        QJsonParseError error;
        const QJsonObject root = QJsonDocument::fromJson(bytes, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(root.value(u"format").toInteger(), 2);
        QCOMPARE(root.value(u"level").toString(), QStringLiteral("AAA"));
        const QJsonArray checks = root.value(u"checks").toArray();
        QCOMPARE(checks.size(), 15);
        const QJsonObject body = checks[1].toObject();
        QCOMPARE(body.value(u"section").toString(), QStringLiteral("BODY"));
        QCOMPARE(body.value(u"foreground").toString(), QStringLiteral("#777777"));
        QCOMPARE(body.value(u"background").toString(), QStringLiteral("#FFFFFF"));
        QCOMPARE(body.value(u"ratio").toDouble(), 4.48);
        QCOMPARE(body.value(u"advice").toBool(), false);
        QVERIFY(!body.contains(u"lowest"));
        // Black banner text: the navy picture is its worst, the white frame its best.
        QCOMPARE(checks[0].toObject().value(u"lowest").toDouble(), 1.67);
        const QJsonObject link = checks[12].toObject();
        QCOMPARE(link.value(u"with").toString(), QStringLiteral("BODY"));
        QCOMPARE(link.value(u"advice").toBool(), true);
        QCOMPARE(link.value(u"required").toDouble(), 3.0);
    }

    void makeRowPassFixesTheRow() {
        ColorScheme s = plainPage();
        setText(s, Element::BODY, "#8A5A9E");
        const PassingColor fix =
            makeRowPass(s, PlainBackdrops(), ContrastLevel::AAA, Element::BODY);
        QCOMPARE(fix.outcome, PassingColor::Outcome::Changed);
        s.color(ColorAttr::Fore, themeElement(Element::BODY).colorSlot) = fix.color;
        QVERIFY(checkRow(s, PlainBackdrops(), ContrastLevel::AAA, Element::BODY).pass);
        QCOMPARE(auditExitStatus(auditScheme(s, PlainBackdrops(), ContrastLevel::AAA)), 0);
    }

    // On a dark page every row below is too dark. Each failing row taken alone would
    // stop at the same just-passing lightness; Make All Pass keeps them apart in their
    // order, and the active link no closer to the body text than it was.
    void makeAllPassKeepsTheHierarchy() {
        ColorScheme s = plainPage();
        s.pageBackground() = hexColor("#1E1E1E");
        const std::vector<std::pair<Element, const char*>> rows = {
            {Element::BODY, "#303030"},        {Element::HEADING3, "#383838"},
            {Element::HEADING2, "#404040"},    {Element::HEADING1, "#484848"},
            {Element::VISITEDLINK, "#604080"}, {Element::REGULARLINK, "#3050A0"},
            {Element::ACTIVELINK, "#6A5ACD"}};
        for (const auto& [element, hex] : rows)
            setText(s, element, hex);
        const auto advice = [](const ColorScheme& scheme, Element link) {
            return contrastRatio(textOf(scheme, link), textOf(scheme, Element::BODY));
        };

        const AllPassResult made = makeAllPass(s, PlainBackdrops(), ContrastLevel::AA);
        QVERIFY(made.impossible.empty());
        QVERIFY(made.orderNotKept.empty());
        QVERIFY(made.linksCloser.empty());
        QVERIFY(auditScheme(made.scheme, PlainBackdrops(), ContrastLevel::AA).passes());
        for (size_t i = 1; i < rows.size(); ++i)
            QVERIFY2(lightnessOf(made.scheme, rows[i - 1].first) <
                         lightnessOf(made.scheme, rows[i].first),
                     themeElement(rows[i].first).key.data());
        for (const Element link : {Element::REGULARLINK, Element::VISITEDLINK, Element::ACTIVELINK})
            QVERIFY(advice(made.scheme, link) >= std::min(advice(s, link), 3.0));
    }

    // A link that already passes is not Make All Pass's to move; when the body text
    // comes closer to it, the result says so.
    void makeAllPassNamesALinkItBroughtCloser() {
        ColorScheme s = plainPage();
        setText(s, Element::BODY, "#999999");
        setText(s, Element::REGULARLINK, "#595959");
        const AllPassResult made = makeAllPass(s, PlainBackdrops(), ContrastLevel::AA);
        QCOMPARE(made.changed, std::vector<Element>{Element::BODY});
        QCOMPARE(made.linksCloser, std::vector<Element>{Element::REGULARLINK});
        QCOMPARE(textOf(made.scheme, Element::REGULARLINK), hexColor("#595959"));
    }

    // Over a mid-grey page no text colour reaches AAA: nothing changes, every row is named.
    void makeAllPassOverAMidGreyPage() {
        ColorScheme s = plainPage();
        s.pageBackground() = hexColor("#777777");
        const AllPassResult made = makeAllPass(s, PlainBackdrops(), ContrastLevel::AAA);
        QVERIFY(made.changed.empty());
        QCOMPARE(made.impossible.size(), size_t(EditorRowCount - 1));
        QCOMPARE(textOf(made.scheme, Element::BODY), textOf(s, Element::BODY));
    }
};

QTEST_GUILESS_MAIN(TestContrastAudit)
#include "test_contrastaudit.moc"
