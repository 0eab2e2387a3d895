#include "framework/RuntimeError.h"
#include "framework/TextFile.h"
#include "support/TestSupport.h"
#include "theme/ColorScheme.h"
#include "theme/StyleSheetRules.h"

#include <QColor>
#include <QTest>

namespace {
// Runs a rule and gives its error number, 0 when it raised none.
template <class Rule> int errorOf(Rule&& rule) {
    try {
        rule();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

qsizetype colonIn(const QString& line) {
    return line.indexOf(QLatin1Char(':')) + 1;
}
} // namespace

class TestStyleSheetRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void positions() {
        QCOMPARE(css::inStr(1, u"a;b;c", u";"), 2);
        QCOMPARE(css::inStr(3, u"a;b;c", u";"), 4);
        QCOMPARE(css::inStr(5, u"a;b;c", u";"), 0);
        QCOMPARE(css::inStr(9, u"a;b;c", u";"), 0);
        QCOMPARE(errorOf([] { css::inStr(0, u"abc", u"b"); }), Err::InvalidCall);
        QCOMPARE(css::midText(u"abcdef", 2, 3), u"bcd");
        QCOMPARE(css::midText(u"abcdef", 5, 10), u"ef");
        QCOMPARE(css::midText(u"abcdef", 9, 1), u"");
        QCOMPARE(errorOf([] { css::midText(u"abc", 1, -1); }), Err::InvalidCall);
        QCOMPARE(errorOf([] { css::midText(u"abc", 0, 1); }), Err::InvalidCall);
        QCOMPARE(trimBlanks(u"  \tbody \t  "), u"\tbody \t");
    }

    void declarationRule_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("property");
        QTest::newRow("one tab") << "\tfont-family: Arial;"
                                 << "font-family";
        QTest::newRow("trailing spaces") << "\tcolor: red;   "
                                         << "color";
        QTest::newRow("four spaces") << "    color: red;"
                                     << "";
        QTest::newRow("two tabs") << "\t\tcolor: red;"
                                  << "\tcolor";
        QTest::newRow("space before colon") << "\tcolor : red;"
                                            << "color ";
        QTest::newRow("no colon") << "\tcolor red;"
                                  << "";
        QTest::newRow("no tab") << "color: red;"
                                << "";
    }
    void declarationRule() {
        QFETCH(QString, line);
        QFETCH(QString, property);
        qsizetype colon = -1;
        QCOMPARE(css::declaredProperty(line, trimBlanks(line), colon).toString(), property);
        QCOMPARE(colon, colonIn(line));
    }

