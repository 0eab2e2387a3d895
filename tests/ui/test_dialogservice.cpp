#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "theme/ColorScheme.h"
#include "ui/dialogs/DialogService.h"
#include "ui/dialogs/FontDialog.h"
#include "widgets/WindowUtil.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {
const QString SchemeFilter = QStringLiteral("All Files (*.*)|*.*|Tintora Scheme (*.tna)|*.tna");

// Runs `action` on the modal dialog of type T as soon as it is open. If none of
// that type appears within thirty seconds, the next modal dialog of any kind is
// rejected, so that the test fails instead of hanging on a loaded machine.
template <class T> void whenModal(std::function<void(T*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, action, clock] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<T*>(modal)) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        } else if (clock->elapsed() > 30000) {
            if (auto* other = qobject_cast<QDialog*>(modal)) {
                timer->stop();
                timer->deleteLater();
                other->reject();
            }
        }
    });
    timer->start();
}

// A part of the font dialog by its object name.
template <class T> T* fontDialogPart(FontDialog* dialog, const char* name) {
    T* part = dialog->findChild<T*>(QLatin1String(name));
    if (!part)
        qFatal("the font dialog has no part %s", name);
    return part;
}

// Types into a field or a list as a user would: a field's text is replaced.
void typeInto(QWidget* widget, const QString& text) {
    widget->setFocus();
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        field->selectAll();
    else if (auto* box = qobject_cast<QAbstractSpinBox*>(widget))
        box->selectAll();
    QTest::keyClicks(widget, text);
}

int cancelNumber(const std::function<void()>& show) {
    try {
        show();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}
} // namespace

