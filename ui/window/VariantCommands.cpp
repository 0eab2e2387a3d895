// The variants of the scheme in the main window: making them, showing one, and locking
// the colours that making them must not move.
#include "ui/window/VariantCommands.h"

#include "contrast/MakeVariant.h"
#include "document/SchemeDocument.h"
#include "framework/ErrorHandler.h"
#include "framework/Procedure.h"
#include "ui/dialogs/DialogService.h"
#include "ui/editor/ShownNames.h"
#include "ui/preview/PreviewBackdrops.h"
#include "ui/preview/PreviewPage.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>

namespace {

struct VariantChoice {
    Variant variant;
    const char* showName; // View > Variant's item
    const char* showText;
    const char* shortcut;
    const char* makeName; // Edit's item; none for Light
    const char* makeText;
};
constexpr VariantChoice Choices[] = {
    {Variant::Light, "mnuViewVariantLight", QT_TRANSLATE_NOOP("VariantCommands", "&Light"),
     "Ctrl+1", nullptr, nullptr},
    {Variant::Dark, "mnuViewVariantDark", QT_TRANSLATE_NOOP("VariantCommands", "&Dark"), "Ctrl+2",
     "mnuEditMakeDarkVariant", QT_TRANSLATE_NOOP("VariantCommands", "Make &Dark Variant")},
    {Variant::Contrast, "mnuViewVariantContrast",
     QT_TRANSLATE_NOOP("VariantCommands", "&High Contrast"), "Ctrl+3", "mnuEditMakeContrastVariant",
     QT_TRANSLATE_NOOP("VariantCommands", "Make &High-Contrast Variant")},
};

const VariantChoice& choiceOf(Variant variant) {
    for (const VariantChoice& choice : Choices)
        if (choice.variant == variant)
            return choice;
    return Choices[0];
}

// The step's name: the menu item's text without its mnemonic.
QString stepName(Variant variant) {
    return VariantCommands::tr(choiceOf(variant).makeText).remove(QLatin1Char('&'));
}

// "dark variant" as a sentence names it.
QString variantInSentence(Variant variant) {
    return variant == Variant::Dark ? VariantCommands::tr("dark variant")
                                    : VariantCommands::tr("high-contrast variant");
}

// One line per row the variant leaves failing, with why: a lock, or nothing passes.
QString failingLines(const std::vector<RowLeftFailing>& failing) {
    QStringList lines;
    for (const RowLeftFailing& row : failing) {
        const QString caption = elementCaption(themeElement(row.element));
        if (row.textLocked)
            lines << VariantCommands::tr("%1: its text colour is locked").arg(caption);
        else if (row.backdropLocked)
            lines << VariantCommands::tr("%1: the colour behind it is locked").arg(caption);
        else
            lines << VariantCommands::tr("%1: no text colour passes over what lies behind it")
                         .arg(caption);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

VariantCommands::VariantCommands(SchemeDocument& document,
                                 const std::unique_ptr<DialogService>& dialogs, EditorPanel& editor,
                                 PreviewPage& preview)
    : QObject(&editor), document_(document), cdbMain_(dialogs), editor_(editor),
      picDisplay_(preview) {
    shown_ = new QActionGroup(this);
    for (const VariantChoice& choice : Choices) {
        auto* show = new QAction(tr(choice.showText), shown_);
        show->setObjectName(QLatin1String(choice.showName));
        show->setCheckable(true);
        show->setChecked(choice.variant == Variant::Light);
        show->setShortcut(QKeySequence(QLatin1String(choice.shortcut)));
        connect(show, &QAction::triggered, this,
                [this, variant = choice.variant] { showVariant(variant); });
        if (!choice.makeName)
            continue;
        auto* make = new QAction(tr(choice.makeText), this);
        make->setObjectName(QLatin1String(choice.makeName));
        connect(make, &QAction::triggered, this,
                [this, variant = choice.variant] { makeVariant(variant); });
        makeActions_.append(make);
    }
    connect(&document_, &SchemeDocument::schemeChanged, this, &VariantCommands::showChecked);
    connect(&editor_, &EditorPanel::lockClicked, this, &VariantCommands::lockClicked);
}

void VariantCommands::showChecked() {
    for (QAction* action : shown_->actions())
        action->setChecked(action->objectName() ==
                           QLatin1String(choiceOf(document_.shownVariant()).showName));
}

void VariantCommands::makeVariant(Variant variant) {
    Procedure proc(QStringLiteral("frmMain.mnuEditMakeVariant_Click"));
    if (variant == Variant::Light)
        return;
    VariantMade made;
    // The pictures are every variant's; the page's plain colours are the scheme's.
    if (!proc.step([&] {
            made = ::makeVariant(document_.scheme(), variant, PreviewBackdrops(picDisplay_));
        }))
        return;
    ColorScheme changed = document_.scheme();
    changed.setColors(variant, made.colors);
    document_.apply(stepName(variant), changed, SchemeDocument::Redraw::PanelAndPreview, variant);
    if (made.failing.empty())
        return;
    errorPrompt().inform(tr("The %1 is made, but these rows do not pass %2 in it:\n\n%3")
                             .arg(variantInSentence(variant),
                                  contrastLevelText(variantLevel(variant)),
                                  failingLines(made.failing)));
}

void VariantCommands::showVariant(Variant variant) {
    Procedure proc(QStringLiteral("frmMain.mnuViewVariant_Click"));
    if (document_.scheme().hasVariant(variant)) {
        document_.showVariant(variant);
        showChecked();
        return;
    }
    bool make = false;
    proc.step([&] {
        make = cdbMain_->askYesNo(
            stepName(variant), tr("This scheme has no %1 yet. Make it from the light colours now?")
                                   .arg(variantInSentence(variant)));
    });
    if (make)
        makeVariant(variant);
    showChecked();
}

void VariantCommands::lockClicked(int row, EditorPanel::Swatch swatch, bool locked) {
    Procedure proc(QStringLiteral("frmMain.mnuLockColour_Click"));
    ColorPlace place{};
    if (!proc.step([&] { place = EditorPanel::swatchPlace(row, swatch); }))
        return;
    ColorScheme changed = document_.scheme();
    changed.setLocked(place.attr, place.slot, locked);
    const QString caption = editor_.swatchCaption(row, swatch);
    document_.apply(locked ? tr("Lock %1").arg(caption) : tr("Unlock %1").arg(caption), changed,
                    SchemeDocument::Redraw::PreviewAndPanel);
}
