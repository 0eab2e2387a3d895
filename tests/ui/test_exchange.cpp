// The File menu's export and import as a user meets them: a theme exported and chosen
// from the Themes menu, an existing theme kept unless the user says replace, and a
// style sheet exported and imported back as one step.
#include "../export/ExportFixtures.h"
#include "EditWindow.h"
#include "contrast/MakeVariant.h"
#include "export/ExportFormat.h"
#include "export/TokenResolver.h"
#include "scheme/SchemeDiff.h"
#include "scheme/SchemeFile.h"
#include "support/ModalSteps.h"
#include "support/UnusualFiles.h"
#include "ui/dialogs/ErrorBox.h"

#include <QCheckBox>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QUndoStack>

using Kind = ScriptedDialogs::Kind;

namespace {
constexpr int BodyRow = 2;

// The Themes menu item of that caption; -1 when there is none.
int themesItem(frmMain& main, const QString& caption) {
    for (int index = 0; index < main.themes().itemCount(); ++index)
        if (main.themes().itemCaption(index) == caption)
            return index;
    return -1;
}

// Every colour a theme folder carries: each element's text colour and the page's.
QList<qint32> carriedColours(const ColorScheme& scheme) {
    QList<qint32> colours{scheme.pageBackground()};
    for (const ThemeElement& e : ThemeElements)
        if (e.colorSlot != NoSlot)
            colours << scheme.color(ColorAttr::Fore, e.colorSlot);
    return colours;
}

QStringList dialogKinds(const ScriptedDialogs& dialogs) {
    QStringList kinds;
    for (const ScriptedDialogs::Call& call : dialogs.calls)
        kinds << QString::number(static_cast<int>(call.kind));
    return kinds;
}

// An edit through the body row's text swatch, as a user makes it.
void editBodyColour(EditWindow& w, qint32 colour) {
    w.dialogs->answerColor(colour);
    QTest::mouseClick(control<QWidget>(w.main, "lblFGColorSelect", BodyRow), Qt::LeftButton);
}
// The window's scheme with both variants made and the banner's colour locked, as one
// step.
void makeVariants(EditWindow& w) {
    ColorScheme locked = w.scheme();
    locked.setLocked(ColorAttr::Back, themeElement(Element::BANNER).colorSlot, true);
    w.main.document().apply(QStringLiteral("Variants"), withVariantsMade(locked, PlainBackdrops()));
}
// Answers the dialog an export of `format` shows: the theme's name "Mine", or the
// file `path` in the save dialog.
void answerExport(EditWindow& w, const QString& format, const QString& path) {
    if (exportFormatNamed(format)->target == ExportTarget::ThemeFolder)
        w.dialogs->answerText(QStringLiteral("Mine"));
    else
        w.dialogs->answerFile(Kind::Save, path);
}
} // namespace

