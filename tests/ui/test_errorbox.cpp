#include "support/ModalSteps.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "ui/dialogs/ErrorBox.h"
#include "ui/window/frmMain.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using Answer = ErrorPrompt::Answer;
using SaveAnswer = DialogService::SaveAnswer;

namespace {
QPushButton* buttonOf(QMessageBox* box, QMessageBox::StandardButton which) {
    return static_cast<QPushButton*>(box->button(which));
}
} // namespace

class TestErrorBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The box has no Cancel: Escape and the close button must not stand for Abort.
    void escapeAndCloseLeaveTheBoxOpen() {
        QtErrorPrompt prompt;
        bool stillShown = false;
        QString title;
        ModalSteps steps;
        steps
            .then<QMessageBox>([&](QMessageBox* box) {
                title = box->windowTitle();
                QTest::keyClick(box, Qt::Key_Escape);
                box->close();
                stillShown = box->isVisible();
                buttonOf(box, QMessageBox::Retry)->click();
            })
            .start();
        QCOMPARE(prompt.askRuntimeError(QStringLiteral(" Encountered Err#53\r\r")), Answer::Retry);
        QCOMPARE(steps.done(), 1);
        QCOMPARE(title, QStringLiteral("RUNTIME ERROR"));
        QVERIFY(stillShown);
    }

    // Abort ends the program, but unsaved changes are first offered for saving, as
    // Quit offers them; Cancel there shows the error box again.
    void abortWithUnsavedChangesAsksFirst_data() {
        QTest::addColumn<SaveAnswer>("choice");
        QTest::addColumn<bool>("ends");
        QTest::newRow("cancel") << SaveAnswer::Cancel << false;
        QTest::newRow("discard") << SaveAnswer::Discard << true;
        QTest::newRow("save") << SaveAnswer::Save << true;
    }
    void abortWithUnsavedChangesAsksFirst() {
        QFETCH(SaveAnswer, choice);
        QFETCH(bool, ends);
        TestWorld world;
        world.setUpGlobals();
        frmMain main;
        auto scripted = std::make_unique<ScriptedDialogs>();
        ScriptedDialogs* dialogs = scripted.get();
        main.setDialogService(std::move(scripted));
        const QString path = world.path(QStringLiteral("work.tna"));
        main.scheme().SchemeFileName = path;
        main.scheme().SchemeChanged = true;
        dialogs->answerSaveChanges(choice);

        QtErrorPrompt prompt;
        prompt.setAbortCheck([&main] { return main.files().maybeSave(); });
        ModalSteps steps;
        steps.then<QMessageBox>(
            [](QMessageBox* box) { buttonOf(box, QMessageBox::Abort)->click(); });
        if (!ends)
            steps.then<QMessageBox>(
                [](QMessageBox* box) { buttonOf(box, QMessageBox::Ignore)->click(); });
        steps.start();
        const Answer answer = prompt.askRuntimeError(QStringLiteral("error"));

        QCOMPARE(answer, ends ? Answer::Abort : Answer::Ignore);
        QCOMPARE(steps.done(), ends ? 1 : 2);
        QCOMPARE(dialogs->calls.size(), 1);
        QCOMPARE(dialogs->calls[0].kind, ScriptedDialogs::Kind::SaveChanges);
        QCOMPARE(QFile::exists(path), choice == SaveAnswer::Save);
        QCOMPARE(main.scheme().SchemeChanged, choice != SaveAnswer::Save);
    }

    void abortWithoutChangesEndsAtOnce() {
        TestWorld world;
        frmMain main;
        auto scripted = std::make_unique<ScriptedDialogs>();
        ScriptedDialogs* dialogs = scripted.get();
        main.setDialogService(std::move(scripted));
        QtErrorPrompt prompt;
        prompt.setAbortCheck([&main] { return main.files().maybeSave(); });
        ModalSteps steps;
        steps
            .then<QMessageBox>([](QMessageBox* box) { buttonOf(box, QMessageBox::Abort)->click(); })
            .start();
        QCOMPARE(prompt.askRuntimeError(QStringLiteral("error")), Answer::Abort);
        QVERIFY(dialogs->calls.isEmpty());
    }
};

QTEST_MAIN(TestErrorBox)
#include "test_errorbox.moc"
