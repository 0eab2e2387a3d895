#include "framework/ErrorHandler.h"
#include "framework/Procedure.h"
#include "framework/Trace.h"
#include "support/TestSupport.h"

#include <QTest>
#include <QThread>

using Answer = ErrorPrompt::Answer;

class TestProcedure : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nestedRoutinesAddOneBarEach() {
        TestWorld world;
        QString third;
        {
            Procedure a(QStringLiteral("frmMain.Form_Load"));
            {
                Procedure b(QStringLiteral("frmMain.LoadTheme"));
                {
                    Procedure c(QStringLiteral("CV-Code.ProperCase"));
                    third = trace().TraceStack[3];
                    QCOMPARE(trace().TraceDepth, qint16(3));
                }
                QCOMPARE(trace().TraceDepth, qint16(2));
            }
        }
        QCOMPARE(third, QStringLiteral("|||CV-Code.ProperCase"));
        QCOMPARE(trace().TraceStack[1], QStringLiteral("|frmMain.Form_Load"));
        QCOMPARE(trace().TraceDepth, qint16(0));
    }

    void messageTextMatchesTheExampleToTheCharacter() {
        TestWorld world;
        {
            Procedure outer(QStringLiteral("frmSplash.Timer2_Timer"));
            Procedure proc(QStringLiteral("frmMain.Form_Load"));
            proc.step([] { raiseError(Err::TypeMismatch); });
        }
        QCOMPARE(world.prompt.messages.size(), 1);
        QCOMPARE(world.prompt.messages[0],
                 QStringLiteral(" Encountered Err#13 - Type mismatch\r\rRoutine: "
                                "||frmMain.Form_Load\r   Task: \r\r"));
    }

    // The handler is handed everything it shows: with the globals still empty, as
    // before start-up has set them, the message breaks its lines all the same.
    void messageBreaksLinesBeforeSetUp() {
        TestWorld world;
        {
            Procedure proc(QStringLiteral("X.Y"));
            proc.Task = QStringLiteral("t");
            proc.step([] { raiseError(Err::Overflow); });
        }
        QCOMPARE(world.prompt.messages.value(0),
                 QStringLiteral(" Encountered Err#6 - Overflow\r\rRoutine: |X.Y\r   Task: t\r\r"));
    }

    void retryRunsExactlyTheFailingStatementAgain() {
        TestWorld world;
        world.prompt.script({Answer::Retry, Answer::Retry});
        int before = 0, failing = 0, after = 0;
        {
            Procedure proc(QStringLiteral("T.Retry"));
            proc.step([&] { ++before; });
            proc.step([&] {
                ++failing;
                if (failing < 3)
                    raiseError(Err::FileNotFound);
            });
            proc.step([&] { ++after; });
        }
        QCOMPARE(before, 1);
        QCOMPARE(failing, 3);
        QCOMPARE(after, 1);
        QCOMPARE(world.prompt.messages.size(), 2); // the box again on each persisting error
    }

    void ignoreSkipsExactlyTheFailingStatement() {
        TestWorld world;
        world.prompt.script({Answer::Ignore});
        QStringList ran;
        {
            Procedure proc(QStringLiteral("T.Ignore"));
            QVERIFY(proc.step([&] { ran << "a"; }));
            QVERIFY(!proc.step([&] {
                raiseError(Err::TypeMismatch);
                ran << "never";
            }));
            proc.step([&] { ran << "c"; });
            QCOMPARE(proc.lastErrorNumber(), Err::TypeMismatch);
        }
        QCOMPARE(ran, QStringList({"a", "c"}));
        QCOMPARE(trace().TraceDepth, qint16(0)); // popped normally
    }

    void ignoredFailureInATestCountsAsTrue() {
        TestWorld world;
        bool held = false;
        {
            Procedure proc(QStringLiteral("T.Test"));
            held = proc.test([]() -> bool { raiseError(Err::PathNotFound); });
        }
        QVERIFY(held);
        QCOMPARE(world.prompt.messages.size(), 1);
    }

    void error53WithTaskLoadImagesShowsNoBoxAndIgnores() {
        TestWorld world;
        bool next = false;
        {
            Procedure proc(QStringLiteral("frmMain.DisplayRefresh"));
            proc.Task = QStringLiteral("Load Images");
            QVERIFY(!proc.step([] { raiseError(Err::FileNotFound); }));
            proc.step([&] { next = true; });
        }
        QVERIFY(next);
        QVERIFY(world.prompt.messages.isEmpty());
    }

    void error53WithAnyOtherTaskShowsDetailAndGraphicsSentence_data() {
        QTest::addColumn<QString>("task");
        QTest::newRow("other case") << QStringLiteral("Load images");
        QTest::newRow("preview task") << QStringLiteral("Display Images: BACKGROUND: Load images");
        QTest::newRow("empty") << QString();
    }
    void error53WithAnyOtherTaskShowsDetailAndGraphicsSentence() {
        QFETCH(QString, task);
        TestWorld world;
        {
            Procedure proc(QStringLiteral("frmMain.DisplayRefresh"));
            proc.Task = task;
            proc.TaskDetail = QStringLiteral("/themes/x/banner.gif");
            proc.step([] { raiseError(Err::FileNotFound); });
        }
        QCOMPARE(world.prompt.messages.size(), 1);
        QCOMPARE(world.prompt.messages[0],
                 QStringLiteral(" Encountered Err#53 - File not found\r\rRoutine: "
                                "|frmMain.DisplayRefresh\r   Task: ") +
                     task +
                     QStringLiteral("\r\r/themes/x/banner.gif\r\rA graphics file is missing. "
                                    "The Theme may not look right."));
    }

    void abortEndsAtOnceWithoutExitLineOrPop() {
        TestWorld world;
        const QString log = world.path("trace.log");
        QVERIFY(trace().openLog(log));
        world.prompt.script({Answer::Abort});
        bool after = false;
        int status = -1;
        try {
            Procedure proc(QStringLiteral("T.Abort"));
            proc.step([] { raiseError(Err::DiskFull); });
            after = true;
        } catch (const AbortRequested& abort) {
            status = abort.status;
        }
        QVERIFY(!after);
        QCOMPARE(status, 1);
        const QByteArray text = readFile(log);
        QVERIFY(text.contains("|T.Abort - ENTER"));
        QVERIFY(!text.contains("|T.Abort - EXIT"));
        QCOMPARE(trace().TraceDepth, qint16(2)); // the routine and the handler stay counted
    }

    void traceLinesHaveTheExactFormat() {
        TestWorld world;
        const QString log = world.path("trace.log");
        writeFile(log, "earlier\r\n");
        QVERIFY(trace().openLog(log));
        trace().setClock([] { return QDateTime(QDate(2026, 12, 6), QTime(14, 30, 5)); });
        {
            Procedure outer(QStringLiteral("frmSplash.Timer2_Timer"));
            Procedure inner(QStringLiteral("frmMain.Form_Load"));
        }
        trace().closeLog();
        QCOMPARE(readFile(log), QByteArray("earlier\r\n"
                                           "261206.143005- |frmSplash.Timer2_Timer - ENTER\r\n"
                                           "261206.143005- ||frmMain.Form_Load - ENTER\r\n"
                                           "261206.143005- ||frmMain.Form_Load - EXIT\r\n"
                                           "261206.143005- |frmSplash.Timer2_Timer - EXIT\r\n"));
    }

    void handlerTracesUnderItsOwnName() {
        TestWorld world;
        const QString log = world.path("trace.log");
        QVERIFY(trace().openLog(log));
        {
            Procedure proc(QStringLiteral("T.Caller"));
            proc.step([] { raiseError(Err::Overflow); });
        }
        const QByteArray text = readFile(log);
        QVERIFY(text.contains("- ||CV_Code.fcnMainErrorHandler - ENTER\r\n"));
        QVERIFY(text.contains("- ||CV_Code.fcnMainErrorHandler - EXIT\r\n"));
    }

    void tracingOffWritesNothingButKeepsTheStack() {
        TestWorld world;
        QVERIFY(!trace().TraceSwitch);
        {
            Procedure a(QStringLiteral("A.a"));
            Procedure b(QStringLiteral("B.b"));
            QCOMPARE(trace().TraceStack[2], QStringLiteral("||B.b"));
        }
        QCOMPARE(trace().TraceDepth, qint16(0));
        QVERIFY(QDir(world.dir.path()).entryList(QDir::Files).isEmpty());
    }

    void tracingSwitchedOnByTheEnvironment() {
        TestWorld world;
        const QString log = world.path("env.log");
        qputenv("TINTORA_TRACE", log.toUtf8());
        trace().configureFromEnvironment();
        qunsetenv("TINTORA_TRACE");
        { Procedure p(QStringLiteral("E.e")); }
        QVERIFY(readFile(log).endsWith("- |E.e - EXIT\r\n"));
    }

    void nestingBeyondOneHundredIsErrorNineNeverAWrite() {
        TestWorld world;
        std::vector<std::unique_ptr<Procedure>> chain;
        for (int i = 1; i <= 100; ++i)
            chain.push_back(std::make_unique<Procedure>(QStringLiteral("N.n%1").arg(i)));
        QVERIFY(world.prompt.messages.isEmpty());
        chain.push_back(std::make_unique<Procedure>(QStringLiteral("N.deep")));
        QCOMPARE(world.prompt.messages.size(), 1);
        QVERIFY(world.prompt.messages[0].startsWith(
            QStringLiteral(" Encountered Err#9 - Subscript out of range")));
        QCOMPARE(trace().TraceStack[100], QString(100, QLatin1Char('|')) + "N.n100");
        while (!chain.empty())
            chain.pop_back();
        QCOMPARE(trace().TraceDepth, qint16(0));
    }

    void untrappedErrorTravelsToTheCallersTrap() {
        TestWorld world;
        {
            Procedure caller(QStringLiteral("T.Caller"));
            caller.step([] {
                Procedure callee(QStringLiteral("T.Callee"));
                raiseError(Err::BadFileName);
            });
            QCOMPARE(trace().TraceDepth, qint16(1)); // the callee popped while unwinding
        }
        QVERIFY(world.prompt.messages.value(0).contains(QStringLiteral("Routine: |T.Caller")));
    }

    void applicationDefinedErrorsHaveTheGenericText() {
        QCOMPARE(errorDescription(19691),
                 QStringLiteral("Application-defined or object-defined error"));
        QCOMPARE(errorDescription(Err::Cancel), QStringLiteral("Cancel was selected."));
        QCOMPARE(errorDescription(Err::PathNotFound), QStringLiteral("Path not found"));
    }

    // The command line's form: what went wrong with which file, on one line, without
    // the routine's trace name.
    void errorOnOneLine_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("line");
        QTest::newRow("file") << 53 << ""
                              << "/d/Themes/Blue/theme.css"
                              << "/d/Themes/Blue/theme.css: File not found (error 53)";
        QTest::newRow("task") << 19691 << "Open file: /x/a.tna"
                              << ""
                              << "Application-defined or object-defined error (error 19691) "
                                 "while Open file: /x/a.tna";
        QTest::newRow("both") << 13 << "Display Images: BANNER"
                              << "/p/b.gif"
                              << "/p/b.gif: Type mismatch (error 13) while Display Images: BANNER";
        QTest::newRow("point dropped") << 32755 << ""
                                       << ""
                                       << "Cancel was selected (error 32755)";
        QTest::newRow("line breaks") << 5 << "a\rb"
                                     << ""
                                     << "Invalid procedure call or argument "
                                        "(error 5) while a b";
    }
    void errorOnOneLine() {
        QFETCH(int, number);
        QFETCH(QString, task);
        QFETCH(QString, detail);
        QFETCH(QString, line);
        const QString text = runtimeErrorLine(
            {number, errorDescription(number), "|frmMain.LoadTheme", task, detail});
        QCOMPARE(text, line);
    }

    // A message box's text on one line: lines joined, an introducing colon not doubled.
    void messageOnOneLineJoinsItsLines_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("line");
        QTest::newRow("introduced") << "These folders cannot be kept:\n\n/a\n/b"
                                    << "These folders cannot be kept: /a, /b";
        QTest::newRow("plain") << "Saved\rall"
                               << "Saved: all";
        QTest::newRow("one line") << "Done."
                                  << "Done.";
    }
    void messageOnOneLineJoinsItsLines() {
        QFETCH(QString, message);
        QFETCH(QString, line);
        QCOMPARE(messageOnOneLine(message), line);
    }

    // Every thread answers its own errors: a worker's prompt collects the worker's,
    // and the main thread's prompt and trace are left alone.
    void eachThreadHasItsOwnPromptAndTrace() {
        TestWorld world;
        Procedure outer(QStringLiteral("frmMain.Form_Load"));
        QStringList workerMessages;
        qint16 workerDepth = -1;
        QThread* worker = QThread::create([&] {
            ScriptedErrorPrompt prompt;
            setErrorPrompt(&prompt);
            {
                Procedure proc(QStringLiteral("frmMain.LoadTheme"));
                workerDepth = trace().TraceDepth;
                proc.step([] { raiseError(Err::TypeMismatch); });
            }
            setErrorPrompt(nullptr);
            workerMessages = prompt.messages;
        });
        worker->start();
        QVERIFY(worker->wait(10000));
        delete worker;
        QCOMPARE(workerDepth, qint16(1));
        QCOMPARE(workerMessages.size(), 1);
        QVERIFY(workerMessages[0].contains("Routine: |frmMain.LoadTheme"));
        QCOMPARE(world.prompt.messages, QStringList());
        QCOMPARE(trace().TraceDepth, qint16(1));
    }
};

QTEST_GUILESS_MAIN(TestProcedure)
#include "test_procedure.moc"
