#pragma once

#include <QString>

class QWidget;

// What the font dialog starts from and what it returns.
struct FontChoice {
    QString name; // as the scheme holds it; kept unless another family is chosen
    bool bold = false;
    bool italic = false;
    bool underline = false;
    float size = 0.0f; // points, fractions allowed
};

// Shows Qt's font dialog, modally, on `choice`. The dialog shows the family as
// written, saying when it is not installed here, and the style of `choice`; both are
// kept unless the user picks another, so a family chosen without a style keeps the
// style. Sizes may have fractions, typed with a point or a comma. False when the user
// cancelled; `choice` is changed only when the dialog was accepted.
bool runFontDialog(QWidget* parent, FontChoice& choice);
