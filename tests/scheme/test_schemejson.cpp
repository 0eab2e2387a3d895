#include "SchemeFixtures.h"
#include "scheme/SchemeJson.h"
#include "scheme/SchemeSections.h"
#include "support/TestSupport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class TestSchemeJson : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The JSON holds the same sections and values as the scheme file, in its order,
    // and a JSON reader takes every character of them back.
    void sectionsAndAttributesAsTheFileHasThem() {
        TestWorld world;
        ColorScheme scheme = populatedScheme();
        scheme.image(0) = QStringLiteral("C:\\\\a \"b\"\t\u0001/caf\u00e9.gif");
        const QList<SchemeSection> sections = schemeSections(scheme, testFileInformation());
        const QByteArray json = schemeJson(sections);
        QVERIFY(json.endsWith("}\n"));

        QJsonParseError error;
        const QJsonObject root = QJsonDocument::fromJson(json, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(root.size(), 31);
        for (const SchemeSection& section : sections) {
            const QJsonObject attributes = root.value(section.title).toObject();
            QCOMPARE(attributes.size(), section.entries.size());
            for (const SchemeEntry& entry : section.entries) {
                const QJsonValue value = attributes.value(entry.name);
                if (entry.name.endsWith(QLatin1String("Color")))
                    QCOMPARE(QString::number(value.toInteger()), entry.value);
                else
                    QCOMPARE(value.toString(), entry.value);
            }
        }
        // In the file's order, not sorted.
        QVERIFY(json.indexOf("\"FILE INFORMATION\"") < json.indexOf("\"BACKGROUND\""));
        QVERIFY(json.indexOf("\"VIRTNAVBTNNORM\"") < json.indexOf("\"VIRTNAVBTNPUSH\""));
        QVERIFY(json.indexOf("\"Font\"") < json.indexOf("\"FontSize\""));
    }
};

QTEST_GUILESS_MAIN(TestSchemeJson)
#include "test_schemejson.moc"
