#include "ui/preview/PreviewPage.h"

#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "theme/ColorScheme.h"
#include "theme/DrawnFont.h"
#include "ui/preview/PreviewItem.h"
#include "ui/preview/SchemeFont.h"
#include "ui/preview/VisionEffect.h"
#include "widgets/Twips.h"
#include "widgets/WindowUtil.h"

namespace {

// A section title sits this far below the bottom of the area before it.
constexpr float SectionGap = 120.0f;

constexpr int PageColorDesign = 0x808080;

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

QString missingPicturesMessage(const QStringList& pictures) {
    QString message = PreviewPage::tr("This theme didn't load correctly");
    message += QLatin1Char('\n');
    for (const QString& line : pictures)
        message += QLatin1Char('\n') + line;
    return message;
}

PreviewPage::PreviewPage(QWidget* parent) : QWidget(parent), width_(9495), height_(11895) {
    setObjectName(QStringLiteral("picDisplay"));
    setAutoFillBackground(true);
    setPageColor(PageColorDesign);
    setGeometry(twipsRect(4560, 0, width_, height_));

    // Creation order is stacking order: the background beneath everything, the
    // pictures above it and the labels on top.
    buildBackground();
    buildPictures();
    buildLabels();
}

void PreviewPage::setPageColor(int color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colorFromValue(color));
    setPalette(p);
}

void PreviewPage::noteUnloaded(const QString& path, PreviewPictures::Status status) {
    QString line = path;
    if (status == PreviewPictures::Status::Unreadable)
        line += tr(" (not a picture that can be read)");
    else if (status == PreviewPictures::Status::TooLarge)
        line += tr(" (too large to show)");
    if (!unloaded_.contains(line))
        unloaded_.append(line);
}

void PreviewPage::loadBackground(const QString& path) {
    // A theme without a background picture must not keep the previous theme's one.
    if (path.isEmpty()) {
        imgDisplayBackground->showPicture(QPixmap());
        return;
    }
    const QString file = fcnFileExists(path) ? path : PreviewPictures::locate(path);
    if (file.isEmpty())
        return;
    // Stretched over the page, so never decoded larger than the page is.
    const PreviewPictures::Result result = pictures_.load(file, imgDisplayBackground->size());
    if (result.status == PreviewPictures::Status::Loaded)
        imgDisplayBackground->showPicture(result.picture);
    else if (result.status != PreviewPictures::Status::Missing)
        noteUnloaded(path, result.status);
}

void PreviewPage::loadPicture(int index, const QString& path) {
    PreviewItem* slot = imgWebImage.at(static_cast<std::size_t>(index));
    if (path.isEmpty()) {
        slot->showPicture(QPixmap());
        return;
    }
    const QString file = PreviewPictures::locate(path);
    if (file.isEmpty())
        raiseError(Err::FileNotFound);
    const PreviewPictures::Result result = pictures_.load(file);
    switch (result.status) {
    case PreviewPictures::Status::Loaded:
        slot->showPicture(result.picture);
        break;
    case PreviewPictures::Status::Missing:
        raiseError(Err::FileNotFound);
    case PreviewPictures::Status::Unreadable:
    case PreviewPictures::Status::TooLarge:
        noteUnloaded(path, result.status);
        break;
    }
}

