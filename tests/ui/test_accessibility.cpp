// The window's accessibility commands as a user meets them: View > Contrast Level
// and View > Simulate, and Make It Pass from a row's context menu and the Edit menu.
#include "EditWindow.h"
#include "contrast/ColorSpace.h"
#include "contrast/MakeItPass.h"
#include "ui/editor/ContrastMark.h"
#include "ui/preview/PreviewPage.h"
#include "ui/preview/VisionEffect.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QUndoStack>

#include <cmath>

namespace {
constexpr int BodyRow = 2;
constexpr int Heading2Row = 4;
constexpr int NavigationRow = 12;

qint32& textColour(EditWindow& w, int row) {
    return w.scheme().color(ColorAttr::Fore, elementForRow(row)->colorSlot);
}

// The scheme changed in place, then F5, as a user of an older version would see it.
void refresh(EditWindow& w) {
    QTest::keyClick(&w.main, Qt::Key_F5);
}

const ContrastMark& mark(EditWindow& w, int row) {
    return *control<ContrastMark>(w.main, "lblContrast", row);
}

double hueOf(qint32 colour) {
    return toOkLch(toOkLab(toLinear(colour))).h;
}

QImage preview(EditWindow& w) {
    return control<PreviewPage>(w.main, "picDisplay")
        ->grab()
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void contrastLevelJudgesTheMarks() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        // #767676 on white is 4.54: enough for body text at AA, not at AAA.
        w.scheme().pageBackground() = rgbValue(255, 255, 255);
        textColour(w, BodyRow) = 0x767676;
        refresh(w);
        QCOMPARE(w.main.accessibility().contrastLevel(), ContrastLevel::AA);
        QVERIFY(w.command("mnuViewLevelAA")->isChecked());
        QCOMPARE(mark(w, BodyRow).passes(), std::optional<bool>(true));

        w.command("mnuViewLevelAAA")->trigger();
        QCOMPARE(w.main.accessibility().contrastLevel(), ContrastLevel::AAA);
        QVERIFY(!w.command("mnuViewLevelAA")->isChecked());
        QCOMPARE(mark(w, BodyRow).passes(), std::optional<bool>(false));
        QVERIFY(mark(w, BodyRow).toolTip().contains(QStringLiteral("fails AAA")));
        QVERIFY(mark(w, BodyRow).toolTip().contains(QStringLiteral("needs 7:1")));

        // The level stays through edits, and the way in for restoring it works too.
        textColour(w, BodyRow) = 0x777777;
        refresh(w);
        QCOMPARE(mark(w, BodyRow).passes(), std::optional<bool>(false));
        w.main.accessibility().setContrastLevel(ContrastLevel::AA);
        QVERIFY(w.command("mnuViewLevelAA")->isChecked());
        QVERIFY(mark(w, BodyRow).toolTip().contains(QStringLiteral("fails AA\n")));
    }

