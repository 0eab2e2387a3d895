#include "ui/preview/PreviewLayout.h"

#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "theme/ColorScheme.h"
#include "theme/DrawnFont.h"
#include "ui/preview/PreviewControls.h"
#include "ui/preview/PreviewItem.h"
#include "ui/preview/SchemeFont.h"

#include <array>

namespace {

// A section title sits this far below the bottom of the area before it.
constexpr float SectionGap = 120.0f;

// The placement rules of the layout, in twips.
void placeBelow(PreviewItem* item, const PreviewItem* above) {
    item->setTop(above->Top() + above->Height());
}

void placeSectionBelow(PreviewItem* title, const PreviewItem* above) {
    title->setTop(above->Top() + above->Height() + SectionGap);
}

void centreVertically(PreviewItem* label, const PreviewItem* picture) {
    label->setTop(picture->Top() + (picture->Height() - label->Height()) / 2.0f);
}

void centreHorizontally(PreviewItem* label, const PreviewItem* picture) {
    label->setWidth(picture->Width());
    label->setLeft(picture->Left() + (picture->Width() - label->Width()) / 2.0f);
}

} // namespace

void PreviewLayout::layOut(Procedure& proc, const ColorScheme& scheme) {
    layOutBanner(proc, scheme);
    layOutHorizontalNavigation(proc, scheme);
    layOutBullets(proc, scheme);
    layOutRule(proc);
    layOutQuickLinks(proc, scheme);
    layOutHeadings(proc, scheme);
    layOutTextAndLinks(proc, scheme);
    layOutGlobalButtons(proc);
    layOutVerticalNavigation(proc, scheme);
}

void PreviewLayout::applyFonts(Procedure& proc, const ColorScheme& scheme, PreviewItem* label,
                               Element element, Style style) {
    const int slot = themeElement(element).fontSlot;
    proc.step([&] {
        QFont font = label->font();
        SchemeFont::applyFace(font, scheme.font(FontAttr::Face, slot));
        label->setFont(font);
    });
    proc.step([&] {
        const SchemeValue& size = scheme.font(FontAttr::Size, slot);
        const std::optional<float> points = drawnPointSize(size);
        if (!points) {
            // No number is error 13 (or 6), a number no label can take is error 380.
            size.toSingle();
            raiseError(Err::InvalidPropertyValue);
        }
        QFont font = label->font();
        font.setPointSizeF(static_cast<double>(*points));
        label->setFont(font);
    });
    if (style == Style::Apply) {
        proc.step([&] {
            QFont font = label->font();
            SchemeFont::applyStyle(font, scheme.font(FontAttr::Style, slot));
            label->setFont(font);
        });
    }
    label->fitToText();
}

void PreviewLayout::applyColors(Procedure& proc, const ColorScheme& scheme, PreviewItem* label,
                                Element element) {
    const int slot = themeElement(element).colorSlot;
    proc.step([&] {
        label->setColors(scheme.color(ColorAttr::Back, slot), scheme.color(ColorAttr::Fore, slot));
    });
}

void PreviewLayout::styleLabels(Procedure& proc, const ColorScheme& scheme, Element element,
                                std::span<PreviewItem* const> labels, Style style) {
    for (PreviewItem* label : labels) {
        applyFonts(proc, scheme, label, element, style);
        applyColors(proc, scheme, label, element);
    }
}

void PreviewLayout::layOutButtonRow(Procedure& proc, int firstPicture,
                                    std::span<PreviewItem* const> labels) {
    const auto picture = [&](std::size_t i) {
        return c_.imgWebImage.at(static_cast<std::size_t>(firstPicture) + i);
    };
    for (std::size_t i = 1; i < labels.size(); ++i)
        proc.step([&] { picture(i)->setTop(picture(0)->Top()); });
    proc.step([&] { centreVertically(labels[0], picture(0)); });
    for (std::size_t i = 1; i < labels.size(); ++i)
        proc.step([&] { labels[i]->setTop(labels[0]->Top()); });
    for (std::size_t i = 0; i < labels.size(); ++i)
        proc.step([&] { centreHorizontally(labels[i], picture(i)); });
}

