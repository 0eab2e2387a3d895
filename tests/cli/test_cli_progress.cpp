#include "app/cli/CliProgress.h"

#include <QTest>

class TestCliProgress : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The estimate assumes the rest goes as fast as what is done, rounded up so it
    // never promises less than it takes.
    void lineCountsAndEstimates_data() {
        QTest::addColumn<qint64>("done");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("elapsedMs");
        QTest::addColumn<QString>("line");
        QTest::newRow("start") << qint64(0) << qint64(1000) << qint64(0)
                               << "tintora-cli: 0 of 1000 themes";
        QTest::newRow("seconds") << qint64(100) << qint64(1000) << qint64(2000)
                                 << "tintora-cli: 100 of 1000 themes, about 18 s left";
        QTest::newRow("part of a second") << qint64(3) << qint64(4) << qint64(100)
                                          << "tintora-cli: 3 of 4 themes, about 1 s left";
        QTest::newRow("minutes") << qint64(10) << qint64(1000) << qint64(6000)
                                 << "tintora-cli: 10 of 1000 themes, about 10 min left";
        QTest::newRow("hours") << qint64(1) << qint64(1000) << qint64(5000)
                               << "tintora-cli: 1 of 1000 themes, about 1 h 24 min left";
        QTest::newRow("done") << qint64(1000) << qint64(1000) << qint64(20000)
                              << "tintora-cli: 1000 of 1000 themes";
    }
    void lineCountsAndEstimates() {
        QFETCH(qint64, done);
        QFETCH(qint64, total);
        QFETCH(qint64, elapsedMs);
        QFETCH(QString, line);
        QCOMPARE(CliProgress::line(done, total, elapsedMs), line);
    }
};

QTEST_GUILESS_MAIN(TestCliProgress)
#include "test_cli_progress.moc"
