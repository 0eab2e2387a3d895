#include "EditWindow.h"
#include "framework/Globals.h"
#include "scheme/SchemeFile.h"
#include "support/ModalSteps.h"
#include "ui/editor/ColorSwatch.h"
#include "ui/editor/EditorPanel.h"
#include "ui/preview/PreviewPage.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <unistd.h>

using Kind = ScriptedDialogs::Kind;

namespace {
const QString Filter = QStringLiteral("All Files (*.*)|*.*|Tintora Scheme (*.tna)|*.tna");

// A real edit through the panel: a text colour for row 2.
void editTextColour(EditWindow& w, qint32 color) {
    w.dialogs->answerColor(color);
    QTest::mouseClick(control<QWidget>(w.main, "lblFGColorSelect", 2), Qt::LeftButton);
}

// The scheme's values as the file carries them, without the file information.
QStringList elementLines(const ColorScheme& scheme) {
    return schemeFileLines(scheme, testFileInformation()).mid(7);
}
} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void captionAndSaveThroughEditSaveAsSaveOpen() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        editTextColour(w, rgbValue(1, 1, 1));
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: Untitled *"));

        // Save As with a name typed without extension, the scheme filter selected.
        const QString typed = world.path(QStringLiteral("blue"));
        const QString path = typed + QStringLiteral(".tna");
        w.dialogs->answerFile(Kind::Save, typed);
        w.command("mnuFileSaveAs")->trigger();
        const DialogProperties& shown = w.dialogs->calls.last().shownWith;
        QCOMPARE(shown.Filter, Filter);
        QCOMPARE(shown.FilterIndex, 2);
        QCOMPARE(shown.InitDir, globals().AppDataPath);
        QCOMPARE(shown.FileName, QStringLiteral("Untitled"));
        QVERIFY(QFile::exists(path));
        QVERIFY(!QFile::exists(typed));
        QCOMPARE(w.scheme().SchemeFileName, path);
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: ") + path);
        QVERIFY(!w.command("mnuFileSave")->isEnabled());
        QVERIFY(!w.scheme().SchemeChanged);

        // An edit, then Save writes to the same file without asking.
        editTextColour(w, rgbValue(2, 2, 2));
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: ") + path + QStringLiteral(" *"));
        QVERIFY(w.command("mnuFileSave")->isEnabled());
        const qsizetype dialogsBefore = w.dialogs->calls.size();
        w.command("mnuFileSave")->trigger();
        QCOMPARE(w.dialogs->calls.size(), dialogsBefore);
        QVERIFY(readFile(path).contains("\tForeColor: 131586\r\n"));
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: ") + path);
        QVERIFY(!w.command("mnuFileSave")->isEnabled());

        // Open with unsaved edits keeps the change mark; the caption has the title.
        editTextColour(w, rgbValue(3, 3, 3));
        w.dialogs->answerFile(Kind::Open, path);
        w.command("mnuFileOpen")->trigger();
        QCOMPARE(w.dialogs->calls.last().shownWith.FileName, path);
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: blue *"));
        QVERIFY(w.scheme().SchemeChanged);
        QVERIFY(w.command("mnuFileSave")->isEnabled());
        QCOMPARE(w.scheme().color(ColorAttr::Fore, 1), rgbValue(2, 2, 2));
        QCOMPARE(control<ColorSwatch>(w.main, "lblFGColorSelect", 2)->colorValue(),
                 rgbValue(2, 2, 2));
        QCOMPARE(world.prompt.messages, QStringList());
    }

    void savedFileOpensWithEveryValue() {
        TestWorld world;
        world.setUpGlobals();
        const QString path = world.path(QStringLiteral("round.tna"));
        QStringList saved;
        {
            EditWindow w(world);
            w.dialogs->answerFont(QStringLiteral("georgia"), 10.5f, true, false);
            QTest::mouseClick(control<QWidget>(w.main, "cmdFontSelect", 4), Qt::LeftButton);
            w.dialogs->answerColor(rgbValue(9, 8, 7));
            QTest::mouseClick(control<QWidget>(w.main, "lblBGColorSelect", 3), Qt::LeftButton);
            w.scheme().image(19) = QStringLiteral("never written");
            w.dialogs->answerFile(Kind::Save, path);
            w.command("mnuFileSave")->trigger();
            saved = elementLines(w.scheme());
        }
        frmMain fresh;
        auto scripted = std::make_unique<ScriptedDialogs>();
        scripted->answerFile(Kind::Open, path);
        fresh.setDialogService(std::move(scripted));
        control<QAction>(fresh, "mnuFileOpen")->trigger();
        QCOMPARE(elementLines(fresh.scheme()), saved);
        QCOMPARE(fresh.scheme().font(FontAttr::Face, 3).toText(), QStringLiteral("Georgia"));
        QCOMPARE(fresh.scheme().pageBackground(), rgbValue(9, 8, 7));
        QCOMPARE(fresh.scheme().ThemeName, QString());
        QVERIFY(!fresh.scheme().SchemeChanged);
        QCOMPARE(fresh.windowTitle(), QStringLiteral("TNA: round"));
        QCOMPARE(control<QPushButton>(fresh, "cmdFontSelect", 4)->text(),
                 QStringLiteral("Georgia - 10.5"));
        QCOMPARE(world.prompt.messages, QStringList());
    }

    void foreignFileIsReportedAndLoadedAfterIgnore() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QString path = world.path(QStringLiteral("other.tna"));
        writeFile(path, crlfLines({"FILE INFORMATION", "{", "\tApplication Name: Other Tool", "}",
                                   "BODY", "{", "\tForeColor: 255", "}"}));
        world.prompt.script({ErrorPrompt::Answer::Ignore});
        w.dialogs->answerFile(Kind::Open, path);
        w.command("mnuFileOpen")->trigger();
        QCOMPARE(world.prompt.messages.size(), 1);
        QVERIFY(world.prompt.messages[0].contains(QStringLiteral("Err#19691")));
        QVERIFY(world.prompt.messages[0].contains(QStringLiteral("Task: Open file: ") + path));
        QVERIFY(world.prompt.messages[0].contains(QStringLiteral("frmMain.mnuFileOpen_Click")));
        QCOMPARE(w.scheme().color(ColorAttr::Fore, 1), 255);
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: other"));
    }

    // A scheme file copied to another folder with its pictures beside it opens with
    // those pictures. One box says how many were found elsewhere and lists the one found
    // nowhere; edits, undo, redo and F5 redraw the same scheme without a word, and the
    // next Open says it again.
    void schemeFileThatTravelledFindsItsPictures() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const int banner = themeElement(Element::BANNER).imageSlot;
        const int rule = themeElement(Element::HORIZRULE).imageSlot;
        QVERIFY(QDir().mkpath(world.path("away")));
        QVERIFY(QFile::copy(w.scheme().image(banner), world.path("away/Banner.gif")));
        ColorScheme written = w.scheme();
        written.image(banner) = world.path("gone/banner.gif");
        written.image(rule) = world.path("gone/nowhere.gif");
        const QString moved = world.path("away/mine.tna");
        writeFile(moved, schemeFileBytes(schemeFileLines(written, testFileInformation())));

        w.dialogs->answerFile(Kind::Open, moved);
        w.command("mnuFileOpen")->trigger();
        QCOMPARE(w.scheme().image(banner), world.path("away/Banner.gif"));
        QCOMPARE(world.prompt.messages, QStringList());
        QCOMPARE(world.prompt.informed.size(), 1);
        const QString box = world.prompt.informed[0];
        QVERIFY2(box.startsWith(QStringLiteral("mine.tna names pictures")), qPrintable(box));
        QVERIFY(box.contains(QStringLiteral("shown from there: 1.")));
        QVERIFY(box.contains(QStringLiteral("\n\nThis theme didn't load correctly\n\n") +
                             world.path("gone/nowhere.gif")));

        editTextColour(w, rgbValue(4, 4, 4));
        w.command("mnuEditUndo")->trigger();
        w.command("mnuEditRedo")->trigger();
        w.command("actRefresh")->trigger();
        QCOMPARE(world.prompt.informed.size(), 1);

        w.dialogs->answerFile(Kind::Open, moved);
        w.command("mnuFileOpen")->trigger();
        QCOMPARE(world.prompt.informed.size(), 2);
        QCOMPARE(world.prompt.informed[1], box);
    }

    void fileWithoutASchemeIsRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text with LF line ends")
            << QByteArray("Dear BODY,\n{\n\tForeColor: 255\n}\n");
        QTest::newRow("binary") << QByteArray("GIF89a\x01\0\x01\0\x80\0\0\xff\xff\xff\0\0\0!", 20);
    }
    void fileWithoutASchemeIsRefused() {
        QFETCH(QByteArray, bytes);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QString mine = world.path(QStringLiteral("mine.tna"));
        w.dialogs->answerFile(Kind::Save, mine);
        w.command("mnuFileSaveAs")->trigger();
        editTextColour(w, rgbValue(6, 6, 6));
        const QStringList before = schemeFileLines(w.scheme(), testFileInformation());
        const QString caption = w.main.windowTitle();

        const QString precious = world.path(QStringLiteral("precious.bin"));
        writeFile(precious, bytes);
        w.dialogs->answerFile(Kind::Open, precious);
        w.command("mnuFileOpen")->trigger();
        QCOMPARE(world.prompt.informed,
                 QStringList{QStringLiteral(
                     "precious.bin is not a Tintora scheme file: no section was recognised.")});
        QCOMPARE(world.prompt.messages, QStringList());
        QCOMPARE(w.scheme().SchemeFileName, mine);
        QCOMPARE(w.main.windowTitle(), caption);
        QCOMPARE(schemeFileLines(w.scheme(), testFileInformation()), before);

        // The next Save goes to the scheme's own file; the other one is untouched.
        w.command("mnuFileSave")->trigger();
        QCOMPARE(readFile(precious), bytes);
        QVERIFY(readFile(mine).contains("\tForeColor: 394758\r\n"));
    }

    void cancelledFileDialogsChangeNothing_data() {
        QTest::addColumn<bool>("open");
        QTest::newRow("save as") << false;
        QTest::newRow("open") << true;
    }
    void cancelledFileDialogsChangeNothing() {
        QFETCH(bool, open);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QStringList before = schemeFileLines(w.scheme(), testFileInformation());
        w.dialogs->answerCancel(open ? Kind::Open : Kind::Save);
        w.command(open ? "mnuFileOpen" : "mnuFileSaveAs")->trigger();
        QCOMPARE(w.dialogs->calls.size(), 1);
        QCOMPARE(w.scheme().SchemeFileName, QString());
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA"));
        QCOMPARE(schemeFileLines(w.scheme(), testFileInformation()), before);
        QCOMPARE(QDir(world.dir.path()).entryList(QDir::Files), QStringList());
        QCOMPARE(world.prompt.messages, QStringList());
    }

    void saveOfANeverSavedSchemeRunsSaveAs() {
        TestWorld world;
        world.setUpGlobals();
        const QString current = QDir::currentPath();
        QVERIFY(QDir::setCurrent(world.dir.path()));
        EditWindow w(world);
        editTextColour(w, rgbValue(4, 4, 4));
        w.dialogs->answerCancel(Kind::Save);
        w.command("mnuFileSave")->trigger();
        const bool untitledWritten = QFile::exists(QStringLiteral("Untitled"));
        QDir::setCurrent(current);
        QVERIFY(!untitledWritten);
        QCOMPARE(w.dialogs->calls.last().kind, Kind::Save);
        QVERIFY(w.scheme().SchemeChanged);
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: Untitled *"));
    }

    void realSaveDialogGetsTheSchemeExtension() {
        TestWorld world;
        world.setUpGlobals();
        frmMain main;
        main.themes().mnuThemesItem_Click(0);
        main.scheme().SchemeChanged = true;
        const QString typed = world.path(QStringLiteral("green"));
        ModalSteps steps;
        steps.then<QFileDialog>([&](QFileDialog* d) { typeFileNameAndAccept(d, typed); }).start();
        control<QAction>(main, "mnuFileSaveAs")->trigger();
        QVERIFY(QFile::exists(typed + QStringLiteral(".tna")));
        QVERIFY(!QFile::exists(typed));
        QCOMPARE(main.windowTitle(), QStringLiteral("TNA: ") + typed + QStringLiteral(".tna"));
    }

    // Qt's own dialog, not the scripted one: the question about an existing file must
    // come whether the name is typed with its extension or without.
    void realSaveDialogAsksBeforeReplacing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("replace");
        QTest::newRow("without extension, keep") << "precious" << false;
        QTest::newRow("with extension, keep") << "precious.tna" << false;
        QTest::newRow("without extension, replace") << "precious" << true;
    }
    void realSaveDialogAsksBeforeReplacing() {
        QFETCH(QString, typed);
        QFETCH(bool, replace);
        TestWorld world;
        world.setUpGlobals();
        const QString precious = world.path(QStringLiteral("precious.tna"));
        writeFile(precious, "years of work");
        frmMain main;
        main.themes().mnuThemesItem_Click(0);
        main.scheme().SchemeChanged = true;

        bool nativeDialog = true;
        QString question;
        ModalSteps steps;
        steps
            .then<QFileDialog>([&](QFileDialog* d) {
                nativeDialog = !d->testOption(QFileDialog::DontUseNativeDialog);
                typeFileNameAndAccept(d, world.path(typed));
            })
            .then<QMessageBox>([&](QMessageBox* box) {
                question = box->text();
                box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
            });
        // Kept: the dialog stays open after the question and is then cancelled.
        if (!replace)
            steps.then<QFileDialog>([](QFileDialog* d) { d->reject(); });
        steps.start();
        control<QAction>(main, "mnuFileSaveAs")->trigger();

        QCOMPARE(steps.done(), replace ? 2 : 3);
        QVERIFY(!nativeDialog);
        QVERIFY2(question.contains(QStringLiteral("precious.tna")), qPrintable(question));
        QCOMPARE(QDir(world.dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("precious.tna")});
        if (replace) {
            QCOMPARE(readFile(precious).count("\r\n"), SchemeFileLineCount);
            QCOMPARE(main.scheme().SchemeFileName, precious);
        } else {
            QCOMPARE(readFile(precious), QByteArray("years of work"));
            QVERIFY(main.scheme().SchemeChanged);
        }
    }

    void savingWithTheAllFilesFilterKeepsTheName() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QString path = world.path(QStringLiteral("plain"));
        w.dialogs->answerFile(Kind::Save, path, 1);
        w.command("mnuFileSaveAs")->trigger();
        QVERIFY(QFile::exists(path));
        QCOMPARE(QDir(world.dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("plain")});
    }

    void captionTitleForAnyNameLength_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::newRow("one letter") << "a"
                                    << "a";
        QTest::newRow("short extension") << "b.t"
                                         << "b";
        QTest::newRow("two points") << "x.y.tna"
                                    << "x.y";
        QTest::newRow("only extension") << ".tna"
                                        << ".tna";
        QTest::newRow("long") << QString(200, QLatin1Char('n')) + ".scheme"
                              << QString(200, QLatin1Char('n'));
    }
    void captionTitleForAnyNameLength() {
        QFETCH(QString, name);
        QFETCH(QString, title);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QString path = world.path(name);
        w.dialogs->answerFile(Kind::Save, path, 1);
        w.command("mnuFileSaveAs")->trigger();
        QVERIFY(QFile::exists(path));
        w.dialogs->answerFile(Kind::Open, path, 1);
        w.command("mnuFileOpen")->trigger();
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: ") + title);
        QCOMPARE(world.prompt.messages, QStringList());
    }

    void failedSaveKeepsTheOldFileAndTheChanges_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("error");
        QTest::newRow("folder missing") << "missing"
                                        << "Err#76";
        QTest::newRow("no permission") << "read-only"
                                       << "Err#70";
        QTest::newRow("disk full") << "full"
                                   << "Err#61";
    }
    void failedSaveKeepsTheOldFileAndTheChanges() {
        QFETCH(QString, kind);
        QFETCH(QString, error);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        QString path = world.path(QStringLiteral("gone/x.tna"));
        QByteArray earlier;
        if (kind == QLatin1String("read-only")) {
            if (geteuid() == 0)
                QSKIP("root writes into read-only folders");
            QDir().mkpath(world.path(QStringLiteral("locked")));
            path = world.path(QStringLiteral("locked/x.tna"));
            w.dialogs->answerFile(Kind::Save, path);
            w.command("mnuFileSaveAs")->trigger();
            earlier = readFile(path);
            QVERIFY(!earlier.isEmpty());
            QFile::setPermissions(world.path(QStringLiteral("locked")),
                                  QFile::ReadOwner | QFile::ExeOwner);
        } else if (kind == QLatin1String("full")) {
            path = QStringLiteral("/dev/full");
            if (!QFile::exists(path))
                QSKIP("no /dev/full here");
        }
        editTextColour(w, rgbValue(5, 5, 5));
        if (kind != QLatin1String("read-only"))
            w.dialogs->answerFile(Kind::Save, path, 1);
        w.command("mnuFileSave")->trigger();
        QFile::setPermissions(world.path(QStringLiteral("locked")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(world.prompt.messages.size(), 1);
        QVERIFY2(world.prompt.messages[0].contains(error), qPrintable(world.prompt.messages[0]));
        QVERIFY(world.prompt.messages[0].contains(QStringLiteral("frmMain.mnuFileSave_Click")));
        QVERIFY(w.scheme().SchemeChanged);
        QVERIFY(w.main.windowTitle().endsWith(QStringLiteral(" *")));
        QVERIFY(w.command("mnuFileSave")->isEnabled());
        if (kind == QLatin1String("read-only"))
            QCOMPARE(readFile(path), earlier);
        else if (kind == QLatin1String("missing"))
            QVERIFY(!QFile::exists(path));
    }

    // A Save As that fails leaves the scheme where it was: its name, the caption, the
    // changed flag, the recent files and the folder the next dialog starts in, also for
    // a file opened without a dialog (dropped, or named on the command line). The
    // paths fail for every user, root included.
    void failedSaveAsKeepsTheNameAndTheFolder_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("dropped");
        QTest::newRow("special file system") << QStringLiteral("/proc/tintora-saved.tna") << false;
        QTest::newRow("folder is a file") << QStringLiteral("plain/saved.tna") << false;
        QTest::newRow("dropped file") << QStringLiteral("/proc/tintora-saved.tna") << true;
    }
    void failedSaveAsKeepsTheNameAndTheFolder() {
        QFETCH(QString, target);
        QFETCH(bool, dropped);
        TestWorld world;
        world.setUpGlobals();
        writeFile(world.path(QStringLiteral("plain")), "not a folder");
        if (!target.startsWith(QLatin1Char('/')))
            target = world.path(target);
        EditWindow w(world);
        const QString saved = world.path(QStringLiteral("kept/blue.tna"));
        QVERIFY(QDir().mkpath(world.path(QStringLiteral("kept"))));
        editTextColour(w, rgbValue(1, 1, 1));
        if (dropped) {
            writeFile(saved, schemeFileBytes(schemeFileLines(w.scheme(), testFileInformation())));
            w.main.files().openFile(saved);
        } else {
            w.dialogs->answerFile(Kind::Save, saved);
            w.command("mnuFileSaveAs")->trigger();
        }
        editTextColour(w, rgbValue(2, 2, 2));
        const QString caption = w.main.windowTitle();
        const QStringList recent = w.main.recentFiles();

        w.dialogs->answerFile(Kind::Save, target);
        w.command("mnuFileSaveAs")->trigger();
        QCOMPARE(world.prompt.messages.size(), 1);
        QVERIFY2(world.prompt.messages[0].contains(target), qPrintable(world.prompt.messages[0]));
        QVERIFY(world.prompt.messages[0].contains(QStringLiteral("Err#")));
        QVERIFY(!QFile::exists(target));
        QCOMPARE(w.scheme().SchemeFileName, saved);
        QCOMPARE(w.main.windowTitle(), caption);
        QVERIFY(w.scheme().SchemeChanged);
        QVERIFY(w.command("mnuFileSave")->isEnabled());
        QCOMPARE(w.main.recentFiles(), recent);
        QCOMPARE(w.main.cdbMain().FileName, saved);

        // The next Save writes the file it wrote before; the next Save As and Open
        // start from that file, not from where the save failed.
        w.command("mnuFileSave")->trigger();
        QVERIFY(readFile(saved).contains("\tForeColor: 131586\r\n"));
        w.dialogs->answerCancel(Kind::Save).answerCancel(Kind::Open);
        w.command("mnuFileSaveAs")->trigger();
        QCOMPARE(w.dialogs->calls.last().shownWith.FileName, saved);
        w.command("mnuFileOpen")->trigger();
        QCOMPARE(w.dialogs->calls.last().shownWith.FileName, saved);
    }
};

QTEST_MAIN(TestFileCommands)
#include "test_filecommands.moc"
