#include "app/cli/CliProgress.h"

#include "framework/StandardStreams.h"

#include <algorithm>

namespace {

// Redraws closer together than this would only make the terminal busy.
constexpr qint64 RedrawIntervalMs = 100;

QString duration(qint64 ms) {
    const qint64 seconds = (ms + 999) / 1000;
    if (seconds < 60)
        return QStringLiteral("%1 s").arg(seconds);
    const qint64 minutes = (seconds + 59) / 60;
    if (minutes < 60)
        return QStringLiteral("%1 min").arg(minutes);
    return QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

} // namespace

CliProgress::CliProgress(qint64 total, bool shown)
    : total_(total), shown_(shown && total > 0 && standardErrorIsTerminal()) {
    clock_.start();
    if (shown_)
        draw(line(0, total_, 0));
}

CliProgress::~CliProgress() {
    if (shown_ && drawnWidth_ > 0)
        writeStandardError('\r' + QByteArray(drawnWidth_, ' ') + '\r');
}

QString CliProgress::line(qint64 done, qint64 total, qint64 elapsedMs) {
    QString text = QStringLiteral("tintora-cli: %1 of %2 themes").arg(done).arg(total);
    if (done > 0 && done < total)
        text += QStringLiteral(", about %1 left").arg(duration(elapsedMs * (total - done) / done));
    return text;
}

void CliProgress::advance(qint64 done) {
    if (!shown_)
        return;
    const qint64 now = clock_.elapsed();
    if (done < total_ && lastDrawMs_ >= 0 && now - lastDrawMs_ < RedrawIntervalMs)
        return;
    lastDrawMs_ = now;
    draw(line(done, total_, now));
}

void CliProgress::draw(const QString& text) {
    // The line is written over the last one; blanks cover what a longer one left.
    const QByteArray bytes = text.toUtf8();
    const qsizetype pad = std::max<qsizetype>(0, drawnWidth_ - bytes.size());
    writeStandardError('\r' + bytes + QByteArray(pad, ' '));
    drawnWidth_ = bytes.size();
}
