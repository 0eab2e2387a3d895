#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Tells the user about the pictures of the scheme shown, each thing once: the pictures
// of an opened file that were found elsewhere, and the pictures that could not be
// shown. A picture is reported once per Open or theme choice and never again when the
// same scheme is drawn once more (an edit, an undo or redo, F5), so that no box keeps
// coming back and catching the keys meant for the window.
class PictureReport {
    Q_DECLARE_TR_FUNCTIONS(PictureReport)

public:
    // A theme was chosen or a scheme file opened: its pictures are reported afresh.
    void startScheme();
    // `count` pictures named by the scheme file `fileName` were taken from beside it
    // or from its theme's folder; said together with the next report.
    void foundElsewhere(int count, const QString& fileName);
    // A redraw could not show `missing`: reports, in one box, those not reported yet.
    void shown(const QStringList& missing);

private:
    QStringList reported_;
    QString note_;
};
