#include "framework/RuntimeError.h"
#include "framework/TextFile.h"
#include "support/TestSupport.h"

#include <QTest>

namespace {
QStringList readAll(const QString& path) {
    TextLineReader reader;
    reader.open(path);
    QStringList lines;
    while (!reader.atEnd())
        lines << reader.readLine();
    return lines;
}
} // namespace

class TestTextFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lineEnds_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("cr only") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("bare lf is no line end") << QByteArray("a\nb\nc") << QStringList{"a\nb\nc"};
        QTest::newRow("last line unended") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("empty lines") << QByteArray("\r\r\n\r") << QStringList{"", "", ""};
        QTest::newRow("lf after lf-less cr") << QByteArray("a\r\n\nb") << QStringList{"a", "\nb"};
    }
    void lineEnds() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        TestWorld world;
        writeFile(world.path("f.txt"), bytes);
        QCOMPARE(readAll(world.path("f.txt")), lines);
    }

    void crLfSplitAcrossReadChunks() {
        TestWorld world;
        QByteArray bytes(64 * 1024 - 1, 'x');
        bytes += "\r\nnext\r\n";
        writeFile(world.path("f.txt"), bytes);
        const QStringList lines = readAll(world.path("f.txt"));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].size(), 64 * 1024 - 1);
        QCOMPARE(lines[1], QStringLiteral("next"));
    }

    void utf8AndWindows1252() {
        TestWorld world;
        writeFile(world.path("u.txt"), "caf\xC3\xA9\r\n");
        writeFile(world.path("w.txt"), "caf\xE9 \x80\r\n");
        QCOMPARE(readAll(world.path("u.txt")), QStringList{QStringLiteral("café")});
        QCOMPARE(readAll(world.path("w.txt")), QStringList{QStringLiteral("café €")});
    }

    void openFailuresAreRunTimeErrors_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<int>("number");
        QTest::newRow("missing file") << "missing.css" << 53;
        QTest::newRow("missing folder") << "nofolder/x.css" << 76;
        QTest::newRow("a folder") << "sub" << 75;
    }
    void openFailuresAreRunTimeErrors() {
        QFETCH(QString, relative);
        QFETCH(int, number);
        TestWorld world;
        QDir().mkpath(world.path("sub"));
        TextLineReader reader;
        try {
            reader.open(world.path(relative));
            QFAIL("open succeeded");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), number);
        }
    }

    void readingPastTheEndIsError62() {
        TestWorld world;
        writeFile(world.path("f.txt"), "one");
        TextLineReader reader;
        reader.open(world.path("f.txt"));
        QCOMPARE(reader.readLine(), QStringLiteral("one"));
        QVERIFY(reader.atEnd());
        QVERIFY_THROWS_EXCEPTION(RuntimeError, reader.readLine());
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_textfile.moc"
