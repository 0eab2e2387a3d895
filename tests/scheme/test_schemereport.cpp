#include "SchemeFixtures.h"
#include "scheme/SchemeFile.h"
#include "scheme/SchemeReport.h"
#include "support/TestSupport.h"

#include <QTest>

class TestSchemeReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sectionsMatchTheSchemeFile() {
        TestWorld world;
        const ColorScheme s = populatedScheme();
        const QList<ReportLine> report = reportLines(s, testFileInformation());
        // The report carries the file's lines less its braces, each section ended.
        QStringList fromFile = schemeFileLines(s, testFileInformation());
        QStringList fromReport;
        int ends = 0;
        for (const ReportLine& line : report) {
            if (line.kind == ReportLine::Kind::SectionEnd) {
                QCOMPARE(line.text, QStringLiteral("\r\n"));
                ++ends;
                continue;
            }
            QCOMPARE(line.kind == ReportLine::Kind::Attribute,
                     line.text.startsWith(QLatin1Char('\t')));
            fromReport << line.text;
        }
        fromFile.removeAll(QStringLiteral("{"));
        fromFile.removeAll(QStringLiteral("}"));
        QCOMPARE(fromReport, fromFile);
        QCOMPARE(ends, ElementCount + 1);
        QCOMPARE(report.size(), 151);
        QCOMPARE(report.last().kind, ReportLine::Kind::SectionEnd);
    }

    void valuesAsPrinted_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("banner without image, face in proper case")
            << "BANNER"
            << QStringList{"\tImage: ",      "\tFont: Times new roman", "\tFontSize: 8",
                           "\tFontStyle: 0", "\tBackColor: 16711680",   "\tForeColor: 16777215"};
        QTest::newRow("fractional size as held")
            << "HEADING2"
            << QStringList{"\tFont: Arial", "\tFontSize: 10.5", "\tFontStyle: 3",
                           "\tBackColor: 16713219", "\tForeColor: 16777212"};
        QTest::newRow("file information")
            << "FILE INFORMATION"
            << QStringList{"\tApplication Name: Tintora", "\tProgram Version: 0001.0000.0000",
                           "\tProgram Author: tester", "\tTheme: Blue"};
    }
    void valuesAsPrinted() {
        QFETCH(QString, section);
        QFETCH(QStringList, lines);
        TestWorld world;
        ColorScheme s = populatedScheme();
        s.SchemeImages[1].clear();
        s.SchemeFonts[FontAttr::Face][0] = SchemeValue::text(QStringLiteral("TIMES NEW ROMAN"));
        const QList<ReportLine> report = reportLines(s, testFileInformation());
        qsizetype at = -1;
        for (qsizetype i = 0; i < report.size(); ++i)
            if (report[i].kind == ReportLine::Kind::SectionTitle && report[i].text == section)
                at = i;
        QVERIFY(at >= 0);
        QStringList got;
        for (qsizetype i = at + 1; report[i].kind == ReportLine::Kind::Attribute; ++i)
            got << report[i].text;
        QCOMPARE(got, lines);
    }

    void emptyFacePrintsLineWithoutValue() {
        TestWorld world;
        ColorScheme s = populatedScheme();
        s.SchemeFonts[FontAttr::Face][1] = SchemeValue();
        const QList<ReportLine> report = reportLines(s, testFileInformation());
        QCOMPARE(world.prompt.messages.size(), 1);
        QVERIFY(world.prompt.messages[0].contains(QLatin1String("Err#5")));
        qsizetype body = -1;
        for (qsizetype i = 0; i < report.size(); ++i)
            if (report[i].text == QLatin1String("BODY"))
                body = i;
        QCOMPARE(report.value(body + 1).text, QStringLiteral("\tFont: "));
    }

    void plainTextEndsSectionsWithTwoEmptyLines() {
        TestWorld world;
        const QByteArray text = reportText(reportLines(populatedScheme(), testFileInformation()));
        QVERIFY(text.startsWith("FILE INFORMATION\n\tApplication Name: Tintora\n"
                                "\tProgram Version: 0001.0000.0000\n\tProgram Author: tester\n"
                                "\tTheme: Blue\n\n\nBACKGROUND\n\tImage: "));
        QVERIFY(text.endsWith("\tImage: C:\\Themes\\Blue\\caf\xC3\xA9_18.gif\n\n\n"));
        QVERIFY(!text.contains('\r'));
        QCOMPARE(text.count("\n\n\n"), ElementCount + 1);
    }
};

QTEST_GUILESS_MAIN(TestSchemeReport)
#include "test_schemereport.moc"
