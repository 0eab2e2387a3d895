// Where the main window opens and stays. CTest runs this program on offscreen
// screens of several sizes (tests/ui/screens); each case reads the screen it is on.
#include "EditWindow.h"
#include "ui/preview/PreviewItem.h"
#include "ui/preview/PreviewPage.h"
#include "widgets/WindowUtil.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace {
QRect availableArea(const QWidget& window) {
    return window.screen()->availableGeometry();
}

// Centred in the area where the length fits (give or take the half pixel), at the
// area's start where it does not.
void checkPlacement(int start, int length, int areaStart, int areaLength, const char* what) {
    if (length <= areaLength)
        QVERIFY2(qAbs(start - (areaStart + (areaLength - length) / 2)) <= 1, what);
    else
        QVERIFY2(start == areaStart, what);
}

void checkPlaced(const QWidget& window) {
    const QRect area = availableArea(window);
    const QRect frame = window.frameGeometry();
    checkPlacement(frame.left(), frame.width(), area.left(), area.width(), "horizontally");
    checkPlacement(frame.top(), frame.height(), area.top(), area.height(), "vertically");
}
} // namespace

class TestWindowPlacement : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void centreFormKeepsTheTopLeftInTheArea_data() {
        QTest::addColumn<QSizeF>("share"); // of the available area
        QTest::newRow("fits") << QSizeF(0.5, 0.5);
        QTest::newRow("too tall") << QSizeF(0.5, 1.3);
        QTest::newRow("too wide") << QSizeF(1.3, 0.5);
        QTest::newRow("too big") << QSizeF(1.3, 1.3);
    }
    void centreFormKeepsTheTopLeftInTheArea() {
        QFETCH(QSizeF, share);
        TestWorld world;
        QWidget window;
        const QRect area = availableArea(window);
        window.resize(qRound(area.width() * share.width()), qRound(area.height() * share.height()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        CenterForm(&window);
        QTRY_VERIFY(window.frameGeometry().topLeft() != QPoint(-1, -1));
        checkPlaced(window);
        QVERIFY(world.prompt.messages.isEmpty());
    }

    // The window is centred at the size it really has, fitted to the theme, not at
    // the design size; on a screen too small for it, it starts at the top of the area
    // with its menu bar in sight, and the client area scrolls.
    void mainWindowOpensInTheAvailableArea() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        const QRect area = availableArea(w.main);
        const QSize frame = w.main.frameGeometry().size() - w.main.geometry().size();
        const QWidget* picDisplay = control<QWidget>(w.main, "picDisplay");
        const int status = w.main.statusBar()->sizeHint().height();
        const QSize fitted(picDisplay->x() + picDisplay->width() + 16,
                           picDisplay->height() + 52 + status);
        QTRY_VERIFY(area.contains(w.main.frameGeometry()));
        checkPlaced(w.main);
        QVERIFY(w.main.menuBar()->mapToGlobal(QPoint(0, 0)).y() >= area.top());

        auto* scroller = w.main.findChild<QScrollArea*>();
        QVERIFY(scroller);
        const bool tooTall = fitted.height() > area.height();
        // The size that fits the preview, or as much of it as the area takes (with room
        // for a scroll bar where the area has it).
        const QSize least = fitted.boundedTo(area.size()) - frame;
        QVERIFY(w.main.width() >= least.width() && w.main.height() >= least.height());
        if (!tooTall && fitted.width() <= area.width())
            QCOMPARE(w.main.size(), fitted - frame);
        QCOMPARE(scroller->verticalScrollBar()->maximum() > 0, tooTall);
        QCOMPARE(scroller->horizontalScrollBar()->maximum() > 0, fitted.width() > area.width());
        // All of the preview can be scrolled to.
        auto* last = control<PreviewItem>(w.main, "imgWebImage", 19);
        scroller->ensureWidgetVisible(last, 0, 0);
        const QRect shown(last->mapTo(scroller->viewport(), QPoint(0, 0)), last->size());
        QVERIFY(scroller->viewport()->rect().contains(shown));
        QVERIFY(world.prompt.messages.isEmpty());
    }

    // The docked Compare panel takes room of its own: where the screen has it, the
    // window widens by the panel and the preview keeps all of its width; closing the
    // panel gives the window its size back.
    void comparePanelWidensTheWindow() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        const QRect area = availableArea(w.main);
        QTRY_VERIFY(area.contains(w.main.frameGeometry()));
        const QSize before = w.main.size();
        auto* scroller = w.main.findChild<QScrollArea*>();
        const bool scrolledBefore = scroller->horizontalScrollBar()->maximum() > 0;
        auto* dock = control<QWidget>(w.main, "dockCompare");

        w.command("mnuViewCompare")->trigger();
        QTRY_VERIFY(dock->isVisible());
        QTRY_VERIFY(area.contains(w.main.frameGeometry()));
        const int frameWidth = w.main.frameGeometry().width() - w.main.width();
        if (before.width() + dock->width() + frameWidth < area.width()) {
            QTRY_VERIFY(w.main.width() >= before.width() + dock->width());
            QTRY_COMPARE(scroller->horizontalScrollBar()->maximum() > 0, scrolledBefore);
        }
        w.command("mnuViewCompare")->trigger();
        QTRY_COMPARE(w.main.size(), before);
        QVERIFY(world.prompt.messages.isEmpty());
    }

    void maximiseAndRestoreKeepThePlace() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        QTRY_VERIFY(availableArea(w.main).contains(w.main.frameGeometry()));
        const QRect placed = w.main.geometry();
        w.main.showMaximized();
        QTRY_VERIFY(w.main.isMaximized());
        w.main.showNormal();
        QTRY_COMPARE(w.main.geometry(), placed);
        QVERIFY(world.prompt.messages.isEmpty());
    }

    // A window manager may tell of the restored state before it gives the window its
    // place back, while the window still has the maximised geometry: the window goes
    // back to where it was, not to the screen's corner.
    void restoreToldBeforeThePlaceKeepsThePlace() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        const QPoint place(60, 40);
        w.main.move(place);
        QTRY_COMPARE(w.main.pos(), place);
        w.main.showMaximized();
        QTRY_VERIFY(w.main.isMaximized());
        QTRY_VERIFY(w.main.pos() != place);
        w.main.overrideWindowState(Qt::WindowNoState);
        QWindowStateChangeEvent restored(Qt::WindowMaximized);
        QApplication::sendEvent(&w.main, &restored);
        QTRY_COMPARE(w.main.pos(), place);
        QVERIFY(world.prompt.messages.isEmpty());
    }

    // Print neither maximises nor moves the window, and its picture is the whole
    // client area as laid out, also where the window shows only part of it.
    void printLeavesTheWindowWhereItIs() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        QTRY_VERIFY(availableArea(w.main).contains(w.main.frameGeometry()));
        const QRect placed = w.main.geometry();
        const QString pdf = world.path(QStringLiteral("window.pdf"));
        w.dialogs->printer().setOutputFileName(pdf);
        w.dialogs->answerPrinter(1);
        bool maximisedMeanwhile = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout,
                         [&] { maximisedMeanwhile = maximisedMeanwhile || w.main.isMaximized(); });
        watch.start(1);
        w.command("mnuFilePrint")->trigger();
        watch.stop();
        QVERIFY(QFileInfo::exists(pdf));
        QVERIFY(!maximisedMeanwhile);
        QCOMPARE(w.main.geometry(), placed);
        QVERIFY(world.prompt.messages.isEmpty());
    }
};

QTEST_MAIN(TestWindowPlacement)
#include "test_windowplacement.moc"
