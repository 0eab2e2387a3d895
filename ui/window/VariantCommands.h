#pragma once

#include "theme/ColorScheme.h"
#include "ui/editor/EditorPanel.h"

#include <QObject>

#include <memory>

class DialogService;
class PreviewPage;
class QAction;
class QActionGroup;
class SchemeDocument;

// The variants of the scheme in the window: Edit > Make Dark Variant and Make
// High-Contrast Variant, View > Variant (which variant the window shows and edits)
// and the swatches' "Lock Colour". Each change is one step of the document.
class VariantCommands : public QObject {
    Q_OBJECT

public:
    VariantCommands(SchemeDocument& document, const std::unique_ptr<DialogService>& dialogs,
                    EditorPanel& editor, PreviewPage& preview);

    // Edit > Make Dark Variant and Make High-Contrast Variant, in menu order.
    QList<QAction*> makeActions() const { return makeActions_; }
    // View > Variant: Light, Dark and High Contrast, checkable, one checked.
    QActionGroup* shownActions() const { return shown_; }

    // The variant `variant` made from the Light colours, replacing the one the scheme
    // has, as one step; the window then shows it. Rows it leaves failing are named in
    // one message.
    void makeVariant(Variant variant);
    // View > Variant: shows `variant`. The scheme has no Dark or High contrast variant
    // yet: the user is asked whether to make it, as that is what the choice is for.
    void showVariant(Variant variant);

private:
    void lockClicked(int row, EditorPanel::Swatch swatch, bool locked);
    // The View > Variant item of the variant the document shows is the checked one.
    void showChecked();

    SchemeDocument& document_;
    const std::unique_ptr<DialogService>& cdbMain_;
    EditorPanel& editor_;
    PreviewPage& picDisplay_;
    QList<QAction*> makeActions_;
    QActionGroup* shown_ = nullptr;
};
