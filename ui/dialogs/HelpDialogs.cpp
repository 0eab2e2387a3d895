#include "ui/dialogs/HelpDialogs.h"

#include "framework/Version.h"
#include "widgets/WindowUtil.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <archive.h>

namespace {
// A menu text as read out: without its mnemonic marks and trailing dots.
QString plainText(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.trimmed();
}

void addMenuRows(const QMenu& menu, const QString& path, QList<ShortcutRow>& rows) {
    for (QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        const QString name = path + QStringLiteral(" > ") + plainText(action->text());
        if (action->menu())
            addMenuRows(*action->menu(), name, rows);
        else if (!action->shortcuts().isEmpty())
            rows.append(
                {name, QKeySequence::listToString(action->shortcuts(), QKeySequence::NativeText)});
    }
}

} // namespace

QList<ShortcutRow> shortcutRows(const QMainWindow& window) {
    QList<ShortcutRow> rows;
    for (QAction* top : window.menuBar()->actions())
        if (top->menu())
            addMenuRows(*top->menu(), plainText(top->text()), rows);
    for (QAction* action : window.actions())
        if (!action->shortcuts().isEmpty() && !action->text().isEmpty())
            rows.append(
                {plainText(action->text()),
                 QKeySequence::listToString(action->shortcuts(), QKeySequence::NativeText)});
    return rows;
}

QDialog* makeShortcutsDialog(QWidget* parent, const QList<ShortcutRow>& rows) {
    auto* dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("dlgShortcuts"));
    dialog->setWindowTitle(QCoreApplication::translate("HelpDialogs", "Keyboard Shortcuts"));
    auto* list = new QTreeWidget(dialog);
    list->setObjectName(QStringLiteral("lstShortcuts"));
    list->setRootIsDecorated(false);
    list->setWordWrap(true);
    list->setHeaderLabels({QCoreApplication::translate("HelpDialogs", "Command"),
                           QCoreApplication::translate("HelpDialogs", "Keys")});
    list->setAccessibleName(QCoreApplication::translate("HelpDialogs", "Keyboard shortcuts"));
    for (const ShortcutRow& row : rows)
        new QTreeWidgetItem(list, {row.command, row.keys});
    list->resizeColumnToContents(0);
    list->header()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog->resize(560, 420);
    return dialog;
}

QList<LibraryVersion> libraryVersions() {
    // libarchive names itself "libarchive 3.7.2"; the version is its last word.
    return {
        {QStringLiteral("Qt"), QString::fromLatin1(qVersion())},
        {QStringLiteral("libarchive"),
         QString::fromLatin1(archive_version_string()).section(QLatin1Char(' '), -1)},
    };
}

QDialog* makeAboutDialog(QWidget* parent) {
    auto* dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("dlgAbout"));
    dialog->setWindowTitle(QCoreApplication::translate("HelpDialogs", "About Tintora"));
    const QString version = QLatin1String(tintora::VersionString);
    QString libraries;
    for (const LibraryVersion& library : libraryVersions())
        libraries += QStringLiteral("<li>%1 %2</li>")
                         .arg(library.name.toHtmlEscaped(), library.version.toHtmlEscaped());
    auto* text = new QLabel(dialog);
    text->setObjectName(QStringLiteral("lblAbout"));
    text->setTextFormat(Qt::RichText);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setWordWrap(true);
    text->setText(QStringLiteral("<h3>Tintora %1</h3><p>%2</p><p>%3</p><p>%4</p><ul>%5</ul>")
                      .arg(version.toHtmlEscaped(),
                           QCoreApplication::translate(
                               "HelpDialogs", "Designs the colour scheme of a web-site theme.")
                               .toHtmlEscaped(),
                           QCoreApplication::translate(
                               "HelpDialogs",
                               "Licence: GPL-3.0-or-later (GNU General Public License, version 3 "
                               "or any later version).")
                               .toHtmlEscaped(),
                           QCoreApplication::translate("HelpDialogs", "Runs with:").toHtmlEscaped(),
                           libraries));
    auto* icon = new QLabel(dialog);
    icon->setPixmap(productIcon().pixmap(64, 64));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog->resize(420, dialog->sizeHint().height());
    return dialog;
}
