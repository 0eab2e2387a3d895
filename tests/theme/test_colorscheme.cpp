#include "framework/RuntimeError.h"
#include "support/TestSupport.h"
#include "theme/ColorScheme.h"
#include "theme/DrawnFont.h"
#include "theme/SchemeValue.h"
#include "theme/ThemeElement.h"

#include <QTest>

class TestColorScheme : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void elementTableSlots_data() {
        QTest::addColumn<int>("element");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("image");
        QTest::addColumn<int>("color");
        QTest::addColumn<int>("font");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("attributes");
        const auto row = [](Element e, const char* key, int image, int color, int font, int r,
                            int attributes) {
            QTest::newRow(key) << int(e) << QString::fromLatin1(key) << image << color << font << r
                               << attributes;
        };
        row(Element::BACKGROUND, "BACKGROUND", 0, 0, NoSlot, 0, 2);
        row(Element::BANNER, "BANNER", 1, 0, 0, 1, 6);
        row(Element::BODY, "BODY", NoSlot, 1, 1, 2, 5);
        row(Element::HEADING1, "HEADING1", NoSlot, 2, 2, 3, 5);
        row(Element::HEADING6, "HEADING6", NoSlot, 7, 7, 8, 5);
        row(Element::REGULARLINK, "REGULARLINK", NoSlot, 8, 8, 9, 5);
        row(Element::VISITEDLINK, "VISITEDLINK", NoSlot, 9, 9, 10, 5);
        row(Element::ACTIVELINK, "ACTIVELINK", NoSlot, 10, 10, 11, 5);
        row(Element::NAVBUTTONS, "NAVBUTTONS", NoSlot, 11, 11, 12, 5);
        row(Element::GLOBALBUTTONS, "GLOBALBUTTONS", 16, 12, 12, NoSlot, 6);
        row(Element::HORIZNAVBTNNORM, "HORIZNAVBTNNORM", 2, NoSlot, NoSlot, NoSlot, 1);
        row(Element::HORIZNAVBTNPUSH, "HORIZNAVBTNPUSH", 3, NoSlot, NoSlot, NoSlot, 1);
        row(Element::BULLETLIST1, "BULLETLIST1", 4, NoSlot, NoSlot, NoSlot, 1);
        row(Element::BULLETLIST3, "BULLETLIST3", 6, NoSlot, NoSlot, NoSlot, 1);
        row(Element::HORIZRULE, "HORIZRULE", 7, NoSlot, NoSlot, NoSlot, 1);
        row(Element::BTNBACKNORM, "BTNBACKNORM", 8, NoSlot, NoSlot, NoSlot, 1);
        row(Element::BTNNEXTNORM, "BTNNEXTNORM", 11, NoSlot, NoSlot, NoSlot, 1);
        row(Element::BTNBACKPUSH, "BTNBACKPUSH", 12, NoSlot, NoSlot, NoSlot, 1);
        row(Element::BTNEXTPUSH, "BTNEXTPUSH", 15, NoSlot, NoSlot, NoSlot, 1);
        row(Element::VIRTNAVBTNNORM, "VIRTNAVBTNNORM", 17, NoSlot, NoSlot, NoSlot, 1);
        row(Element::VIRTNAVBTNPUSH, "VIRTNAVBTNPUSH", 18, NoSlot, NoSlot, NoSlot, 1);
    }
    void elementTableSlots() {
        QFETCH(int, element);
        QFETCH(QString, key);
        QFETCH(int, image);
        QFETCH(int, color);
        QFETCH(int, font);
        QFETCH(int, row);
        QFETCH(int, attributes);
        const ThemeElement& e = themeElement(static_cast<Element>(element));
        QCOMPARE(QString::fromLatin1(e.key.data(), qsizetype(e.key.size())), key);
        QCOMPARE(e.imageSlot, image);
        QCOMPARE(e.colorSlot, color);
        QCOMPARE(e.fontSlot, font);
        QCOMPARE(e.editorRow, row);
        QCOMPARE(e.attributeCount, attributes);
        QCOMPARE(elementForKey(e.key), &e);
    }

    void tableAsAWhole() {
        // Every image slot 0..18 once, none of 19 and 20; the file's 182 lines.
        QList<int> images;
        int lines = 7;
        for (const ThemeElement& e : ThemeElements) {
            if (e.imageSlot != NoSlot)
                images << e.imageSlot;
            lines += 3 + e.attributeCount;
            QCOMPARE(e.has(Attribute::Image), e.imageSlot != NoSlot);
        }
        std::sort(images.begin(), images.end());
        QList<int> expected(19);
        std::iota(expected.begin(), expected.end(), 0);
        QCOMPARE(images, expected);
        QCOMPARE(lines, 182);
        QCOMPARE(elementForRow(0)->element, Element::BACKGROUND);
        QCOMPARE(elementForRow(12)->element, Element::NAVBUTTONS);
        QVERIFY(elementForRow(13) == nullptr);
        QVERIFY(elementForKey("banner") == nullptr);
        QCOMPARE(themeElement(Element::ACTIVELINK).rowCaption,
                 std::string_view("Hyperlink (Active)"));
    }

    void numericTextAndNumberBehaveTheSame() {
        QCOMPARE(SchemeValue::text("10"), SchemeValue::integer(10));
        QCOMPARE(SchemeValue::text("1"), SchemeValue::integer(1));
        QCOMPARE(SchemeValue::text(" 10.5 "), SchemeValue::single(10.5f));
        QCOMPARE(SchemeValue::text("10,5"), SchemeValue::single(10.5f));
        QVERIFY(!(SchemeValue::text("10pt") == SchemeValue::integer(10)));
        QVERIFY(!(SchemeValue::text("") == SchemeValue::integer(0)));
        QCOMPARE(SchemeValue::text(""), SchemeValue());
        QCOMPARE(SchemeValue::text("Arial"), SchemeValue::text("Arial"));
        QCOMPARE(SchemeValue::text("10").toSingle(), 10.0f);
        QCOMPARE(SchemeValue::integer(3).toInteger(), 3);
        QCOMPARE(SchemeValue::text("2.5").toInteger(), 2); // halves to even
        QCOMPARE(SchemeValue::text("3.5").toInteger(), 4);
    }

    // Every parsed number follows one rule: too small to represent is 0, too large
    // is an overflow, and the words a C library would also take are no numbers.
    void numberParsing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "42" << true << 42.0;
        QTest::newRow("plus sign") << "+4" << true << 4.0;
        QTest::newRow("too small") << "1e-400" << true << 0.0;
        QTest::newRow("negative too small") << "-1e-400" << true << 0.0;
        QTest::newRow("too small, written out") << "0." + QString(330, '0') + "5" << true << 0.0;
        QTest::newRow("large digits, negative exponent")
            << "1" + QString(400, '0') + "e-5" << true << qInf();
        QTest::newRow("too large") << "1e400" << true << qInf();
        QTest::newRow("negative too large") << "-1e400" << true << -qInf();
        QTest::newRow("infinity word") << "inf" << false << 0.0;
        QTest::newRow("not a number word") << "nan" << false << 0.0;
        QTest::newRow("trailing text") << "12px" << false << 0.0;
    }
    void numberParsing() {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QFETCH(double, value);
        const std::optional<double> parsed = parseNumber(text);
        QCOMPARE(parsed.has_value(), number);
        if (number)
            QCOMPARE(*parsed, value);
    }

    void valuesTurnIntoTextAsHeld() {
        QCOMPARE(SchemeValue::text("10").toText(), QStringLiteral("10"));
        QCOMPARE(SchemeValue::integer(24).toText(), QStringLiteral("24"));
        QCOMPARE(SchemeValue::single(10.5f).toText(), QStringLiteral("10.5"));
        QCOMPARE(SchemeValue::single(14.0f).toText(), QStringLiteral("14"));
        QCOMPARE(SchemeValue::single(8.25f).toText(), QStringLiteral("8.25"));
        QCOMPARE(SchemeValue().toText(), QString());
    }

    void failedConversionsAreRunTimeErrors() {
        try {
            SchemeValue().toSingle();
            QFAIL("no error");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), 13);
        }
        try {
            SchemeValue::text("abc").toInteger();
            QFAIL("no error");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), 13);
        }
        try {
            SchemeValue::text("1e300").toSingle();
            QFAIL("no error");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), 6);
        }
    }

    void outOfRangeSlotsAreError9() {
        ColorScheme s;
        const auto expect9 = [](auto&& f) {
            try {
                f();
                return false;
            } catch (const RuntimeError& e) {
                return e.number() == 9;
            }
        };
        QVERIFY(expect9([&] { s.image(21); }));
        QVERIFY(expect9([&] { s.color(0, 14); }));
        QVERIFY(expect9([&] { s.color(3, 0); }));
        QVERIFY(expect9([&] { s.font(0, 21); }));
        QVERIFY(expect9([&] { s.font(-1, 0); }));
        s.fillFontSizeTable();
        QVERIFY(expect9([&] { s.fontSizeFor(7); }));
        QVERIFY(expect9([&] { s.fontSizeFor(0); }));
        QCOMPARE(s.fontSizeFor(1), qint16(8));
        QCOMPARE(s.fontSizeFor(6), qint16(24));
        s.image(20) = "ok"; // the last slot is in range
        QCOMPARE(s.SchemeImages[20], QStringLiteral("ok"));
    }

    // The family a Font text is drawn in: its quotes and blanks go, inner ones stay.
    void drawnFamilyLeavesTheQuotesOut_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("family");
        QTest::newRow("plain") << "Verdana"
                               << "Verdana";
        QTest::newRow("single quotes") << "'Segoe UI'"
                                       << "Segoe UI";
        QTest::newRow("double quotes") << "\"Segoe UI\""
                                       << "Segoe UI";
        QTest::newRow("blanks around") << "  'Segoe UI' "
                                       << "Segoe UI";
        QTest::newRow("unmatched quote") << "'Segoe UI"
                                         << "'Segoe UI";
        QTest::newRow("quote alone") << "'"
                                     << "'";
        QTest::newRow("empty") << ""
                               << "";
    }
    void drawnFamilyLeavesTheQuotesOut() {
        QFETCH(QString, face);
        QFETCH(QString, family);
        QCOMPARE(drawnFamily(face), family);
    }

    void backgroundColorAndBannerBackColorAreOneValue() {
        ColorScheme s;
        QCOMPARE(s.SchemeChanged, false);
        QVERIFY(s.SchemeFileName.isEmpty());
        s.pageBackground() = rgbValue(255, 255, 204);
        QCOMPARE(s.valueText(themeElement(Element::BACKGROUND), Attribute::Color),
                 QStringLiteral("13434879"));
        QCOMPARE(s.valueText(themeElement(Element::BANNER), Attribute::BackColor),
                 QStringLiteral("13434879"));
        s.color(ColorAttr::Fore, 0) = rgbValue(0, 0, 128);
        QCOMPARE(s.valueText(themeElement(Element::BANNER), Attribute::ForeColor),
                 QStringLiteral("8388608"));
        QCOMPARE(rgbValue(51, 102, 153), 10053171);
    }
};

QTEST_GUILESS_MAIN(TestColorScheme)
#include "test_colorscheme.moc"
