#pragma once

#include <QString>

// Themes are made on file systems that ignore letter case, so the name a style sheet
// or scheme gives a file may differ in case from the file's own.

// The file `path` names: the path itself when it is an ordinary file (or a link to
// one), otherwise the file of its folder whose name differs only in letter case, the
// first in name order. Hidden files count like any other, as the exact name finds
// them too. Empty when there is none.
QString fileIgnoringCase(const QString& path);

// Whether `file`, its links followed, is in the folder it was found in or below it:
// false for a link that leads out of that folder, and for a file that is not there.
bool staysInItsFolder(const QString& file);

// Whether `path`, its links followed, lies in `folder` or below it, both taken as the
// canonical paths they lead to. Where `path` does not exist, the part of it that does
// decides: a folder on the way that is a link out of `folder` leads out all the same.
bool liesWithin(const QString& path, const QString& folder);
