#pragma once

#include "contrast/VisionSimulation.h"
#include "theme/ThemeElement.h"
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
class PreviewPage : public QWidget {
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

Q_SIGNALS:
    // DisplayRefresh has laid the page out: the main window fits itself around it.
    void laidOut();
    // What lies behind the text may have changed: after each refresh (once laidOut
    // has been handled) and when a preview option is set.
    void backdropsChanged();

private:
    enum class Style { Apply, Keep };

    // The file of a picture shown until a theme is read.
    static QString designPicture(const char* name);
    void buildBackground();
    void buildPictures();
    void buildLabels();
    void setPageColor(int color);
    // The labels that show an element's text.
    std::vector<PreviewItem*> labelsOf(Element element) const;
    bool isPicture(const PreviewItem* item) const;

    // The steps of DisplayRefresh, one per area of the page, top to bottom.
    void showBackground(Procedure& proc, const ColorScheme& scheme);
    void loadPictures(Procedure& proc, const ColorScheme& scheme);
    void layOutBanner(Procedure& proc, const ColorScheme& scheme);
    void layOutHorizontalNavigation(Procedure& proc, const ColorScheme& scheme);
    void layOutBullets(Procedure& proc, const ColorScheme& scheme);
    void layOutRule(Procedure& proc);
    void layOutQuickLinks(Procedure& proc, const ColorScheme& scheme);
    // A row of quick links: its title a section gap below `above`, its first picture
    // below the title, the labels centred on their pictures.
    void layOutLinkRow(Procedure& proc, const ColorScheme& scheme,
                       std::span<PreviewItem* const> labels, std::size_t title,
                       const PreviewItem* above, std::size_t firstPicture);
    void layOutHeadings(Procedure& proc, const ColorScheme& scheme);
    void layOutTextAndLinks(Procedure& proc, const ColorScheme& scheme);
    void layOutGlobalButtons(Procedure& proc);
    void layOutVerticalNavigation(Procedure& proc, const ColorScheme& scheme);

    void loadBackground(const QString& path);
    void loadPicture(int index, const QString& path);
    void noteUnloaded(const QString& path, PreviewPictures::Status status);
    // An element's font and colours on labels (the global navigation labels keep
    // their own bold and italic).
    void styleLabels(Procedure& proc, const ColorScheme& scheme, Element element,
                     std::span<PreviewItem* const> labels, Style style = Style::Apply);
    void applyFonts(Procedure& proc, const ColorScheme& scheme, PreviewItem* label, Element element,
                    Style style);
    void applyColors(Procedure& proc, const ColorScheme& scheme, PreviewItem* label,
                     Element element);
    // A row of pictures side by side with a label centred on each.
    void layOutButtonRow(Procedure& proc, int firstPicture, std::span<PreviewItem* const> labels);

    // The controls, named and indexed as in the window design. Arrays whose design
    // indices start at 1 (bullets, headings) leave member 0 empty.
    PreviewItem* imgDisplayBackground = nullptr;
    std::array<PreviewItem*, 8> lblDisplayItemName{};
    std::array<PreviewItem*, 20> imgWebImage{};
    PreviewItem* lblDisplayBanner = nullptr;
    PreviewItem* lblDisplayButton = nullptr;
    PreviewItem* lblDisplayButtonPressed = nullptr;
    std::array<PreviewItem*, 4> lblDisplayBullet{};
    std::array<PreviewItem*, 4> lblQuickLinks{};
    std::array<PreviewItem*, 4> lblSelQuickLinks{};
    std::array<PreviewItem*, 7> lblDisplayHeading{};
    PreviewItem* lblDisplayRegText = nullptr;
    PreviewItem* lblDisplayRegLink = nullptr;
    PreviewItem* lblDisplayFollLink = nullptr;
    PreviewItem* lblDisplayActLink = nullptr;
    std::array<PreviewItem*, 3> lblDisplayGlobNavButtons{};
    std::array<PreviewItem*, 2> lblVertNavButtons{};

    PreviewPictures pictures_;
    QStringList unloaded_;
    float width_;
    float height_;
    Deficiency simulation_ = Deficiency::Normal;
};

// The message that reports the pictures a refresh could not show, one a line.
QString missingPicturesMessage(const QStringList& pictures);