    void fontFamily_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("error");
        QTest::newRow("first of list") << "\tfont-family: Verdana, Arial, Helvetica;"
                                       << "Verdana" << 0;
        QTest::newRow("single") << "\tfont-family: Arial;"
                                << "Arial" << 0;
        QTest::newRow("no blank") << "\tfont-family:Arial;"
                                  << "Arial" << 0;
        QTest::newRow("many blanks") << "\tfont-family: \t  Arial;"
                                     << "Arial" << 0;
        QTest::newRow("inner blanks") << "\tfont-family: Times New Roman;"
                                      << "Times New Roman" << 0;
        QTest::newRow("quotes stay") << "\tfont-family: \"Trebuchet MS\", Arial;"
                                     << "\"Trebuchet MS\"" << 0;
        QTest::newRow("comma after semicolon") << "\tfont-family: Arial; a, b"
                                               << "Arial" << 0;
        QTest::newRow("empty") << "\tfont-family: ;"
                               << "" << 0;
        QTest::newRow("no semicolon") << "\tfont-family: Arial"
                                      << "" << Err::InvalidCall;
        QTest::newRow("list without semicolon") << "\tfont-family: Arial, Sans"
                                                << "" << Err::InvalidCall;
    }
    void fontFamily() {
        QFETCH(QString, line);
        QFETCH(QString, value);
        QFETCH(int, error);
        QString got;
        QCOMPARE(errorOf([&] { got = css::fontFamilyValue(line, colonIn(line)); }), error);
        QCOMPARE(got, value);
    }

    void fontSize_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("text"); // expected as text, or empty
        QTest::addColumn<int>("number");   // expected as a number, or 0
        QTest::addColumn<int>("error");
        QTest::newRow("points") << "\tfont-size: 10pt;"
                                << "10" << 0 << 0;
        QTest::newRow("points no blank") << "\tfont-size:10pt;"
                                         << "10" << 0 << 0;
        QTest::newRow("fractional points") << "\tfont-size: 10.5pt;"
                                           << "10.5" << 0 << 0;
        QTest::newRow("size 1") << "\tfont-size: 1;"
                                << "" << 8 << 0;
        QTest::newRow("size 3") << "\tfont-size: 3;"
                                << "" << 12 << 0;
        QTest::newRow("size 5") << "\tfont-size:5;"
                                << "" << 18 << 0;
        QTest::newRow("size 6") << "\tfont-size: 6;"
                                << "" << 24 << 0;
        QTest::newRow("upper-case PT") << "\tfont-size: 10PT;"
                                       << "" << 0 << Err::TypeMismatch;
        QTest::newRow("keyword") << "\tfont-size: x-small;"
                                 << "" << 0 << Err::TypeMismatch;
        QTest::newRow("em") << "\tfont-size: 1.5em;"
                            << "" << 0 << Err::TypeMismatch;
        QTest::newRow("empty") << "\tfont-size: ;"
                               << "" << 0 << Err::TypeMismatch;
        QTest::newRow("size 7") << "\tfont-size: 7;"
                                << "" << 0 << Err::SubscriptOutOfRange;
        QTest::newRow("size 0") << "\tfont-size: 0;"
                                << "" << 0 << Err::SubscriptOutOfRange;
        QTest::newRow("huge") << "\tfont-size: 1e30;"
                              << "" << 0 << Err::Overflow;
        QTest::newRow("no semicolon") << "\tfont-size: 10pt"
                                      << "" << 0 << Err::InvalidCall;
    }
    void fontSize() {
        QFETCH(QString, line);
        QFETCH(QString, text);
        QFETCH(int, number);
        QFETCH(int, error);
        ColorScheme scheme;
        scheme.fillFontSizeTable();
        SchemeValue got;
        QCOMPARE(errorOf([&] { got = css::fontSizeValue(line, colonIn(line), scheme); }), error);
        if (error != 0)
            return;
        if (number != 0) {
            QCOMPARE(got.kind(), SchemeValue::Kind::Integer);
            QCOMPARE(got.toInteger(), number);
        } else {
            QCOMPARE(got.kind(), SchemeValue::Kind::Text);
            QCOMPARE(got.toText(), text);
        }
    }

    void imagePath_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("error");
        QTest::newRow("url") << "\tlist-image-1: url(bullet1.gif);"
                             << "bullet1.gif" << 0;
        QTest::newRow("quotes stay") << "\tlist-image-1: url(\"b 1.gif\");"
                                     << "\"b 1.gif\"" << 0;
        QTest::newRow("no close") << "\tlist-image-1: url(bullet1.gif;"
                                  << "" << Err::InvalidCall;
        QTest::newRow("reversed") << "\tlist-image-1: )bullet1.gif(;"
                                  << "" << Err::InvalidCall;
        QTest::newRow("none") << "\tbackground-image: none;"
                              << "" << Err::InvalidCall;
    }
    void imagePath() {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QFETCH(int, error);
        QString got;
        QCOMPARE(errorOf([&] { got = css::imageName(line); }), error);
        QCOMPARE(got, name);
    }

    void colour_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("value"); // -1: not recognised
        QTest::addColumn<int>("error");
        QTest::newRow("white") << "\tcolor: white;" << 16777215 << 0;
        QTest::newRow("black") << "\tcolor: black;" << 0 << 0;
        QTest::newRow("white no blank") << "\tcolor:white;" << 16777215 << 0;
        QTest::newRow("rgb tight") << "\tcolor: rgb(0,0,128);" << 8388608 << 0;
        QTest::newRow("rgb spaced") << "\tcolor: rgb(51, 102, 153);" << 10053171 << 0;
        QTest::newRow("rgb no semicolon") << "\tcolor: rgb(255, 255, 204)" << 13434879 << 0;
        QTest::newRow("rgb clamped") << "\tcolor: rgb(300, -5, 12.5);" << 255 + 65536 * 12 << 0;
        QTest::newRow("rgb halves to even") << "\tcolor: rgb(1.5, 2.5, 0);" << 2 + 256 * 2 << 0;
        QTest::newRow("navy") << "\tcolor: navy;" << 8388608 << 0;
        QTest::newRow("name any case") << "\tcolor: NavY ;" << 8388608 << 0;
        QTest::newRow("rebeccapurple")
            << "\tcolor: rebeccapurple;" << 0x99 * 65536 + 0x33 * 256 + 0x66 << 0;
        QTest::newRow("#rgb") << "\tcolor: #36c;" << 0x33 + 0x66 * 256 + 0xCC * 65536 << 0;
        QTest::newRow("#rrggbb") << "\tcolor: #336699;" << 10053171 << 0;
        QTest::newRow("#RRGGBB") << "\tcolor: #FFFFCC;" << 13434879 << 0;
        QTest::newRow("five digits") << "\tcolor: #12345;" << -1 << 0;
        QTest::newRow("bad digit") << "\tcolor: #12g;" << -1 << 0;
        QTest::newRow("unknown word") << "\tcolor: blurple;" << -1 << 0;
        QTest::newRow("empty") << "\tcolor:;" << -1 << 0;
        QTest::newRow("no semicolon") << "\tcolor: white" << -1 << Err::InvalidCall;
        QTest::newRow("rgb no close") << "\tcolor: rgb(1, 2, 3;" << -1 << Err::InvalidCall;
        QTest::newRow("rgb one comma") << "\tcolor: rgb(1, 2);" << -1 << Err::InvalidCall;
    }
    void colour() {
        QFETCH(QString, line);
        QFETCH(int, value);
        QFETCH(int, error);
        std::optional<qint32> got;
        QCOMPARE(errorOf([&] { got = css::colorValue(line); }), error);
        QCOMPARE(got.has_value(), value >= 0);
        if (got)
            QCOMPARE(*got, value);
    }

    // Both rgb() readers, the theme's and the style sheet import's, clamp through it.
    void colourComponent_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("component");
        QTest::newRow("inside") << 127.0 << 127;
        QTest::newRow("half to even") << 254.5 << 254;
        QTest::newRow("just below the top") << 255.4 << 255;
        QTest::newRow("above") << 256.0 << 255;
        QTest::newRow("negative") << -0.6 << 0;
        QTest::newRow("infinite") << qInf() << 255;
        QTest::newRow("minus infinite") << -qInf() << 0;
        QTest::newRow("not a number") << qQNaN() << 0;
    }
    void colourComponent() {
        QFETCH(double, value);
        QFETCH(int, component);
        QCOMPARE(css::colorComponent(value), component);
    }

    void namedColoursMatchTheCssTable() {
        // Qt's own table of SVG colour names is the same list without "rebeccapurple";
        // every name there must give the same colour here.
        QCOMPARE(css::namedColorCount(), 148);
        int compared = 0;
        for (const QString& name : QColor::colorNames()) {
            if (name == QLatin1String("transparent"))
                continue;
            const QColor c = QColor::fromString(name);
            const std::optional<qint32> ours = css::namedColor(name);
            QVERIFY2(ours.has_value(), qPrintable(name));
            QCOMPARE(*ours, rgbValue(c.red(), c.green(), c.blue()));
            ++compared;
        }
        QVERIFY(compared >= 147);
    }

    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "128" << 128.0;
        QTest::newRow("blanks and bracket") << " \t204)" << 204.0;
        QTest::newRow("fraction") << "12.5%" << 12.5;
        QTest::newRow("exponent") << "1e2x" << 100.0;
        QTest::newRow("lone e") << "7e" << 7.0;
        QTest::newRow("negative") << "-3" << -3.0;
        QTest::newRow("none") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("tiny") << "1e-999" << 0.0;
        QTest::newRow("tiny written out") << "0." + QString(400, '0') + "1" << 0.0;
        QTest::newRow("huge despite e-") << "1" + QString(400, '0') + "e-5" << qInf();
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(css::leadingNumber(text), value);
    }
};

QTEST_APPLESS_MAIN(TestStyleSheetRules)
#include "test_stylesheetrules.moc"
