#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

class Procedure;
struct ColorScheme;

// Applies a token file's bytes to `scheme`: every group named as SiteStyles.h names an
// element, as importCss does with a style sheet, the locks the root's extension lists
// and the theme's name it gives. Unknown groups and tokens are passed over. Where a
// token agrees with the scheme's own text in the extension (the face "'Segoe UI'" drawn
// as Segoe UI, size "10" as 13.333px) that text is taken, so a file this program wrote
// gives back the very scheme it was written from; a token edited elsewhere wins over
// the extension. A value that is not of its token's form is error 380 with its JSON
// path ("body.typography.$value.fontSize") in the Task, and after Ignore that attribute
// keeps its value. Returns the number of tokens and extension values read, good or
// bad; -1 when the bytes hold no JSON object. `path` is the name the errors give.
int applyDesignTokens(Procedure& proc, ColorScheme& scheme, const QByteArray& json,
                      const QString& path);

// The JSON object a token or resolver file holds (after a byte-order mark, which some
// editors write); none, reported as error 380 with where it goes wrong, for a file
// that holds none.
std::optional<QJsonObject> tokenJsonObject(Procedure& proc, QByteArray json, const QString& path);
