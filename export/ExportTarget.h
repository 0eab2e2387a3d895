#pragma once

#include "export/ThemeExport.h"
#include "framework/FileAccess.h"
#include "framework/OutputFolders.h"

#include <QString>
#include <QStringList>

#include <optional>

class Procedure;

// The one check every export makes of where it writes, before it writes anything.
// The command line and the window ask the same questions of it before they start an
// export, so that what they refuse or ask about is what the export would refuse.

// What an export's output is: a file it writes, or a folder it fills and puts in
// place whole (a theme folder).
enum class OutputKind { File, Folder };

// The outputs among `outputs` that are there already, a link leading nowhere
// included: what an export replaces only when it is allowed to.
QStringList existingOutputs(const QStringList& outputs);

// Checks `outputs` (the files or folders one export writes, pictures aside) and makes
// the folders they go in, each under `proc`'s trap. Refused before anything is made or
// written: 52 for a path without a name; for a file, 75 when a folder, socket or
// anything but a file, device or pipe holds its place (checkOutputTarget at `place`;
// in a folder the program fills, a link of its name is replaced like any other); 58
// when one is there and `existing` keeps it. The folders are then made as OutputFolders makes
// them, and a folder an output goes in that does not let us write in it (read-only,
// or not ours) is refused with the error that says why, the folder as its detail.
// None when refused; the folders returned are taken away again, empty, when the
// export never wrote into them.
std::optional<OutputFolders> prepareExportOutputs(Procedure& proc, const QStringList& outputs,
                                                  ExistingOutput existing,
                                                  OutputKind kind = OutputKind::File,
                                                  OutputPlace place = OutputPlace::Named);
