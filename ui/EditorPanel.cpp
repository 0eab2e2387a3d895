#include "ui/EditorPanel.h"

#include "framework/Procedure.h"
#include "theme/ColorScheme.h"
#include "ui/ColorSwatch.h"
#include "ui/ContrastMark.h"
#include "ui/SchemeFont.h"
#include "widgets/Twips.h"
#include "widgets/WindowUtil.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace {
const QString WindowFontName = QStringLiteral("MS Sans Serif");
constexpr double WindowFontSize = 8.25;

// The panel spans the design's left part, to the last check box's bottom, and the
// contrast marks' column right of the font buttons (which end at 4575), in twips.
constexpr float PanelHeight = 5415;
constexpr float ContrastLeft = 4635;
constexpr float ContrastWidth = 720;

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

QString indexedName(const char* name, int index) {
    return QLatin1String(name) + QLatin1Char('_') + QString::number(index);
}

struct CheckBoxDesign {
    const char* name;
    const char* text;
    float left, top, width, height;
    bool checked;
};

// Check1, chkUseSame(0), chkUseSame(1) and chkTransLabels.
constexpr CheckBoxDesign CheckBoxes[] = {
    {"Check1", "Show Bckgnd Image", 2520, 240, 1815, 255, false},
    {"chkUseSame_0", "Copy FontName", 2640, 4920, 1455, 255, false},
    {"chkUseSame_1", "Copy Background", 720, 5040, 1575, 255, false},
    {"chkTransLabels", "Transparant Labels", 2640, 5160, 1695, 255, true},
};
} // namespace

EditorPanel::EditorPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("EditorPanel"));
    setGeometry(twipsRect(0, 0, RightEdge, PanelHeight));
    buildTitles();
    for (int row = 0; row < EditorRowCount; ++row)
        buildRow(row);
    buildUnusedFontButton();
    buildCheckBoxes();
}

void EditorPanel::buildTitles() {
    const QFont titleFont = designFont(WindowFontName, WindowFontSize, true, false, true);
    const std::array<const char*, 3> titles{"ITEM NAME", "FONT", "RATIO"};
    const std::array<float, 3> titleLefts{240, 2520, ContrastLeft};
    const std::array<float, 3> titleWidths{1455, 1455, ContrastWidth};
    for (std::size_t i = 0; i < titles.size(); ++i) {
        auto* label = new QLabel(QString::fromLatin1(titles[i]), this);
        label->setObjectName(indexedName("lblTitle", static_cast<int>(i)));
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(twipsRect(titleLefts[i], 0, titleWidths[i], 255));
        label->setFont(titleFont);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
}

void EditorPanel::buildRow(int row) {
    Row& r = rows_[static_cast<std::size_t>(row)];
    const ThemeElement* element = elementForRow(row);
    r.name = new QLabel(QString::fromLatin1(element->rowCaption.data(),
                                            static_cast<qsizetype>(element->rowCaption.size())),
                        this);
    r.name->setObjectName(indexedName("lblItemName", row));
    r.name->setTextFormat(Qt::PlainText);
    r.name->setGeometry(twipsRect(0, rowTop(row, 360), 1455, 255));
    r.name->setAlignment(Qt::AlignRight | Qt::AlignTop);

    r.background = new ColorSwatch(this);
    r.background->setObjectName(indexedName("lblBGColorSelect", row));
    r.background->setGeometry(twipsRect(1920, rowTop(row, 240), 375, 375));
    r.background->setColorValue(0xFFFFFF);
    connect(r.background, &ColorSwatch::clicked, this, [this, row] {
        setCurrentRow(row);
        Q_EMIT bgColorClicked(row);
    });

    if (row == 0)
        return;

    r.text = new ColorSwatch(this);
    r.text->setObjectName(indexedName("lblFGColorSelect", row));
    r.text->setGeometry(twipsRect(1560, rowTop(row, 240), 375, 375));
    r.text->setColorValue(0x000000);
    connect(r.text, &ColorSwatch::clicked, this, [this, row] {
        setCurrentRow(row);
        Q_EMIT fgColorClicked(row);
    });

    r.font = new QPushButton(WindowFontName, this);
    r.font->setObjectName(indexedName("cmdFontSelect", row));
    r.font->setGeometry(twipsRect(2400, rowTop(row, 240), 2175, 375));
    r.font->setFont(designFont(WindowFontName, WindowFontSize, false, false, isHyperlinkRow(row)));
    r.font->setProperty("Tag", QString::fromLatin1(FontTags[static_cast<std::size_t>(row)]));
    connect(r.font, &QPushButton::clicked, this, [this, row] {
        setCurrentRow(row);
        Q_EMIT fontClicked(row);
    });
    // Tabbing to a row's font button moves to that row too.
    r.font->installEventFilter(this);

    r.contrast = new ContrastMark(this);
    r.contrast->setObjectName(indexedName("lblContrast", row));
    r.contrast->setGeometry(twipsRect(ContrastLeft, rowTop(row, 240), ContrastWidth, 375));

    // Wherever the user right-clicks in a text row, its menu offers to make it pass.
    auto* makeItPass = new QAction(tr("Make It Pass"), this);
    makeItPass->setObjectName(indexedName("actMakeItPass", row));
    connect(makeItPass, &QAction::triggered, this, [this, row] {
        setCurrentRow(row);
        Q_EMIT makeItPassClicked(row);
    });
    for (QWidget* part :
         std::initializer_list<QWidget*>{r.name, r.text, r.background, r.font, r.contrast}) {
        part->addAction(makeItPass);
        part->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
}

void EditorPanel::buildUnusedFontButton() {
    // The Background row has no font: its button exists by design, hidden and idle.
    auto* unused = new QPushButton(WindowFontName, this);
    unused->setObjectName(indexedName("cmdFontSelect", 0));
    unused->setGeometry(twipsRect(2520, -120, 1815, 255));
    unused->setFont(designFont(WindowFontName, WindowFontSize, true, true));
    unused->setEnabled(false);
    unused->hide();
    rows_[0].font = unused;
}

void EditorPanel::buildCheckBoxes() {
    for (const CheckBoxDesign& d : CheckBoxes) {
        auto* box = new QCheckBox(QString::fromLatin1(d.text), this);
        box->setObjectName(QLatin1String(d.name));
        box->setGeometry(twipsRect(d.left, d.top, d.width, d.height));
        box->setChecked(d.checked);
    }
    auto* showPicture = findChild<QCheckBox*>(QStringLiteral("Check1"));
    copyFontName_ = findChild<QCheckBox*>(QStringLiteral("chkUseSame_0"));
    copyBackground_ = findChild<QCheckBox*>(QStringLiteral("chkUseSame_1"));
    auto* transparent = findChild<QCheckBox*>(QStringLiteral("chkTransLabels"));
    // Its box sits right of the caption, under the background swatches.
    copyBackground_->setLayoutDirection(Qt::RightToLeft);
    // The preview options act on the user's click only, never on a state set by code.
    connect(showPicture, &QCheckBox::clicked, this,
            [this, showPicture] { Q_EMIT backgroundPictureClicked(showPicture->checkState()); });
    connect(transparent, &QCheckBox::clicked, this,
            [this, transparent] { Q_EMIT transparentLabelsClicked(transparent->checkState()); });
}

void EditorPanel::setCurrentRow(int row) {
    if (row == currentRow_)
        return;
    currentRow_ = row;
    Q_EMIT currentRowChanged(row);
}

bool EditorPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (int index = 1; index < EditorRowCount; ++index)
            if (rows_[static_cast<std::size_t>(index)].font == watched)
                setCurrentRow(index);
    }
    return QWidget::eventFilter(watched, event);
}

