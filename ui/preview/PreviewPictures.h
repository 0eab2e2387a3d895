#pragma once

#include <QDateTime>
#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

// Reads the preview's pictures from their files and keeps the decoded pictures for
// the next refresh. A kept picture is used again only while its file has the same
// path, size and modification time, so a file changed, replaced or removed between
// two refreshes is seen at the very next one.
//
// Memory is bounded: a picture is decoded no larger than the preview draws it, and
// the pictures of one refresh take at most PixelBudget pixels together. A picture
// beyond what is left of the budget is not decoded at all (TooLarge).
class PreviewPictures {
public:
    enum class Status { Loaded, Missing, Unreadable, TooLarge };
    struct Result {
        Status status = Status::Missing;
        QPixmap picture;
    };

    // The pixels one refresh may decode: some ten times what the pictures of a real
    // theme take, far below what would strain the machine.
    static constexpr qint64 PixelBudget = qint64(8) * 1024 * 1024;

    // The file a picture path names: the path itself when it is an ordinary file,
    // otherwise the one file of its folder whose name matches ignoring case (theme
    // style sheets often spell names differently from the files). Empty when there
    // is none.
    static QString locate(const QString& path);

    // Whether `bytes` decode as a picture the preview can show: what an export asks of
    // a file before it copies it as a picture.
    static bool isPicture(const QByteArray& bytes);

    // The picture of an existing file (from locate), decoded or taken from the cache.
    // `drawnSize` is the size in pixels the preview stretches the picture to; an
    // empty one means the picture is drawn at its own size. A larger picture is
    // decoded at the drawn size by the reader itself.
    Result load(const QString& file, QSize drawnSize = {});

    // Ends a refresh: forgets the pictures not loaded since the last call, so the
    // cache holds no more than one refresh's pictures, and starts the next budget.
    void dropUnused();

    void clear() { entries_.clear(); }
    qsizetype size() const { return entries_.size(); }

private:
    struct Entry {
        qint64 bytes = 0;
        QDateTime modified;
        QSize drawnSize;
        QPixmap picture;
        bool used = false;
    };
    Result decode(const QString& file, QSize drawnSize);
    bool spend(qint64 pixels);
    void dropStale(qint64 pixels);

    QHash<QString, Entry> entries_;
    qint64 spent_ = 0; // pixels of the pictures this refresh has used so far
};
