#pragma once

#include "contrast/ContrastAudit.h"
#include "contrast/ContrastRule.h"
#include "contrast/VisionSimulation.h"
#include "theme/ColorScheme.h"

#include <QObject>

class EditorPanel;
class PreviewPage;
class QAction;
class QActionGroup;
class QLabel;
class QWidget;
class SchemeDocument;

// The accessibility commands: the contrast level the editor's marks, their tooltips
// and the printed contrast table judge by, the preview drawn as a colour-vision
// deficiency shows it, and Make It Pass for one text row or all of them.
class AccessibilityCommands : public QObject {
    Q_OBJECT

public:
    AccessibilityCommands(SchemeDocument& document, EditorPanel& editor, PreviewPage& preview,
                          QWidget& window);

    // View > Contrast Level and View > Simulate: one checkable action per choice.
    QActionGroup* levelActions() const { return levels_; }
    QActionGroup* simulationActions() const { return simulations_; }
    // Edit > Make All Pass.
    QAction* makeAllPassAction() const { return makeAllPass_; }
    // What says which simulation is in force while it is not Normal; the window shows
    // it where it takes no room from the editor or the preview.
    QLabel* simulationLabel() const { return lblSimulation; }

    ContrastLevel contrastLevel() const { return contrastLevel_; }
    void setContrastLevel(ContrastLevel level);
    Deficiency simulation() const;
    void setSimulation(Deficiency deficiency);

    // The contrast audit of the scheme as the preview shows it, at the chosen level.
    ContrastAudit audit() const;
    // The audit of the scheme's `variant`, at the chosen level or the one the variant
    // is made to pass (AAA for High contrast), whichever is higher.
    ContrastAudit auditOf(Variant variant) const;
    // The contrast marks from that audit, after every refresh of the preview.
    void showContrastMarks();
    // Make It Pass for editor text row `row`: its text colour changed in lightness only
    // until it passes at the chosen level, one step.
    void makeRowPass_Click(int row);

Q_SIGNALS:
    // The audit the marks now show.
    void contrastJudged(const ContrastAudit& audit);

private:
    void buildLevels();
    void buildSimulations();
    // Edit > Make All Pass: every text row's colour made to pass, one step.
    void mnuEditMakeAllPass_Click();

    SchemeDocument& document_;
    EditorPanel& editor_;
    PreviewPage& picDisplay_;
    QActionGroup* levels_ = nullptr;
    QActionGroup* simulations_ = nullptr;
    QAction* makeAllPass_ = nullptr;
    QLabel* lblSimulation = nullptr;
    ContrastLevel contrastLevel_ = ContrastLevel::AA;
    // Set once the preview has shown a scheme and the marks judged it.
    bool marksShown_ = false;
};