class TestExchange : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        // The theme sources are those of a machine without any: start-up lists the
        // themes folder as it is.
        qputenv("WINEPREFIX", QDir::tempPath().toLocal8Bit() + "/no-such-wine-prefix");
    }

    void exportedThemeIsChosenFromTheThemesMenu() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        editBodyColour(w, rgbValue(12, 34, 56));
        const QList<qint32> exported = carriedColours(w.scheme());
        const int itemsBefore = w.main.themes().itemCount();

        w.dialogs->answerText(QStringLiteral("  Mine "));
        w.command("mnuFileExportTheme")->trigger();
        QCOMPARE(world.prompt.messages, QStringList());
        QVERIFY(QFileInfo::exists(world.path(QStringLiteral("Themes/Mine/theme.css"))));
        QVERIFY(QFileInfo::exists(world.path(QStringLiteral("Themes/Mine/color1.css"))));
        // Listed as start-up lists the themes folder: Default, then each folder.
        QVERIFY(w.main.themes().itemCount() > itemsBefore);
        QCOMPARE(w.main.themes().itemCaption(0), QStringLiteral("Default"));
        QCOMPARE(w.command("mnuThemesItem_0")->shortcut(), QKeySequence(Qt::Key_F1));
        const int mine = themesItem(w.main, QStringLiteral("Mine"));
        QVERIFY(mine > 0);

        w.command("mnuThemesItem_0")->trigger();
        QVERIFY(carriedColours(w.scheme()) != exported);
        control<QAction>(w.main, "mnuThemesItem", mine)->trigger();
        QCOMPARE(w.scheme().ThemeName, QStringLiteral("Mine"));
        QCOMPARE(carriedColours(w.scheme()), exported);
        QCOMPARE(world.prompt.messages, QStringList());
    }

    // Where the machine's theme folders offer packages, start-up lists only those; the
    // theme just exported is offered all the same.
    void exportedThemeIsListedWhereStartUpWouldNot() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        w.main.themes().setLister([] { return QStringList{QStringLiteral("Packaged")}; });
        w.dialogs->answerText(QStringLiteral("Mine"));
        w.command("mnuFileExportTheme")->trigger();
        QStringList captions;
        for (int index = 0; index < w.main.themes().itemCount(); ++index)
            captions << w.main.themes().itemCaption(index);
        QCOMPARE(captions, (QStringList{QStringLiteral("Default"), QStringLiteral("Packaged"),
                                        QStringLiteral("Mine")}));
    }

    void existingThemeIsReplacedOnlyOnYes_data() {
        QTest::addColumn<bool>("replace");
        QTest::newRow("No keeps it") << false;
        QTest::newRow("Yes replaces it") << true;
    }
    void existingThemeIsReplacedOnlyOnYes() {
        QFETCH(bool, replace);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QString precious = world.path(QStringLiteral("Themes/Mine/theme.css"));
        writeFile(precious, "precious");

        w.dialogs->answerText(QStringLiteral("Mine")).answerQuestion(replace);
        // After No the name is asked again; the user cancels it.
        w.command("mnuFileExportTheme")->trigger();
        QCOMPARE(w.dialogs->calls.size(), replace ? 2 : 3);
        QCOMPARE(w.dialogs->calls[1].kind, Kind::Question);
        QVERIFY(w.dialogs->calls[1].prompt.contains(QStringLiteral("\"Mine\" exists already")));
        if (replace) {
            QVERIFY(readFile(precious) != "precious");
            QVERIFY(QFileInfo::exists(world.path(QStringLiteral("Themes/Mine/graph1.css"))));
        } else {
            QCOMPARE(w.dialogs->calls[2].kind, Kind::Text);
            QCOMPARE(readFile(precious), QByteArray("precious"));
            QCOMPARE(QDir(world.path(QStringLiteral("Themes/Mine"))).entryList(QDir::Files),
                     QStringList{QStringLiteral("theme.css")});
        }
        QCOMPARE(world.prompt.messages, QStringList());
    }

    void badThemeNamesAreAskedAgain_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("why");
        QTest::newRow("empty") << "   "
                               << "cannot be empty";
        QTest::newRow("separator") << "a/b"
                                   << "cannot hold \"/\"";
        QTest::newRow("Default") << "Default"
                                 << "the Themes menu's name for the theme Studio";
        QTest::newRow("control") << "a\tb"
                                 << "control characters";
        QTest::newRow("parent") << ".."
                                << "cannot hold \".\"";
    }
    void badThemeNamesAreAskedAgain() {
        QFETCH(QString, name);
        QFETCH(QString, why);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QStringList before =
            QDir(world.themesDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        w.dialogs->answerText(name);
        w.command("mnuFileExportTheme")->trigger();
        QCOMPARE(world.prompt.informed.size(), 1);
        QVERIFY2(world.prompt.informed[0].contains(why), qPrintable(world.prompt.informed[0]));
        QCOMPARE(dialogKinds(*w.dialogs),
                 (QStringList{QString::number(int(Kind::Text)), QString::number(int(Kind::Text))}));
        QCOMPARE(QDir(world.themesDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 before);
    }

    // The sheet follows the preview as the window shows it, and the example page beside
    // it is replaced only when the user says so.
    void exportCssFollowsThePreviewAndAsksForItsPage() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        QTest::mouseClick(control<QCheckBox>(w.main, "chkTransLabels"), Qt::LeftButton);
        QTest::mouseClick(control<QCheckBox>(w.main, "Check1"), Qt::LeftButton);
        const QString sheet = world.path(QStringLiteral("look.css"));
        const QString page = world.path(QStringLiteral("look.html"));
        writeFile(page, "my own page");

        w.dialogs->answerFile(Kind::Save, sheet).answerQuestion(false);
        w.command("mnuFileExportCss")->trigger();
        QCOMPARE(w.dialogs->pending(), 0);
        QVERIFY(w.dialogs->calls.last().prompt.contains(QStringLiteral("\"look.html\"")));
        QVERIFY(!QFileInfo::exists(sheet));
        QCOMPARE(readFile(page), QByteArray("my own page"));

        w.dialogs->answerFile(Kind::Save, sheet).answerQuestion(true);
        w.command("mnuFileExportCss")->trigger();
        QCOMPARE(world.prompt.messages, QStringList());
        const QByteArray css = readFile(sheet);
        QVERIFY(css.contains(".tintora-banner > * {\n"
                             "  background-color: var(--tintora-banner-background-color);"));
        QVERIFY(css.contains("  background-image: var(--tintora-background-image);\n"));
        QVERIFY(readFile(page).contains("<link rel=\"stylesheet\" href=\"look.css\">"));
    }

    void exportedCssImportsBackAsOneStep() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        editBodyColour(w, rgbValue(200, 10, 20));
        const ColorScheme exported = w.scheme();
        const QString sheet = world.path(QStringLiteral("site/look"));
        QDir().mkpath(world.path(QStringLiteral("site")));

        w.dialogs->answerFile(Kind::Save, sheet);
        w.command("mnuFileExportCss")->trigger();
        QCOMPARE(world.prompt.messages, QStringList());
        QCOMPARE(w.dialogs->calls.last().shownWith.DefaultExt, QStringLiteral("css"));
        const QString written = sheet + QStringLiteral(".css");
        QVERIFY(readFile(written).contains("--tintora-body-color: #c80a14"));

        w.command("mnuThemesItem_0")->trigger();
        editBodyColour(w, rgbValue(1, 2, 3));
        const ColorScheme edited = w.scheme();
        QUndoStack& history = w.main.document().undoStack();
        const int steps = history.count();

        w.dialogs->answerFile(Kind::Open, written);
        w.command("mnuFileImportCss")->trigger();
        QCOMPARE(world.prompt.messages, QStringList());
        QCOMPARE(history.count(), steps + 1);
        QCOMPARE(w.command("mnuEditUndo")->text(), QStringLiteral("&Undo Import look.css"));
        // Everything comes back; the pictures are the copies beside the sheet.
        QVERIFY(!schemeDifferences(edited, w.scheme()).isEmpty());
        for (const SchemeDifference& d : schemeDifferences(exported, w.scheme())) {
            QCOMPARE(d.attribute, Attribute::Image);
            QCOMPARE(QFileInfo(d.now).absolutePath(), QFileInfo(written).absolutePath());
            QCOMPARE(readFile(d.now), readFile(d.then));
        }
        QCOMPARE(control<QWidget>(w.main, "lblFGColorSelect", BodyRow)
                     ->palette()
                     .color(QPalette::Window),
                 QColor(200, 10, 20));

        w.command("mnuEditUndo")->trigger();
        QVERIFY(schemeDifferences(edited, w.scheme()).isEmpty());
    }

    // File > Export holds every export of the table of formats, in its order, and no
    // export is anywhere else in the File menu.
    void exportMenuIsTheTableOfFormats() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QMenu* file = control<QMenu>(w.main, "mnuFile");
        const QMenu* submenu = nullptr;
        for (const QAction* action : file->actions())
            if (action->objectName() == QLatin1String("mnuFileExport"))
                submenu = action->menu();
        QVERIFY(submenu);
        QCOMPARE(submenu->menuAction()->text(), QStringLiteral("E&xport"));
        QStringList items;
        for (const QAction* action : submenu->actions())
            items << action->objectName();
        QStringList table;
        for (const ExportFormat& format : exportFormats())
            table << exportCommandName(format);
        QCOMPARE(items, table);
        for (const QAction* action : file->actions())
            QVERIFY2(!action->objectName().startsWith(QLatin1String("mnuFileExport")) ||
                         action == submenu->menuAction(),
                     qPrintable(action->objectName()));
    }

    // Each export writes where its dialog says, the dialog titled with the export and
    // offering the format's ending, and the status bar says what went where.
    void everyExportSaysWhatItWroteWhere_data() {
        QTest::addColumn<QString>("format");
        for (const ExportFormat& format : exportFormats())
            QTest::newRow(format.name) << QString::fromLatin1(format.name);
    }
    void everyExportSaysWhatItWroteWhere() {
        QFETCH(QString, format);
        const ExportFormat& row = *exportFormatNamed(format);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QString site = world.path(QStringLiteral("site"));
        QDir().mkpath(site);
        QString written;
        if (row.target == ExportTarget::ThemeFolder) {
            w.dialogs->answerText(QStringLiteral("Mine"));
            written = world.path(QStringLiteral("Themes/Mine/theme.css"));
        } else {
            w.dialogs->answerFile(Kind::Save, site + QStringLiteral("/out"));
            const QString ending = QString::fromLatin1(row.ending);
            written = site + QStringLiteral("/out.") + ending.section(QLatin1Char('.'), -1);
        }
        w.command(exportCommandName(row).toLatin1().constData())->trigger();
        QCOMPARE(world.prompt.messages, QStringList());
        QCOMPARE(world.prompt.informed, QStringList());
        QVERIFY2(QFileInfo(written).isFile(), qPrintable(written));
        const QString told = w.main.statusBar()->currentMessage();
        if (row.target == ExportTarget::ThemeFolder) {
            QVERIFY2(told.startsWith(QStringLiteral("Exported the theme \"Mine\" to ")),
                     qPrintable(told));
            return;
        }
        const ScriptedDialogs::Call& dialog = w.dialogs->calls.last();
        QCOMPARE(dialog.shownWith.DialogTitle, QString::fromLatin1(row.title));
        QCOMPARE(dialog.shownWith.FileName,
                 QStringLiteral("Studio.") + QString::fromLatin1(row.ending));
        QVERIFY2(told.startsWith(QStringLiteral("Exported %1").arg(QFileInfo(written).fileName())),
                 qPrintable(told));
        QVERIFY2(told.contains(QStringLiteral(" to %1.").arg(site)), qPrintable(told));
        QVERIFY(!w.main.document().isChanged());
        // The title was the export's only: the next dialog has its own.
        QVERIFY(w.main.cdbMain().DialogTitle.isEmpty());
    }

    // What an export cannot carry of the scheme is said where it says what it wrote.
    void exportSaysWhatItCannotCarry_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("said");
        QTest::newRow("theme") << "theme"
                               << "carries neither the scheme's Dark and High";
        QTest::newRow("Tailwind") << "tailwind"
                                  << "does not carry which colours are locked";
        QTest::newRow("CSS") << "css" << QString();
    }
    void exportSaysWhatItCannotCarry() {
        QFETCH(QString, format);
        QFETCH(QString, said);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        makeVariants(w);
        answerExport(w, format, world.path(QStringLiteral("out")));
        w.command(exportCommandName(*exportFormatNamed(format)).toLatin1().constData())->trigger();
        const QString told = w.main.statusBar()->currentMessage();
        QVERIFY2(told.startsWith(QStringLiteral("Exported")), qPrintable(told));
        if (said.isEmpty())
            QVERIFY2(!told.contains(QStringLiteral("carr")), qPrintable(told));
        else
            QVERIFY2(told.contains(said), qPrintable(told));
    }

    // An export into a folder it may not write in is one box naming the folder and
    // why, never a box per file nor one offering Abort, and leaves nothing there.
    void readOnlyFolderIsOneBox_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("variants");
        QTest::newRow("CSS, its page and pictures") << "css" << false;
        QTest::newRow("tokens and the variants' files") << "tokens" << true;
        QTest::newRow("theme") << "theme" << false;
    }
    void readOnlyFolderIsOneBox() {
        QFETCH(QString, format);
        QFETCH(bool, variants);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        if (variants)
            makeVariants(w);
        const bool theme = format == QLatin1String("theme");
        const QString folder = theme ? world.themesDir() : world.path(QStringLiteral("site"));
        QDir().mkpath(folder);
        const QSet<QString> before = entriesUnder(folder);
        answerExport(w, format, folder + QStringLiteral("/look"));
        {
            const ReadOnlyFolder readOnly(folder);
            QVERIFY(readOnly.holds());
            w.command(exportCommandName(*exportFormatNamed(format)).toLatin1().constData())
                ->trigger();
        }
        QCOMPARE(world.prompt.messages, QStringList());
        QCOMPARE(world.prompt.informed.size(), 1);
        const QString box = world.prompt.informed[0];
        QVERIFY2(box.contains(QStringLiteral("could not write into the folder \"%1\"")
                                  .arg(QDir::toNativeSeparators(folder))),
                 qPrintable(box));
        QVERIFY2(box.contains(QStringLiteral("Permission denied")), qPrintable(box));
        QCOMPARE(box.count(QStringLiteral("(error")), 1);
        QCOMPARE(entriesUnder(folder), before);
        QVERIFY(!w.main.statusBar()->currentMessage().startsWith(QStringLiteral("Exported")));
    }

    // Tokens of a scheme with variants go out with the variants' files and come back,
    // variants and locks included, as one step; files in the way are replaced only on
    // Yes.
    void tokensWithVariantsExportAndImportBack() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        makeVariants(w);
        const QStringList exported = schemeFileLines(w.scheme(), testFileInformation());
        const QString path = world.path(QStringLiteral("look.tokens.json"));
        const DesignTokenFiles files = designTokenFiles(path);
        writeFile(files.dark, "mine");

        w.dialogs->answerFile(Kind::Save, path).answerQuestion(false);
        w.command("mnuFileExportTokens")->trigger();
        QVERIFY(w.dialogs->calls.last().prompt.startsWith(
            QStringLiteral("\"look.dark.tokens.json\" exist")));
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(readFile(files.dark), QByteArray("mine"));

        w.dialogs->answerFile(Kind::Save, path).answerQuestion(true);
        w.command("mnuFileExportTokens")->trigger();
        QCOMPARE(world.prompt.messages, QStringList());
        for (const QString& file : {path, files.dark, files.contrast, files.resolver})
            QVERIFY2(readFile(file).startsWith("{"), qPrintable(file));

        ColorScheme plain = w.scheme();
        plain.DarkColors.reset();
        plain.ContrastColors.reset();
        plain.LockedColors = {};
        w.main.document().apply(QStringLiteral("Plain"), plain);
        const int steps = w.main.document().undoStack().count();
        w.dialogs->answerFile(Kind::Open, path);
        w.command("mnuFileImportTokens")->trigger();
        QCOMPARE(world.prompt.messages, QStringList());
        QCOMPARE(world.prompt.informed, QStringList());
        QCOMPARE(schemeFileLines(w.scheme(), testFileInformation()), exported);
        QCOMPARE(w.main.document().undoStack().count(), steps + 1);
        QCOMPARE(w.command("mnuEditUndo")->text(), QStringLiteral("&Undo Import look.tokens.json"));

        // The same file again changes nothing, and says so.
        w.dialogs->answerFile(Kind::Open, path);
        w.command("mnuFileImportTokens")->trigger();
        QCOMPARE(world.prompt.informed.size(), 1);
        QVERIFY(world.prompt.informed[0].startsWith(QStringLiteral("The scheme has the values")));
    }

    void tokenFileWithoutSchemeChangesNothing() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QString file = world.path(QStringLiteral("brand.json"));
        writeFile(file, "{\"brand\": {\"red\": {\"$type\": \"color\", \"$value\": \"#ff0000\"}}}");
        const int steps = w.main.document().undoStack().count();
        w.dialogs->answerFile(Kind::Open, file);
        w.command("mnuFileImportTokens")->trigger();
        QCOMPARE(world.prompt.informed.size(), 1);
        QVERIFY(world.prompt.informed[0].startsWith(QStringLiteral("brand.json holds no Tintora")));
        QCOMPARE(w.main.document().undoStack().count(), steps);
    }

    void sheetWithoutSchemeChangesNothing() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QString sheet = world.path(QStringLiteral("plain.css"));
        writeFile(sheet, ":root { --brand: #123456; }\nbody { color: red; }\n");
        const QStringList before = schemeFileLines(w.scheme(), testFileInformation());
        const int steps = w.main.document().undoStack().count();

        w.dialogs->answerFile(Kind::Open, sheet);
        w.command("mnuFileImportCss")->trigger();
        QCOMPARE(world.prompt.informed.size(), 1);
        QVERIFY(world.prompt.informed[0].startsWith(QStringLiteral("plain.css holds no Tintora")));
        QCOMPARE(schemeFileLines(w.scheme(), testFileInformation()), before);
        QCOMPARE(w.main.document().undoStack().count(), steps);
        QVERIFY(!w.main.document().isChanged());
    }

    // However many values are bad, one box lists them all; the good ones are one step.
    void badValuesAreReportedInOneBox() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QString sheet = world.path(QStringLiteral("bad.css"));
        QByteArray css = ":root {\n  --tintora-h1-color: #010203;\n";
        for (int i = 0; i < 20; ++i)
            css += "  --tintora-body-color: nonsense" + QByteArray::number(i) + ";\n";
        writeFile(sheet, css + "}\n");
        w.dialogs->answerFile(Kind::Open, sheet);
        w.command("mnuFileImportCss")->trigger();
        QCOMPARE(world.prompt.messages, QStringList());
        QCOMPARE(world.prompt.informed.size(), 1);
        const QString box = world.prompt.informed[0];
        QVERIFY(box.startsWith(QStringLiteral("bad.css could not be imported whole")));
        for (int i = 0; i < 20; ++i)
            QVERIFY(box.contains(QStringLiteral("nonsense%1\n").arg(i)) ||
                    box.endsWith(QStringLiteral("nonsense%1").arg(i)));
        QCOMPARE(w.scheme().color(ColorAttr::Fore, elementForRow(3)->colorSlot), rgbValue(1, 2, 3));
        QCOMPARE(w.command("mnuEditUndo")->text(), QStringLiteral("&Undo Import bad.css"));
    }

    // Thousands of bad values give a box no taller than the screen: the first twenty in
    // it, how many more there are, and each of those in a list to scroll through.
    void manyBadValuesFitTheScreen() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        constexpr int Bad = 2000;
        QByteArray css = ":root {\n  --tintora-h1-color: #010203;\n";
        for (int i = 0; i < Bad; ++i)
            css += "  --tintora-body-color: nonsense" + QByteArray::number(i) + ";\n";
        writeFile(world.path(QStringLiteral("bad.css")), css + "}\n");
        QtErrorPrompt boxes;
        setErrorPrompt(&boxes);
        QString shown;
        QString listed;
        bool fits = false;
        ModalSteps steps;
        steps
            .then<QDialog>([&](QDialog* box) {
                fits = box->frameGeometry().height() <= box->screen()->availableSize().height();
                for (const QLabel* label : box->findChildren<QLabel*>())
                    shown += label->text() + QLatin1Char('\n');
                for (const QPlainTextEdit* list : box->findChildren<QPlainTextEdit*>())
                    listed += list->toPlainText();
                box->accept();
            })
            .start();
        w.dialogs->answerFile(Kind::Open, world.path(QStringLiteral("bad.css")));
        w.command("mnuFileImportCss")->trigger();
        setErrorPrompt(&world.prompt);
        QCOMPARE(steps.done(), 1);
        QVERIFY(fits);
        QCOMPARE(shown.count(QStringLiteral("nonsense")), 20);
        QVERIFY2(shown.contains(QStringLiteral("%1 more").arg(Bad - 20)),
                 qPrintable(shown.left(200)));
        QCOMPARE(listed.count(QStringLiteral("nonsense")), Bad - 20);
        QVERIFY(listed.contains(QStringLiteral("nonsense%1").arg(Bad - 1)));
    }
};

QTEST_MAIN(TestExchange)
#include "test_exchange.moc"
