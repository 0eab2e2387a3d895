#include "ui/preview/PreviewItem.h"
#include "ui/preview/PreviewPage.h"
#include "widgets/WindowUtil.h"

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

enum class LabelKind { SectionTitle, Text, CentredText, Bullet };

// One label of the design, all in Arial: `index` is its index in its control array,
// -1 for a control of its own.
struct LabelDesign {
    const char* name;
    int index;
    const char* text;
    float left, top, width, height;
    double points;
    bool underline;
    LabelKind kind;
};

using K = LabelKind;

// The labels in creation order, which is also their stacking order.
constexpr LabelDesign LabelDesigns[] = {
    {"lblDisplayItemName", 0, QT_TRANSLATE_NOOP("PreviewPage", "Banner"), 120, 120, 615, 240, 9.75,
     true, K::SectionTitle},
    {"lblDisplayItemName", 1, QT_TRANSLATE_NOOP("PreviewPage", "Horizontal Navigation"), 120, 1560,
     1830, 240, 9.75, true, K::SectionTitle},
    {"lblDisplayItemName", 2, QT_TRANSLATE_NOOP("PreviewPage", "Bullet List"), 120, 2520, 870, 240,
     9.75, true, K::SectionTitle},
    {"lblDisplayItemName", 3, QT_TRANSLATE_NOOP("PreviewPage", "Horizontal Rule"), 120, 3960, 1320,
     240, 9.75, true, K::SectionTitle},
    {"lblDisplayItemName", 4, QT_TRANSLATE_NOOP("PreviewPage", "Quick Hyperlinks"), 120, 4680, 1500,
     240, 9.75, true, K::SectionTitle},
    {"lblDisplayItemName", 5, QT_TRANSLATE_NOOP("PreviewPage", "Selected Quick Hyperlinks"), 120,
     5520, 2325, 240, 9.75, true, K::SectionTitle},
    {"lblDisplayItemName", 6, QT_TRANSLATE_NOOP("PreviewPage", "Global Navigation Buttons"), 120,
     10080, 2265, 240, 9.75, true, K::SectionTitle},
    {"lblDisplayItemName", 7, QT_TRANSLATE_NOOP("PreviewPage", "Vertical Navigation"), 120, 10800,
     1620, 240, 9.75, true, K::SectionTitle},
    {"lblDisplayBanner", -1, QT_TRANSLATE_NOOP("PreviewPage", "Banner"), 3720, 600, 1815, 630,
     27.75, false, K::CentredText},
    {"lblDisplayButton", -1, QT_TRANSLATE_NOOP("PreviewPage", "Button"), 810, 1920, 675, 270, 12,
     false, K::CentredText},
    {"lblDisplayButtonPressed", -1, QT_TRANSLATE_NOOP("PreviewPage", "Button"), 2970, 1920, 675,
     270, 12, false, K::CentredText},
    {"lblDisplayBullet", 1, QT_TRANSLATE_NOOP("PreviewPage", "Bullet 1"), 630, 2760, 1200, 270, 12,
     false, K::Bullet},
    {"lblDisplayBullet", 2, QT_TRANSLATE_NOOP("PreviewPage", "Bullet 2"), 720, 3120, 1200, 270, 12,
     false, K::Bullet},
    {"lblDisplayBullet", 3, QT_TRANSLATE_NOOP("PreviewPage", "Bullet 3"), 960, 3480, 1200, 270, 12,
     false, K::Bullet},
    {"lblQuickLinks", 0, QT_TRANSLATE_NOOP("PreviewPage", "Back"), 600, 4920, 555, 270, 12, false,
     K::CentredText},
    {"lblQuickLinks", 1, QT_TRANSLATE_NOOP("PreviewPage", "Home"), 2115, 4920, 645, 270, 12, false,
     K::CentredText},
    {"lblQuickLinks", 2, QT_TRANSLATE_NOOP("PreviewPage", "Up"), 3840, 4920, 315, 270, 12, false,
     K::CentredText},
    {"lblQuickLinks", 3, QT_TRANSLATE_NOOP("PreviewPage", "Next"), 5310, 4920, 495, 270, 12, false,
     K::CentredText},
    {"lblSelQuickLinks", 0, QT_TRANSLATE_NOOP("PreviewPage", "Back"), 600, 5760, 555, 270, 12,
     false, K::CentredText},
    {"lblSelQuickLinks", 1, QT_TRANSLATE_NOOP("PreviewPage", "Home"), 2115, 5760, 645, 270, 12,
     false, K::CentredText},
    {"lblSelQuickLinks", 2, QT_TRANSLATE_NOOP("PreviewPage", "Up"), 3840, 5760, 315, 270, 12, false,
     K::CentredText},
    {"lblSelQuickLinks", 3, QT_TRANSLATE_NOOP("PreviewPage", "Next"), 5310, 5760, 495, 270, 12,
     false, K::CentredText},
    {"lblDisplayHeading", 1, QT_TRANSLATE_NOOP("PreviewPage", "Heading 1 Style"), 120, 6240, 0, 405,
     18, false, K::Text},
    {"lblDisplayHeading", 2, QT_TRANSLATE_NOOP("PreviewPage", "Heading 2 Style"), 120, 6600, 0, 360,
     15.75, false, K::Text},
    {"lblDisplayHeading", 3, QT_TRANSLATE_NOOP("PreviewPage", "Heading 3 Style"), 120, 6960, 0, 330,
     14.25, false, K::Text},
    {"lblDisplayHeading", 4, QT_TRANSLATE_NOOP("PreviewPage", "Heading 4 Style"), 120, 7320, 0, 405,
     18, false, K::Text},
    {"lblDisplayHeading", 5, QT_TRANSLATE_NOOP("PreviewPage", "Heading 5 Style"), 120, 7680, 0, 360,
     15.75, false, K::Text},
    {"lblDisplayHeading", 6, QT_TRANSLATE_NOOP("PreviewPage", "Heading 6 Style"), 120, 8040, 0, 330,
     14.25, false, K::Text},
    {"lblDisplayRegText", -1, QT_TRANSLATE_NOOP("PreviewPage", "Regular Text Sample"), 120, 8400,
     2175, 270, 12, false, K::Text},
    {"lblDisplayRegLink", -1, QT_TRANSLATE_NOOP("PreviewPage", "Regular Hyperlink"), 120, 8760,
     1830, 270, 12, true, K::Text},
    {"lblDisplayFollLink", -1, QT_TRANSLATE_NOOP("PreviewPage", "Followed Hyperlink"), 120, 9120,
     1965, 270, 12, true, K::Text},
    {"lblDisplayActLink", -1, QT_TRANSLATE_NOOP("PreviewPage", "Active Hyperlink"), 120, 9480, 1665,
     270, 12, true, K::Text},
    {"lblDisplayGlobNavButtons", 0, QT_TRANSLATE_NOOP("PreviewPage", "Button"), 480, 10320, 675,
     270, 12, false, K::CentredText},
    {"lblDisplayGlobNavButtons", 1, QT_TRANSLATE_NOOP("PreviewPage", "Button"), 1920, 10320, 675,
     270, 12, false, K::CentredText},
    {"lblDisplayGlobNavButtons", 2, QT_TRANSLATE_NOOP("PreviewPage", "Button"), 3360, 10320, 675,
     270, 12, false, K::CentredText},
    {"lblVertNavButtons", 0, QT_TRANSLATE_NOOP("PreviewPage", "Button"), 810, 11040, 675, 270, 12,
     false, K::CentredText},
    {"lblVertNavButtons", 1, QT_TRANSLATE_NOOP("PreviewPage", "Button"), 810, 11400, 675, 270, 12,
     false, K::CentredText},
};

