#pragma once

#include <QObject>
#include <QPoint>

class AccessibilityCommands;
class EditCommands;
class EditorPanel;
class PreviewPointer;
class QMenu;

// Point and edit: the preview's elements as a way into the editor. A click on an
// element selects its row, a double click (or Enter) chooses its text colour, and its
// menu offers the row's colours, font, Make It Pass, the clipboard and the text colour's
// lock; the row selected in the editor shows outlined in the preview.
class PreviewCommands : public QObject {
    Q_OBJECT

public:
    PreviewCommands(EditorPanel& editor, PreviewPointer& pointer, EditCommands& edits,
                    AccessibilityCommands& accessibility);

    // The menu of an element's row, as it was last shown.
    QMenu* menu() const { return menu_; }

private:
    void showMenu(int row, QPoint globalPos);
    void fillMenu(int row);

    EditorPanel& editor_;
    PreviewPointer& pointer_;
    EditCommands& edits_;
    AccessibilityCommands& accessibility_;
    QMenu* menu_ = nullptr;
};
