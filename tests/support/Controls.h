#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// Finds a window's control by its design name, as a user's eye finds it by its
// place: "Check1", or "lblBGColorSelect" with index 5 for "lblBGColorSelect_5". A
// name that is not there stops the test at once, as it is a mistake of the test or
// of the window design.
template <class Control> Control* control(const QObject& root, const QString& name) {
    auto* found = root.findChild<Control*>(name);
    if (!found)
        qFatal("no %s named %s", Control::staticMetaObject.className(), qPrintable(name));
    return found;
}

template <class Control>
Control* control(const QObject& root, const QString& arrayName, int index) {
    return control<Control>(root, arrayName + QLatin1Char('_') + QString::number(index));
}
