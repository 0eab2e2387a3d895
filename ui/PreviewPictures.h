#pragma once

#include <QDateTime>
#include <QHash>
#include <QPixmap>
#include <QString>

// Reads the preview's pictures from their files and keeps the decoded pictures for
// the next refresh. A kept picture is used again only while its file has the same
// path, size and modification time, so a file changed, replaced or removed between
// two refreshes is seen at the very next one.
class PreviewPictures {
public:
    enum class Status { Loaded, Missing, Unreadable };
    struct Result {
        Status status = Status::Missing;
        QPixmap picture;
    };

    // The file a picture path names: the path itself when it is an ordinary file,
    // otherwise the one file of its folder whose name matches ignoring case (theme
    // style sheets often spell names differently from the files). Empty when there
    // is none.
    static QString locate(const QString& path);

    // The picture of an existing file (from locate), decoded or taken from the cache.
    Result load(const QString& file);

    // Forgets the pictures not loaded since the last call, so the cache holds no more
    // than one refresh's pictures.
    void dropUnused();

    void clear() { entries_.clear(); }
    qsizetype size() const { return entries_.size(); }

private:
    struct Entry {
        qint64 bytes = 0;
        QDateTime modified;
        QPixmap picture;
        bool used = false;
    };
    QHash<QString, Entry> entries_;
};
