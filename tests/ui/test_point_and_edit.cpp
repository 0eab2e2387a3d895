// The preview as a way into the editor: pointing at its elements, their menu and keys,
// colours by clipboard, and the zoom.
#include "EditWindow.h"
#include "contrast/AuditFormat.h"
#include "ui/editor/ColorSwatch.h"
#include "ui/editor/EditorPanel.h"
#include "ui/preview/PreviewItem.h"
#include "ui/preview/PreviewPage.h"
#include "ui/preview/PreviewPointer.h"
#include "ui/window/AccessibilityCommands.h"
#include "widgets/Twips.h"
#include "widgets/WindowUtil.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QToolTip>
#include <QUndoStack>

namespace {
PreviewPointer* pointerOf(const frmMain& main) {
    return control<PreviewPointer>(main, "previewPointer");
}

// The middle of a preview control, or a point `offset` from its top left, where the
// pointer layer shows it.
QPoint on(const frmMain& main, const QString& name, QPoint offset = {-1, -1}) {
    const QRect area = control<PreviewItem>(main, name)->geometry();
    const QPoint point = offset.x() < 0 ? area.center() : area.topLeft() + offset;
    return (QPointF(point) * pointerOf(main)->zoom()).toPoint();
}

qint32 textColourOfRow(const frmMain& main, int row) {
    return main.scheme().color(ColorAttr::Fore, elementForRow(row)->colorSlot);
}

// The element menu once it is up.
QMenu* elementMenu(const frmMain& main) {
    auto* menu = control<QMenu>(*pointerOf(main), "mnuPreviewElement");
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
        qWarning("the element menu did not show");
    return menu;
}
} // namespace

