#include "document/SchemeDocument.h"

#include <QFileInfo>
#include <QUndoCommand>

namespace {
const QString Untitled = QStringLiteral("Untitled");

// A step's name as a menu shows it: a theme named "R&D" must not lend the menu a
// mnemonic.
QString menuText(QString name) {
    return name.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
} // namespace

// What a step changes: the scheme's values, and for a load also the base, and for
// an opened file also the file and the caption's name.
struct SchemeDocument::Snapshot {
    ColorScheme content;
    std::optional<ColorScheme> base;
    QString baseName;
    QString fileName;
    std::optional<QString> captionName;
    Variant shown = Variant::Light;
};

class SchemeDocument::Step : public QUndoCommand {
public:
    Step(SchemeDocument& document, StepKind kind, const QString& name, Snapshot before,
         Snapshot after, Redraw redraw)
        : document_(document), kind_(kind), redraw_(redraw), before_(std::move(before)),
          after_(std::move(after)) {
        // The history lists the name as it is; the Undo and Redo actions show it in a menu.
        setText(name + QLatin1Char('\n') + menuText(name));
    }

    void redo() override {
        // The first time is the change itself, which the window shows as the change
        // asks; a redo shows everything afresh, as an undo does.
        document_.restore(after_, kind_, done_ ? Redraw::PreviewAndPanel : redraw_, !done_);
        done_ = true;
    }
    void undo() override { document_.restore(before_, kind_, Redraw::PreviewAndPanel, false); }

