#include "ui/EditorPanel.h"

#include "framework/Procedure.h"
#include "theme/ColorScheme.h"
#include "ui/ColorSwatch.h"
#include "ui/SchemeFont.h"
#include "widgets/Twips.h"
#include "widgets/WindowUtil.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {
const QString WindowFontName = QStringLiteral("MS Sans Serif");
constexpr double WindowFontSize = 8.25;

// The font buttons' design Tags for rows 1..12.
constexpr std::array<const char*, EditorRowCount> FontTags{"",   "28", "12", "18", "16", "14", "18",
                                                           "16", "14", "12", "12", "12", "12"};

bool isHyperlinkRow(int row) {
    const ThemeElement* e = elementForRow(row);
    return e && (e->element == Element::REGULARLINK || e->element == Element::VISITEDLINK ||
                 e->element == Element::ACTIVELINK);
}

float rowTop(int row, float first) {
    return first + 360.0f * static_cast<float>(row);
}

QCheckBox* makeCheckBox(QWidget* parent, const QString& text, const QRect& geometry, bool checked) {
    auto* box = new QCheckBox(text, parent);
    box->setGeometry(geometry);
    box->setChecked(checked);
    return box;
}

} // namespace

EditorPanel::EditorPanel(QWidget* clientArea) : QObject(clientArea) {
    const QFont titleFont = designFont(WindowFontName, WindowFontSize, true, false, true);
    const std::array<const char*, 2> titles{"ITEM NAME", "FONT"};
    const std::array<float, 2> titleLefts{240, 2520};
    for (std::size_t i = 0; i < titles.size(); ++i) {
        auto* label = new QLabel(QString::fromLatin1(titles[i]), clientArea);
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(twipsRect(titleLefts[i], 0, 1455, 255));
        label->setFont(titleFont);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        lblTitle[i] = label;
    }

    for (int row = 0; row < EditorRowCount; ++row)
        buildRow(clientArea, row);

    // The Background row has no font: its button exists by design, hidden and idle.
    auto* unused = new QPushButton(WindowFontName, clientArea);
    unused->setGeometry(twipsRect(2520, -120, 1815, 255));
    unused->setFont(designFont(WindowFontName, WindowFontSize, true, true));
    unused->setEnabled(false);
    unused->hide();
    cmdFontSelect[0] = unused;

    Check1 = makeCheckBox(clientArea, QStringLiteral("Show Bckgnd Image"),
                          twipsRect(2520, 240, 1815, 255), false);
    chkUseSame[0] = makeCheckBox(clientArea, QStringLiteral("Copy FontName"),
                                 twipsRect(2640, 4920, 1455, 255), false);
    chkUseSame[1] = makeCheckBox(clientArea, QStringLiteral("Copy Background"),
                                 twipsRect(720, 5040, 1575, 255), false);
    // Its box sits right of the caption, under the background swatches.
    chkUseSame[1]->setLayoutDirection(Qt::RightToLeft);
    chkTransLabels = makeCheckBox(clientArea, QStringLiteral("Transparant Labels"),
                                  twipsRect(2640, 5160, 1695, 255), true);
}

void EditorPanel::buildRow(QWidget* clientArea, int row) {
    const ThemeElement* element = elementForRow(row);
    auto* name = new QLabel(QString::fromLatin1(element->rowCaption.data(),
                                                static_cast<qsizetype>(element->rowCaption.size())),
                            clientArea);
    name->setTextFormat(Qt::PlainText);
    name->setGeometry(twipsRect(0, rowTop(row, 360), 1455, 255));
    name->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblItemName[static_cast<std::size_t>(row)] = name;

    auto* background = new ColorSwatch(clientArea);
    background->setGeometry(twipsRect(1920, rowTop(row, 240), 375, 375));
    background->setColorValue(0xFFFFFF);
    connect(background, &ColorSwatch::clicked, this, [this, row] { Q_EMIT bgColorClicked(row); });
    lblBGColorSelect[static_cast<std::size_t>(row)] = background;

    if (row == 0)
        return;

    auto* text = new ColorSwatch(clientArea);
    text->setGeometry(twipsRect(1560, rowTop(row, 240), 375, 375));
    text->setColorValue(0x000000);
    connect(text, &ColorSwatch::clicked, this, [this, row] { Q_EMIT fgColorClicked(row); });
    lblFGColorSelect[static_cast<std::size_t>(row)] = text;

    auto* font = new QPushButton(WindowFontName, clientArea);
    font->setGeometry(twipsRect(2400, rowTop(row, 240), 2175, 375));
    font->setFont(designFont(WindowFontName, WindowFontSize, false, false, isHyperlinkRow(row)));
    font->setProperty("Tag", QString::fromLatin1(FontTags[static_cast<std::size_t>(row)]));
    connect(font, &QPushButton::clicked, this, [this, row] { Q_EMIT fontClicked(row); });
    cmdFontSelect[static_cast<std::size_t>(row)] = font;
}

void EditorPanel::SetFontsAndColors(const ColorScheme& scheme) {
    Procedure proc(QStringLiteral("frmMain.SetFontsAndColors"));
    for (int row = 1; row < EditorRowCount; ++row) {
        const int slot = elementForRow(row)->fontSlot;
        QPushButton* button = cmdFontSelect[static_cast<std::size_t>(row)];
        proc.step([&] {
            button->setText(scheme.font(FontAttr::Face, slot).toText() + QStringLiteral(" - ") +
                            scheme.font(FontAttr::Size, slot).toText());
        });
        proc.step([&] {
            // The button keeps its own size and underline; only the face and the
            // style follow the element, by the rule the preview follows too.
            QFont f = button->font();
            SchemeFont::applyFace(f, scheme.font(FontAttr::Face, slot));
            button->setFont(f);
        });
        proc.step([&] {
            QFont f = button->font();
            SchemeFont::applyStyle(f, scheme.font(FontAttr::Style, slot));
            button->setFont(f);
        });
    }
    proc.step([&] { lblBGColorSelect[0]->setColorValue(scheme.pageBackground()); });
    for (int row = 1; row < EditorRowCount; ++row) {
        const int slot = elementForRow(row)->colorSlot;
        const auto i = static_cast<std::size_t>(row);
        proc.step([&] { lblBGColorSelect[i]->setColorValue(scheme.color(ColorAttr::Back, slot)); });
        proc.step([&] { lblFGColorSelect[i]->setColorValue(scheme.color(ColorAttr::Fore, slot)); });
    }
}
