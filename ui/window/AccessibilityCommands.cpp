// The main window's accessibility commands: the contrast level the editor's marks
// judge by, the preview drawn as a colour-vision deficiency shows it, and Make It
// Pass for one text row or all of them.
#include "ui/window/AccessibilityCommands.h"

#include "contrast/ContrastAudit.h"
#include "contrast/MakeAllPass.h"
#include "contrast/MakeVariant.h"
#include "document/SchemeDocument.h"
#include "framework/ErrorHandler.h"
#include "framework/Procedure.h"
#include "ui/editor/EditorPanel.h"
#include "ui/editor/ShownNames.h"
#include "ui/preview/PreviewBackdrops.h"
#include "ui/preview/PreviewPage.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>

#include <algorithm>

namespace {

struct LevelChoice {
    ContrastLevel level;
    const char* name;
    const char* text;
};
constexpr LevelChoice Levels[] = {
    {ContrastLevel::AA, "mnuViewLevelAA", QT_TRANSLATE_NOOP("AccessibilityCommands", "&AA")},
    {ContrastLevel::AAA, "mnuViewLevelAAA", QT_TRANSLATE_NOOP("AccessibilityCommands", "AA&A")},
};

struct SimulationChoice {
    Deficiency deficiency;
    const char* name;
    const char* text;
    const char* shown; // what the menu bar says while it is chosen
};
constexpr SimulationChoice Simulations[] = {
    {Deficiency::Normal, "mnuViewSimulateNormal",
     QT_TRANSLATE_NOOP("AccessibilityCommands", "&Normal"), nullptr},
    {Deficiency::Protanopia, "mnuViewSimulateProtanopia",
     QT_TRANSLATE_NOOP("AccessibilityCommands", "&Protanopia"),
     QT_TRANSLATE_NOOP("AccessibilityCommands", "Simulating protanopia")},
    {Deficiency::Deuteranopia, "mnuViewSimulateDeuteranopia",
     QT_TRANSLATE_NOOP("AccessibilityCommands", "&Deuteranopia"),
     QT_TRANSLATE_NOOP("AccessibilityCommands", "Simulating deuteranopia")},
    {Deficiency::Tritanopia, "mnuViewSimulateTritanopia",
     QT_TRANSLATE_NOOP("AccessibilityCommands", "&Tritanopia"),
     QT_TRANSLATE_NOOP("AccessibilityCommands", "Simulating tritanopia")},
    {Deficiency::Achromatopsia, "mnuViewSimulateAchromatopsia",
     QT_TRANSLATE_NOOP("AccessibilityCommands", "&Achromatopsia"),
     QT_TRANSLATE_NOOP("AccessibilityCommands", "Simulating achromatopsia")},
};

const SimulationChoice& simulationChoice(Deficiency deficiency) {
    for (const SimulationChoice& choice : Simulations)
        if (choice.deficiency == deficiency)
            return choice;
    return Simulations[0];
}

// One checkable choice of an exclusive group, by its design name.
QAction* addChoice(QActionGroup* group, const QString& text, const char* name, bool checked) {
    auto* action = new QAction(text, group);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

QString rowCaption(int row) {
    const ThemeElement* element = elementForRow(row);
    return element ? elementCaption(*element) : QString();
}

QString captionsOf(const std::vector<Element>& elements) {
    QStringList captions;
    for (const Element element : elements)
        captions << elementCaption(themeElement(element));
    return captions.join(QLatin1Char('\n'));
}

// What Make All Pass has to tell: the rows it could not make pass, what it could not keep
// of the rows' differences, or that every row passed already. Empty when it made every
// row pass and kept them apart.
QString allPassReport(const AllPassResult& made, const QString& level) {
    QStringList said;
    const bool changed = !made.changed.empty();
    if (!made.impossible.empty())
        said << (changed
                     ? AccessibilityCommands::tr(
                           "No text colour can make these rows pass %1 over what lies behind "
                           "them; they were left as they are:\n\n%2\n\nThe other rows pass now.")
                           .arg(level, captionsOf(made.impossible))
                     : AccessibilityCommands::tr("No text colour can make these rows pass %1 "
                                                 "over what lies behind them:\n\n%2\n\nNothing "
                                                 "was changed.")
                           .arg(level, captionsOf(made.impossible)));
    if (!made.locked.empty())
        said << AccessibilityCommands::tr("These rows do not pass %1, but their text colour is "
                                          "locked, so they were left as they are:\n\n%2")
                    .arg(level, captionsOf(made.locked));
    if (!made.orderNotKept.empty())
        said << AccessibilityCommands::tr("To pass, these rows had to come as light or as dark as "
                                          "one another, so they no longer differ as they did:"
                                          "\n\n%1")
                    .arg(captionsOf(made.orderNotKept));
    if (!made.linksCloser.empty())
        said << AccessibilityCommands::tr("These links are now closer to the body text's colour "
                                          "than before and may be hard to tell from it:\n\n%1")
                    .arg(captionsOf(made.linksCloser));
    if (said.isEmpty() && !changed)
        said << AccessibilityCommands::tr("Every text row passes %1 already.").arg(level);
    return said.join(QStringLiteral("\n\n"));
}

} // namespace

AccessibilityCommands::AccessibilityCommands(SchemeDocument& document, EditorPanel& editor,
                                             PreviewPage& preview, QWidget& window)
    : QObject(&window), document_(document), editor_(editor), picDisplay_(preview) {
    buildLevels();
    buildSimulations();
    makeAllPass_ = new QAction(tr("Make All &Pass"), this);
    makeAllPass_->setObjectName(QStringLiteral("mnuEditMakeAllPass"));
    connect(makeAllPass_, &QAction::triggered, this,
            &AccessibilityCommands::mnuEditMakeAllPass_Click);
    connect(&editor_, &EditorPanel::makeItPassClicked, this,
            &AccessibilityCommands::makeRowPass_Click);
    // The contrast marks follow every refresh of the preview and every preview option.
    connect(&picDisplay_, &PreviewPage::backdropsChanged, this,
            &AccessibilityCommands::showContrastMarks);

    lblSimulation = new QLabel(&window);
    lblSimulation->setObjectName(QStringLiteral("lblSimulation"));
    lblSimulation->setTextFormat(Qt::PlainText);
    lblSimulation->setContentsMargins(6, 0, 6, 0);
    lblSimulation->hide();
}

void AccessibilityCommands::buildLevels() {
    levels_ = new QActionGroup(this);
    for (const LevelChoice& choice : Levels)
        connect(addChoice(levels_, tr(choice.text), choice.name, choice.level == contrastLevel_),
                &QAction::triggered, this,
                [this, level = choice.level] { setContrastLevel(level); });
}

void AccessibilityCommands::buildSimulations() {
    simulations_ = new QActionGroup(this);
    for (const SimulationChoice& choice : Simulations)
        connect(addChoice(simulations_, tr(choice.text), choice.name,
                          choice.deficiency == Deficiency::Normal),
                &QAction::triggered, this,
                [this, deficiency = choice.deficiency] { setSimulation(deficiency); });
}

void AccessibilityCommands::setContrastLevel(ContrastLevel level) {
    Procedure proc(QStringLiteral("frmMain.setContrastLevel"));
    contrastLevel_ = level;
    for (const LevelChoice& choice : Levels)
        if (choice.level == level)
            levels_->findChild<QAction*>(QLatin1String(choice.name))->setChecked(true);
    // Before the preview first shows a scheme there are no marks to judge again.
    if (marksShown_)
        proc.step([&] { showContrastMarks(); });
}

Deficiency AccessibilityCommands::simulation() const {
    return picDisplay_.simulation();
}

void AccessibilityCommands::setSimulation(Deficiency deficiency) {
    Procedure proc(QStringLiteral("frmMain.setSimulation"));
    const SimulationChoice& choice = simulationChoice(deficiency);
    proc.step([&] { picDisplay_.setSimulation(choice.deficiency); });
    simulations_->findChild<QAction*>(QLatin1String(choice.name))->setChecked(true);
    if (choice.shown) {
        lblSimulation->setText(tr(choice.shown));
        lblSimulation->show();
    } else {
        lblSimulation->clear();
        lblSimulation->hide();
    }
    // The corner widget's size is fixed when it is set; the bar lays it out afresh.
    if (QWidget* bar = lblSimulation->parentWidget()) {
        bar->adjustSize();
        bar->updateGeometry();
    }
}

ContrastAudit AccessibilityCommands::audit() const {
    return auditVariant(document_.scheme(), document_.shownVariant(), PreviewBackdrops(picDisplay_),
                        contrastLevel_);
}

ContrastAudit AccessibilityCommands::auditOf(Variant variant) const {
    return auditVariant(document_.scheme(), variant, PreviewBackdrops(picDisplay_),
                        std::max(contrastLevel_, variantLevel(variant)));
}

void AccessibilityCommands::showContrastMarks() {
    marksShown_ = true;
    const ContrastAudit judged = audit();
    editor_.showContrast(judged);
    Q_EMIT contrastJudged(judged);
}

void AccessibilityCommands::makeRowPass_Click(int row) {
    Procedure proc(QStringLiteral("frmMain.makeRowPass_Click"));
    const ThemeElement* element = elementForRow(row);
    if (!element || row < 1 || element->colorSlot == NoSlot)
        return;
    const QString level = contrastLevelText(contrastLevel_);
    PassingColor passing;
    if (!proc.step([&] {
            passing = makeRowPass(document_.shown(), PreviewBackdrops(picDisplay_), contrastLevel_,
                                  element->element);
        }))
        return;
    switch (passing.outcome) {
    case PassingColor::Outcome::AlreadyPasses:
        errorPrompt().inform(tr("%1 passes %2 already.").arg(rowCaption(row), level));
        return;
    case PassingColor::Outcome::Impossible:
        if (passing.locked) {
            errorPrompt().inform(tr("%1 does not pass %2, but its text colour is locked, so it "
                                    "was left as it is.")
                                     .arg(rowCaption(row), level));
            return;
        }
        errorPrompt().inform(tr("No text colour can make %1 pass %2 over what lies behind it, "
                                "not even black or white.\n\nNothing was changed.")
                                 .arg(rowCaption(row), level));
        return;
    case PassingColor::Outcome::Changed:
        break;
    }
    ColorScheme changed = document_.shown();
    changed.color(ColorAttr::Fore, element->colorSlot) = passing.color;
    document_.applyShown(tr("Make %1 pass").arg(rowCaption(row)), changed,
                         SchemeDocument::Redraw::PreviewAndPanel);
}

void AccessibilityCommands::mnuEditMakeAllPass_Click() {
    Procedure proc(QStringLiteral("frmMain.mnuEditMakeAllPass_Click"));
    AllPassResult made;
    // Each row's backdrop is the page and its pictures, never another row's text,
    // so every row is judged on the scheme as the preview shows it now.
    if (!proc.step([&] {
            made = makeAllPass(document_.shown(), PreviewBackdrops(picDisplay_), contrastLevel_);
        }))
        return;
    if (!made.changed.empty())
        document_.applyShown(tr("Make All Pass"), made.scheme,
                             SchemeDocument::Redraw::PreviewAndPanel);
    if (const QString said = allPassReport(made, contrastLevelText(contrastLevel_));
        !said.isEmpty())
        errorPrompt().inform(said);
}