void PreviewLayout::layOutBanner(Procedure& proc, const ColorScheme& scheme) {
    proc.Task = QStringLiteral("Display Images: BANNER");
    styleLabels(proc, scheme, Element::BANNER, std::span(&c_.lblDisplayBanner, 1));
    proc.step([&] { placeBelow(c_.imgWebImage[0], c_.lblDisplayItemName[0]); });
    proc.step([&] { centreVertically(c_.lblDisplayBanner, c_.imgWebImage[0]); });
    proc.step([&] { centreHorizontally(c_.lblDisplayBanner, c_.imgWebImage[0]); });
}

void PreviewLayout::layOutHorizontalNavigation(Procedure& proc, const ColorScheme& scheme) {
    proc.Task = QStringLiteral("Display Images: Banner");
    const std::array<PreviewItem*, 2> buttons{c_.lblDisplayButton, c_.lblDisplayButtonPressed};
    styleLabels(proc, scheme, Element::NAVBUTTONS, buttons);
    proc.step([&] { placeSectionBelow(c_.lblDisplayItemName[1], c_.imgWebImage[0]); });
    proc.step([&] { placeBelow(c_.imgWebImage[1], c_.lblDisplayItemName[1]); });
    proc.step([&] { centreVertically(c_.lblDisplayButton, c_.imgWebImage[1]); });
    proc.step([&] { c_.imgWebImage[2]->setTop(c_.imgWebImage[1]->Top()); });
    proc.step([&] { centreVertically(c_.lblDisplayButtonPressed, c_.imgWebImage[2]); });
    proc.step([&] { centreHorizontally(c_.lblDisplayButton, c_.imgWebImage[1]); });
    proc.step([&] { centreHorizontally(c_.lblDisplayButtonPressed, c_.imgWebImage[2]); });
}

void PreviewLayout::layOutBullets(Procedure& proc, const ColorScheme& scheme) {
    proc.Task = QStringLiteral("Display Images: BULLETS");
    const auto bullets = std::span(c_.lblDisplayBullet).subspan(1);
    styleLabels(proc, scheme, Element::BODY, bullets);
    proc.step([&] { placeSectionBelow(c_.lblDisplayItemName[2], c_.imgWebImage[1]); });
    const PreviewItem* above = c_.lblDisplayItemName[2];
    for (PreviewItem* bullet : bullets) {
        proc.step([&] { placeBelow(bullet, above); });
        above = bullet;
    }
    // The bullet pictures are top-aligned with their labels.
    for (std::size_t k = 1; k <= 3; ++k)
        proc.step([&] { c_.imgWebImage[k + 2]->setTop(c_.lblDisplayBullet[k]->Top()); });
}

void PreviewLayout::layOutRule(Procedure& proc) {
    proc.Task = QStringLiteral("Display Images: HORIZRULE");
    proc.step([&] { placeSectionBelow(c_.lblDisplayItemName[3], c_.lblDisplayBullet[3]); });
    proc.step([&] { placeBelow(c_.imgWebImage[6], c_.lblDisplayItemName[3]); });
}

void PreviewLayout::layOutQuickLinks(Procedure& proc, const ColorScheme& scheme) {
    proc.Task = QStringLiteral("Display Images: QUICKLINKS");
    layOutLinkRow(proc, scheme, c_.lblQuickLinks, 4, c_.imgWebImage[6], 7);
    // The selected row's title hangs from the first row's pictures.
    proc.Task = QStringLiteral("Display Images: SELQUICKLINKS");
    layOutLinkRow(proc, scheme, c_.lblSelQuickLinks, 5, c_.imgWebImage[7], 11);
}

void PreviewLayout::layOutLinkRow(Procedure& proc, const ColorScheme& scheme,
                                  std::span<PreviewItem* const> labels, std::size_t title,
                                  const PreviewItem* above, std::size_t firstPicture) {
    styleLabels(proc, scheme, Element::NAVBUTTONS, labels);
    proc.step([&] { placeSectionBelow(c_.lblDisplayItemName[title], above); });
    proc.step([&] { placeBelow(c_.imgWebImage[firstPicture], c_.lblDisplayItemName[title]); });
    layOutButtonRow(proc, static_cast<int>(firstPicture), labels);
}

