#include "framework/RuntimeError.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "theme/ColorScheme.h"
#include "ui/DialogService.h"
#include "ui/WindowUtil.h"

#include <QApplication>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFontDialog>
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
        QCOMPARE(cancelNumber([&] { dialogs.ShowColor(); }), Err::Cancel);
        QCOMPARE(cancelNumber([&] { dialogs.ShowOpen(); }), Err::Cancel);
        // An empty queue answers Cancel too.
        QCOMPARE(cancelNumber([&] { dialogs.ShowPrinter(); }), Err::Cancel);
        QCOMPARE(dialogs.Color, 255);
        QCOMPARE(dialogs.FileName, QStringLiteral("/tmp/a.tna"));
        QCOMPARE(dialogs.calls.size(), 3);
    }

    void scriptedRecordsWhatWasSetAndKeepsValues() {
        ScriptedDialogs dialogs;
        dialogs.Filter = SchemeFilter;
        dialogs.FilterIndex = 2;
        dialogs.answerFile(ScriptedDialogs::Kind::Save, QStringLiteral("/x/blue.tna"))
            .answerFile(ScriptedDialogs::Kind::Open, QStringLiteral("/y/red.tna"), 1);
        dialogs.ShowSave();
        QCOMPARE(dialogs.FileTitle, QStringLiteral("blue.tna"));
        dialogs.ShowOpen();
        QCOMPARE(dialogs.calls[1].shownWith.FileName, QStringLiteral("/x/blue.tna"));
        QCOMPARE(dialogs.calls[1].shownWith.Filter, SchemeFilter);
        QCOMPARE(dialogs.FileName, QStringLiteral("/y/red.tna"));
        QCOMPARE(dialogs.FilterIndex, 1);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, dialogs.answerColor(1).ShowFont());
    }

    void qtColorDialogStartsFromColorAndReturnsChoice() {
        QWidget owner;
        QtDialogService dialogs(&owner);
        dialogs.Flags = 3;
        dialogs.Color = rgbValue(10, 20, 30);
        QColor shown;
        whenModal<QColorDialog>([&](QColorDialog* d) {
            shown = d->currentColor();
            d->setCurrentColor(QColor(200, 100, 50));
            d->accept();
        });
        dialogs.ShowColor();
        QCOMPARE(shown, QColor(10, 20, 30));
        QCOMPARE(dialogs.Color, rgbValue(200, 100, 50));

        whenModal<QColorDialog>([](QColorDialog* d) { d->reject(); });
        QCOMPARE(cancelNumber([&] { dialogs.ShowColor(); }), Err::Cancel);
        QCOMPARE(dialogs.Color, rgbValue(200, 100, 50));
    }

    void qtFontDialogRoundTripsTheProperties() {
        QWidget owner;
        QtDialogService dialogs(&owner);
        dialogs.FontName = QStringLiteral("Liberation Serif");
        dialogs.FontSize = 14.0f;
        dialogs.FontBold = true;
        QFont shown;
        whenModal<QFontDialog>([&](QFontDialog* d) {
            shown = d->currentFont();
            QFont f = shown;
            f.setPointSizeF(18);
            d->setCurrentFont(f);
            d->accept();
        });
        dialogs.ShowFont();
        QVERIFY(shown.bold());
        QCOMPARE(shown.pointSizeF(), 14.0);
        QCOMPARE(dialogs.FontName, QStringLiteral("Liberation Serif"));
        QVERIFY(dialogs.FontBold);
        QVERIFY(!dialogs.FontItalic);
        QCOMPARE(dialogs.FontSize, 18.0f);
    }

    void qtFontDialogKeepsAMissingFaceUnlessAnotherIsChosen() {
        QWidget owner;
        QtDialogService dialogs(&owner);
        // A face this machine lacks: the dialog shows a stand-in.
        dialogs.FontName = QStringLiteral("No Such Face Tintora");
        dialogs.FontSize = 10.0f;
        whenModal<QFontDialog>([](QFontDialog* d) {
            QFont f = d->currentFont();
            f.setPointSizeF(12);
            d->setCurrentFont(f);
            d->accept();
        });
        dialogs.ShowFont();
        QCOMPARE(dialogs.FontName, QStringLiteral("No Such Face Tintora"));
        QCOMPARE(dialogs.FontSize, 12.0f);

        whenModal<QFontDialog>([](QFontDialog* d) {
            d->setCurrentFont(QFont(QStringLiteral("Liberation Mono"), 12));
            d->accept();
        });
        dialogs.ShowFont();
        QCOMPARE(dialogs.FontName, QStringLiteral("Liberation Mono"));
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
        dialogs.ShowSave();
        QCOMPARE(filters, qtNameFilters(SchemeFilter));
        QCOMPARE(selected, QStringLiteral("Tintora Scheme (*.tna)"));
        QCOMPARE(directory, QDir(world.dir.path()).absolutePath());
        QCOMPARE(dialogs.FileName, target);
        QCOMPARE(dialogs.FileTitle, QStringLiteral("mine.tna"));
        QCOMPARE(dialogs.FilterIndex, 2);

        // The next dialog shows the name left by the last one.
        QStringList preselected;
        whenModal<QFileDialog>([&](QFileDialog* d) {
            preselected = d->selectedFiles();
            d->reject();
        });
        QCOMPARE(cancelNumber([&] { dialogs.ShowOpen(); }), Err::Cancel);
        QCOMPARE(preselected.value(0), target);
        QCOMPARE(dialogs.FileName, target);
    }
};

QTEST_MAIN(TestDialogService)
#include "test_dialogservice.moc"
