#pragma once

#include <QList>
#include <QObject>

class QCheckBox;
class QWidget;

// The editor panel's four check boxes, at their design geometry on the panel and with
// their design names ("Check1", "chkUseSame_0", "chkUseSame_1", "chkTransLabels"): the
// preview options, "Show Bckgnd Image" and "Transparant Labels", and the copies of the
// next font or background to every row.
class EditorOptions : public QObject {
    Q_OBJECT

public:
    explicit EditorOptions(QWidget& panel);

    // "Copy Background": when ticked, a chosen background shows in every row.
    bool copyBackgroundToEveryRow() const;
    // "Copy FontName": whether the font chosen next goes to every row. Taking the
    // answer clears the box, as the copy is for one font choice only.
    bool takeCopyFontToEveryRow();

    // The preview options' boxes: set as remembered, emitting no signal, and as they are.
    void showPreviewOptions(bool backgroundPicture, bool transparentLabels);
    bool backgroundPictureShown() const;
    bool transparentLabelsShown() const;

    // The boxes in reading order, for the panel's tab order.
    QList<QWidget*> boxes() const;

Q_SIGNALS:
    // A click on "Show Bckgnd Image" or "Transparant Labels", with the box's new state.
    void backgroundPictureClicked(Qt::CheckState state);
    void transparentLabelsClicked(Qt::CheckState state);

private:
    // The tooltip and description of a check box, by its design name.
    static QString optionTip(const char* name);

    QCheckBox* showPicture_ = nullptr;
    QCheckBox* copyFontName_ = nullptr;
    QCheckBox* copyBackground_ = nullptr;
    QCheckBox* transparentLabels_ = nullptr;
};
