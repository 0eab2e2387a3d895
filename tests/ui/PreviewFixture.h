#pragma once

#include "theme/ColorScheme.h"

#include <QColor>
#include <QSize>
#include <QString>

class PreviewItem;
class QWidget;

// A theme folder of real picture files, written with QImage, and a scheme that names
// them: every picture at its design size, every text element in Arial.
struct PreviewFixture {
    explicit PreviewFixture(const QString& folder);

    // Writes a picture file of the given size in one colour (PNG, whatever the name).
    static void writePicture(const QString& path, QSize size, QColor color = Qt::darkCyan);
    // The path of an element's picture in the folder.
    QString picturePath(Element element) const;
    // Rewrites an element's picture with another size.
    void replacePicture(Element element, QSize size, QColor color = Qt::darkMagenta);

    void setFont(Element element, const QString& face, float points, int style);

    QString folder;
    ColorScheme scheme;
};

// The design pixel size of each picture element (the background's included).
QSize designPictureSize(Element element);

// A control of a preview page by its design name: item(page, "lblDisplayBanner"),
// item(page, "imgWebImage", 7) for imgWebImage(7).
PreviewItem* item(const QWidget& page, const char* name, int index = -1);
