#pragma once

#include <QWidget>

#include <functional>

struct ColorScheme;

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

private:
    std::function<void()> resizeHook_;
};
