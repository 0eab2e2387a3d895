#include "framework/RuntimeError.h"
#include "framework/TextFile.h"
#include "support/TestSupport.h"
#include "support/UnusualFiles.h"

#include <QTest>

#include <cerrno>

namespace {
// The number of the run-time error `action` raises; 0 when it raises none.
template <class Action> int errorOf(Action&& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

QStringList readAll(const QString& path,
                    TextLineReader::BareLf bareLf = TextLineReader::BareLf::IsText) {
    TextLineReader reader(bareLf);
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

    void bareLfEndsLine_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("lf only") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("crlf stays one line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("mixed ends")
            << QByteArray("a\nb\r\nc\rd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("empty lf lines") << QByteArray("\n\n") << QStringList{"", ""};
        QTest::newRow("lf cr is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    }
    void bareLfEndsLine() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        TestWorld world;
        writeFile(world.path("f.txt"), bytes);
        QCOMPARE(readAll(world.path("f.txt"), TextLineReader::BareLf::EndsLine), lines);
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

    // Only an ordinary file is opened: a pipe would wait for a writer for ever, a
    // device could feed bytes without end.
    void onlyOrdinaryFilesAreOpened_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("link to an endless device") << "zero";
        QTest::newRow("device") << "device";
    }
    void onlyOrdinaryFilesAreOpened() {
        QFETCH(QString, kind);
        TestWorld world;
        const QString path = world.path("sheet.css");
        if (!makeUnreadableFile(kind, path)) {
            // Only root may make device nodes.
            QVERIFY(kind == QLatin1String("device"));
            QSKIP("device nodes cannot be made here");
        }
        int number = 0;
        TextLineReader reader;
        QVERIFY2(returnsAtOnce([&] { number = errorOf([&] { reader.open(path); }); }, path),
                 "opening a pipe waited for a writer");
        QCOMPARE(number, Err::PathFileAccess);
        QVERIFY(!reader.isOpen());
    }

    // A file beyond the limit is refused before anything of it is read.
    void fileBeyondTheLimitIsTooLarge() {
        TestWorld world;
        QVERIFY(makeSparseFile(world.path("limit.css"), MaxTextFileSize));
        QVERIFY(makeSparseFile(world.path("over.css"), MaxTextFileSize + 1));
        TextLineReader reader;
        QCOMPARE(errorOf([&] { reader.open(world.path("limit.css")); }), 0);
        QCOMPARE(errorOf([&] { reader.open(world.path("over.css")); }), Err::FileTooLarge);
        QVERIFY(!reader.isOpen());
        QVERIFY(errorDescription(Err::FileTooLarge).contains(QLatin1String("16 MiB")));
    }

    // A read that fails is an error, not the end of the file.
    void readErrorIsDeviceIoError() {
        TestWorld world;
        const QString path = world.path("failing.css");
        QVERIFY(makeFailingReadLink(path));
        TextLineReader reader;
        reader.open(path);
        QCOMPARE(errorOf([&] { reader.atEnd(); }), Err::DeviceIO);
        // Retrying reads again, and fails again.
        QCOMPARE(errorOf([&] { reader.readLine(); }), Err::DeviceIO);
    }

    // The error follows the system's error code, whatever the language of its text.
    void fileErrorsFollowTheErrorCode_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("writing");
        QTest::addColumn<int>("number");
        QTest::newRow("no space") << ENOSPC << true << Err::DiskFull;
        QTest::newRow("quota") << EDQUOT << true << Err::DiskFull;
        QTest::newRow("file size limit") << EFBIG << true << Err::DiskFull;
        QTest::newRow("input/output") << EIO << false << Err::DeviceIO;
        QTest::newRow("access") << EACCES << false << Err::PermissionDenied;
        QTest::newRow("read-only file system") << EROFS << true << Err::PermissionDenied;
        QTest::newRow("too many open files") << EMFILE << false << Err::TooManyFiles;
        QTest::newRow("missing file") << ENOENT << false << Err::FileNotFound;
    }
    void fileErrorsFollowTheErrorCode() {
        QFETCH(int, code);
        QFETCH(bool, writing);
        QFETCH(int, number);
        TestWorld world;
        QCOMPARE(errorOf([&] { raiseFileError(world.path("f.tna"), writing, code); }), number);
    }

    // A write to a full device is a full disk, told by the error code alone.
    void writingToAFullDeviceIsDiskFull() {
        TestWorld world;
        const QString path = world.path("full");
        if (!makeFullDevice(path))
            QSKIP("device nodes cannot be made here");
        QCOMPARE(errorOf([&] { saveFileBytes(path, QByteArray(100, 'x')); }), Err::DiskFull);
        QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
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
