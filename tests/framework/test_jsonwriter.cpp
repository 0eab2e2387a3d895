#include "framework/JsonWriter.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <limits>

class TestJsonWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every string is escaped: what any scheme file may hold reads back the same.
    void escapesEveryString_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("literal");
        QTest::newRow("plain") << "Georgia" << QByteArray("\"Georgia\"");
        QTest::newRow("quote and backslash")
            << "C:\\a \"b\"" << QByteArray("\"C:\\\\a \\\"b\\\"\"");
        QTest::newRow("line ends and tab") << "a\r\n\tb" << QByteArray("\"a\\r\\n\\tb\"");
        QTest::newRow("control") << QStringLiteral("a\u0001\u001f")
                                 << QByteArray("\"a\\u0001\\u001f\"");
        QTest::newRow("non-ASCII")
            << QStringLiteral("caf\u00e9 \u2603") << QByteArray("\"caf\xc3\xa9 \xe2\x98\x83\"");
    }
    void escapesEveryString() {
        QFETCH(QString, text);
        QFETCH(QByteArray, literal);
        JsonWriter json;
        json.beginObject();
        json.field(text, text);
        json.endObject();
        const QByteArray written = json.finish();
        QCOMPARE(written, "{\n  " + literal + ": " + literal + "\n}\n");
        const QJsonObject back = QJsonDocument::fromJson(written).object();
        QCOMPARE(back.value(text).toString(), text);
    }

    // Members keep the order given; one-line containers stay on one line, inside as
    // well; empty ones close at once; numbers take their shortest form.
    void layoutAndOrder() {
        JsonWriter json;
        json.beginObject();
        json.field(u"z", 2);
        json.field(u"a", QStringLiteral("x"));
        json.key(u"list");
        json.beginArray();
        json.beginObject(JsonWriter::Layout::Inline);
        json.field(u"ratio", 4.5);
        json.field(u"pass", false);
        json.key(u"inner");
        json.beginArray();
        json.value(21.0);
        json.value(0.1);
        json.endArray();
        json.endObject();
        json.beginObject();
        json.endObject();
        json.endArray();
        json.field(u"nan", std::numeric_limits<double>::quiet_NaN());
        json.field(u"big", qint64(1) << 40);
        json.endObject();
        QCOMPARE(json.finish(), QByteArray("{\n"
                                           "  \"z\": 2,\n"
                                           "  \"a\": \"x\",\n"
                                           "  \"list\": [\n"
                                           "    {\"ratio\": 4.5, \"pass\": false, \"inner\": [21, "
                                           "0.1]},\n"
                                           "    {}\n"
                                           "  ],\n"
                                           "  \"nan\": null,\n"
                                           "  \"big\": 1099511627776\n"
                                           "}\n"));
    }
};

QTEST_GUILESS_MAIN(TestJsonWriter)
#include "test_jsonwriter.moc"
