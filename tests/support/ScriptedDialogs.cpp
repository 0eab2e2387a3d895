#include "support/ScriptedDialogs.h"

#include <stdexcept>

namespace {
const char* kindName(ScriptedDialogs::Kind kind) {
    switch (kind) {
    case ScriptedDialogs::Kind::Color:
        return "colour";
    case ScriptedDialogs::Kind::Font:
        return "font";
    case ScriptedDialogs::Kind::Save:
        return "save";
    case ScriptedDialogs::Kind::Open:
        return "open";
    case ScriptedDialogs::Kind::Printer:
        return "printer";
    case ScriptedDialogs::Kind::SaveChanges:
        return "save-changes";
    case ScriptedDialogs::Kind::Question:
        return "question";
    case ScriptedDialogs::Kind::Text:
        return "text";
    }
    return "?";
}
} // namespace

ScriptedDialogs& ScriptedDialogs::answerColor(qint32 color) {
    Answer a;
    a.kind = Kind::Color;
    a.values.Color = color;
    answers_.append(a);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerFont(const QString& name, float size, bool bold,
                                             bool italic, bool underline) {
    Answer a;
    a.kind = Kind::Font;
    a.values.FontName = name;
    a.values.FontSize = size;
    a.values.FontBold = bold;
    a.values.FontItalic = italic;
    a.values.FontUnderline = underline;
    answers_.append(a);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerFile(Kind kind, const QString& path, int filterIndex) {
    Answer a;
    a.kind = kind;
    a.values.FileName = path;
    a.filterIndex = filterIndex;
    answers_.append(a);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerPrinter(int copies) {
    Answer a;
    a.kind = Kind::Printer;
    a.values.Copies = copies;
    answers_.append(a);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerSaveChanges(SaveAnswer answer) {
    Answer a;
    a.kind = Kind::SaveChanges;
    a.saveAnswer = answer;
    answers_.append(a);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerQuestion(bool yes) {
    Answer a;
    a.kind = Kind::Question;
    a.yes = yes;
    answers_.append(a);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerText(const QString& text) {
    Answer a;
    a.kind = Kind::Text;
    a.text = text;
    answers_.append(a);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerCancel(Kind kind) {
    Answer a;
    a.kind = kind;
    a.cancel = true;
    answers_.append(a);
    return *this;
}

const ScriptedDialogs::Answer* ScriptedDialogs::next(Kind kind, const QString& documentName,
                                                     const QString& prompt) {
    calls.append(Call{kind, static_cast<const DialogProperties&>(*this), documentName, prompt});
    if (answers_.isEmpty())
        return nullptr;
    if (answers_.front().kind != kind)
        throw std::logic_error(std::string("scripted dialogs: a ") + kindName(kind) +
                               " dialog was shown, but the next answer is for a " +
                               kindName(answers_.front().kind) + " dialog");
    current_ = answers_.takeFirst();
    return current_.cancel ? nullptr : &current_;
}

DialogService::SaveAnswer ScriptedDialogs::askSaveChanges(const QString& documentName) {
    const Answer* a = next(Kind::SaveChanges, documentName);
    return a ? a->saveAnswer : SaveAnswer::Cancel;
}

bool ScriptedDialogs::askYesNo(const QString&, const QString& question) {
    const Answer* a = next(Kind::Question, {}, question);
    // An unscripted question is answered No, the safe answer.
    return a && a->yes;
}

std::optional<QString> ScriptedDialogs::askText(const QString&, const QString& label,
                                                const QString&) {
    const Answer* a = next(Kind::Text, {}, label);
    if (!a)
        return std::nullopt;
    return a->text;
}

bool ScriptedDialogs::run(Dialog dialog) {
    static constexpr Kind Kinds[] = {Kind::Color, Kind::Font, Kind::Save, Kind::Open,
                                     Kind::Printer};
    const Answer* a = next(Kinds[static_cast<int>(dialog)]);
    if (!a)
        return false;
    // Each dialog gives back what it returns in real life, nothing more.
    const DialogProperties& v = a->values;
    switch (dialog) {
    case Dialog::Color:
        Color = v.Color;
        break;
    case Dialog::Font:
        FontName = v.FontName;
        FontSize = v.FontSize;
        FontBold = v.FontBold;
        FontItalic = v.FontItalic;
        FontUnderline = v.FontUnderline;
        break;
    case Dialog::Save:
    case Dialog::Open:
        if (a->filterIndex > 0)
            FilterIndex = a->filterIndex;
        // As Qt's dialog does, a name typed without an extension gets the default one.
        FileName = withDefaultSuffix(v.FileName, defaultSuffixFor(Filter, FilterIndex, DefaultExt));
        break;
    case Dialog::Printer:
        Copies = v.Copies;
        break;
    }
    return true;
}