void PreviewLayout::layOutHeadings(Procedure& proc, const ColorScheme& scheme) {
    proc.Task = QStringLiteral("Display Images: HEADINGS");
    const auto headingElement = [](std::size_t k) {
        return static_cast<Element>(static_cast<int>(Element::HEADING1) + static_cast<int>(k) - 1);
    };
    // All six fonts first, then all six colour pairs.
    for (std::size_t k = 1; k <= 6; ++k)
        applyFonts(proc, scheme, c_.lblDisplayHeading[k], headingElement(k), Style::Apply);
    for (std::size_t k = 1; k <= 6; ++k)
        applyColors(proc, scheme, c_.lblDisplayHeading[k], headingElement(k));
    // The headings follow the selected quick-link label, not its picture.
    proc.step([&] { placeSectionBelow(c_.lblDisplayHeading[1], c_.lblSelQuickLinks[0]); });
    for (std::size_t k = 2; k <= 6; ++k)
        proc.step([&] { placeBelow(c_.lblDisplayHeading[k], c_.lblDisplayHeading[k - 1]); });
    proc.step([&] { placeBelow(c_.lblDisplayRegText, c_.lblDisplayHeading[6]); });
}

void PreviewLayout::layOutTextAndLinks(Procedure& proc, const ColorScheme& scheme) {
    proc.Task = QStringLiteral("Display Images: REGULAR TEXT");
    styleLabels(proc, scheme, Element::BODY, std::span(&c_.lblDisplayRegText, 1));

    proc.Task = QStringLiteral("Display Images: LINKS");
    const std::array<std::pair<PreviewItem*, Element>, 3> links{
        {{c_.lblDisplayRegLink, Element::REGULARLINK},
         {c_.lblDisplayFollLink, Element::VISITEDLINK},
         {c_.lblDisplayActLink, Element::ACTIVELINK}}};
    const PreviewItem* above = c_.lblDisplayRegText;
    for (const auto& [label, element] : links) {
        styleLabels(proc, scheme, element, std::span(&label, 1));
        proc.step([&, current = label] { placeBelow(current, above); });
        above = label;
    }
    styleLabels(proc, scheme, Element::GLOBALBUTTONS, c_.lblDisplayGlobNavButtons, Style::Keep);
}

void PreviewLayout::layOutGlobalButtons(Procedure& proc) {
    proc.Task = QStringLiteral("Display Images: GLOBALBUTTONS");
    proc.step([&] { placeSectionBelow(c_.lblDisplayItemName[6], c_.lblDisplayActLink); });
    proc.step([&] { placeBelow(c_.imgWebImage[15], c_.lblDisplayItemName[6]); });
    layOutButtonRow(proc, 15, c_.lblDisplayGlobNavButtons);
}

void PreviewLayout::layOutVerticalNavigation(Procedure& proc, const ColorScheme& scheme) {
    proc.Task = QStringLiteral("Display Images: VERTNAVBUTTONS");
    styleLabels(proc, scheme, Element::NAVBUTTONS, c_.lblVertNavButtons);
    proc.step([&] { placeSectionBelow(c_.lblDisplayItemName[7], c_.imgWebImage[15]); });
    proc.step([&] { placeBelow(c_.imgWebImage[18], c_.lblDisplayItemName[7]); });
    // The two vertical buttons are stacked, each label centred on its own picture.
    proc.step([&] { placeBelow(c_.imgWebImage[19], c_.imgWebImage[18]); });
    proc.step([&] { centreVertically(c_.lblVertNavButtons[0], c_.imgWebImage[18]); });
    proc.step([&] { centreVertically(c_.lblVertNavButtons[1], c_.imgWebImage[19]); });
    proc.step([&] { centreHorizontally(c_.lblVertNavButtons[0], c_.imgWebImage[18]); });
    proc.step([&] { centreHorizontally(c_.lblVertNavButtons[1], c_.imgWebImage[19]); });
}
