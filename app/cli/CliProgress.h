#pragma once

#include <QElapsedTimer>
#include <QString>

// A one-line counter on standard error for work over many themes,
//     tintora-cli: 120 of 1000 themes, about 15 s left
// redrawn in place at most a few times a second and cleared when the work is done, so
// the messages that follow start on a clean line. Shown only when standard error is a
// terminal a person watches; a pipe or log file gets nothing.
class CliProgress {
public:
    // `shown` false (--quiet) shows nothing even on a terminal.
    CliProgress(qint64 total, bool shown);
    ~CliProgress();
    CliProgress(const CliProgress&) = delete;
    CliProgress& operator=(const CliProgress&) = delete;

    // `done` of the total are finished.
    void advance(qint64 done);

    // The line for `done` of `total` after `elapsedMs`: the estimate assumes the rest
    // goes as fast as what is done.
    static QString line(qint64 done, qint64 total, qint64 elapsedMs);

private:
    void draw(const QString& text);

    qint64 total_;
    bool shown_;
    QElapsedTimer clock_;
    qint64 lastDrawMs_ = -1;
    qsizetype drawnWidth_ = 0;
};
