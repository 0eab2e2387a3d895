#include "ui/dialogs/DialogService.h"

#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "ui/dialogs/FontDialog.h"
#include "widgets/WindowUtil.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

// The folder a file dialog starts in for `initDir`. The folder for scheme files is
// made only when a Save dialog offers it, since that is where the user is about to
// save; any other folder that is not there starts the dialog at the nearest one above
// it that is.
QString startFolder(const QString& initDir, bool save) {
    if (save && QDir::cleanPath(initDir) == QDir::cleanPath(globals().AppDataPath))
        QDir().mkpath(initDir);
    QString folder = QDir::cleanPath(QDir(initDir).absolutePath());
    while (!QFileInfo(folder).isDir() && folder != QDir::rootPath()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            break;
        folder = parent;
    }
    return folder;
}

} // namespace

DialogService::DialogService() = default;
DialogService::~DialogService() = default;

void DialogService::Show(Dialog dialog) {
    const bool chosen = run(dialog);
    // A title is its command's own: the next dialog, of another command, has its own.
    DialogTitle.clear();
    if (!chosen)
        raiseError(Err::Cancel);
}

int DialogService::ShowPrinter() {
    Show(Dialog::Printer);
    return Copies;
}

bool showDialog(Procedure& proc, DialogService& dialogs, DialogService::Dialog dialog) {
    bool cancelled = false;
    proc.step([&] {
        cancelled = false;
        try {
            dialogs.Show(dialog);
        } catch (const RuntimeError& error) {
            if (error.number() != Err::Cancel)
                throw;
            cancelled = true;
        }
    });
    return !cancelled;
}

QPrinter& DialogService::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

QList<FileFilter> parseFileFilter(const QString& filter) {
    QList<FileFilter> result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        FileFilter entry;
        entry.description = parts[i];
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString trimmed = pattern.trimmed();
            if (!trimmed.isEmpty())
                entry.patterns.append(trimmed);
        }
        result.append(entry);
    }
    return result;
}

QStringList qtNameFilters(const QString& filter) {
    QStringList result;
    for (const FileFilter& entry : parseFileFilter(filter)) {
        // On this platform "*.*" would only match names with a point; the classic
        // pattern means every file.
        QStringList patterns;
        for (const QString& pattern : entry.patterns)
            patterns.append(pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
        if (patterns.isEmpty())
            patterns.append(QStringLiteral("*"));

        // Qt reads the patterns from the parentheses at the end of the entry, so a
        // description that shows its own patterns there gives them up for Qt's.
        QString description = entry.description.trimmed();
        const QString shown =
            QLatin1Char('(') + entry.patterns.join(QLatin1Char(';')) + QLatin1Char(')');
        if (description.endsWith(shown))
            description = description.left(description.size() - shown.size()).trimmed();
        result.append(description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                      QLatin1Char(')'));
    }
    return result;
}

QString fileTitleOf(const QString& path) {
    return QFileInfo(path).fileName();
}

QString defaultSuffixFor(const QString& filter, int filterIndex, const QString& defaultExt) {
    if (defaultExt.isEmpty())
        return {};
    const QList<FileFilter> filters = parseFileFilter(filter);
    if (filterIndex < 1 || filterIndex > filters.size())
        return {};
    const QString pattern = QStringLiteral("*.") + defaultExt;
    return filters[filterIndex - 1].patterns.contains(pattern, Qt::CaseInsensitive) ? defaultExt
                                                                                    : QString();
}

QString withDefaultSuffix(const QString& path, const QString& suffix) {
    if (suffix.isEmpty() || path.isEmpty() || fileTitleOf(path).contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + suffix;
}

QtDialogService::QtDialogService(QWidget* parent) : parent_(parent) {}

DialogService::SaveAnswer QtDialogService::askSaveChanges(const QString& documentName) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("TNA"),
                    QCoreApplication::translate("DialogService",
                                                "The colour scheme has been changed.\n"
                                                "Do you want to save the changes to %1?")
                        .arg(documentName),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

bool QtDialogService::askYesNo(const QString& title, const QString& question) {
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No,
                    parent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogService::askText(const QString& title, const QString& label,
                                                const QString& text) {
    QInputDialog dialog(parent_);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(text);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

bool QtDialogService::run(Dialog dialog) {
    switch (dialog) {
    case Dialog::Color:
        return runColor();
    case Dialog::Font:
        return runFont();
    case Dialog::Save:
        return runFile(true);
    case Dialog::Open:
        return runFile(false);
    case Dialog::Printer:
        return runPrinter();
    }
    return false;
}

bool QtDialogService::runColor() {
    // The dialog starts from the colour it is given.
    const QColor chosen = QColorDialog::getColor(colorFromValue(Color), parent_, ColorTitle);
    if (!chosen.isValid())
        return false;
    Color = valueFromColor(chosen);
    return true;
}

bool QtDialogService::runFont() {
    FontChoice choice{FontName, FontBold, FontItalic, FontUnderline, FontSize};
    if (!runFontDialog(parent_, choice))
        return false;
    FontName = choice.name;
    FontBold = choice.bold;
    FontItalic = choice.italic;
    FontUnderline = choice.underline;
    FontSize = choice.size;
    return true;
}

bool QtDialogService::runFile(bool save) {
    QFileDialog dialog(parent_);
    // Qt's own dialog adds the default extension before it checks for an existing
    // file, so "name" and "name.tna" both ask before replacing name.tna; a desktop's
    // native dialog need not.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (!DialogTitle.isEmpty())
        dialog.setWindowTitle(DialogTitle);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = qtNameFilters(Filter);
    const auto followFilter = [&](const QString& selected) {
        const int index = static_cast<int>(filters.indexOf(selected)) + 1;
        dialog.setDefaultSuffix(defaultSuffixFor(Filter, index, DefaultExt));
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (FilterIndex >= 1 && FilterIndex <= filters.size())
            dialog.selectNameFilter(filters[FilterIndex - 1]);
    }
    followFilter(dialog.selectedNameFilter());
    if (!InitDir.isEmpty())
        dialog.setDirectory(startFolder(InitDir, save));
    // A dialog not given a new name shows the one the service last held.
    if (!FileName.isEmpty())
        dialog.selectFile(FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    FileName = dialog.selectedFiles().constFirst();
    const qsizetype chosenFilter = filters.indexOf(dialog.selectedNameFilter());
    if (chosenFilter >= 0)
        FilterIndex = static_cast<int>(chosenFilter) + 1;
    return true;
}

bool QtDialogService::runPrinter() {
    QPrintDialog dialog(&printer(), parent_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // The caller prints each copy itself; the printing system must not repeat them.
    Copies = qMax(1, printer().copyCount());
    printer().setCopyCount(1);
    return true;
}
