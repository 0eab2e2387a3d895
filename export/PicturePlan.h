#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class Procedure;
struct ColorScheme;

// Where the pictures of a scheme go when the scheme leaves for a folder of its own
// (an exported theme, or a style sheet's folder): one copy per picture file, each
// under a safe file name, so a declaration can name it as "url(NAME)".
class PicturePlan {
public:
    struct Copy {
        QString source; // the file to copy; the path as held when no such file exists
        QString name;   // the copy's file name in the target folder
        bool present;   // an equal file of that name is there already: nothing to copy
    };

    // Names a copy for every image slot of `scheme` that holds a path, in the order of
    // the element table. Names in `reserved` (the style sheets' own) are avoided. When
    // `folder` is given, a name whose file there differs from the picture is avoided
    // too, and one whose file is the same picture is used as it is.
    PicturePlan(const ColorScheme& scheme, const QStringList& reserved, const QString& folder = {});

    // The file name of the copy of image slot `slot`'s picture; empty when the slot
    // holds no picture.
    QString nameFor(int slot) const;
    const QList<Copy>& copies() const { return copies_; }

    // Copies each picture into `folder`, one step each. A picture that is missing is
    // error 53 with its path as the detail; after Ignore the others are still copied.
    // False when any copy failed.
    bool copyInto(Procedure& proc, const QString& folder) const;

private:
    QList<Copy> copies_;
    std::array<int, 21> slotCopy_{}; // index into copies_ + 1; 0 for none
};
