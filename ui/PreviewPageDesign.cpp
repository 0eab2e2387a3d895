#include "ui/PreviewItem.h"
#include "ui/PreviewPage.h"
#include "widgets/WindowUtil.h"

#include <QFile>

// The window design of the preview page: every control with its design position,
// text, font and colours, and the pictures shown until a theme is read.

namespace {

constexpr int SectionTitleBack = 0xC0C0C0;

struct PictureDesign {
    float left, top, width, height;
    Element element;
    const char* placeholder;
};

// imgWebImage(0) to (19): design geometry, the element each shows and the picture
// shown until a theme is read.
constexpr std::array<PictureDesign, 20> PictureDesigns{{
    {120, 480, 9000, 960, Element::BANNER, "banner.gif"},
    {120, 1920, 2115, 330, Element::HORIZNAVBTNNORM, "navbutton.gif"},
    {2280, 1920, 2115, 330, Element::HORIZNAVBTNPUSH, "navbutton.gif"},
    {120, 2760, 150, 150, Element::BULLETLIST1, "bullet1.gif"},
    {360, 3120, 120, 120, Element::BULLETLIST2, "bullet2.gif"},
    {600, 3480, 90, 90, Element::BULLETLIST3, "bullet3.gif"},
    {120, 4320, 9000, 90, Element::HORIZRULE, "rule.gif"},
    {120, 4920, 1500, 300, Element::BTNBACKNORM, "quicklink.gif"},
    {1680, 4920, 1500, 300, Element::BTNHOMENORM, "quicklink.gif"},
    {3240, 4920, 1500, 300, Element::BTNUPNORM, "quicklink.gif"},
    {4800, 4920, 1500, 300, Element::BTNNEXTNORM, "quicklink.gif"},
    {120, 5760, 1500, 330, Element::BTNBACKPUSH, "quicklink-selected.gif"},
    {1680, 5760, 1500, 330, Element::BTNHOMEPUSH, "quicklink-selected.gif"},
    {3240, 5760, 1500, 330, Element::BTNUPPUSH, "quicklink-selected.gif"},
    {4800, 5760, 1500, 330, Element::BTNEXTPUSH, "quicklink-selected.gif"},
    {120, 10320, 1425, 300, Element::GLOBALBUTTONS, "globalbutton.gif"},
    {1560, 10320, 1425, 300, Element::GLOBALBUTTONS, "globalbutton.gif"},
    {3000, 10320, 1425, 300, Element::GLOBALBUTTONS, "globalbutton.gif"},
    {120, 11040, 2115, 330, Element::VIRTNAVBTNNORM, "navbutton.gif"},
    {120, 11400, 2115, 330, Element::VIRTNAVBTNPUSH, "navbutton.gif"},
}};

} // namespace

QPixmap PreviewPage::designPicture(const char* name) {
    const QString path = QStringLiteral(":/placeholders/") + QLatin1String(name);
    return QFile::exists(path) ? QPixmap(path) : QPixmap();
}

Element PreviewPage::pictureElement(int index) {
    return PictureDesigns.at(static_cast<std::size_t>(index)).element;
}

void PreviewPage::buildPictures() {
    for (std::size_t i = 0; i < PictureDesigns.size(); ++i) {
        const PictureDesign& d = PictureDesigns[i];
        auto* picture =
            new PreviewItem(this, PreviewItem::Sizing::ToPicture, d.left, d.top, d.width, d.height);
        picture->setObjectName(QStringLiteral("imgWebImage_%1").arg(i));
        picture->showPicture(designPicture(d.placeholder));
        imgWebImage[i] = picture;
    }
}

