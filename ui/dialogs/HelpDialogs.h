#pragma once

#include <QList>
#include <QString>

class QDialog;
class QMainWindow;
class QWidget;

// One line of Help > Keyboard Shortcuts: a command, named by its menu path ("File >
// Save As"), and its keys as the platform writes them.
struct ShortcutRow {
    QString command;
    QString keys;
};

// Every command of the window that has keys: its menus' items, in menu order, then the
// window's own commands that are in no menu. Read from the actions themselves, so the
// list follows every change of a shortcut.
QList<ShortcutRow> shortcutRows(const QMainWindow& window);

// The Keyboard Shortcuts window ("dlgShortcuts", its table "lstShortcuts").
QDialog* makeShortcutsDialog(QWidget* parent, const QList<ShortcutRow>& rows);

// A library the program runs with, and its version.
struct LibraryVersion {
    QString name;
    QString version;
};

// Qt and libarchive as the program runs with them.
QList<LibraryVersion> libraryVersions();

// The About Tintora window ("dlgAbout"): the program's name and version, its licence
// and the libraries it runs with.
QDialog* makeAboutDialog(QWidget* parent);
