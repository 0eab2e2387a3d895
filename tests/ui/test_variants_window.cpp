// The variants of a scheme in the window as a user meets them: making them from the
// Edit menu, showing one with View > Variant or Ctrl+1..3, editing it, locking colours
// from a swatch's context menu, and each of these as one step of the history.
#include "EditWindow.h"
#include "contrast/AuditFormat.h"
#include "contrast/MakeVariant.h"
#include "ui/editor/ColorSwatch.h"
#include "ui/editor/ContrastMark.h"
#include "ui/editor/ShownNames.h"
#include "ui/preview/PreviewBackdrops.h"
#include "ui/preview/PreviewPage.h"
#include "widgets/WindowUtil.h"

#include <QLabel>
#include <QTreeWidget>
#include <QUndoStack>

using Kind = ScriptedDialogs::Kind;

namespace {
constexpr int BannerRow = 1;
constexpr int BodyRow = 2;
constexpr int Heading2Row = 4;

const char* makeCommand(Variant variant) {
    return variant == Variant::Dark ? "mnuEditMakeDarkVariant" : "mnuEditMakeContrastVariant";
}

void press(EditWindow& w, const char* keys) {
    QTest::keySequence(&w.main, QKeySequence(QString::fromLatin1(keys)));
}

ColorSwatch* swatch(EditWindow& w, const char* name, int row) {
    return control<ColorSwatch>(w.main, name, row);
}

qint32 colourOf(const ColorScheme::ColorTable& colours, int attr, int row) {
    return colours[static_cast<size_t>(attr)][static_cast<size_t>(elementForRow(row)->colorSlot)];
}

PreviewPage& preview(EditWindow& w) {
    return *control<PreviewPage>(w.main, "picDisplay");
}

// The audit of `variant` as the window's preview draws it, at the variant's level.
ContrastAudit previewAudit(EditWindow& w, Variant variant) {
    return auditVariant(w.scheme(), variant, PreviewBackdrops(preview(w)), variantLevel(variant));
}

void makeBoth(EditWindow& w) {
    w.command("mnuEditMakeDarkVariant")->trigger();
    w.command("mnuEditMakeContrastVariant")->trigger();
}

bool lockFromMenu(EditWindow& w, const char* swatchName, const char* actionName, int row) {
    return chooseFromContextMenu(swatch(w, swatchName, row),
                                 control<QAction>(w.main, actionName, row));
}
} // namespace

class TestVariantsWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void makeVariantFromTheEditMenu_data() {
        QTest::addColumn<Variant>("variant");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("checked");
        QTest::newRow("dark") << Variant::Dark << QStringLiteral("&Undo Make Dark Variant")
                              << QStringLiteral("TNA: Untitled \u2014 Dark *")
                              << QStringLiteral("mnuViewVariantDark");
        QTest::newRow("high contrast")
            << Variant::Contrast << QStringLiteral("&Undo Make High-Contrast Variant")
            << QStringLiteral("TNA: Untitled \u2014 High Contrast *")
            << QStringLiteral("mnuViewVariantContrast");
    }
    void makeVariantFromTheEditMenu() {
        QFETCH(Variant, variant);
        QFETCH(QString, step);
        QFETCH(QString, caption);
        QFETCH(QString, checked);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const ColorScheme::ColorTable light = w.scheme().SchemeColors;
        QUndoStack& history = w.main.document().undoStack();
        const int steps = history.count();

        w.command(makeCommand(variant))->trigger();
        QVERIFY(w.scheme().hasVariant(variant));
        QCOMPARE(w.scheme().SchemeColors, light);
        QCOMPARE(history.count(), steps + 1);
        QCOMPARE(w.command("mnuEditUndo")->text(), step);
        // The window shows what was made. The rows of Studio that do not pass the
        // variant's level over the pictures as drawn (the navigation text over its
        // buttons, in High contrast) are named in one message, and only they.
        QCOMPARE(w.main.windowTitle(), caption);
        QVERIFY(w.command(qPrintable(checked))->isChecked());
        QVERIFY(world.prompt.informed.size() <= 1);
        const QString said = world.prompt.informed.value(0);
        // The marks judge at the level chosen in the View menu.
        w.command(variant == Variant::Contrast ? "mnuViewLevelAAA" : "mnuViewLevelAA")->trigger();
        for (const ContrastCheck& check : previewAudit(w, variant).checks) {
            if (check.kind != CheckKind::Text)
                continue;
            const QString row = elementCaption(themeElement(check.element)) + QLatin1Char(':');
            QVERIFY2(said.contains(row) == !check.pass, qPrintable(row));
            const int editorRow = themeElement(check.element).editorRow;
            QCOMPARE(control<ContrastMark>(w.main, "lblContrast", editorRow)->passes(),
                     std::optional<bool>(check.pass));
        }
        QCOMPARE(said.isEmpty(), previewAudit(w, variant).passes());
        press(w, "Ctrl+Z");
        QVERIFY(!w.scheme().hasVariant(variant));
        QCOMPARE(w.main.document().shownVariant(), Variant::Light);
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: Untitled"));
        QVERIFY(w.command("mnuViewVariantLight")->isChecked());
        press(w, "Ctrl+Y");
        QVERIFY(w.scheme().hasVariant(variant));
        QCOMPARE(w.main.document().shownVariant(), variant);
    }

    // Ctrl+1..3 show each variant in the swatches, the preview, the marks and the
    // Compare panel, which compares the variant with the theme's colours.
    void shortcutsShowEachVariant_data() {
        QTest::addColumn<Variant>("variant");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("differsFromTheme");
        QTest::newRow("light") << Variant::Light << QStringLiteral("Ctrl+1") << false;
        QTest::newRow("dark") << Variant::Dark << QStringLiteral("Ctrl+2") << true;
        QTest::newRow("contrast") << Variant::Contrast << QStringLiteral("Ctrl+3") << true;
    }
    void shortcutsShowEachVariant() {
        QFETCH(Variant, variant);
        QFETCH(QString, keys);
        QFETCH(bool, differsFromTheme);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        makeBoth(w);
        w.command("mnuViewCompare")->trigger();
        const int steps = w.main.document().undoStack().count();
        // From another variant than the one asked for.
        press(w, variant == Variant::Light ? "Ctrl+3" : "Ctrl+1");

        press(w, qPrintable(keys));
        const ColorScheme::ColorTable& colours = w.scheme().colorsOf(variant);
        QCOMPARE(w.main.document().shownVariant(), variant);
        QCOMPARE(w.main.document().undoStack().count(), steps);
        QCOMPARE(swatch(w, "lblFGColorSelect", BodyRow)->colorValue(),
                 colourOf(colours, ColorAttr::Fore, BodyRow));
        QCOMPARE(swatch(w, "lblBGColorSelect", 0)->colorValue(), colours[ColorAttr::Back][0]);
        QCOMPARE(preview(w).pageColor(), colours[ColorAttr::Back][0]);
        QCOMPARE(valueFromColor(control<QWidget>(w.main, "lblDisplayRegText")
                                    ->palette()
                                    .color(QPalette::WindowText)),
                 colourOf(colours, ColorAttr::Fore, BodyRow));
        QVERIFY(control<ContrastMark>(w.main, "lblContrast", BodyRow)
                    ->toolTip()
                    .contains(colorHex(colourOf(colours, ColorAttr::Fore, BodyRow))));
        QCOMPARE(control<QTreeWidget>(w.main, "lstCompare")->topLevelItemCount() > 0,
                 differsFromTheme);
        QCOMPARE(w.main.windowTitle().contains(QStringLiteral("\u2014")), differsFromTheme);
    }

    // Each edit in a variant changes that variant only, is one step, and undoing or
    // redoing it shows the variant it was made in.
    void editsChangeTheVariantShown_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("swatch") << QStringLiteral("swatch");
        QTest::newRow("make it pass") << QStringLiteral("make it pass");
        QTest::newRow("make all pass") << QStringLiteral("make all pass");
        QTest::newRow("revert row") << QStringLiteral("revert row");
    }
    void editsChangeTheVariantShown() {
        QFETCH(QString, how);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        w.command("mnuEditMakeDarkVariant")->trigger();
        // A dark body text on the dark page, which fails there.
        const qint32 failing = rgbValue(40, 40, 48);
        w.dialogs->answerColor(failing);
        QTest::mouseClick(swatch(w, "lblFGColorSelect", BodyRow), Qt::LeftButton);
        const ColorScheme before = w.scheme();
        QCOMPARE(colourOf(*before.DarkColors, ColorAttr::Fore, BodyRow), failing);

        if (how == QLatin1String("swatch")) {
            w.dialogs->answerColor(rgbValue(200, 210, 220));
            QTest::mouseClick(swatch(w, "lblFGColorSelect", BodyRow), Qt::LeftButton);
        } else if (how == QLatin1String("make it pass")) {
            control<QAction>(w.main, "actMakeItPass", BodyRow)->trigger();
        } else if (how == QLatin1String("make all pass")) {
            w.command("mnuEditMakeAllPass")->trigger();
        } else {
            // Back to the theme's colour, the variant's being the Light one for a theme
            // without variants.
            swatch(w, "lblFGColorSelect", BodyRow)->setFocus();
            control<QAction>(w.main, "mnuEditRevertRow")->trigger();
        }
        const qint32 now = colourOf(*w.scheme().DarkColors, ColorAttr::Fore, BodyRow);
        QVERIFY(now != failing);
        QCOMPARE(swatch(w, "lblFGColorSelect", BodyRow)->colorValue(), now);
        QCOMPARE(w.scheme().SchemeColors, before.SchemeColors);
        QCOMPARE(w.scheme().LockedColors, before.LockedColors);
        if (how.startsWith(QLatin1String("make")))
            QVERIFY(
                control<ContrastMark>(w.main, "lblContrast", BodyRow)->passes().value_or(false));

        press(w, "Ctrl+1");
        press(w, "Ctrl+Z");
        QCOMPARE(w.main.document().shownVariant(), Variant::Dark);
        QCOMPARE(*w.scheme().DarkColors, *before.DarkColors);
        QCOMPARE(swatch(w, "lblFGColorSelect", BodyRow)->colorValue(), failing);
        press(w, "Ctrl+1");
        press(w, "Ctrl+Y");
        QCOMPARE(w.main.document().shownVariant(), Variant::Dark);
        QCOMPARE(colourOf(*w.scheme().DarkColors, ColorAttr::Fore, BodyRow), now);
    }

    // Asked for a variant the scheme lacks, the window offers to make it.
    void showingAMissingVariantOffersToMakeIt_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("made") << true;
        QTest::newRow("declined") << false;
    }
    void showingAMissingVariantOffersToMakeIt() {
        QFETCH(bool, yes);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const int steps = w.main.document().undoStack().count();
        w.dialogs->answerQuestion(yes);
        press(w, "Ctrl+3");
        QCOMPARE(w.dialogs->calls.size(), 1);
        QCOMPARE(w.dialogs->calls[0].kind, Kind::Question);
        QVERIFY(w.dialogs->calls[0].prompt.contains(QStringLiteral("no high-contrast variant")));
        QCOMPARE(w.scheme().hasVariant(Variant::Contrast), yes);
        QCOMPARE(w.main.document().shownVariant(), yes ? Variant::Contrast : Variant::Light);
        QCOMPARE(w.command("mnuViewVariantContrast")->isChecked(), yes);
        QCOMPARE(w.command("mnuViewVariantLight")->isChecked(), !yes);
        QCOMPARE(w.main.document().undoStack().count(), steps + (yes ? 1 : 0));
    }

    // A colour locked from its swatch's menu stays through making the variants, Make All
    // Pass and undo; the swatch shows and says it.
    void lockKeepsAColourThroughEverything() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        QUndoStack& history = w.main.document().undoStack();
        // A banner text that fails on the page (Studio's banner picture is left out).
        const qint32 banner = rgbValue(250, 250, 240);
        w.scheme().color(ColorAttr::Fore, 0) = banner;
        w.scheme().image(themeElement(Element::BANNER).imageSlot).clear();
        QTest::keyClick(&w.main, Qt::Key_F5);
        const int steps = history.count();

        QVERIFY(lockFromMenu(w, "lblFGColorSelect", "actLockText", BannerRow));
        QVERIFY(w.scheme().isLocked(ColorAttr::Fore, 0));
        QCOMPARE(history.count(), steps + 1);
        QCOMPARE(w.command("mnuEditUndo")->text(), QStringLiteral("&Undo Lock Banner Text text "
                                                                  "colour"));
        ColorSwatch* locked = swatch(w, "lblFGColorSelect", BannerRow);
        QVERIFY(locked->isLocked());
        QVERIFY(locked->accessibleName().endsWith(QStringLiteral(", locked")));
        QVERIFY(locked->toolTip().contains(QStringLiteral("locked")));
        QVERIFY(control<QAction>(w.main, "actLockText", BannerRow)->isChecked());
        QVERIFY(!swatch(w, "lblBGColorSelect", BannerRow)->isLocked());

        makeBoth(w);
        QCOMPARE(w.scheme().DarkColors->at(ColorAttr::Fore).at(0), banner);
        QCOMPARE(w.scheme().ContrastColors->at(ColorAttr::Fore).at(0), banner);
        // Light text on a dark page passes in Dark; on High contrast's light page it
        // cannot, and the message names the lock.
        QCOMPARE(world.prompt.informed.size(), 1);
        QVERIFY(world.prompt.informed[0].contains(
            QStringLiteral("Banner Text: its text colour is locked")));
        QVERIFY(world.prompt.informed[0].contains(QStringLiteral("high-contrast variant")));
        press(w, "Ctrl+1");
        w.command("mnuEditMakeAllPass")->trigger();
        QCOMPARE(w.scheme().color(ColorAttr::Fore, 0), banner);
        QVERIFY(world.prompt.informed.last().contains(QStringLiteral("locked")));
        control<QAction>(w.main, "actMakeItPass", BannerRow)->trigger();
        QCOMPARE(world.prompt.informed.last(),
                 QStringLiteral("Banner Text does not pass AA, but its text colour is locked, so "
                                "it was left as it is."));
        QCOMPARE(w.scheme().color(ColorAttr::Fore, 0), banner);

        // Undone to before the lock, step by step: the lock goes with its own step only.
        for (int undone = 0; undone < 10 && history.index() > steps + 1; ++undone)
            press(w, "Ctrl+Z");
        QCOMPARE(history.index(), steps + 1);
        QVERIFY(w.scheme().isLocked(ColorAttr::Fore, 0));
        QVERIFY(!w.scheme().hasVariant(Variant::Dark));
        press(w, "Ctrl+Z");
        QVERIFY(!w.scheme().isLocked(ColorAttr::Fore, 0));
        QVERIFY(!locked->isLocked());
        QVERIFY(!control<QAction>(w.main, "actLockText", BannerRow)->isChecked());
        press(w, "Ctrl+Y");
        QVERIFY(w.scheme().isLocked(ColorAttr::Fore, 0));
        QVERIFY(locked->isLocked());

        // Unlocking is a step of its own too.
        QVERIFY(lockFromMenu(w, "lblFGColorSelect", "actLockText", BannerRow));
        QVERIFY(!w.scheme().isLocked(ColorAttr::Fore, 0));
        QCOMPARE(w.command("mnuEditUndo")->text(),
                 QStringLiteral("&Undo Unlock Banner Text text colour"));
    }

    // Saved and opened again, the variants and locks are as they were; another theme
    // drops them, one Undo away.
    void saveOpenAndAnotherTheme() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        QVERIFY(lockFromMenu(w, "lblBGColorSelect", "actLockBack", 0));
        QVERIFY(lockFromMenu(w, "lblFGColorSelect", "actLockText", Heading2Row));
        makeBoth(w);
        const ColorScheme made = w.scheme();
        const QString path = world.path(QStringLiteral("variants.tna"));
        w.dialogs->answerFile(Kind::Save, path);
        w.command("mnuFileSaveAs")->trigger();
        QVERIFY(readFile(path).contains("DARK BODY"));

        w.main.themes().mnuThemesItem_Click(0);
        QVERIFY(!w.scheme().hasVariant(Variant::Dark));
        QVERIFY(!w.scheme().hasVariant(Variant::Contrast));
        QVERIFY(!w.scheme().hasLocks());
        QCOMPARE(w.main.document().shownVariant(), Variant::Light);
        QVERIFY(!swatch(w, "lblBGColorSelect", 0)->isLocked());
        press(w, "Ctrl+Z");
        QCOMPARE(w.scheme().DarkColors, made.DarkColors);
        QCOMPARE(w.scheme().LockedColors, made.LockedColors);
        QCOMPARE(w.main.document().shownVariant(), Variant::Contrast);
        press(w, "Ctrl+Y");

        w.dialogs->answerFile(Kind::Open, path);
        w.command("mnuFileOpen")->trigger();
        QCOMPARE(w.scheme().SchemeColors, made.SchemeColors);
        QCOMPARE(w.scheme().DarkColors, made.DarkColors);
        QCOMPARE(w.scheme().ContrastColors, made.ContrastColors);
        QCOMPARE(w.scheme().LockedColors, made.LockedColors);
        QCOMPARE(w.main.document().shownVariant(), Variant::Light);
        QVERIFY(swatch(w, "lblBGColorSelect", 0)->isLocked());
        QVERIFY(swatch(w, "lblFGColorSelect", Heading2Row)->isLocked());
        press(w, "Ctrl+2");
        QCOMPARE(swatch(w, "lblFGColorSelect", BodyRow)->colorValue(),
                 colourOf(*made.DarkColors, ColorAttr::Fore, BodyRow));
    }
};

QTEST_MAIN(TestVariantsWindow)
#include "test_variants_window.moc"
