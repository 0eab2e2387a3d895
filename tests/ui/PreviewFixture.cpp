#include "PreviewFixture.h"
#include "support/Controls.h"
#include "ui/preview/PreviewItem.h"

#include <QDir>
#include <QImage>
#include <QTest>

QSize designPictureSize(Element element) {
    switch (element) {
    case Element::BACKGROUND:
        return {629, 357};
    case Element::BANNER:
        return {600, 64};
    case Element::HORIZNAVBTNNORM:
    case Element::HORIZNAVBTNPUSH:
    case Element::VIRTNAVBTNNORM:
    case Element::VIRTNAVBTNPUSH:
        return {141, 22};
    case Element::BULLETLIST1:
        return {10, 10};
    case Element::BULLETLIST2:
        return {8, 8};
    case Element::BULLETLIST3:
        return {6, 6};
    case Element::HORIZRULE:
        return {600, 6};
    case Element::BTNBACKNORM:
    case Element::BTNHOMENORM:
    case Element::BTNUPNORM:
    case Element::BTNNEXTNORM:
        return {100, 20};
    case Element::BTNBACKPUSH:
    case Element::BTNHOMEPUSH:
    case Element::BTNUPPUSH:
    case Element::BTNEXTPUSH:
        return {100, 22};
    case Element::GLOBALBUTTONS:
        return {95, 20};
    default:
        return {};
    }
}

PreviewFixture::PreviewFixture(const QString& folderPath) : folder(folderPath) {
    QDir().mkpath(folder);
    scheme.fillFontSizeTable();
    int shade = 40;
    for (const ThemeElement& e : ThemeElements) {
        if (e.imageSlot != NoSlot) {
            writePicture(picturePath(e.element), designPictureSize(e.element),
                         QColor(shade, 255 - shade, 128));
            scheme.image(e.imageSlot) = picturePath(e.element);
            shade += 10;
        }
        if (e.fontSlot != NoSlot)
            setFont(e.element, QStringLiteral("Arial"), 12, 0);
        if (e.colorSlot != NoSlot && e.element != Element::BACKGROUND) {
            scheme.color(ColorAttr::Back, e.colorSlot) = rgbValue(255, 255, 200 - e.colorSlot);
            scheme.color(ColorAttr::Fore, e.colorSlot) = rgbValue(e.colorSlot * 10, 0, 90);
        }
    }
    setFont(Element::BANNER, QStringLiteral("Arial"), 27.75f, 0);
    scheme.pageBackground() = rgbValue(250, 240, 230);
}

void PreviewFixture::writePicture(const QString& path, QSize size, QColor color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    // A darker first column makes a stretched or shifted picture visible in a grab.
    for (int y = 0; y < size.height(); ++y)
        image.setPixelColor(0, y, color.darker(200));
    QVERIFY2(image.save(path, "PNG"), qPrintable(path));
}

QString PreviewFixture::picturePath(Element element) const {
    return QDir(folder).filePath(QString::fromLatin1(themeElement(element).key).toLower() +
                                 QStringLiteral(".gif"));
}

void PreviewFixture::replacePicture(Element element, QSize size, QColor color) {
    writePicture(picturePath(element), size, color);
}

void PreviewFixture::setFont(Element element, const QString& face, float points, int style) {
    const int slot = themeElement(element).fontSlot;
    scheme.font(FontAttr::Face, slot) = SchemeValue::text(face);
    scheme.font(FontAttr::Size, slot) = SchemeValue::single(points);
    scheme.font(FontAttr::Style, slot) = SchemeValue::integer(style);
}

PreviewItem* item(const QWidget& page, const char* name, int index) {
    return index < 0 ? control<PreviewItem>(page, QLatin1String(name))
                     : control<PreviewItem>(page, QLatin1String(name), index);
}
