#include "framework/TextFile.h"

#include "framework/RuntimeError.h"

#include <QStringDecoder>

#include <cerrno>

namespace {
constexpr qint64 ChunkSize = 64 * 1024;

// The printable characters Windows-1252 puts at 0x80..0x9F (0 where it has none).
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
} // namespace

QStringView trimBlanks(QStringView text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.sliced(first, last - first);
}

QString decodeText(const QByteArray& bytes) {
    // Most lines are plain ASCII, which reads the same in both encodings.
    bool ascii = true;
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.resize(bytes.size());
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        char16_t c = byte;
        if (byte >= 0x80 && byte <= 0x9F && Cp1252High[byte - 0x80] != 0)
            c = Cp1252High[byte - 0x80];
        out[i] = QChar(c);
    }
    return text;
}

void TextLineReader::open(const QString& path) {
    close();
    buffer_.clear();
    start_ = scanned_ = 0;
    read_ = 0;
    eof_ = false;
    path_ = path;
    openRegularFile(file_, path, MaxTextFileSize);
}

bool TextLineReader::fill() {
    if (eof_)
        return false;
    if (start_ > 0) {
        buffer_.remove(0, start_);
        scanned_ -= start_;
        start_ = 0;
    }
    // Ask for no more than the file holds, plus one byte to see its end, so a small
    // file costs one small read.
    const qint64 left = file_.size() - file_.pos();
    const bool sized = !file_.isSequential() && left > 0 && left < ChunkSize;
    const qint64 want = sized ? left + 1 : ChunkSize;
    // A failed read is an error wherever it happens, never the end of the file (a
    // file whose size is not known, as some system files show 0, looks as if it had
    // ended). A Retry reads again.
    const qint64 got = appendRead(file_, buffer_, want, path_);
    if (got == 0) {
        eof_ = true;
        return false;
    }
    // A file that grows while it is read is held to the same limit; what was read of
    // it is let go.
    read_ += got;
    if (read_ > MaxTextFileSize) {
        buffer_.clear();
        start_ = scanned_ = 0;
        raiseError(Err::FileTooLarge);
    }
    // A sized read that came back short has reached the end of the file.
    if (sized && got < want)
        eof_ = true;
    return true;
}

bool TextLineReader::atEnd() {
    if (start_ < buffer_.size())
        return false;
    return !fill();
}

// The first CR (or LF, where a bare LF ends a line) at or after `from`, or -1.
qsizetype TextLineReader::findLineEnd(qsizetype from) const {
    if (bareLf_ == BareLf::IsText)
        return buffer_.indexOf('\r', from);
    const char* data = buffer_.constData();
    for (qsizetype i = from; i < buffer_.size(); ++i)
        if (data[i] == '\r' || data[i] == '\n')
            return i;
    return -1;
}

QString TextLineReader::readLine() {
    if (!file_.isOpen())
        raiseError(Err::BadFileName);
    scanned_ = qMax(scanned_, start_);
    for (;;) {
        qsizetype cr = findLineEnd(scanned_);
        if (cr >= 0 && buffer_[cr] == '\n') {
            const QString line =
                decodeText(QByteArray::fromRawData(buffer_.constData() + start_, cr - start_));
            start_ = scanned_ = cr + 1;
            return line;
        }
        if (cr >= 0) {
            // A LF right after the CR belongs to this line end; it may still be unread.
            if (cr + 1 == buffer_.size()) {
                const qsizetype before = start_;
                fill();
                cr -= before - start_;
            }
            qsizetype next = cr + 1;
            if (next < buffer_.size() && buffer_[next] == '\n')
                ++next;
            const QString line =
                decodeText(QByteArray::fromRawData(buffer_.constData() + start_, cr - start_));
            start_ = scanned_ = next;
            return line;
        }
        scanned_ = buffer_.size();
        if (!fill()) {
            if (start_ >= buffer_.size())
                raiseError(Err::InputPastEnd);
            const QString line = decodeText(buffer_.mid(start_));
            start_ = scanned_ = buffer_.size();
            return line;
        }
    }
}
