#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>
#include <optional>

class Procedure;
class QPrinter;
class QWidget;

// The values a caller sets before showing a dialog and reads afterwards. They keep
// their values between uses: what one dialog left is still there for the next.
struct DialogProperties {
    // Colour dialog: a colour value (red + 256 green + 65536 blue).
    qint32 Color = 0;
    // What the colour is the colour of, the colour dialog's title ("Heading 2 text
    // colour"); empty for the dialog's own title.
    QString ColorTitle;

    // Font dialog.
    QString FontName;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    float FontSize = 0.0f;

    // File dialogs. Filter is "Description|pattern|Description|pattern"; FilterIndex
    // counts its pairs from 1. FileName is the full path.
    // DefaultExt (without the point) is added by the dialog to a name typed without
    // an extension while a filter listing "*.DefaultExt" is selected, before it asks
    // whether an existing file may be replaced.
    QString Filter;
    int FilterIndex = 1;
    QString DefaultExt;
    QString InitDir;
    QString FileName;
    // The title of the next file dialog, which takes it once; empty for the dialog's
    // own ("Save As", "Open").
    QString DialogTitle;

    // Printer dialog: the number of copies chosen.
    int Copies = 1;
};

// The one dialog component of the main window (cdbMain). Each Show operation is
// modal; closing a dialog with Cancel raises run-time error 32755 at the call, and
// leaves the properties as they were.
class DialogService : public DialogProperties {
public:
    enum class Dialog { Color, Font, Save, Open, Printer };
    enum class SaveAnswer { Save, Discard, Cancel };

    DialogService();
    virtual ~DialogService();
    DialogService(const DialogService&) = delete;
    DialogService& operator=(const DialogService&) = delete;

    // Shows one of the dialogs; Cancel raises error 32755.
    void Show(Dialog dialog);
    // Returns the number of copies. The printer is left set to one copy, as the
    // caller prints the document once per copy itself.
    int ShowPrinter();

    // Asks whether the unsaved changes of `documentName` are to be saved.
    virtual SaveAnswer askSaveChanges(const QString& documentName) = 0;
    // Asks a question that Yes or No answers, No the safe default; true for Yes.
    virtual bool askYesNo(const QString& title, const QString& question) = 0;
    // Asks for one line of text, offering `text`; nullopt when the user cancelled.
    virtual std::optional<QString> askText(const QString& title, const QString& label,
                                           const QString& text) = 0;

    // The printer the printer dialog configured, made on first use.
    QPrinter& printer();

protected:
    // Runs one dialog; false when the user cancelled it. It may change the
    // properties only when it returns true.
    virtual bool run(Dialog dialog) = 0;

private:
    std::unique_ptr<QPrinter> printer_;
};

// Shows a dialog under the caller's trap, the way every command does: false when the
// user cancelled it, which ends the command without a word; any other error goes to
// the handler like any statement's.
bool showDialog(Procedure& proc, DialogService& dialogs, DialogService::Dialog dialog);

// One entry of a file dialog's filter: its description and its patterns.
struct FileFilter {
    QString description;
    QStringList patterns;
};

// Splits "Description|pattern;pattern|Description|pattern" into its pairs. A final
// description without patterns is dropped.
QList<FileFilter> parseFileFilter(const QString& filter);

// The filter as a Qt file dialog takes it: one "Description (patterns)" entry per
// pair, "*.*" standing for every file. A description that already ends with its
// patterns in parentheses keeps its text apart from that ending.
QStringList qtNameFilters(const QString& filter);

// The name without its folder.
QString fileTitleOf(const QString& path);

// The extension a file dialog adds to a name typed without one while the filter
// `filterIndex` of `filter` is selected: `defaultExt` when that filter lists
// "*.defaultExt", else none, so "All Files" keeps a name as it was typed.
QString defaultSuffixFor(const QString& filter, int filterIndex, const QString& defaultExt);

// `path` as a file dialog returns it with `suffix` as its default: the suffix is
// added when the name has no point at all.
QString withDefaultSuffix(const QString& path, const QString& suffix);

// The dialog service backed by Qt's colour, font, file and print dialogs.
class QtDialogService : public DialogService {
public:
    explicit QtDialogService(QWidget* parent);
    SaveAnswer askSaveChanges(const QString& documentName) override;
    bool askYesNo(const QString& title, const QString& question) override;
    std::optional<QString> askText(const QString& title, const QString& label,
                                   const QString& text) override;

protected:
    bool run(Dialog dialog) override;

private:
    bool runColor();
    bool runFont();
    bool runFile(bool save);
    bool runPrinter();

    QWidget* parent_;
};