void PreviewPage::buildLabels() {
    using Sizing = PreviewItem::Sizing;
    const auto make = [this](const QString& name, const QString& text, float left, float top,
                             float width, float height, Sizing sizing, const QFont& font,
                             bool centred) {
        auto* label = new PreviewItem(this, sizing, left, top, width, height);
        label->setObjectName(name);
        label->setText(text);
        label->setFont(font);
        if (centred)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setColors(0xFFFFFF, 0x000000);
        label->fitToText();
        return label;
    };
    const QString arial = QStringLiteral("Arial");
    const QFont body = designFont(arial, 12);
    const QFont link = designFont(arial, 12, false, false, true);

    static constexpr std::array<std::array<float, 3>, 8> TitleGeometry{{{120, 615, 240},
                                                                        {1560, 1830, 240},
                                                                        {2520, 870, 240},
                                                                        {3960, 1320, 240},
                                                                        {4680, 1500, 240},
                                                                        {5520, 2325, 240},
                                                                        {10080, 2265, 240},
                                                                        {10800, 1620, 240}}};
    const std::array<QString, 8> titles{QStringLiteral("Banner"),
                                        QStringLiteral("Horizontal Navigation"),
                                        QStringLiteral("Bullet List"),
                                        QStringLiteral("Horizontal Rule"),
                                        QStringLiteral("Quick Hyperlinks"),
                                        QStringLiteral("Selected Quick Hyperlinks"),
                                        QStringLiteral("Global Navigation Buttons"),
                                        QStringLiteral("Vertical Navigation")};
    const QFont titleFont = designFont(arial, 9.75, false, true, true);
    for (std::size_t i = 0; i < titles.size(); ++i) {
        const auto& g = TitleGeometry[i];
        PreviewItem* title = make(QStringLiteral("lblDisplayItemName_%1").arg(i), titles[i], 120,
                                  g[0], g[1], g[2], Sizing::ToText, titleFont, false);
        title->setColors(SectionTitleBack, 0x000000);
        title->setAutoFillBackground(true);
        lblDisplayItemName[i] = title;
    }

    const QString button = QStringLiteral("Button");
    lblDisplayBanner = make(QStringLiteral("lblDisplayBanner"), QStringLiteral("Banner"), 3720, 600,
                            1815, 630, Sizing::ToText, designFont(arial, 27.75), true);
    lblDisplayButton = make(QStringLiteral("lblDisplayButton"), button, 810, 1920, 675, 270,
                            Sizing::ToText, body, true);
    lblDisplayButtonPressed = make(QStringLiteral("lblDisplayButtonPressed"), button, 2970, 1920,
                                   675, 270, Sizing::ToText, body, true);

    static constexpr std::array<float, 3> BulletLeft{630, 720, 960};
    static constexpr std::array<float, 3> BulletTop{2760, 3120, 3480};
    for (std::size_t k = 1; k <= 3; ++k)
        lblDisplayBullet[k] =
            make(QStringLiteral("lblDisplayBullet_%1").arg(k), QStringLiteral("Bullet %1").arg(k),
                 BulletLeft[k - 1], BulletTop[k - 1], 1200, 270, Sizing::Fixed, body, false);

    static constexpr std::array<std::array<float, 2>, 4> QuickLinkGeometry{
        {{600, 555}, {2115, 645}, {3840, 315}, {5310, 495}}};
    const std::array<QString, 4> quickLinks{QStringLiteral("Back"), QStringLiteral("Home"),
                                            QStringLiteral("Up"), QStringLiteral("Next")};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& g = QuickLinkGeometry[i];
        lblQuickLinks[i] = make(QStringLiteral("lblQuickLinks_%1").arg(i), quickLinks[i], g[0],
                                4920, g[1], 270, Sizing::ToText, body, true);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& g = QuickLinkGeometry[i];
        lblSelQuickLinks[i] = make(QStringLiteral("lblSelQuickLinks_%1").arg(i), quickLinks[i],
                                   g[0], 5760, g[1], 270, Sizing::ToText, body, true);
    }

    static constexpr std::array<float, 6> HeadingHeight{405, 360, 330, 405, 360, 330};
    static constexpr std::array<double, 6> HeadingPoints{18, 15.75, 14.25, 18, 15.75, 14.25};
    for (std::size_t k = 1; k <= 6; ++k)
        lblDisplayHeading[k] =
            make(QStringLiteral("lblDisplayHeading_%1").arg(k),
                 QStringLiteral("Heading %1 Style").arg(k), 120,
                 6240.0f + 360.0f * static_cast<float>(k - 1), 0, HeadingHeight[k - 1],
                 Sizing::ToText, designFont(arial, HeadingPoints[k - 1]), false);

    lblDisplayRegText =
        make(QStringLiteral("lblDisplayRegText"), QStringLiteral("Regular Text Sample"), 120, 8400,
             2175, 270, Sizing::ToText, body, false);
    lblDisplayRegLink =
        make(QStringLiteral("lblDisplayRegLink"), QStringLiteral("Regular Hyperlink"), 120, 8760,
             1830, 270, Sizing::ToText, link, false);
    lblDisplayFollLink =
        make(QStringLiteral("lblDisplayFollLink"), QStringLiteral("Followed Hyperlink"), 120, 9120,
             1965, 270, Sizing::ToText, link, false);
    lblDisplayActLink =
        make(QStringLiteral("lblDisplayActLink"), QStringLiteral("Active Hyperlink"), 120, 9480,
             1665, 270, Sizing::ToText, link, false);

    static constexpr std::array<float, 3> GlobalLeft{480, 1920, 3360};
    for (std::size_t i = 0; i < 3; ++i)
        lblDisplayGlobNavButtons[i] =
            make(QStringLiteral("lblDisplayGlobNavButtons_%1").arg(i), button, GlobalLeft[i], 10320,
                 675, 270, Sizing::ToText, body, true);
    for (std::size_t i = 0; i < 2; ++i)
        lblVertNavButtons[i] =
            make(QStringLiteral("lblVertNavButtons_%1").arg(i), button, 810,
                 11040.0f + 360.0f * static_cast<float>(i), 675, 270, Sizing::ToText, body, true);
}