const EditorPanel::Row& EditorPanel::row(int index) const {
    if (index < 0 || index >= EditorRowCount)
        raiseError(Err::SubscriptOutOfRange);
    return rows_[static_cast<std::size_t>(index)];
}

ColorSwatch* EditorPanel::swatch(int index, Swatch which) const {
    ColorSwatch* found = which == Swatch::Background ? row(index).background : row(index).text;
    if (!found)
        raiseError(Err::SubscriptOutOfRange);
    return found;
}

qint32 EditorPanel::colorShown(int index, Swatch which) const {
    return swatch(index, which)->colorValue();
}

void EditorPanel::showColor(int index, Swatch which, qint32 color) {
    swatch(index, which)->setColorValue(color);
}

QFont EditorPanel::fontShown(int index) const {
    return row(index).font->font();
}

bool EditorPanel::copyBackgroundToEveryRow() const {
    return copyBackground_->checkState() == Qt::Checked;
}

void EditorPanel::showBackgroundInEveryRow(qint32 color) {
    for (const Row& r : rows_)
        r.background->setColorValue(color);
}

bool EditorPanel::takeCopyFontToEveryRow() {
    if (copyFontName_->checkState() != Qt::Checked)
        return false;
    copyFontName_->setChecked(false);
    return true;
}

void EditorPanel::showFont(Procedure& proc, int index, const ColorScheme& scheme) {
    const int slot = elementForRow(index)->fontSlot;
    QPushButton* button = rows_[static_cast<std::size_t>(index)].font;
    proc.step([&] {
        button->setText(scheme.font(FontAttr::Face, slot).toText() + QStringLiteral(" - ") +
                        scheme.font(FontAttr::Size, slot).toText());
    });
    // The button keeps its own size and underline; only the face and the style follow
    // the element, by the rule the preview follows too.
    proc.step([&] {
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

void EditorPanel::SetFontsAndColors(const ColorScheme& scheme) {
    Procedure proc(QStringLiteral("frmMain.SetFontsAndColors"));
    for (int index = 1; index < EditorRowCount; ++index)
        showFont(proc, index, scheme);
    proc.step([&] { rows_[0].background->setColorValue(scheme.pageBackground()); });
    for (int index = 1; index < EditorRowCount; ++index) {
        const int slot = elementForRow(index)->colorSlot;
        const Row& r = rows_[static_cast<std::size_t>(index)];
        proc.step([&] { r.background->setColorValue(scheme.color(ColorAttr::Back, slot)); });
        proc.step([&] { r.text->setColorValue(scheme.color(ColorAttr::Fore, slot)); });
    }
}

const ContrastMark& EditorPanel::contrastMark(int index) const {
    const ContrastMark* mark = row(index).contrast;
    if (!mark)
        raiseError(Err::SubscriptOutOfRange);
    return *mark;
}

void EditorPanel::showContrast(const ContrastAudit& audit) {
    for (int index = 1; index < EditorRowCount; ++index) {
        ContrastMark* mark = rows_[static_cast<std::size_t>(index)].contrast;
        const Element element = elementForRow(index)->element;
        const ContrastCheck* check = nullptr;
        std::vector<ContrastCheck> advice;
        for (const ContrastCheck& c : audit.checks) {
            if (c.kind == CheckKind::Text && c.element == element)
                check = &c;
            else if (c.kind == CheckKind::LinkAgainstBody && c.element == element)
                advice.push_back(c);
            else if (c.kind == CheckKind::ColourVision &&
                     (c.element == element || c.other == element))
                advice.push_back(c);
        }
        if (check)
            mark->showCheck(*check, advice, audit.level);
        else
            mark->clearCheck();
    }
}

void EditorPanel::clearContrast() {
    for (const Row& r : rows_)
        if (r.contrast)
            r.contrast->clearCheck();
}
