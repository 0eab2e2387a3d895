#pragma once

#include "theme/ThemeElement.h"
#include "ui/PreviewPictures.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <span>

struct ColorScheme;
class PreviewItem;
class Procedure;

// The mock web page (picDisplay and its children): every preview picture and label
// at its design geometry. DisplayRefresh reads a scheme and never writes it.
class PreviewPage : public QWidget {
    Q_OBJECT

public:
    explicit PreviewPage(QWidget* parent = nullptr);

    // Rebuilds the whole page from the scheme, then runs the resize hook (the main
    // window's Form_Resize) or, without one, fitToContent().
    void DisplayRefresh(const ColorScheme& scheme);
    void setResizeHook(std::function<void()> hook) { resizeHook_ = std::move(hook); }

    // The page's own part of the resize handling: its width from the banner label,
    // its height from the last vertical navigation picture, the background picture
    // stretched to the page.
    void fitToContent();

    // The preview options: the background picture shown or hidden, the banner,
    // horizontal navigation and quick-link labels transparent or opaque.
    void setBackgroundPictureVisible(bool visible);
    void setOverPictureLabelsTransparent(bool transparent);

    // The pictures the last refresh could not show (missing or unreadable), as reported.
    const QStringList& unloadedPictures() const { return unloaded_; }

    // The page's own size in twips, as fitToContent last set it.
    float Width() const { return width_; }
    float Height() const { return height_; }

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

    // The element whose picture imgWebImage(index) shows.
    static Element pictureElement(int index);

private:
    enum class Style { Apply, Keep };

    static QPixmap designPicture(const char* name);
    void buildPictures();
    void buildLabels();
    void setPageColor(int color);
    void loadBackground(const QString& path);
    void loadPicture(int index, const QString& path);
    void noteUnloaded(const QString& path, PreviewPictures::Status status);
    void applyFonts(Procedure& proc, const ColorScheme& scheme, PreviewItem* label, Element element,
                    Style style);
    void applyColors(Procedure& proc, const ColorScheme& scheme, PreviewItem* label,
                     Element element);
    void layOutButtonRow(Procedure& proc, int firstPicture, std::span<PreviewItem* const> labels);

    std::function<void()> resizeHook_;
    PreviewPictures pictures_;
    QStringList unloaded_;
    float width_;
    float height_;
};
