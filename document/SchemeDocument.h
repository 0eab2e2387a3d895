#pragma once

#include "theme/ColorScheme.h"

#include <QObject>
#include <QUndoStack>

#include <optional>

// The scheme the main window works on, as a document: the ColorScheme with its
// ThemeName, SchemeFileName and changed flag, the theme or file it came from (its
// base, what Revert and Compare go back to), the window caption's rules and the undo
// history. Every change of the scheme is one named step of the history:
//
//     ColorScheme changed = document.scheme();
//     changed.color(ColorAttr::Fore, slot) = chosen;
//     document.apply(QStringLiteral("Heading 2 colour"), changed);
//
// The document redraws nothing itself: it tells what changed (schemeChanged,
// captionChanged) and the window shows it, the same way for an edit, an undo and a
// redo.
//
// The window shows and edits one variant of the scheme at a time (Light, Dark or High
// contrast): shown() is the scheme as that variant looks, and applyShown() takes an
// edit of it back into that variant. Each step remembers the variant it was made in,
// and undoing or redoing it shows that variant again.
//
// The changed flag follows the history: an edit sets it, Save clears it and marks the
// history clean, and undoing or redoing back to that point clears it again. Choosing
// a theme and opening a file are steps too, but leave the flag as it is, as they
// always have: a theme chosen over a saved file is no unsaved edit.
class SchemeDocument : public QObject {
    Q_OBJECT

public:
    // What the window shows afresh after a change, in this order.
    enum class Redraw {
        Preview,         // the preview only: the editor panel shows the choice already
        PreviewAndPanel, // the preview, then the editor panel
        PanelAndPreview, // the editor panel, then the preview: a theme or file loaded
    };

    explicit SchemeDocument(QObject* parent = nullptr);
    ~SchemeDocument() override;

    const ColorScheme& scheme() const { return scheme_; }
    // The scheme itself, for what is no step: the window's start, and tests that set a
    // value and press F5 to see it. Nothing is recorded or redrawn.
    ColorScheme& schemeInPlace() { return scheme_; }

    // The scheme as the theme or file it came from left it, and that origin as the
    // user knows it ("the theme Ocean", "blue.tna"); empty before anything was loaded.
    const ColorScheme& base() const { return base_; }
    const QString& baseName() const { return baseName_; }

    const QString& fileName() const { return scheme_.SchemeFileName; }
    // True while the scheme has a file of its own, chosen by Save As or Open: a scheme
    // edited before it ever had one is named "Untitled", which no dialog returns.
    bool hasFile() const;
    bool isChanged() const { return scheme_.SchemeChanged; }

    // The window caption: "TNA" until a name is shown, then "TNA: " and the name, then
    // the variant shown unless it is Light (" — Dark"), with " *" while the scheme is
    // changed. Save is enabled exactly while it is changed.
    QString caption() const;
    // Shows `name` in the caption; an empty name becomes "Untitled", in the variable
    // passed too (an edit passes SchemeFileName itself).
    void setCaptionName(QString& name);

    // The variant the window shows, one the scheme has; Light after every load.
    Variant shownVariant() const { return shown_; }
    // Shows `variant` (Light when the scheme has no such variant); no step.
    void showVariant(Variant variant);
    // The scheme and the base as they look in the variant shown.
    ColorScheme shown() const { return scheme_.shownAs(shown_); }
    ColorScheme baseShown() const { return base_.shownAs(shown_); }

    // The history. Its undo and redo actions name the step ("Undo Heading 2 colour").
    QUndoStack& undoStack() { return stack_; }

    // One change of the scheme as one step named `stepName`: the scheme becomes
    // `changed` (its SchemeFileName and changed flag are not taken), is marked changed,
    // and the window shows it as `redraw` says. Undo gives back the scheme as it was.
    // After the step the window shows `show`, or the variant it shows now.
    void apply(const QString& stepName, const ColorScheme& changed,
               Redraw redraw = Redraw::PreviewAndPanel, std::optional<Variant> show = {});
    // An edit of the scheme as shown(): its colours become those of the variant shown,
    // with what every variant shares (fonts, sizes, styles, pictures); the other
    // variants and the locks stay as they are. One step, as apply.
    void applyShown(const QString& stepName, const ColorScheme& changedShown,
                    Redraw redraw = Redraw::PreviewAndPanel);
    // A theme chosen: the scheme becomes `chosen`, which is the new base. The step is
    // named "Theme " + `themeCaption`. The first scheme loaded starts the history
    // rather than being a step of it.
    void chooseTheme(const QString& themeCaption, const ColorScheme& chosen);
    // A scheme file opened: the scheme becomes `opened`, the new base, its file `path`,
    // and the caption shows `captionName`. The step is named "Open " + the file's name.
    void open(const QString& path, const ColorScheme& opened, const QString& captionName);

    // The file Save writes to from now on (Save As); no step.
    void setFileName(const QString& path);
    // The scheme was written to its file: the history is clean here, the flag cleared
    // and the caption shows the file's full name.
    void markSaved();

Q_SIGNALS:
    // The caption, the changed flag or the variant shown may have changed: show
    // caption() and enable Save while isChanged().
    void captionChanged();
    // The scheme changed (an edit, a load, an undo or a redo): show it.
    void schemeChanged(SchemeDocument::Redraw redraw);
    // A theme is being chosen or a file opened (not undone or redone): told before the
    // scheme changes, so what is said once per loaded scheme is said afresh.
    void loading();

private:
    enum class StepKind { Edit, Theme, Open };
    struct Snapshot;
    class Step;
    // A step done, undone or redone, told once the history has moved.
    struct Pending {
        StepKind kind;
        Redraw redraw;
        bool first;
    };

    Snapshot snapshot(bool withBase) const;
    // The variant shown becomes `variant`, or Light where the scheme lacks it; true
    // when that changed what is shown.
    bool takeShownVariant(Variant variant);
    bool startsHistory() const;
    void push(StepKind kind, const QString& stepName, const Snapshot& after, Redraw redraw);
    // Called by the steps: the document takes the state of `to`.
    void restore(const Snapshot& to, StepKind kind, Redraw redraw, bool first);
    void historyMoved(int index);
    bool editsBetween(int from, int to) const;

    ColorScheme scheme_;
    ColorScheme base_;
    QString baseName_;
    // The name the caption shows; none while it shows the design caption "TNA".
    std::optional<QString> captionName_;
    QUndoStack stack_;
    int index_ = 0;
    bool loaded_ = false;
    std::optional<Pending> pending_;
    Variant shown_ = Variant::Light;
    bool shownMoved_ = false;
};