    StepKind kind() const { return kind_; }

private:
    SchemeDocument& document_;
    StepKind kind_;
    Redraw redraw_;
    bool done_ = false;
    Snapshot before_;
    Snapshot after_;
};

SchemeDocument::SchemeDocument(QObject* parent) : QObject(parent) {
    connect(&stack_, &QUndoStack::indexChanged, this, &SchemeDocument::historyMoved);
}

SchemeDocument::~SchemeDocument() {
    // The history tells of its clearing when it goes, after the document's own part.
    disconnect(&stack_, nullptr, this, nullptr);
}

bool SchemeDocument::hasFile() const {
    return !scheme_.SchemeFileName.isEmpty() && scheme_.SchemeFileName != Untitled;
}

QString SchemeDocument::caption() const {
    QString variant;
    if (shown_ == Variant::Dark)
        variant = QStringLiteral(" \u2014 ") + tr("Dark");
    else if (shown_ == Variant::Contrast)
        variant = QStringLiteral(" \u2014 ") + tr("High Contrast");
    if (!captionName_)
        return QStringLiteral("TNA") + variant;
    return QStringLiteral("TNA: ") + *captionName_ + variant +
           (scheme_.SchemeChanged ? QStringLiteral(" *") : QString());
}

bool SchemeDocument::takeShownVariant(Variant variant) {
    const Variant before = shown_;
    shown_ = scheme_.hasVariant(variant) ? variant : Variant::Light;
    return shown_ != before;
}

void SchemeDocument::showVariant(Variant variant) {
    if (!takeShownVariant(variant))
        return;
    Q_EMIT captionChanged();
    Q_EMIT schemeChanged(Redraw::PanelAndPreview);
}

void SchemeDocument::setCaptionName(QString& name) {
    if (name.isEmpty())
        name = Untitled;
    // The name stays as the rules give it; the caption says "Untitled" in the user's
    // language while the scheme has no file.
    captionName_ = name == Untitled && !hasFile() ? tr("Untitled") : name;
    Q_EMIT captionChanged();
}

SchemeDocument::Snapshot SchemeDocument::snapshot(bool withBase) const {
    // An edit keeps the base as it is; only loads hold it, as the history may be long.
    return {scheme_,      withBase ? std::optional<ColorScheme>(base_) : std::nullopt,
            baseName_,    scheme_.SchemeFileName,
            captionName_, shown_};
}

bool SchemeDocument::startsHistory() const {
    return !loaded_ && stack_.count() == 0;
}

void SchemeDocument::push(StepKind kind, const QString& stepName, const Snapshot& after,
                          Redraw redraw) {
    stack_.push(new Step(*this, kind, stepName, snapshot(kind != StepKind::Edit), after, redraw));
}

void SchemeDocument::apply(const QString& stepName, const ColorScheme& changed, Redraw redraw,
                           std::optional<Variant> show) {
    Snapshot after = snapshot(false);
    after.content = changed;
    after.shown = show.value_or(shown_);
    push(StepKind::Edit, stepName, after, redraw);
}

void SchemeDocument::applyShown(const QString& stepName, const ColorScheme& changedShown,
                                Redraw redraw) {
    ColorScheme changed = changedShown;
    changed.SchemeColors = scheme_.SchemeColors;
    changed.DarkColors = scheme_.DarkColors;
    changed.ContrastColors = scheme_.ContrastColors;
    changed.setColors(shown_, changedShown.SchemeColors);
    changed.LockedColors = scheme_.LockedColors;
    apply(stepName, changed, redraw);
}

void SchemeDocument::chooseTheme(const QString& themeCaption, const ColorScheme& chosen) {
    Q_EMIT loading();
    Snapshot after = snapshot(false);
    after.content = chosen;
    after.base = chosen;
    after.baseName = tr("the theme %1").arg(themeCaption);
    after.shown = Variant::Light;
    if (startsHistory()) {
        loaded_ = true;
        restore(after, StepKind::Theme, Redraw::PanelAndPreview, true);
        historyMoved(stack_.index());
        return;
    }
    push(StepKind::Theme, tr("Theme %1").arg(themeCaption), after, Redraw::PanelAndPreview);
}

void SchemeDocument::open(const QString& path, const ColorScheme& opened,
                          const QString& captionName) {
    Q_EMIT loading();
    const QString fileName = QFileInfo(path).fileName();
    Snapshot after = snapshot(false);
    after.content = opened;
    after.base = opened;
    after.baseName = fileName;
    after.fileName = path;
    after.captionName = captionName;
    after.shown = Variant::Light;
    if (startsHistory()) {
        loaded_ = true;
        restore(after, StepKind::Open, Redraw::PanelAndPreview, true);
        historyMoved(stack_.index());
        return;
    }
    push(StepKind::Open, tr("Open %1").arg(fileName), after, Redraw::PanelAndPreview);
}

void SchemeDocument::setFileName(const QString& path) {
    scheme_.SchemeFileName = path;
}

void SchemeDocument::markSaved() {
    stack_.setClean();
    scheme_.SchemeChanged = false;
    setCaptionName(scheme_.SchemeFileName);
}

void SchemeDocument::restore(const Snapshot& to, StepKind kind, Redraw redraw, bool first) {
    // The file and the changed flag belong to the document, not to a step's values.
    const QString fileName = scheme_.SchemeFileName;
    const bool changed = scheme_.SchemeChanged;
    scheme_ = to.content;
    scheme_.SchemeFileName = fileName;
    scheme_.SchemeChanged = changed;
    if (kind != StepKind::Edit && to.base) {
        base_ = *to.base;
        baseName_ = to.baseName;
    }
    if (kind == StepKind::Open) {
        scheme_.SchemeFileName = to.fileName;
        captionName_ = to.captionName;
    }
    if (takeShownVariant(to.shown))
        shownMoved_ = true;
    // Several steps at once (the history moved by more than one) are shown once.
    if (!pending_) {
        pending_ = Pending{kind, redraw, first};
        return;
    }
    if (kind == StepKind::Edit || pending_->kind == StepKind::Theme)
        pending_->kind = kind;
    pending_->redraw = Redraw::PreviewAndPanel;
    pending_->first = false;
}

bool SchemeDocument::editsBetween(int from, int to) const {
    for (int i = qMin(from, to); i < qMax(from, to); ++i) {
        const auto* step = dynamic_cast<const Step*>(stack_.command(i));
        if (!step || step->kind() == StepKind::Edit)
            return true;
    }
    return false;
}

void SchemeDocument::historyMoved(int index) {
    // Loads leave the flag as it was; passing an edit makes it tell whether the scheme
    // is back where it was saved, with no edit between here and there.
    if (editsBetween(index_, index)) {
        const int clean = stack_.cleanIndex();
        scheme_.SchemeChanged = clean < 0 || editsBetween(clean, index);
    }
    index_ = index;
    if (!pending_)
        return;
    const Pending done = *pending_;
    pending_.reset();
    switch (done.kind) {
    case StepKind::Edit:
        // As every edit does: the caption shows the scheme's file, "Untitled" for none.
        setCaptionName(scheme_.SchemeFileName);
        break;
    case StepKind::Open:
        Q_EMIT captionChanged();
        break;
    case StepKind::Theme:
        if (shownMoved_)
            Q_EMIT captionChanged();
        break;
    }
    shownMoved_ = false;
    Q_EMIT schemeChanged(done.redraw);
}