void PreviewPage::applyFonts(Procedure& proc, const ColorScheme& scheme, PreviewItem* label,
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

void PreviewPage::applyColors(Procedure& proc, const ColorScheme& scheme, PreviewItem* label,
                              Element element) {
    const int slot = themeElement(element).colorSlot;
    proc.step([&] {
        label->setColors(scheme.color(ColorAttr::Back, slot), scheme.color(ColorAttr::Fore, slot));
    });
}

void PreviewPage::styleLabels(Procedure& proc, const ColorScheme& scheme, Element element,
                              std::span<PreviewItem* const> labels, Style style) {
    for (PreviewItem* label : labels) {
        applyFonts(proc, scheme, label, element, style);
        applyColors(proc, scheme, label, element);
    }
}

void PreviewPage::layOutButtonRow(Procedure& proc, int firstPicture,
                                  std::span<PreviewItem* const> labels) {
    const auto picture = [&](std::size_t i) {
        return imgWebImage.at(static_cast<std::size_t>(firstPicture) + i);
    };
    for (std::size_t i = 1; i < labels.size(); ++i)
        proc.step([&] { picture(i)->setTop(picture(0)->Top()); });
    proc.step([&] { centreVertically(labels[0], picture(0)); });
    for (std::size_t i = 1; i < labels.size(); ++i)
        proc.step([&] { labels[i]->setTop(labels[0]->Top()); });
    for (std::size_t i = 0; i < labels.size(); ++i)
        proc.step([&] { centreHorizontally(labels[i], picture(i)); });
}

QStringList PreviewPage::DisplayRefresh(const ColorScheme& scheme) {
    Procedure proc(QStringLiteral("frmMain.DisplayRefresh"));
    unloaded_.clear();
    showBackground(proc, scheme);
    loadPictures(proc, scheme);
    layOutBanner(proc, scheme);
    layOutHorizontalNavigation(proc, scheme);
    layOutBullets(proc, scheme);
    layOutRule(proc);
    layOutQuickLinks(proc, scheme);
    layOutHeadings(proc, scheme);
    layOutTextAndLinks(proc, scheme);
    layOutGlobalButtons(proc);
    layOutVerticalNavigation(proc, scheme);
    fitToContent();
    Q_EMIT laidOut();
    Q_EMIT backdropsChanged();
    return unloaded_;
}

void PreviewPage::showBackground(Procedure& proc, const ColorScheme& scheme) {
    proc.Task = QStringLiteral("Display Images: BACKGROUND");
    proc.step([&] { setPageColor(scheme.pageBackground()); });
    proc.step([&] { loadBackground(scheme.image(themeElement(Element::BACKGROUND).imageSlot)); });
}

void PreviewPage::loadPictures(Procedure& proc, const ColorScheme& scheme) {
    // Under this Task a missing picture is passed over without a box; the missing
    // ones are reported together once the page is laid out.
    proc.Task = QStringLiteral("Load Images");
    for (int i = 0; i < static_cast<int>(imgWebImage.size()); ++i) {
        QString path;
        proc.step([&] { path = scheme.image(themeElement(pictureElement(i)).imageSlot); });
        proc.TaskDetail = path;
        if (!proc.step([&] { loadPicture(i, path); }) &&
            proc.lastErrorNumber() == Err::FileNotFound)
            noteUnloaded(path, PreviewPictures::Status::Missing);
    }
    pictures_.dropUnused();
}

void PreviewPage::layOutBanner(Procedure& proc, const ColorScheme& scheme) {
    proc.Task = QStringLiteral("Display Images: BANNER");
    styleLabels(proc, scheme, Element::BANNER, std::span(&lblDisplayBanner, 1));
    proc.step([&] { placeBelow(imgWebImage[0], lblDisplayItemName[0]); });
    proc.step([&] { centreVertically(lblDisplayBanner, imgWebImage[0]); });
    proc.step([&] { centreHorizontally(lblDisplayBanner, imgWebImage[0]); });
}

void PreviewPage::layOutHorizontalNavigation(Procedure& proc, const ColorScheme& scheme) {
    proc.Task = QStringLiteral("Display Images: Banner");
    const std::array<PreviewItem*, 2> buttons{lblDisplayButton, lblDisplayButtonPressed};
    styleLabels(proc, scheme, Element::NAVBUTTONS, buttons);
    proc.step([&] { placeSectionBelow(lblDisplayItemName[1], imgWebImage[0]); });
    proc.step([&] { placeBelow(imgWebImage[1], lblDisplayItemName[1]); });
    proc.step([&] { centreVertically(lblDisplayButton, imgWebImage[1]); });
    proc.step([&] { imgWebImage[2]->setTop(imgWebImage[1]->Top()); });
    proc.step([&] { centreVertically(lblDisplayButtonPressed, imgWebImage[2]); });
    proc.step([&] { centreHorizontally(lblDisplayButton, imgWebImage[1]); });
    proc.step([&] { centreHorizontally(lblDisplayButtonPressed, imgWebImage[2]); });
}

void PreviewPage::layOutBullets(Procedure& proc, const ColorScheme& scheme) {
    proc.Task = QStringLiteral("Display Images: BULLETS");
    const auto bullets = std::span(lblDisplayBullet).subspan(1);
    styleLabels(proc, scheme, Element::BODY, bullets);
    proc.step([&] { placeSectionBelow(lblDisplayItemName[2], imgWebImage[1]); });
    const PreviewItem* above = lblDisplayItemName[2];
    for (PreviewItem* bullet : bullets) {
        proc.step([&] { placeBelow(bullet, above); });
        above = bullet;
    }
    // The bullet pictures are top-aligned with their labels.
    for (std::size_t k = 1; k <= 3; ++k)
        proc.step([&] { imgWebImage[k + 2]->setTop(lblDisplayBullet[k]->Top()); });
}

void PreviewPage::layOutRule(Procedure& proc) {
    proc.Task = QStringLiteral("Display Images: HORIZRULE");
    proc.step([&] { placeSectionBelow(lblDisplayItemName[3], lblDisplayBullet[3]); });
    proc.step([&] { placeBelow(imgWebImage[6], lblDisplayItemName[3]); });
}

void PreviewPage::layOutQuickLinks(Procedure& proc, const ColorScheme& scheme) {
    proc.Task = QStringLiteral("Display Images: QUICKLINKS");
    layOutLinkRow(proc, scheme, lblQuickLinks, 4, imgWebImage[6], 7);
    // The selected row's title hangs from the first row's pictures.
    proc.Task = QStringLiteral("Display Images: SELQUICKLINKS");
    layOutLinkRow(proc, scheme, lblSelQuickLinks, 5, imgWebImage[7], 11);
}

void PreviewPage::layOutLinkRow(Procedure& proc, const ColorScheme& scheme,
                                std::span<PreviewItem* const> labels, std::size_t title,
                                const PreviewItem* above, std::size_t firstPicture) {
    styleLabels(proc, scheme, Element::NAVBUTTONS, labels);
    proc.step([&] { placeSectionBelow(lblDisplayItemName[title], above); });
    proc.step([&] { placeBelow(imgWebImage[firstPicture], lblDisplayItemName[title]); });
    layOutButtonRow(proc, static_cast<int>(firstPicture), labels);
}

void PreviewPage::layOutHeadings(Procedure& proc, const ColorScheme& scheme) {
    proc.Task = QStringLiteral("Display Images: HEADINGS");
    const auto headingElement = [](std::size_t k) {
        return static_cast<Element>(static_cast<int>(Element::HEADING1) + static_cast<int>(k) - 1);
    };
    // All six fonts first, then all six colour pairs.
    for (std::size_t k = 1; k <= 6; ++k)
        applyFonts(proc, scheme, lblDisplayHeading[k], headingElement(k), Style::Apply);
    for (std::size_t k = 1; k <= 6; ++k)
        applyColors(proc, scheme, lblDisplayHeading[k], headingElement(k));
    // The headings follow the selected quick-link label, not its picture.
    proc.step([&] { placeSectionBelow(lblDisplayHeading[1], lblSelQuickLinks[0]); });
    for (std::size_t k = 2; k <= 6; ++k)
        proc.step([&] { placeBelow(lblDisplayHeading[k], lblDisplayHeading[k - 1]); });
    proc.step([&] { placeBelow(lblDisplayRegText, lblDisplayHeading[6]); });
}

void PreviewPage::layOutTextAndLinks(Procedure& proc, const ColorScheme& scheme) {
    proc.Task = QStringLiteral("Display Images: REGULAR TEXT");
    styleLabels(proc, scheme, Element::BODY, std::span(&lblDisplayRegText, 1));

    proc.Task = QStringLiteral("Display Images: LINKS");
    const std::array<std::pair<PreviewItem*, Element>, 3> links{
        {{lblDisplayRegLink, Element::REGULARLINK},
         {lblDisplayFollLink, Element::VISITEDLINK},
         {lblDisplayActLink, Element::ACTIVELINK}}};
    const PreviewItem* above = lblDisplayRegText;
    for (const auto& [label, element] : links) {
        styleLabels(proc, scheme, element, std::span(&label, 1));
        proc.step([&, current = label] { placeBelow(current, above); });
        above = label;
    }
    styleLabels(proc, scheme, Element::GLOBALBUTTONS, lblDisplayGlobNavButtons, Style::Keep);
}

void PreviewPage::layOutGlobalButtons(Procedure& proc) {
    proc.Task = QStringLiteral("Display Images: GLOBALBUTTONS");
    proc.step([&] { placeSectionBelow(lblDisplayItemName[6], lblDisplayActLink); });
    proc.step([&] { placeBelow(imgWebImage[15], lblDisplayItemName[6]); });
    layOutButtonRow(proc, 15, lblDisplayGlobNavButtons);
}

void PreviewPage::layOutVerticalNavigation(Procedure& proc, const ColorScheme& scheme) {
    proc.Task = QStringLiteral("Display Images: VERTNAVBUTTONS");
    styleLabels(proc, scheme, Element::NAVBUTTONS, lblVertNavButtons);
    proc.step([&] { placeSectionBelow(lblDisplayItemName[7], imgWebImage[15]); });
    proc.step([&] { placeBelow(imgWebImage[18], lblDisplayItemName[7]); });
    // The two vertical buttons are stacked, each label centred on its own picture.
    proc.step([&] { placeBelow(imgWebImage[19], imgWebImage[18]); });
    proc.step([&] { centreVertically(lblVertNavButtons[0], imgWebImage[18]); });
    proc.step([&] { centreVertically(lblVertNavButtons[1], imgWebImage[19]); });
    proc.step([&] { centreHorizontally(lblVertNavButtons[0], imgWebImage[18]); });
    proc.step([&] { centreHorizontally(lblVertNavButtons[1], imgWebImage[19]); });
}

void PreviewPage::fitToContent() {
    width_ = lblDisplayBanner->Width() + 360.0f;
    height_ = imgWebImage[19]->Top() + imgWebImage[19]->Height() + 240.0f;
    resize(twipsToPixels(width_), twipsToPixels(height_));
    imgDisplayBackground->setTwipsGeometry(0, 0, width_, height_);
}

void PreviewPage::setBackgroundPictureVisible(bool visible) {
    imgDisplayBackground->setVisible(visible);
    Q_EMIT backdropsChanged();
}

void PreviewPage::setOverPictureLabelsTransparent(bool transparent) {
    for (PreviewItem* label :
         {lblDisplayBanner, lblDisplayButton, lblDisplayButtonPressed, lblQuickLinks[0],
          lblQuickLinks[1], lblQuickLinks[2], lblQuickLinks[3]})
        label->setAutoFillBackground(!transparent);
    Q_EMIT backdropsChanged();
}

void PreviewPage::setSimulation(Deficiency deficiency) {
    if (deficiency == simulation_)
        return;
    simulation_ = deficiency;
    // The page owns its effect; setting another deletes the one before.
    setGraphicsEffect(deficiency == Deficiency::Normal ? nullptr : new VisionEffect(deficiency));
}
