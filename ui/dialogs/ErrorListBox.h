#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

// A box with only OK that tells a message and lists items under it, however many: the
// first ShownItems in the box itself, one line each, then how many more there are, and
// those in a read-only list the user scrolls through. The list lays out only the lines in view,
// so hundreds of thousands of items open as quickly as a few, and the box never grows
// taller than the screen it opens on.
class ErrorListBox : public QDialog {
    Q_OBJECT

public:
    static constexpr int ShownItems = 20;

    ErrorListBox(const QString& message, const QStringList& items, QWidget* parent = nullptr);

    // The list of the items after the first ShownItems; nullptr when there are none.
    QPlainTextEdit* rest() const { return rest_; }

private:
    // Gives the list the room a box `width` wide and at most `height` tall leaves, between
    // a few lines and a dozen.
    void fitToScreen(int width, int height);

    QPlainTextEdit* rest_ = nullptr;
};