class TestDialogService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void filterConvertsToQtForm_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("scheme filter") << SchemeFilter
                                       << QStringList{QStringLiteral("All Files (*)"),
                                                      QStringLiteral("Tintora Scheme (*.tna)")};
        QTest::newRow("description without patterns")
            << QStringLiteral("Pictures|*.gif;*.jpg")
            << QStringList{QStringLiteral("Pictures (*.gif *.jpg)")};
        QTest::newRow("dangling description dropped")
            << QStringLiteral("Text (*.txt)|*.txt|Orphan")
            << QStringList{QStringLiteral("Text (*.txt)")};
        QTest::newRow("empty") << QString() << QStringList{};
    }
    void filterConvertsToQtForm() {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        QCOMPARE(qtNameFilters(filter), expected);
    }

    void cancelRaises32755AndKeepsProperties() {
        ScriptedDialogs dialogs;
        dialogs.Color = 255;
        dialogs.FileName = QStringLiteral("/tmp/a.tna");
        dialogs.answerCancel(ScriptedDialogs::Kind::Color)
            .answerCancel(ScriptedDialogs::Kind::Open);
        QCOMPARE(cancelNumber([&] { dialogs.Show(DialogService::Dialog::Color); }), Err::Cancel);
        QCOMPARE(cancelNumber([&] { dialogs.Show(DialogService::Dialog::Open); }), Err::Cancel);
        // An empty queue answers Cancel too.
        QCOMPARE(cancelNumber([&] { dialogs.ShowPrinter(); }), Err::Cancel);
        QCOMPARE(dialogs.Color, 255);
        QCOMPARE(dialogs.FileName, QStringLiteral("/tmp/a.tna"));
        QCOMPARE(dialogs.calls.size(), 3);
    }

    // The one way the commands show a dialog: Cancel ends the command without a word,
    // any other error goes to the handler like any statement's.
    void showDialogEndsQuietlyOnCancelOnly() {
        TestWorld world;
        ScriptedDialogs dialogs;
        dialogs.answerCancel(ScriptedDialogs::Kind::Color).answerColor(77);
        {
            Procedure proc(QStringLiteral("frmMain.lblBGColorSelect_Click"));
            QVERIFY(!showDialog(proc, dialogs, DialogService::Dialog::Color));
            QVERIFY(showDialog(proc, dialogs, DialogService::Dialog::Color));
        }
        QCOMPARE(dialogs.Color, 77);
        QVERIFY(world.prompt.messages.isEmpty());

        // A service that fails: after Ignore the command goes on with its next line.
        class FailingDialogs : public DialogService {
        public:
            SaveAnswer askSaveChanges(const QString&) override { return SaveAnswer::Cancel; }
            bool askYesNo(const QString&, const QString&) override { return false; }
            std::optional<QString> askText(const QString&, const QString&,
                                           const QString&) override {
                return std::nullopt;
            }

        protected:
            bool run(Dialog) override { raiseError(Err::InvalidCall); }
        } failing;
        world.prompt.script({ErrorPrompt::Answer::Ignore});
        {
            Procedure proc(QStringLiteral("frmMain.mnuFilePrint_Click"));
            QVERIFY(showDialog(proc, failing, DialogService::Dialog::Printer));
        }
        QCOMPARE(world.prompt.messages.size(), 1);
        QVERIFY(world.prompt.messages[0].contains(QStringLiteral("Err#5")));
        QVERIFY(world.prompt.messages[0].contains(QStringLiteral("frmMain.mnuFilePrint_Click")));
    }

    void scriptedRecordsWhatWasSetAndKeepsValues() {
        ScriptedDialogs dialogs;
        dialogs.Filter = SchemeFilter;
        dialogs.FilterIndex = 2;
        dialogs.answerFile(ScriptedDialogs::Kind::Save, QStringLiteral("/x/blue.tna"))
            .answerFile(ScriptedDialogs::Kind::Open, QStringLiteral("/y/red.tna"), 1);
        dialogs.Show(DialogService::Dialog::Save);
        dialogs.Show(DialogService::Dialog::Open);
        QCOMPARE(dialogs.calls[1].shownWith.FileName, QStringLiteral("/x/blue.tna"));
        QCOMPARE(dialogs.calls[1].shownWith.Filter, SchemeFilter);
        QCOMPARE(dialogs.FileName, QStringLiteral("/y/red.tna"));
        QCOMPARE(dialogs.FilterIndex, 1);
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 dialogs.answerColor(1).Show(DialogService::Dialog::Font));
    }

    void qtColorDialogStartsFromColorAndReturnsChoice() {
        QWidget owner;
        QtDialogService dialogs(&owner);
        dialogs.Color = rgbValue(10, 20, 30);
        QColor shown;
        whenModal<QColorDialog>([&](QColorDialog* d) {
            shown = d->currentColor();
            d->setCurrentColor(QColor(200, 100, 50));
            d->accept();
        });
        dialogs.Show(DialogService::Dialog::Color);
        QCOMPARE(shown, QColor(10, 20, 30));
        QCOMPARE(dialogs.Color, rgbValue(200, 100, 50));

        whenModal<QColorDialog>([](QColorDialog* d) { d->reject(); });
        QCOMPARE(cancelNumber([&] { dialogs.Show(DialogService::Dialog::Color); }), Err::Cancel);
        QCOMPARE(dialogs.Color, rgbValue(200, 100, 50));
    }

    void qtFontDialogRoundTripsTheProperties() {
        QWidget owner;
        QtDialogService dialogs(&owner);
        dialogs.FontName = QStringLiteral("Liberation Serif");
        dialogs.FontSize = 14.0f;
        dialogs.FontBold = true;
        QString family;
        QString style;
        QFont shown;
        whenModal<FontDialog>([&](FontDialog* d) {
            family = fontDialogPart<QComboBox>(d, "fontFamily")->currentText();
            style = fontDialogPart<QComboBox>(d, "fontStyle")->currentText();
            shown = fontDialogPart<QLabel>(d, "fontSample")->font();
            typeInto(fontDialogPart<QDoubleSpinBox>(d, "fontSize"), QStringLiteral("18"));
            QTest::keyClick(fontDialogPart<QCheckBox>(d, "fontUnderline"), Qt::Key_Space);
            d->accept();
        });
        dialogs.Show(DialogService::Dialog::Font);
        QCOMPARE(family, QStringLiteral("Liberation Serif"));
        QCOMPARE(style, QStringLiteral("Bold"));
        QVERIFY(shown.bold());
        QCOMPARE(shown.pointSizeF(), 14.0);
        QCOMPARE(dialogs.FontName, QStringLiteral("Liberation Serif"));
        QVERIFY(dialogs.FontBold);
        QVERIFY(!dialogs.FontItalic);
        QVERIFY(dialogs.FontUnderline);
        QCOMPARE(dialogs.FontSize, 18.0f);
    }

    // A family this machine lacks is kept as the scheme holds it or as it was typed,
    // offered every style, and the sample names the face drawn in its place. A family
    // listed with its foundry is stored without it.
    void qtFontDialogKeepsAMissingFaceUnlessAnotherIsChosen_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("kept") << QString() << QString() << "No Such Face Tintora" << false << false;
        QTest::newRow("kept, bold") << QString() << "Bold"
                                    << "No Such Face Tintora" << true << false;
        QTest::newRow("typed, bold italic") << "Brand Sans Tintora"
                                            << "Bold Italic"
                                            << "Brand Sans Tintora" << true << true;
        QTest::newRow("installed")
            << "Liberation Mono" << QString() << "Liberation Mono" << false << false;
        QTest::newRow("with its foundry")
            << "Liberation Mono [ukwn]" << QString() << "Liberation Mono" << false << false;
    }
    void qtFontDialogKeepsAMissingFaceUnlessAnotherIsChosen() {
        QFETCH(QString, typed);
        QFETCH(QString, style);
        QFETCH(QString, stored);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QWidget owner;
        QtDialogService dialogs(&owner);
        dialogs.FontName = QStringLiteral("No Such Face Tintora");
        dialogs.FontSize = 10.0f;
        QString shownFamily;
        QString sampleFace;
        QStringList styles;
        whenModal<FontDialog>([&](FontDialog* d) {
            auto* family = fontDialogPart<QComboBox>(d, "fontFamily");
            shownFamily = family->currentText();
            sampleFace = fontDialogPart<QLabel>(d, "fontSampleFace")->text();
            auto* styleBox = fontDialogPart<QComboBox>(d, "fontStyle");
            for (int i = 0; i < styleBox->count(); ++i)
                styles << styleBox->itemText(i);
            if (!typed.isEmpty())
                typeInto(family->lineEdit(), typed);
            if (!style.isEmpty())
                styleBox->setCurrentIndex(styleBox->findText(style));
            typeInto(fontDialogPart<QDoubleSpinBox>(d, "fontSize"), QStringLiteral("12"));
            d->accept();
        });
        dialogs.Show(DialogService::Dialog::Font);
        QCOMPARE(shownFamily, QStringLiteral("No Such Face Tintora"));
        QCOMPARE(sampleFace,
                 QStringLiteral("No Such Face Tintora is not installed here: shown in ") +
                     QFontInfo(QFont(QStringLiteral("No Such Face Tintora"))).family() +
                     QStringLiteral(", as the preview shows it."));
        QCOMPARE(styles, (QStringList{"Regular", "Italic", "Bold", "Bold Italic"}));
        QCOMPARE(dialogs.FontName, stored);
        QCOMPARE(dialogs.FontBold, bold);
        QCOMPARE(dialogs.FontItalic, italic);
        QCOMPARE(dialogs.FontSize, 12.0f);
    }

    // Either decimal mark is taken, whatever the language, and the field shows the
    // size in the user's own.
    void qtFontDialogTakesFractionalSizes_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<float>("size");
        QTest::addColumn<QString>("shownAfter");
        QTest::newRow("10.5") << "C"
                              << "10.5" << 10.5f << "10.5";
        QTest::newRow("9.25") << "C"
                              << "9.25" << 9.25f << "9.25";
        QTest::newRow("comma in English") << "en_US"
                                          << "10,5" << 10.5f << "10.5";
        QTest::newRow("10,5 in German") << "de_DE"
                                        << "10,5" << 10.5f << "10,5";
        QTest::newRow("9,25 in German") << "de_DE"
                                        << "9,25" << 9.25f << "9,25";
        QTest::newRow("point in German") << "de_DE"
                                         << "10.5" << 10.5f << "10,5";
        QTest::newRow("whole") << "de_DE"
                               << "14" << 14.0f << "14";
    }
    void qtFontDialogTakesFractionalSizes() {
        QFETCH(QString, language);
        QFETCH(QString, typed);
        QFETCH(float, size);
        QFETCH(QString, shownAfter);
        const QLocale before;
        QLocale::setDefault(QLocale(language));
        QWidget owner;
        QtDialogService dialogs(&owner);
        dialogs.FontName = QStringLiteral("Liberation Serif");
        dialogs.FontSize = 8.0f;
        double sampleSize = 0;
        for (int round = 0; round < 2; ++round) {
            QString shown;
            whenModal<FontDialog>([&](FontDialog* d) {
                auto* field = fontDialogPart<QDoubleSpinBox>(d, "fontSize");
                shown = field->text();
                if (round == 0) {
                    typeInto(field, typed);
                    sampleSize = fontDialogPart<QLabel>(d, "fontSample")->font().pointSizeF();
                }
                d->accept();
            });
            dialogs.Show(DialogService::Dialog::Font);
            // The size chosen is shown again as the next dialog's start.
            QCOMPARE(shown, round == 0 ? QStringLiteral("8") : shownAfter);
            QCOMPARE(dialogs.FontSize, size);
        }
        QLocale::setDefault(before);
        QCOMPARE(sampleSize, static_cast<double>(size));
        // Stored as the scheme stores it, the text reads back as the same size.
        const SchemeValue stored = SchemeValue::single(dialogs.FontSize);
        QCOMPARE(SchemeValue::text(stored.toText()).toSingle(), size);
    }

    // A family chosen without a style keeps the style the dialog started with; a style
    // picked is taken. The sample shows what will be kept.
    void qtFontDialogKeepsTheStyleUnlessAnotherIsPicked_data() {
        QTest::addColumn<QString>("startFamily");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QString>("typedFamily");
        QTest::addColumn<QString>("pickedStyle");
        QTest::addColumn<bool>("boldAfter");
        QTest::addColumn<bool>("italicAfter");
        QTest::newRow("missing regular, new family")
            << "Georgia" << false << false << "DejaVu Sans" << QString() << false << false;
        QTest::newRow("missing bold, new family")
            << "Verdana" << true << false << "DejaVu Serif" << QString() << true << false;
        QTest::newRow("installed italic, new family")
            << "Liberation Sans" << false << true << "DejaVu Sans" << QString() << false << true;
        QTest::newRow("style picked") << "Georgia" << false << false << "Liberation Serif"
                                      << "Bold Italic" << true << true;
    }
    void qtFontDialogKeepsTheStyleUnlessAnotherIsPicked() {
        QFETCH(QString, startFamily);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(QString, typedFamily);
        QFETCH(QString, pickedStyle);
        QFETCH(bool, boldAfter);
        QFETCH(bool, italicAfter);
        QWidget owner;
        QtDialogService dialogs(&owner);
        dialogs.FontName = startFamily;
        dialogs.FontSize = 12.0f;
        dialogs.FontBold = bold;
        dialogs.FontItalic = italic;
        QFont shownAtStart;
        QFont shownAtEnd;
        whenModal<FontDialog>([&](FontDialog* d) {
            auto* sample = fontDialogPart<QLabel>(d, "fontSample");
            shownAtStart = sample->font();
            typeInto(fontDialogPart<QComboBox>(d, "fontFamily")->lineEdit(), typedFamily);
            if (!pickedStyle.isEmpty()) {
                auto* styles = fontDialogPart<QComboBox>(d, "fontStyle");
                styles->setFocus();
                // The keyboard picks it, as a user would: Down moves one style on.
                while (styles->currentText() != pickedStyle &&
                       styles->currentIndex() < styles->count() - 1)
                    QTest::keyClick(styles, Qt::Key_Down);
            }
            shownAtEnd = sample->font();
            d->accept();
        });
        dialogs.Show(DialogService::Dialog::Font);
        QCOMPARE(dialogs.FontName, typedFamily);
        QCOMPARE(dialogs.FontBold, boldAfter);
        QCOMPARE(dialogs.FontItalic, italicAfter);
        QCOMPARE(shownAtEnd.family(), typedFamily);
        QCOMPARE(shownAtEnd.italic(), italicAfter);
        QCOMPARE(shownAtEnd.bold(), boldAfter);
        QCOMPARE(shownAtStart.italic(), italic);
        QCOMPARE(shownAtStart.bold(), bold);
    }

    void qtSaveDialogShowsFilterAndInitDir() {
        TestWorld world;
        QWidget owner;
        QtDialogService dialogs(&owner);
        dialogs.Filter = SchemeFilter;
        dialogs.FilterIndex = 2;
        dialogs.InitDir = world.dir.path();
        QStringList filters;
        QString selected;
        QString directory;
        const QString target = world.path(QStringLiteral("mine.tna"));
        whenModal<QFileDialog>([&](QFileDialog* d) {
            filters = d->nameFilters();
            selected = d->selectedNameFilter();
            directory = d->directory().absolutePath();
            // Typed as a user would: selectFile() leaves a focused name field alone.
            auto* nameField = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(nameField);
            nameField->setText(target);
            // QFileDialog hides accept(); through QDialog it still checks the name.
            static_cast<QDialog*>(d)->accept();
        });
        dialogs.Show(DialogService::Dialog::Save);
        QCOMPARE(filters, qtNameFilters(SchemeFilter));
        QCOMPARE(selected, QStringLiteral("Tintora Scheme (*.tna)"));
        QCOMPARE(directory, QDir(world.dir.path()).absolutePath());
        QCOMPARE(dialogs.FileName, target);
        QCOMPARE(dialogs.FilterIndex, 2);

        // The next dialog shows the name left by the last one.
        QStringList preselected;
        whenModal<QFileDialog>([&](QFileDialog* d) {
            preselected = d->selectedFiles();
            d->reject();
        });
        QCOMPARE(cancelNumber([&] { dialogs.Show(DialogService::Dialog::Open); }), Err::Cancel);
        QCOMPARE(preselected.value(0), target);
        QCOMPARE(dialogs.FileName, target);
    }

    // The folder for scheme files is made by the Save dialog that offers it, and by
    // no other: an Open dialog starts at the nearest folder above it that is there.
    void schemeFolderIsMadeBySavingOnly_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("open") << false;
        QTest::newRow("save") << true;
    }
    void schemeFolderIsMadeBySavingOnly() {
        QFETCH(bool, save);
        TestWorld world;
        const QString folder = world.path(QStringLiteral("Documents/Tintora"));
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(world.path(QStringLiteral("Documents"))));
        globals().AppDataPath = folder;
        QWidget owner;
        QtDialogService dialogs(&owner);
        dialogs.InitDir = folder;
        QString directory;
        whenModal<QFileDialog>([&](QFileDialog* d) {
            directory = d->directory().absolutePath();
            d->reject();
        });
        QCOMPARE(cancelNumber([&] {
                     dialogs.Show(save ? DialogService::Dialog::Save : DialogService::Dialog::Open);
                 }),
                 Err::Cancel);
        QCOMPARE(QFileInfo(folder).isDir(), save);
        QCOMPARE(directory, save ? folder : world.path(QStringLiteral("Documents")));
    }
};

QTEST_MAIN(TestDialogService)
#include "test_dialogservice.moc"