    void simulationDrawsThePreviewAndSaysSo_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("deficiency");
        QTest::addColumn<QString>("shown");
        QTest::newRow("protanopia") << "mnuViewSimulateProtanopia" << int(Deficiency::Protanopia)
                                    << "Simulating protanopia";
        QTest::newRow("deuteranopia") << "mnuViewSimulateDeuteranopia"
                                      << int(Deficiency::Deuteranopia) << "Simulating deuteranopia";
        QTest::newRow("tritanopia") << "mnuViewSimulateTritanopia" << int(Deficiency::Tritanopia)
                                    << "Simulating tritanopia";
        QTest::newRow("achromatopsia")
            << "mnuViewSimulateAchromatopsia" << int(Deficiency::Achromatopsia)
            << "Simulating achromatopsia";
    }
    void simulationDrawsThePreviewAndSaysSo() {
        QFETCH(QString, action);
        QFETCH(int, deficiency);
        QFETCH(QString, shown);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        auto* label = control<QLabel>(w.main, "lblSimulation");
        QVERIFY(!label->isVisible());
        const QImage normal = preview(w);

        control<QAction>(w.main, action)->trigger();
        QCOMPARE(w.main.accessibility().simulation(), Deficiency(deficiency));
        QImage expected = normal;
        simulateImage(expected, Deficiency(deficiency));
        const QImage seen = preview(w);
        QVERIFY(seen != normal);
        QVERIFY(seen == expected);
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), shown);

        // Editing goes on under the simulation: a new background is drawn as seen.
        w.dialogs->answerColor(rgbValue(0, 200, 0));
        QTest::mouseClick(control<QWidget>(w.main, "lblBGColorSelect", 0), Qt::LeftButton);
        QCOMPARE(w.scheme().pageBackground(), rgbValue(0, 200, 0));
        const QImage edited = preview(w);
        const QPoint corner(edited.width() - 2, edited.height() - 2);
        QCOMPARE(qRed(edited.pixel(corner)) | qGreen(edited.pixel(corner)) << 8 |
                     qBlue(edited.pixel(corner)) << 16,
                 simulateColor(rgbValue(0, 200, 0), Deficiency(deficiency)));

        w.command("mnuViewSimulateNormal")->trigger();
        QCOMPARE(w.main.accessibility().simulation(), Deficiency::Normal);
        QVERIFY(!label->isVisible());
        QCOMPARE(QColor(preview(w).pixel(corner)), QColor(0, 200, 0));
    }

    void makeItPassFromTheRowsMenuIsOneStep() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        w.scheme().pageBackground() = rgbValue(255, 255, 255);
        const qint32 failing = rgbValue(230, 120, 90);
        textColour(w, Heading2Row) = failing;
        refresh(w);
        QCOMPARE(mark(w, Heading2Row).passes(), std::optional<bool>(false));
        QUndoStack& history = w.main.document().undoStack();
        const int steps = history.count();

        QVERIFY2(chooseFromContextMenu(control<QPushButton>(w.main, "cmdFontSelect", Heading2Row)),
                 "no context menu opened");
        const qint32 passing = textColour(w, Heading2Row);
        QVERIFY(passing != failing);
        QCOMPARE(mark(w, Heading2Row).passes(), std::optional<bool>(true));
        QVERIFY(std::abs(hueOf(passing) - hueOf(failing)) < 0.05);
        QCOMPARE(history.count(), steps + 1);
        QCOMPARE(w.command("mnuEditUndo")->text(), QStringLiteral("&Undo Make Heading 2 pass"));
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: Untitled *"));
        // The row's swatch shows the new colour at once.
        QCOMPARE(w.main.findChild<QWidget*>(QStringLiteral("lblFGColorSelect_4"))
                     ->palette()
                     .color(QPalette::Window),
                 QColor(redOf(passing), greenOf(passing), blueOf(passing)));

        w.command("mnuEditUndo")->trigger();
        QCOMPARE(textColour(w, Heading2Row), failing);
        QCOMPARE(mark(w, Heading2Row).passes(), std::optional<bool>(false));
        QVERIFY(world.prompt.informed.isEmpty());
    }

    void makeItPassSaysWhenNothingCanPass() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        // Neither black (4.69) nor white (4.48) reaches 7:1 on #777777.
        w.scheme().pageBackground() = 0x777777;
        textColour(w, BodyRow) = 0x333333;
        refresh(w);
        w.command("mnuViewLevelAAA")->trigger();
        const int steps = w.main.document().undoStack().count();

        control<QAction>(w.main, "actMakeItPass", BodyRow)->trigger();
        QCOMPARE(world.prompt.informed.size(), 1);
        QVERIFY(world.prompt.informed[0].contains(QStringLiteral("No text colour can make Body "
                                                                 "pass AAA")));
        QCOMPARE(textColour(w, BodyRow), 0x333333);
        QCOMPARE(w.main.document().undoStack().count(), steps);
        QVERIFY(!w.main.document().isChanged());
    }

    // On a dark page, rows that fail at different lightness keep their order; each taken
    // alone would stop at the same just-passing grey.
    void makeAllPassKeepsRowsApart() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        w.scheme().pageBackground() = rgbValue(30, 30, 30);
        textColour(w, BodyRow) = rgbValue(48, 48, 48);
        textColour(w, Heading2Row) = rgbValue(72, 72, 72);
        refresh(w);
        w.command("mnuEditMakeAllPass")->trigger();
        QVERIFY(mark(w, BodyRow).passes().value_or(false));
        QVERIFY(mark(w, Heading2Row).passes().value_or(false));
        QVERIFY(qGray(QRgb(textColour(w, Heading2Row))) > qGray(QRgb(textColour(w, BodyRow))));
    }

    void makeAllPassIsOneStepAndSaysWhatItCannot() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        w.scheme().pageBackground() = rgbValue(255, 255, 255);
        const qint32 body = rgbValue(150, 150, 160);
        const qint32 heading = rgbValue(240, 170, 60);
        const qint32 navigation = textColour(w, NavigationRow);
        textColour(w, BodyRow) = body;
        textColour(w, Heading2Row) = heading;
        // The pushed horizontal button plain white, the others Studio's dark ones.
        const QString white = world.path(QStringLiteral("white.png"));
        QImage plain(120, 30, QImage::Format_RGB32);
        plain.fill(Qt::white);
        QVERIFY(plain.save(white));
        w.scheme().image(themeElement(Element::HORIZNAVBTNPUSH).imageSlot) = white;
        refresh(w);
        QUndoStack& history = w.main.document().undoStack();
        const int steps = history.count();

        // Over the buttons as drawn, neither white nor black serves the lighter and the
        // darker button at once: the navigation text is left, the others pass.
        w.command("mnuEditMakeAllPass")->trigger();
        QCOMPARE(world.prompt.informed.size(), 1);
        QVERIFY(world.prompt.informed[0].contains(QStringLiteral("\n\nNavigation Text\n\nThe "
                                                                 "other rows pass now.")));
        for (int row = 1; row < NavigationRow; ++row)
            QVERIFY2(mark(w, row).passes().value_or(false), qPrintable(QString::number(row)));
        QCOMPARE(textColour(w, NavigationRow), navigation);
        QVERIFY(textColour(w, BodyRow) != body);
        QVERIFY(std::abs(hueOf(textColour(w, Heading2Row)) - hueOf(heading)) < 0.05);
        QCOMPARE(history.count(), steps + 1);
        QCOMPARE(w.command("mnuEditUndo")->text(), QStringLiteral("&Undo Make All Pass"));

        // Asked again, it says why nothing changes, and makes no step.
        w.command("mnuEditMakeAllPass")->trigger();
        QCOMPARE(world.prompt.informed.size(), 2);
        QVERIFY(world.prompt.informed[1].endsWith(QStringLiteral("Nothing was changed.")));
        QCOMPARE(history.count(), steps + 1);

        // On plain white buttons the navigation text can pass too.
        for (const ThemeElement& e : ThemeElements)
            if (e.imageSlot != NoSlot && e.imageSlot >= 2 && e.imageSlot != 16)
                w.scheme().image(e.imageSlot) = white;
        refresh(w);
        w.command("mnuEditMakeAllPass")->trigger();
        QCOMPARE(world.prompt.informed.size(), 2);
        QVERIFY(mark(w, NavigationRow).passes().value_or(false));
        QVERIFY(textColour(w, NavigationRow) != navigation);
        QCOMPARE(history.count(), steps + 2);

        // Everything passes: said so, and no step that changes nothing.
        w.command("mnuEditMakeAllPass")->trigger();
        QCOMPARE(world.prompt.informed.size(), 3);
        QCOMPARE(world.prompt.informed[2], QStringLiteral("Every text row passes AA already."));
        QCOMPARE(history.count(), steps + 2);

        w.command("mnuEditUndo")->trigger();
        w.command("mnuEditUndo")->trigger();
        QCOMPARE(textColour(w, BodyRow), body);
        QCOMPARE(textColour(w, Heading2Row), heading);
        QCOMPARE(textColour(w, NavigationRow), navigation);
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
