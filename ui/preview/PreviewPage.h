#pragma once

#include "contrast/VisionSimulation.h"
#include "theme/ThemeElement.h"
#include "ui/preview/PreviewControls.h"
#include "ui/preview/PreviewPictures.h"

#include <QImage>
#include <QRegion>
#include <QStringList>
#include <QWidget>

#include <array>
#include <optional>
#include <span>
#include <vector>

struct ColorScheme;
class PreviewItem;
class Procedure;

// The mock web page (picDisplay and its children): every preview picture and label
// at its design geometry, built from the design tables. The controls are the page's
// own and carry their design names as object names ("lblDisplayBanner",
// "imgWebImage_7", "lblDisplayHeading_3"). DisplayRefresh reads a scheme and never
// writes it; it tells what it could not show rather than showing it itself.
class PreviewPage : public QWidget, private PreviewControls {
    Q_OBJECT

public:
    explicit PreviewPage(QWidget* parent = nullptr);

    // Rebuilds the whole page from the scheme and fits the page to it, then emits
    // laidOut and backdropsChanged. Returns the pictures it could not show (missing or unreadable),
    // for the caller to report.
    QStringList DisplayRefresh(const ColorScheme& scheme);

    // The page's own part of the resize handling: its width from the banner label,
    // its height from the last vertical navigation picture, the background picture
    // stretched to the page.
    void fitToContent();

    // The preview options: the background picture shown or hidden, the banner,
    // horizontal navigation and quick-link labels transparent or opaque.
    void setBackgroundPictureVisible(bool visible);
    void setOverPictureLabelsTransparent(bool transparent);

    // The page's own size in twips, as fitToContent last set it.
    float Width() const { return width_; }
    float Height() const { return height_; }

    // The element whose picture imgWebImage(index) shows.
    static Element pictureElement(int index);

    // Colour-vision simulation: the whole page, pictures included, drawn as a person
    // with the deficiency sees it (Normal: as it is). Only the drawing changes; the
    // page is laid out, refreshed and grabbed as ever, and what the contrast audit
    // reads of it stays the real colours.
    void setSimulation(Deficiency deficiency);
    Deficiency simulation() const { return simulation_; }

    // What the contrast audit reads of the page (PreviewBackdrops puts it together).
    // Where a label showing an element's text draws it: the box its text takes, in
    // the page's pixels and within the label, and the label's own colour when it
    // paints its background. Hidden labels and empty boxes are left out.
    struct TextPlace {
        QRect box;
        std::optional<qint32> opaqueColor;
    };
    std::vector<TextPlace> textPlaces(Element element) const;
    // The page as drawn beneath its text, in the page's pixels: its colour, the
    // pictures shown (scaled as they are drawn) and the opaque labels' colour, and no
    // text at all.
    QImage drawnBeneathText() const;
    // Where the shown pictures cover the page.
    QRegion pictureArea() const;
    qint32 pageColor() const;

    // The labels that show an element's text, and whether a control is a picture.
    std::vector<PreviewItem*> labelsOf(Element element) const;
    bool isPicture(const PreviewItem* item) const;

Q_SIGNALS:
    // DisplayRefresh has laid the page out: the main window fits itself around it.
    void laidOut();
    // What lies behind the text may have changed: after each refresh (once laidOut
    // has been handled) and when a preview option is set.
    void backdropsChanged();
    // The page is drawn otherwise while its layout and colours stay: a simulation set.
    void drawingChanged();

private:
    // The file of a picture shown until a theme is read.
    static QString designPicture(const char* name);
    void buildBackground();
    void buildPictures();
    void buildLabels();
    void setPageColor(int color);

    // The steps of DisplayRefresh before and after the layout of the page's areas.
    void showPageColor(Procedure& proc, const ColorScheme& scheme);
    void loadPictures(Procedure& proc, const ColorScheme& scheme);
    void loadBackground(const QString& path);
    void loadPicture(int index, const QString& path);
    void noteUnloaded(const QString& path, PreviewPictures::Status status);

    PreviewPictures pictures_;
    QStringList unloaded_;
    float width_;
    float height_;
    Deficiency simulation_ = Deficiency::Normal;
};

// The message that reports the pictures a refresh could not show, one a line.
QString missingPicturesMessage(const QStringList& pictures);
