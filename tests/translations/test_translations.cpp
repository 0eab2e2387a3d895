#include "framework/ErrorHandler.h"
#include "framework/RuntimeError.h"
#include "startup/Translations.h"
#include "support/Controls.h"
#include "support/ModalSteps.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "ui/dialogs/DialogService.h"
#include "ui/dialogs/ErrorBox.h"
#include "ui/window/frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {
const QLocale German(QLocale::German, QLocale::Germany);

// The titles of the main window's menus, in order.
QStringList menuTitles(const frmMain& main) {
    QStringList titles;
    for (const QAction* action : main.menuBar()->actions())
        titles << action->text();
    return titles;
}

QString actionText(const frmMain& main, const char* name) {
    return control<QAction>(main, name)->text();
}

// What the save question shows: its text and its buttons' texts, answered with Cancel.
struct SaveQuestion {
    QString text;
    QStringList buttons;
};

SaveQuestion askSaveChanges(const QString& name) {
    SaveQuestion shown;
    ModalSteps steps;
    steps
        .then<QMessageBox>([&](QMessageBox* box) {
            shown.text = box->text();
            for (QAbstractButton* button : box->buttons())
                shown.buttons << button->text();
            box->button(QMessageBox::Cancel)->click();
        })
        .start();
    QtDialogService service(nullptr);
    if (service.askSaveChanges(name) != DialogService::SaveAnswer::Cancel)
        shown.buttons << QStringLiteral("(not cancelled)");
    return shown;
}
} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { loadTranslations(QLocale::c()); }

    // The start-up routine finds the program's German translation only for German.
    void onlyGermanHasATranslation_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("found");
        QTest::newRow("de_DE") << German << true;
        QTest::newRow("de_AT") << QLocale(QLocale::German, QLocale::Austria) << true;
        QTest::newRow("C") << QLocale::c() << false;
        QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << false;
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << false;
        QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France) << false;
    }
    void onlyGermanHasATranslation() {
        QFETCH(QLocale, locale);
        QFETCH(bool, found);
        QCOMPARE(loadTranslations(locale), found);
    }

    void germanMainWindow() {
        TestWorld world;
        world.setUpGlobals();
        QVERIFY(loadTranslations(German));
        frmMain main;
        QCOMPARE(menuTitles(main),
                 (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "&Themes", "&Hilfe"}));
        QCOMPARE(actionText(main, "mnuFileOpen"), QStringLiteral("Ö&ffnen"));
        QCOMPARE(actionText(main, "mnuFileSaveAs"), QStringLiteral("Speichern &unter"));
        QCOMPARE(actionText(main, "mnuEditRevertAll"), QStringLiteral("&Alles zurücksetzen"));
        QCOMPARE(control<QCheckBox>(main, "Check1")->text(),
                 QStringLiteral("Hintergrundbild zeigen"));
        QCOMPARE(control<QLabel>(main, "lblItemName_3")->text(), QStringLiteral("Überschrift 1"));
        // Undo names its step after a colon, and has none while there is no step.
        QCOMPARE(actionText(main, "mnuEditUndo"), QStringLiteral("&Rückgängig"));
        main.document().apply(QStringLiteral("Farbe von Überschrift 1"), main.scheme());
        QCOMPARE(actionText(main, "mnuEditUndo"),
                 QStringLiteral("&Rückgängig: Farbe von Überschrift 1"));
        // A theme's name is the key of its menu item, the same in every language.
        QCOMPARE(main.themes().itemCaption(0), QStringLiteral("Default"));
        QCOMPARE(actionText(main, "mnuThemesItem_0"), QStringLiteral("Default"));
        // The caption keeps its prefix; only the placeholder name is translated, not
        // the name the rules put in the variable.
        QString name;
        main.UpdateFormCaption(name);
        QCOMPARE(name, QStringLiteral("Untitled"));
        QCOMPARE(main.windowTitle(), QStringLiteral("TNA: Unbenannt *"));
    }

    // The program's message and Qt's own buttons in the same box, both German.
    void germanMessageWithQtsButtons() {
        QVERIFY(loadTranslations(German));
        const SaveQuestion shown = askSaveChanges(QStringLiteral("blau.tna"));
        QCOMPARE(shown.text, QStringLiteral("Das Farbschema wurde geändert.\n"
                                            "Möchten Sie die Änderungen in blau.tna speichern?"));
        QVERIFY2(shown.buttons.contains(QStringLiteral("Speichern")),
                 qPrintable(shown.buttons.join('|')));
        QVERIFY2(shown.buttons.contains(QStringLiteral("Abbrechen")),
                 qPrintable(shown.buttons.join('|')));
    }

    // The error box's words are translated; the routine and the task, trace names, are not.
    void germanRuntimeErrorMessage() {
        QVERIFY(loadTranslations(German));
        const QString message =
            runtimeErrorMessage(Err::FileNotFound, errorDescription(Err::FileNotFound),
                                QStringLiteral("frmMain.LoadTheme"), QStringLiteral("Load Theme"),
                                QStringLiteral("/t/theme.css"));
        QCOMPARE(message, QStringLiteral(" Fehler Nr. 53 aufgetreten - Datei nicht gefunden\r\r"
                                         "Routine: frmMain.LoadTheme\r   Aufgabe: Load Theme\r\r"
                                         "/t/theme.css\r\rEine Grafikdatei fehlt. Das Theme sieht "
                                         "möglicherweise nicht richtig aus."));
    }

    // The error box's buttons say what they do in every language: Abort ends the
    // program, and must never read as Cancel.
    void runtimeErrorBoxButtons_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedKingdom)
                                 << QStringList{"Abort", "Retry", "Ignore"};
        QTest::newRow("German") << German
                                << QStringList{"Programm beenden", "Wiederholen", "Ignorieren"};
    }
    void runtimeErrorBoxButtons() {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, buttons);
        loadTranslations(locale);
        QtErrorPrompt prompt;
        QStringList shown;
        ModalSteps steps;
        steps
            .then<QMessageBox>([&](QMessageBox* box) {
                for (const auto which :
                     {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore})
                    shown << box->button(which)->text();
                box->button(QMessageBox::Ignore)->click();
            })
            .start();
        QCOMPARE(prompt.askRuntimeError(QStringLiteral("error")), ErrorPrompt::Answer::Ignore);
        QCOMPARE(shown, buttons);
    }

    // Loading another language replaces the German one instead of stacking on it.
    void backToEnglish() {
        QVERIFY(loadTranslations(German));
        QVERIFY(!loadTranslations(QLocale(QLocale::English, QLocale::UnitedKingdom)));
        TestWorld world;
        world.setUpGlobals();
        frmMain main;
        QCOMPARE(menuTitles(main), (QStringList{"&File", "&Edit", "&View", "&Themes", "&Help"}));
        const SaveQuestion shown = askSaveChanges(QStringLiteral("blue.tna"));
        QCOMPARE(shown.text, QStringLiteral("The colour scheme has been changed.\n"
                                            "Do you want to save the changes to blue.tna?"));
        QVERIFY(shown.buttons.contains(QStringLiteral("Save")));
        QCOMPARE(errorDescription(Err::FileNotFound), QStringLiteral("File not found"));
    }

    // The language of the environment, as the program meets it at start-up; the test
    // runs once under LANG=C and once under a German LANG.
    void systemLocaleAtStartUp() {
        const QString expected = qEnvironmentVariable("TINTORA_EXPECT_LANGUAGE");
        if (expected.isEmpty())
            QSKIP("run by CTest with a set LANG");
        QCOMPARE(loadTranslations(QLocale::system()), expected == QLatin1String("de"));
        TestWorld world;
        world.setUpGlobals();
        frmMain main;
        QCOMPARE(menuTitles(main).first(), expected == QLatin1String("de")
                                               ? QStringLiteral("&Datei")
                                               : QStringLiteral("&File"));
    }

    // tintora-cli speaks English whatever the environment's language.
    void commandLineStaysEnglish() {
        TestWorld world;
        const ProgramRun run =
            runProgram(QStringLiteral(TINTORA_CLI_PATH), world.path(QStringLiteral(".")),
                       {QStringLiteral("scheme"), QStringLiteral("--from"),
                        world.path(QStringLiteral("none.tna"))},
                       {},
                       {{QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8")},
                        {QStringLiteral("LANGUAGE"), QStringLiteral("de")}});
        QCOMPARE(run.err, "tintora-cli: " + world.path(QStringLiteral("none.tna")).toUtf8() +
                              ": File not found (error 53)\n");
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
