#include "SchemeFixtures.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Limits the size of files this process may write, so a write fails part-way as on
// a full disk; restores the limit on exit.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};
} // namespace

class TestSchemeWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sectionsInOrderWith182Lines() {
        TestWorld world;
        const QStringList lines = schemeFileLines(populatedScheme(), testFileInformation());
        QCOMPARE(lines.size(), SchemeFileLineCount);

        // Walk the sections: title, "{", attribute lines, "}".
        const QList<QPair<QString, QStringList>> expected = [] {
            QList<QPair<QString, QStringList>> list;
            list.append({"FILE INFORMATION",
                         {"Application Name", "Program Version", "Program Author", "Theme"}});
            list.append({"BACKGROUND", {"Image", "Color"}});
            const QStringList text{"Font", "FontSize", "FontStyle", "BackColor", "ForeColor"};
            list.append({"BANNER", QStringList{"Image"} + text});
            for (const char* key :
                 {"BODY", "HEADING1", "HEADING2", "HEADING3", "HEADING4", "HEADING5", "HEADING6",
                  "REGULARLINK", "VISITEDLINK", "ACTIVELINK", "NAVBUTTONS"})
                list.append({QString::fromLatin1(key), text});
            list.append({"GLOBALBUTTONS", QStringList{"Image"} + text});
            for (const char* key :
                 {"HORIZNAVBTNNORM", "HORIZNAVBTNPUSH", "BULLETLIST1", "BULLETLIST2", "BULLETLIST3",
                  "HORIZRULE", "BTNBACKNORM", "BTNHOMENORM", "BTNUPNORM", "BTNNEXTNORM",
                  "BTNBACKPUSH", "BTNHOMEPUSH", "BTNUPPUSH", "BTNEXTPUSH", "VIRTNAVBTNNORM",
                  "VIRTNAVBTNPUSH"})
                list.append({QString::fromLatin1(key), QStringList{"Image"}});
            return list;
        }();
        qsizetype i = 0;
        for (const auto& [title, names] : expected) {
            QCOMPARE(lines.value(i++), title);
            QCOMPARE(lines.value(i++), QStringLiteral("{"));
            for (const QString& name : names)
                QVERIFY2(
                    lines.value(i++).startsWith(QLatin1Char('\t') + name + QLatin1String(": ")),
                    qPrintable(lines.value(i - 1)));
            QCOMPARE(lines.value(i++), QStringLiteral("}"));
        }
        QCOMPARE(i, lines.size());
        QVERIFY(!lines.join(QLatin1Char('\n')).contains(QLatin1String("nused")));
        QVERIFY(!lines.join(QLatin1Char('\n')).contains(QLatin1String("4242")));
    }

    void firstLinesExactly() {
        TestWorld world;
        const QStringList lines = schemeFileLines(populatedScheme(), testFileInformation());
        const QStringList expected{
            "FILE INFORMATION",
            "{",
            "\tApplication Name: Tintora",
            "\tProgram Version: 0001.0000.0000",
            "\tProgram Author: tester",
            "\tTheme: Blue",
            "}",
            "BACKGROUND",
            "{",
            QStringLiteral("\tImage: C:\\Themes\\Blue\\caf\u00e9_0.gif"),
            "\tColor: " + QString::number(rgbValue(0, 0, 255)),
            "}",
            "BANNER",
            "{",
            QStringLiteral("\tImage: C:\\Themes\\Blue\\caf\u00e9_1.gif"),
            "\tFont: Times new roman",
            "\tFontSize: 8",
            "\tFontStyle: 0",
            "\tBackColor: " + QString::number(rgbValue(0, 0, 255)),
            "\tForeColor: 16777215",
            "}",
        };
        QCOMPARE(lines.mid(0, expected.size()), expected);
    }

    void valueTexts_data() {
        QTest::addColumn<QString>("line");
        // HEADING2 is font slot 3, which holds the fractional size.
        QTest::newRow("fractional size with a point") << "\tFontSize: 10.5";
        QTest::newRow("size held as text") << "\tFontSize: 9";
        QTest::newRow("style") << "\tFontStyle: 3";
        QTest::newRow("face in proper case") << "\tFont: Arial";
        QTest::newRow("negative colour") << "\tForeColor: -1";
        QTest::newRow("empty size ends in the blank") << "\tFontSize: ";
        QTest::newRow("empty style ends in the blank") << "\tFontStyle: ";
    }
    void valueTexts() {
        QFETCH(QString, line);
        TestWorld world;
        ColorScheme s = populatedScheme();
        s.SchemeColors[ColorAttr::Fore][5] = -1;
        s.SchemeFonts[FontAttr::Size][12] = SchemeValue();
        s.SchemeFonts[FontAttr::Style][12] = SchemeValue();
        QVERIFY2(schemeFileLines(s, testFileInformation()).contains(line), qPrintable(line));
    }

    void emptyFaceGoesThroughHandlerAndWritesEmptyValue() {
        TestWorld world;
        ColorScheme s = populatedScheme();
        s.SchemeFonts[FontAttr::Face][12] = SchemeValue();
        const QStringList lines = schemeFileLines(s, testFileInformation());
        QCOMPARE(world.prompt.messages.size(), 1);
        QVERIFY(world.prompt.messages[0].contains(QLatin1String("Err#5")));
        QVERIFY(world.prompt.messages[0].contains(QLatin1String("CV-Code.ProperCase")));
        const qsizetype global = lines.indexOf(QStringLiteral("GLOBALBUTTONS"));
        QCOMPARE(lines.value(global + 3), QStringLiteral("\tFont: "));
        QCOMPARE(lines.size(), SchemeFileLineCount);
    }

    void fileIsUtf8WithCrLfAndNoBom() {
        TestWorld world;
        const QString path = world.path("blue.tna");
        Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
        QVERIFY(writeSchemeFile(proc, populatedScheme(), testFileInformation(), path));
        const QByteArray bytes = readFile(path);
        QVERIFY(bytes.startsWith("FILE INFORMATION\r\n{\r\n\tApplication Name: Tintora\r\n"));
        QVERIFY(bytes.endsWith("\tImage: C:\\Themes\\Blue\\caf\xC3\xA9_18.gif\r\n}\r\n"));
        QCOMPARE(bytes.count("\r\n"), SchemeFileLineCount);
        QCOMPARE(bytes.count('\n'), SchemeFileLineCount);
        QCOMPARE(bytes.count('\r'), SchemeFileLineCount);
        QVERIFY(world.prompt.messages.isEmpty());
    }

    void replacesLongerOldFileCompletely() {
        TestWorld world;
        const QString path = world.path("blue.tna");
        writeFile(path, QByteArray(100000, 'x'));
        Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
        QVERIFY(writeSchemeFile(proc, populatedScheme(), testFileInformation(), path));
        QCOMPARE(readFile(path),
                 schemeFileBytes(schemeFileLines(populatedScheme(), testFileInformation())));
    }

    void failedWriteKeepsOldFileAndReachesHandler() {
        TestWorld world;
        const QString path = world.path("blue.tna");
        const QByteArray old("old scheme\r\n");
        writeFile(path, old);
        world.prompt.script({ErrorPrompt::Answer::Retry, ErrorPrompt::Answer::Ignore});
        bool written = true;
        {
            // The new file is far larger than the limit: the write fails part-way.
            const FileSizeLimit limit(1024);
            Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
            written = writeSchemeFile(proc, populatedScheme(), testFileInformation(), path);
        }
        QVERIFY(!written);
        QCOMPARE(world.prompt.messages.size(), 2); // Retry tried the whole write again
        QVERIFY2(world.prompt.messages[0].contains(QLatin1String("Err#61 ")),
                 qPrintable(world.prompt.messages[0]));
        QVERIFY(world.prompt.messages[0].contains(QLatin1String("frmMain.mnuFileSave_Click")));
        QCOMPARE(readFile(path), old);
        // No temporary file is left beside it.
        QCOMPARE(QDir(world.path(".")).entryList({"blue.tna*"}, QDir::Files | QDir::Hidden),
                 QStringList{"blue.tna"});
    }

    void pipeIsWrittenInPlaceNeverReplaced() {
        TestWorld world;
        const QString fifo = world.path("pipe.tna");
        const QByteArray name = QFile::encodeName(fifo);
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        // A reader that never blocks, so the writer can open the pipe at once.
        const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(fd >= 0);
        Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
        const bool written = writeSchemeFile(proc, populatedScheme(), testFileInformation(), fifo);
        QByteArray received(64 * 1024, '\0');
        const ssize_t got = ::read(fd, received.data(), static_cast<size_t>(received.size()));
        ::close(fd);
        QVERIFY(written);
        QVERIFY(world.prompt.messages.isEmpty());
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
        received.resize(got < 0 ? 0 : got);
        QCOMPARE(received,
                 schemeFileBytes(schemeFileLines(populatedScheme(), testFileInformation())));
    }

    void openFailuresAreRunTimeErrors_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<int>("number");
        QTest::newRow("folder missing") << "nofolder/blue.tna" << 76;
        QTest::newRow("target is a folder") << "folder" << 75;
        QTest::newRow("empty name") << "" << 52;
    }
    void openFailuresAreRunTimeErrors() {
        QFETCH(QString, relative);
        QFETCH(int, number);
        TestWorld world;
        QDir().mkpath(world.path("folder"));
        Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
        const QString path = relative.isEmpty() ? QString() : world.path(relative);
        QVERIFY(!writeSchemeFile(proc, populatedScheme(), testFileInformation(), path));
        QCOMPARE(world.prompt.messages.size(), 1);
        QVERIFY2(world.prompt.messages[0].contains(QStringLiteral("Err#%1 ").arg(number)),
                 qPrintable(world.prompt.messages[0]));
        QVERIFY(!QFileInfo::exists(world.path("nofolder")));
    }
};

QTEST_GUILESS_MAIN(TestSchemeWriter)
#include "test_schemewriter.moc"
