#pragma once

#include "theme/ThemeElement.h"

#include <span>

class PreviewItem;
class Procedure;
struct ColorScheme;
struct PreviewControls;

// The layout steps of the preview page's refresh, one per area of the page, top to
// bottom: each gives its labels their element's font and colours and places the area's
// controls below the one before, in twips.
class PreviewLayout {
public:
    explicit PreviewLayout(PreviewControls& controls) : c_(controls) {}

    // Every area, from the banner down to the vertical navigation.
    void layOut(Procedure& proc, const ColorScheme& scheme);

private:
    enum class Style { Apply, Keep };

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

    PreviewControls& c_;
};
