#pragma once

#include "ui/dialogs/DialogService.h"

#include <QList>
#include <QString>

// A dialog service for tests: records the properties each dialog was shown with and
// answers from a queue. An empty queue answers Cancel; an answer queued for another
// kind of dialog throws std::logic_error, so a test that mis-scripts fails loudly.
class ScriptedDialogs : public DialogService {
public:
    enum class Kind { Color, Font, Save, Open, Printer, SaveChanges, Question, Text };

    struct Call {
        Kind kind;
        DialogProperties shownWith; // the properties as the caller left them
        QString documentName;       // for SaveChanges
        QString prompt;             // for Question and Text: the question or label
    };

    ScriptedDialogs& answerColor(qint32 color);
    ScriptedDialogs& answerFont(const QString& name, float size, bool bold, bool italic,
                                bool underline = false);
    // filterIndex 0 keeps the caller's FilterIndex.
    ScriptedDialogs& answerFile(Kind kind, const QString& path, int filterIndex = 0);
    ScriptedDialogs& answerPrinter(int copies);
    ScriptedDialogs& answerSaveChanges(SaveAnswer answer);
    ScriptedDialogs& answerQuestion(bool yes);
    // Cancel for a text is answerCancel(Kind::Text).
    ScriptedDialogs& answerText(const QString& text);
    ScriptedDialogs& answerCancel(Kind kind);

    qsizetype pending() const { return answers_.size(); }
    QList<Call> calls;

    SaveAnswer askSaveChanges(const QString& documentName) override;
    bool askYesNo(const QString& title, const QString& question) override;
    std::optional<QString> askText(const QString& title, const QString& label,
                                   const QString& text) override;

protected:
    bool run(Dialog dialog) override;

private:
    struct Answer {
        Kind kind = Kind::Color;
        bool cancel = false;
        DialogProperties values;
        int filterIndex = 0;
        SaveAnswer saveAnswer = SaveAnswer::Cancel;
        bool yes = false;
        QString text;
    };
    // Records the call and takes the next answer; nullptr means Cancel.
    const Answer* next(Kind kind, const QString& documentName = {}, const QString& prompt = {});

    QList<Answer> answers_;
    Answer current_;
};
