#include "SchemeFixtures.h"
#include "contrast/AuditFormat.h"
#include "scheme/SchemeJson.h"
#include "scheme/SchemeSections.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

bool isColor(const QString& name) {
    return name == QLatin1String("Color") || name.endsWith(QLatin1String("Color"));
}

QJsonObject parsed(const QByteArray& json) {
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(json, &error).object();
    if (error.error != QJsonParseError::NoError)
        qWarning("%s", qPrintable(error.errorString()));
    return root;
}

} // namespace

class TestSchemeJson : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The JSON holds the same sections and values as the scheme file, in its order,
    // colours as "#RRGGBB", sizes and styles as numbers, and a JSON reader takes
    // every character of the texts back.
    void sectionsAndAttributesAsTheFileHasThem() {
        TestWorld world;
        ColorScheme scheme = populatedScheme();
        scheme.image(0) = QStringLiteral("C:\\\\a \"b\"\t\u0001/caf\u00e9.gif");
        const QList<SchemeSection> sections = schemeSections(scheme, testFileInformation());
        const QByteArray json = schemeJson(sections);
        QVERIFY(json.startsWith("{\n  \"format\": 2,\n"));
        QVERIFY(json.endsWith("}\n"));

        const QJsonObject root = parsed(json);
        QCOMPARE(root.size(), 32);
        QCOMPARE(root.value("format").toInteger(), 2);
        for (const SchemeSection& section : sections) {
            const QJsonObject attributes = root.value(section.title).toObject();
            QCOMPARE(attributes.size(), section.entries.size());
            for (const SchemeEntry& entry : section.entries) {
                const QJsonValue value = attributes.value(entry.name);
                if (isColor(entry.name))
                    QCOMPARE(value.toString(), colorHex(entry.value.toInt()));
                else if (entry.name == QLatin1String("FontSize") ||
                         entry.name == QLatin1String("FontStyle"))
                    QCOMPARE(value.toDouble(), entry.value.toDouble());
                else
                    QCOMPARE(value.toString(), entry.value);
            }
        }
        // Decimal BGR 0x00FF0201 is red 1, green 2, blue 255.
        QCOMPARE(root.value("BODY").toObject().value("BackColor").toString(), "#0102FF");
        QCOMPARE(root.value("HEADING2").toObject().value("FontSize").toDouble(), 10.5);
        QVERIFY(root.value("BODY").toObject().value("FontStyle").isDouble());
        // In the file's order, not sorted.
        QVERIFY(json.indexOf("\"FILE INFORMATION\"") < json.indexOf("\"BACKGROUND\""));
        QVERIFY(json.indexOf("\"VIRTNAVBTNNORM\"") < json.indexOf("\"VIRTNAVBTNPUSH\""));
        QVERIFY(json.indexOf("\"Font\"") < json.indexOf("\"FontSize\""));
    }

    // A value that is no number or no colour stays what the file holds, as a string
    // or number, never made up.
    void valuesThatAreNoNumberStayText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("size") << "FontSize"
                              << "10.5" << QByteArray("10.5");
        QTest::newRow("whole size") << "FontSize"
                                    << "12" << QByteArray("12");
        QTest::newRow("size no number") << "FontSize"
                                        << "large" << QByteArray("\"large\"");
        QTest::newRow("empty size") << "FontSize"
                                    << "" << QByteArray("\"\"");
        QTest::newRow("size not finite") << "FontSize"
                                         << "inf" << QByteArray("\"inf\"");
        QTest::newRow("style") << "FontStyle"
                               << "3" << QByteArray("3");
        QTest::newRow("black") << "Color"
                               << "0" << QByteArray("\"#000000\"");
        QTest::newRow("white") << "ForeColor"
                               << "16777215" << QByteArray("\"#FFFFFF\"");
        QTest::newRow("no colour") << "BackColor"
                                   << "16777216" << QByteArray("16777216");
        QTest::newRow("negative") << "Color"
                                  << "-1" << QByteArray("-1");
        QTest::newRow("colour no number") << "Color"
                                          << "red" << QByteArray("\"red\"");
        QTest::newRow("face") << "Font"
                              << "12" << QByteArray("\"12\"");
    }
    void valuesThatAreNoNumberStayText() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QByteArray, json);
        const QByteArray written = schemeJson({{QStringLiteral("BODY"), {{name, text}}}});
        QCOMPARE(written, "{\n  \"format\": 2,\n  \"BODY\": {\n    \"" + name.toUtf8() +
                              "\": " + json + "\n  }\n}\n");
    }
};

QTEST_GUILESS_MAIN(TestSchemeJson)
#include "test_schemejson.moc"