QString controlName(const char* name, int index) {
    const QString base = QLatin1String(name);
    return index < 0 ? base : base + QLatin1Char('_') + QString::number(index);
}

PreviewItem* makeLabel(QWidget* page, const LabelDesign& d) {
    const bool title = d.kind == K::SectionTitle;
    const auto sizing =
        d.kind == K::Bullet ? PreviewItem::Sizing::Fixed : PreviewItem::Sizing::ToText;
    auto* label = new PreviewItem(page, sizing, d.left, d.top, d.width, d.height);
    label->setObjectName(controlName(d.name, d.index));
    label->setText(PreviewPage::tr(d.text));
    label->setFont(designFont(QStringLiteral("Arial"), d.points, false, title, d.underline));
    if (d.kind == K::CentredText)
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // Section titles are opaque light grey; the other labels start transparent.
    label->setColors(title ? SectionTitleBack : 0xFFFFFF, 0x000000);
    label->setAutoFillBackground(title);
    // Only the titles keep their design font; every other label is measured when the
    // first refresh gives it its element's font, and keeps its design size until then.
    if (title)
        label->fitToText();
    return label;
}

} // namespace

QString PreviewPage::designPicture(const char* name) {
    return QStringLiteral(":/placeholders/") + QLatin1String(name);
}

Element PreviewPage::pictureElement(int index) {
    return PictureDesigns.at(static_cast<std::size_t>(index)).element;
}

void PreviewPage::buildBackground() {
    imgDisplayBackground = new PreviewItem(this, PreviewItem::Sizing::Fixed, 0, 0, 9435, 5355);
    imgDisplayBackground->setObjectName(QStringLiteral("imgDisplayBackground"));
    imgDisplayBackground->setScaledContents(true);
    imgDisplayBackground->showPictureLater(designPicture("background.gif"));
    imgDisplayBackground->hide();
}

void PreviewPage::buildPictures() {
    for (std::size_t i = 0; i < PictureDesigns.size(); ++i) {
        const PictureDesign& d = PictureDesigns[i];
        auto* picture =
            new PreviewItem(this, PreviewItem::Sizing::ToPicture, d.left, d.top, d.width, d.height);
        picture->setObjectName(controlName("imgWebImage", static_cast<int>(i)));
        picture->showPictureLater(designPicture(d.placeholder));
        imgWebImage[i] = picture;
    }
}

void PreviewPage::buildLabels() {
    for (const LabelDesign& design : LabelDesigns)
        makeLabel(this, design);
    const auto label = [this](const char* name, int index = -1) {
        return findChild<PreviewItem*>(controlName(name, index), Qt::FindDirectChildrenOnly);
    };
    const auto collect = [&](auto& array, const char* name, std::size_t first = 0) {
        for (std::size_t i = first; i < array.size(); ++i)
            array[i] = label(name, static_cast<int>(i));
    };
    collect(lblDisplayItemName, "lblDisplayItemName");
    lblDisplayBanner = label("lblDisplayBanner");
    lblDisplayButton = label("lblDisplayButton");
    lblDisplayButtonPressed = label("lblDisplayButtonPressed");
    collect(lblDisplayBullet, "lblDisplayBullet", 1);
    collect(lblQuickLinks, "lblQuickLinks");
    collect(lblSelQuickLinks, "lblSelQuickLinks");
    collect(lblDisplayHeading, "lblDisplayHeading", 1);
    lblDisplayRegText = label("lblDisplayRegText");
    lblDisplayRegLink = label("lblDisplayRegLink");
    lblDisplayFollLink = label("lblDisplayFollLink");
    lblDisplayActLink = label("lblDisplayActLink");
    collect(lblDisplayGlobNavButtons, "lblDisplayGlobNavButtons");
    collect(lblVertNavButtons, "lblVertNavButtons");
}