class TestPointAndEdit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A click on an element selects the row whose colours it shows: the row's text
    // swatch takes the focus and the row's elements are outlined. Pictures without
    // text and the global buttons, which no row edits, select nothing.
    void clickSelectsTheRow_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QPoint>("offset"); // from the top left; (-1, -1) the middle
        QTest::addColumn<int>("row");
        QTest::newRow("banner text") << "lblDisplayBanner" << QPoint(-1, -1) << 1;
        QTest::newRow("banner picture beside the text") << "imgWebImage_0" << QPoint(4, 4) << 1;
        QTest::newRow("heading 2") << "lblDisplayHeading_2" << QPoint(-1, -1) << 4;
        QTest::newRow("bullet shows the body") << "lblDisplayBullet_2" << QPoint(-1, -1) << 2;
        QTest::newRow("followed link") << "lblDisplayFollLink" << QPoint(-1, -1) << 10;
        QTest::newRow("navigation button's picture") << "imgWebImage_2" << QPoint(3, 3) << 12;
        QTest::newRow("quick link") << "lblSelQuickLinks_3" << QPoint(-1, -1) << 12;
        QTest::newRow("vertical navigation") << "lblVertNavButtons_1" << QPoint(-1, -1) << 12;
        QTest::newRow("rule") << "imgWebImage_6" << QPoint(-1, -1) << -1;
        QTest::newRow("bullet picture") << "imgWebImage_3" << QPoint(-1, -1) << -1;
        QTest::newRow("global button") << "lblDisplayGlobNavButtons_1" << QPoint(-1, -1) << -1;
    }
    void clickSelectsTheRow() {
        QFETCH(QString, element);
        QFETCH(QPoint, offset);
        QFETCH(int, row);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        auto* editor = control<EditorPanel>(w.main, "EditorPanel");
        PreviewPointer* pointer = pointerOf(w.main);
        auto* clientArea = control<QWidget>(w.main, "clientArea");
        const QImage before = clientArea->grab(pointer->geometry()).toImage();

        QTest::mouseClick(pointer, Qt::LeftButton, {}, on(w.main, element, offset));
        QCOMPARE(editor->currentRow(), row);
        if (row < 0) {
            // Nothing selected: a picture without text is not even outlined; the
            // global button is, as the element the keyboard is at, and says it has no row.
            const int at = pointer->currentSpot();
            if (at < 0)
                QCOMPARE(clientArea->grab(pointer->geometry()).toImage(), before);
            else
                QVERIFY(pointer->describe(at).endsWith(QStringLiteral("(no editor row)")));
            return;
        }
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(w.main, "lblFGColorSelect", row));
        // Every element of the row is outlined in the highlight colour.
        const QColor highlight = pointer->palette().color(QPalette::Highlight);
        const QImage shown = pointer->grab().toImage();
        const QList<int> spots = pointer->hitMap().spotsOfRow(row);
        QVERIFY(!spots.isEmpty());
        for (int spot : spots) {
            const QRect rect = pointer->spotRect(spot);
            const QPoint corner = rect.topLeft() - QPoint(2, 2);
            QCOMPARE(shown.pixelColor(corner).rgb(), highlight.rgb());
        }
        // No edit, no step.
        QCOMPARE(w.main.document().undoStack().count(), 0);
        QVERIFY(world.prompt.messages.isEmpty());
    }

    // A double click chooses the element's text colour: the dialog's title names the
    // row, and the choice (another colour than Studio's own) is one step that Undo
    // takes back.
    void doubleClickChoosesTheTextColour() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const qint32 before = textColourOfRow(w.main, 4);
        w.dialogs->answerColor(rgbValue(0x1F, 0x6F, 0x5C));

        QTest::mouseDClick(pointerOf(w.main), Qt::LeftButton, {},
                           on(w.main, QStringLiteral("lblDisplayHeading_2")));
        QCOMPARE(w.dialogs->calls.size(), 1);
        QCOMPARE(w.dialogs->calls[0].shownWith.ColorTitle, QStringLiteral("Heading 2 text colour"));
        QCOMPARE(w.dialogs->calls[0].shownWith.Color, before);
        QCOMPARE(textColourOfRow(w.main, 4), rgbValue(0x1F, 0x6F, 0x5C));
        QCOMPARE(control<ColorSwatch>(w.main, "lblFGColorSelect", 4)->colorValue(),
                 rgbValue(0x1F, 0x6F, 0x5C));
        QCOMPARE(w.main.document().undoStack().count(), 1);
        QCOMPARE(w.main.document().undoStack().undoText(), QStringLiteral("Heading 2 colour"));
        w.main.document().undoStack().undo();
        QCOMPARE(textColourOfRow(w.main, 4), before);
        w.main.document().undoStack().redo();
        // Revert Row acts on the row the preview selected.
        QCOMPARE(control<EditorPanel>(w.main, "EditorPanel")->currentRow(), 4);
        w.command("mnuEditRevertRow")->trigger();
        QCOMPARE(textColourOfRow(w.main, 4), before);
        QVERIFY(world.prompt.messages.isEmpty());
    }

    // The tooltip gives the row, its colours and the contrast audit's mark.
    void tooltipGivesTheColoursAndTheMark() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        PreviewPointer* pointer = pointerOf(w.main);
        const ContrastAudit audit = w.main.accessibility().audit();
        const auto check = std::find_if(audit.checks.begin(), audit.checks.end(), [](auto& c) {
            return c.kind == CheckKind::Text && c.element == Element::HEADING2;
        });
        QVERIFY(check != audit.checks.end());
        const QString expected =
            QStringLiteral("Heading 2 — %1 on %2, %3 %4")
                .arg(colorHex(check->foreground), colorHex(check->background), shownRatio(*check),
                     check->pass ? QStringLiteral("✓") : QStringLiteral("✗"));

        const QPoint at = on(w.main, QStringLiteral("lblDisplayHeading_2"));
        QHelpEvent help(QEvent::ToolTip, at, pointer->mapToGlobal(at));
        QApplication::sendEvent(pointer, &help);
        QTRY_COMPARE(QToolTip::text(), expected);
        QTRY_VERIFY(QToolTip::isVisible());
        // Over a picture without text there is none.
        const QPoint rule = on(w.main, QStringLiteral("imgWebImage_6"));
        QHelpEvent none(QEvent::ToolTip, rule, pointer->mapToGlobal(rule));
        QApplication::sendEvent(pointer, &none);
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    // The element's menu acts on its row.
    void menuActsOnTheRow() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        PreviewPointer* pointer = pointerOf(w.main);
        const QPoint heading = on(w.main, QStringLiteral("lblDisplayHeading_3"));
        const auto openMenu = [&] {
            QContextMenuEvent event(QContextMenuEvent::Mouse, heading,
                                    pointer->mapToGlobal(heading));
            QApplication::sendEvent(pointer, &event);
            return elementMenu(w.main);
        };
        QMenu* menu = openMenu();
        QStringList texts;
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                texts << action->text();
        QCOMPARE(texts,
                 QStringList({"&Text Colour...", "&Background Colour...", "&Font...",
                              "&Make It Pass", "&Copy Colour", "&Paste Colour", "Lock Colour"}));
        QCOMPARE(control<EditorPanel>(w.main, "EditorPanel")->currentRow(), 5);

        control<QAction>(*menu, "actPreviewCopyColour")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), colorHex(textColourOfRow(w.main, 5)));

        menu->hide();
        w.dialogs->answerColor(rgbValue(1, 2, 3));
        control<QAction>(*openMenu(), "actPreviewBackColour")->trigger();
        QCOMPARE(w.dialogs->calls.last().shownWith.ColorTitle,
                 QStringLiteral("Heading 3 background colour"));
        QCOMPARE(w.scheme().pageBackground(), rgbValue(1, 2, 3));

        menu->hide();
        QGuiApplication::clipboard()->setText(QStringLiteral("rebeccapurple"));
        control<QAction>(*openMenu(), "actPreviewPasteColour")->trigger();
        QCOMPARE(textColourOfRow(w.main, 5), rgbValue(0x66, 0x33, 0x99));
        QCOMPARE(w.main.document().undoStack().count(), 2);

        // Its lock is the editor's lock of the row's text colour.
        menu->hide();
        QAction* lock = openMenu()->actions().constLast();
        QCOMPARE(lock, control<QAction>(w.main, "actLockText_5"));
        QVERIFY(lock->isCheckable() && !lock->isChecked());
        lock->trigger();
        QVERIFY(
            w.scheme().isLocked(static_cast<int>(ColorAttr::Fore), elementForRow(5)->colorSlot));
        QVERIFY(lock->isChecked());
        QVERIFY(world.prompt.messages.isEmpty());
    }

    // The preview takes the focus: Tab and the arrow keys walk its elements in reading
    // order, Enter chooses the text colour, Shift+F10 opens the menu, and a screen
    // reader hears the element the keyboard is at.
    void keyboardWalksTheElements() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        PreviewPointer* pointer = pointerOf(w.main);
        pointer->setFocus(Qt::TabFocusReason);
        QVERIFY(pointer->hasFocus());
        const auto& spots = pointer->hitMap().spots();
        QVERIFY(spots.size() > 20);
        QCOMPARE(pointer->currentSpot(), 0);
        QCOMPARE(spots[0].element, Element::BANNER);
        QVERIFY(pointer->accessibleName().startsWith(QStringLiteral("Banner Text — ")));
        for (std::size_t i = 1; i < spots.size(); ++i) // reading order
            QVERIFY(spots[i - 1].area.top() <= spots[i].area.top());

        // A screen reader finds the elements as a list, named as their tooltips.
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(pointer);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), static_cast<int>(spots.size()));
        QCOMPARE(list->child(5)->text(QAccessible::Name), pointer->describe(5));
        QVERIFY(pointer->describe(5).contains(QStringLiteral(" — #")));
        QCOMPARE(list->focusChild(), list->child(0));

        QTest::keyClick(pointer, Qt::Key_Down);
        QCOMPARE(pointer->currentSpot(), 1);
        QCOMPARE(list->focusChild(), list->child(1));
        QTest::keyClick(pointer, Qt::Key_Tab);
        QCOMPARE(pointer->currentSpot(), 2);
        QVERIFY(pointer->hasFocus());
        QTest::keyClick(pointer, Qt::Key_Up);
        QTest::keyClick(pointer, Qt::Key_Left);
        QCOMPARE(pointer->currentSpot(), 0);

        // Enter: the banner text's colour.
        w.dialogs->answerCancel(ScriptedDialogs::Kind::Color);
        QTest::keyClick(pointer, Qt::Key_Return);
        QCOMPARE(w.dialogs->calls.size(), 1);
        QCOMPARE(w.dialogs->calls[0].shownWith.ColorTitle,
                 QStringLiteral("Banner Text text colour"));

        pointer->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(pointer, Qt::Key_F10, Qt::ShiftModifier);
        QMenu* menu = elementMenu(w.main);
        QVERIFY(menu->isVisible());
        menu->hide();

        // Tab leaves the preview after its last element.
        pointer->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(pointer, Qt::Key_End);
        QCOMPARE(pointer->currentSpot(), static_cast<int>(spots.size()) - 1);
        QTest::keyClick(pointer, Qt::Key_Tab);
        QVERIFY(!pointer->hasFocus());
        QCOMPARE(w.main.document().undoStack().count(), 0);
    }

    // Ctrl+V on a swatch takes a colour from text in every form a designer copies,
    // as one step; text that is no colour is told in the status bar and changes
    // nothing. Ctrl+C copies the swatch's colour.
    void pasteOntoASwatch_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("colour"); // -1: no colour
        QTest::newRow("#RRGGBB") << "#1F6F5C" << rgbValue(0x1F, 0x6F, 0x5C);
        QTest::newRow("#rgb") << "#1f6" << rgbValue(0x11, 0xFF, 0x66);
        QTest::newRow("rgb()") << "rgb(31, 111, 92)" << rgbValue(31, 111, 92);
        QTest::newRow("name") << "Teal" << rgbValue(0, 0x80, 0x80);
        QTest::newRow("blanks around") << "  #1F6F5C\n" << rgbValue(0x1F, 0x6F, 0x5C);
        QTest::newRow("words") << "not a colour" << -1;
        QTest::newRow("bare number") << "1234" << -1;
        QTest::newRow("five digits") << "#12345" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void pasteOntoASwatch() {
        QFETCH(QString, text);
        QFETCH(int, colour);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        auto* swatch = control<ColorSwatch>(w.main, "lblFGColorSelect", 7);
        swatch->setFocus(Qt::OtherFocusReason);
        const qint32 before = textColourOfRow(w.main, 7);

        QTest::keyClick(swatch, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), colorHex(textColourOfRow(w.main, 7)));

        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(swatch, Qt::Key_V, Qt::ControlModifier);
        if (colour < 0) {
            QCOMPARE(textColourOfRow(w.main, 7), before);
            QCOMPARE(swatch->colorValue(), before);
            QCOMPARE(w.main.document().undoStack().count(), 0);
            QVERIFY(!w.main.statusBar()->currentMessage().isEmpty());
        } else {
            QCOMPARE(textColourOfRow(w.main, 7), colour);
            QCOMPARE(swatch->colorValue(), colour);
            QCOMPARE(w.main.document().undoStack().count(), 1);
            QCOMPARE(w.main.document().undoStack().undoText(), QStringLiteral("Heading 5 colour"));
            QVERIFY(w.main.statusBar()->currentMessage().isEmpty());
        }
        QVERIFY(world.prompt.messages.isEmpty());
    }

    // Zoom scales the shown preview from 50 % to 400 % and keeps the page itself as it
    // is; clicks land on the same elements at any zoom.
    void zoomScalesTheShownPreview() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        PreviewPointer* pointer = pointerOf(w.main);
        auto* page = control<PreviewPage>(w.main, "picDisplay");
        const QSize pageSize = page->size();
        const QImage drawn = page->grab().toImage();

        for (int i = 0; i < 10; ++i)
            w.command("mnuViewZoomIn")->trigger();
        QCOMPARE(pointer->zoom(), 4.0);
        QVERIFY(!w.command("mnuViewZoomIn")->isEnabled());
        QCOMPARE(pointer->size(), pageSize * 4);
        QCOMPARE(pointer->pos(), page->pos());
        QCOMPARE(page->size(), pageSize);
        QVERIFY(control<QWidget>(w.main, "clientArea")->width() >=
                page->x() + pageSize.width() * 4);
        QTest::mouseClick(pointer, Qt::LeftButton, {},
                          on(w.main, QStringLiteral("lblDisplayHeading_6")));
        QCOMPARE(control<EditorPanel>(w.main, "EditorPanel")->currentRow(), 8);

        for (int i = 0; i < 20; ++i)
            w.command("mnuViewZoomOut")->trigger();
        QCOMPARE(pointer->zoom(), 0.5);
        QCOMPARE(pointer->size(), pageSize / 2);
        // Centred in the room the window has, the layer over the hidden page.
        QCOMPARE(pointer->pos(), page->pos());
        QVERIFY(page->x() > twipsToPixels(EditorPanel::RightEdge));
        // The zoomed drawing is the page's, scaled: a pixel of the page's own colour.
        const QImage half = pointer->grab().toImage();
        const QPoint pageSpot(pageSize.width() - 4, 40);
        QCOMPARE(half.pixelColor(pageSpot / 2).rgb(), drawn.pixelColor(pageSpot).rgb());

        w.command("mnuViewActualSize")->trigger();
        QCOMPARE(pointer->zoom(), 1.0);
        QVERIFY(page->isVisible());
        QCOMPARE(page->grab().toImage(), drawn);
    }

    // The zoom is kept between runs with the other remembered choices; a stored zoom
    // out of range is taken to the nearer end, one that is no number to 100 %.
    void zoomIsRemembered() {
        TestWorld world;
        world.setUpGlobals();
        const QString file = world.path(QStringLiteral("tintora.conf"));
        {
            EditWindow w(world);
            w.main.useSettings(std::make_unique<QSettings>(file, QSettings::IniFormat));
            w.command("mnuViewZoomIn")->trigger();
            w.command("mnuViewZoomIn")->trigger();
            QCOMPARE(pointerOf(w.main)->zoom(), 1.5);
        }
        const auto zoomOfNextRun = [&] {
            frmMain again;
            again.useSettings(std::make_unique<QSettings>(file, QSettings::IniFormat));
            return pointerOf(again)->zoom();
        };
        QCOMPARE(zoomOfNextRun(), 1.5);
        QSettings(file, QSettings::IniFormat).setValue(QStringLiteral("view/zoom"), 5000);
        QCOMPARE(zoomOfNextRun(), 4.0);
        QSettings(file, QSettings::IniFormat).setValue(QStringLiteral("view/zoom"), "big");
        QCOMPARE(zoomOfNextRun(), 1.0);
    }
};

QTEST_MAIN(TestPointAndEdit)
#include "test_point_and_edit.moc"
