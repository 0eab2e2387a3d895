#include "ui/window/PictureReport.h"

#include "framework/ErrorHandler.h"
#include "ui/preview/PreviewPage.h"

void PictureReport::startScheme() {
    reported_.clear();
}

void PictureReport::foundElsewhere(int count, const QString& fileName) {
    if (count <= 0)
        return;
    note_ = tr("%1 names pictures that are not where it says. Found beside the file or in its "
               "theme's folder and shown from there: %2. Save the scheme to keep where they are "
               "now.")
                .arg(fileName)
                .arg(count);
}

void PictureReport::shown(const QStringList& missing) {
    QStringList fresh;
    for (const QString& picture : missing)
        if (!reported_.contains(picture))
            fresh.append(picture);
    reported_ += fresh;
    QString message = std::exchange(note_, QString());
    if (!fresh.isEmpty())
        message += (message.isEmpty() ? QString() : QStringLiteral("\n\n")) +
                   missingPicturesMessage(fresh);
    if (!message.isEmpty())
        errorPrompt().inform(message);
}
