#pragma once

#include "framework/FileAccess.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// Sequential text input as the program's files need it: a line ends at CR or at
// CR LF, a bare LF ends one only where the reader is made to take it (scheme files,
// which version control may hand back with LF line ends), the last line needs no
// line end, and an empty file has no lines. Each line is taken as UTF-8, or as Windows-1252 when it
// is not valid UTF-8. Only an ordinary file of at most MaxTextFileSize bytes is
// read, so memory stays bounded whatever the file holds.
class TextLineReader {
public:
    enum class BareLf { IsText, EndsLine };

    explicit TextLineReader(BareLf bareLf = BareLf::IsText) : bareLf_(bareLf) {}
    TextLineReader(const TextLineReader&) = delete;
    TextLineReader& operator=(const TextLineReader&) = delete;

    // Opens the file for reading; a failure raises the matching run-time error
    // (53 missing, 76 folder missing, 75 a folder, pipe or device, 70 permission,
    // Err::FileTooLarge beyond MaxTextFileSize).
    void open(const QString& path);
    bool isOpen() const { return file_.isOpen(); }
    bool atEnd();
    // The next line without its line end; raises 62 past the end, 57 on a read error,
    // Err::FileTooLarge when the file has grown beyond the limit while being read.
    QString readLine();
    void close() { file_.close(); }

private:
    bool fill();
    qsizetype findLineEnd(qsizetype from) const;

    QFile file_;
    QString path_; // a file opened through its handle keeps no name of its own
    QByteArray buffer_;
    qsizetype start_ = 0;   // where the unread part of buffer_ begins
    qsizetype scanned_ = 0; // buffer_ holds no line end between start_ and here
    qint64 read_ = 0;       // bytes read from the file so far
    bool eof_ = false;
    BareLf bareLf_;
};

// The text without leading and trailing spaces. Tabs stay: the files' rules tell a
// declaration or attribute line by the tab at its start.
QStringView trimBlanks(QStringView text);

// UTF-8 when valid, otherwise Windows-1252.
QString decodeText(const QByteArray& bytes);
