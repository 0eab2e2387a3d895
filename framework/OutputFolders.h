#pragma once

#include <QString>
#include <QStringList>

// The folders an output needs made before it can be written, and taken away again
// when the output never came.
//
// make() makes a missing folder as `mkdir -p` does, each missing folder of its path in
// turn, so only below the deepest folder of the path that is there: one that the path
// names as a folder but that is something else (a file, a link leading nowhere) stops
// it with error 76 before anything is made, and a folder that cannot be made raises
// the error that says why (70 permission, a read-only file system, 61 full). When the
// object goes, every folder it made that is still empty is removed again, the deepest
// first: an output that failed leaves no folder behind, one that was written keeps its
// own.
class OutputFolders {
public:
    OutputFolders() = default;
    ~OutputFolders();
    OutputFolders(const OutputFolders&) = delete;
    OutputFolders& operator=(const OutputFolders&) = delete;
    OutputFolders(OutputFolders&& other) noexcept;
    OutputFolders& operator=(OutputFolders&& other) noexcept;

    void make(const QString& folder);
    // The folders made so far, the outermost first.
    const QStringList& made() const { return made_; }

private:
    void removeEmpty();

    QStringList made_;
};
