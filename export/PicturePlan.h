#pragma once

#include "export/ExportNames.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class Procedure;
struct ColorScheme;

// Whether the bytes of a file are a picture. The engine decodes no pictures itself:
// the desktop and the command line pass the test the preview uses.
using PictureTest = bool (*)(const QByteArray& bytes);

// Where the pictures of a scheme go when the scheme leaves for a folder of its own
// (an exported theme, or a style sheet's folder): one copy per picture file, each
// under a safe file name, so a declaration can name it as "url(NAME)".
class PicturePlan {
public:
    struct Copy {
        QString source; // the file to copy; the path as held when no such file exists
        QString name;   // the copy's file name in the target folder
        bool present;   // an equal file of that name is there already: nothing to copy
        QString wanted; // the name the picture asks for, from which the others are made
    };

    // Names a copy for every image slot of `scheme` that holds a path, in the order of
    // the element table. Names in `reserved` (the style sheets' own) are avoided. When
    // `folder` is given, a name taken there by a file that differs from the picture, or
    // by a link, is avoided too, and one whose file is the same picture is used as it is.
    PicturePlan(const ColorScheme& scheme, const QStringList& reserved, const QString& folder = {});

    // The file name of the copy of image slot `slot`'s picture; empty when the slot
    // holds no picture.
    QString nameFor(int slot) const;
    const QList<Copy>& copies() const { return copies_; }

    // Copies each picture into `folder`, one step for reading it (the source is the
    // error's detail) and one for writing it (the copy is). Only an ordinary file of at
    // most MaxPictureFileSize bytes that `isPicture` takes is copied, and never through
    // a link that leads out of the folder it was found in: a missing picture is error
    // 53, a link leading out 75, a file that is no picture 481. A copy is as readable as
    // a new file, and never by more people than its source. After Ignore the others are
    // still copied. An error names a copy as in `shownFolder` when given (the folder
    // `folder` becomes). The paths written go to `written`. False when any copy failed.
    // Each copy's name is created anew: when another program took it since the plan was
    // made, the copy takes the next free name, which nameFor gives from then on.
    bool copyInto(Procedure& proc, const QString& folder, PictureTest isPicture,
                  const QString& shownFolder = {}, QStringList* written = nullptr);

private:
    // Gives `copy` a name in `folder` that no file or link holds, and creates it empty.
    void claimName(Copy& copy, const QString& folder);

    FreeNames names_;
    QList<Copy> copies_;
    std::array<int, 21> slotCopy_{}; // index into copies_ + 1; 0 for none
};
