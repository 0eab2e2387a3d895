#include "ui/editor/EditorPanel.h"

#include "framework/Procedure.h"
#include "theme/ColorScheme.h"
#include "ui/editor/ColorSwatch.h"
#include "ui/editor/ContrastMark.h"
#include "ui/editor/EditorOptions.h"
#include "ui/editor/ShownNames.h"
#include "ui/preview/SchemeFont.h"
#include "widgets/Twips.h"
#include "widgets/WindowUtil.h"

#include <QAction>
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

} // namespace

EditorPanel::EditorPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("EditorPanel"));
    setGeometry(twipsRect(0, 0, RightEdge, PanelHeight));
    buildTitles();
    for (int row = 0; row < EditorRowCount; ++row)
        buildRow(row);
    buildUnusedFontButton();
    options_ = new EditorOptions(*this);
    setReadingTabOrder();
}

void EditorPanel::setReadingTabOrder() {
    // Row by row, as the panel reads: text swatch, background swatch, font button;
    // then the options.
    QList<QWidget*> order{rows_[0].background};
    for (std::size_t index = 1; index < rows_.size(); ++index)
        order += {rows_[index].text, rows_[index].background, rows_[index].font};
    order += options_->boxes();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void EditorPanel::buildTitles() {
    const QFont titleFont = designFont(WindowFontName, WindowFontSize, true, false, true);
    const std::array<const char*, 3> titles{QT_TRANSLATE_NOOP("EditorPanel", "ITEM NAME"),
                                            QT_TRANSLATE_NOOP("EditorPanel", "FONT"),
                                            QT_TRANSLATE_NOOP("EditorPanel", "RATIO")};
    const std::array<float, 3> titleLefts{240, 2520, ContrastLeft};
    const std::array<float, 3> titleWidths{1455, 1455, ContrastWidth};
    for (std::size_t i = 0; i < titles.size(); ++i) {
        auto* label = new QLabel(tr(titles[i]), this);
        label->setObjectName(indexedName("lblTitle", static_cast<int>(i)));
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(twipsRect(titleLefts[i], 0, titleWidths[i], 255));
        label->setFont(titleFont);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    // The swatch columns' headings share the title line: smaller, and leaning on the
    // line between the two columns so that they fit between ITEM NAME and FONT.
    const QFont columnFont = designFont(WindowFontName, 6.75, true, false, true);
    const std::array<QString, 2> columns{tr("TEXT"), tr("BACK")};
    const std::array<float, 2> columnLefts{1245, 1980};
    const std::array<Qt::Alignment, 2> columnAlignments{Qt::AlignRight, Qt::AlignLeft};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        auto* label = new QLabel(columns[i], this);
        label->setObjectName(indexedName("lblTitle", static_cast<int>(titles.size() + i)));
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(twipsRect(columnLefts[i], 15, 585, 240));
        label->setFont(columnFont);
        label->setAlignment(columnAlignments[i] | Qt::AlignTop);
    }
}

void EditorPanel::buildRow(int row) {
    Row& r = rows_[static_cast<std::size_t>(row)];
    const ThemeElement* element = elementForRow(row);
    // The row's name as the window shows it, in the user's language, also in the names
    // a screen reader reads out.
    const QString caption = elementCaption(*element);
    r.name = new QLabel(caption, this);
    r.name->setObjectName(indexedName("lblItemName", row));
    r.name->setTextFormat(Qt::PlainText);
    r.name->setGeometry(twipsRect(0, rowTop(row, 360), 1455, 255));
    r.name->setAlignment(Qt::AlignRight | Qt::AlignTop);

    r.background = new ColorSwatch(this);
    r.background->setObjectName(indexedName("lblBGColorSelect", row));
    r.background->setGeometry(twipsRect(1920, rowTop(row, 240), 375, 375));
    r.background->setCaption(row == 0 ? tr("%1 colour").arg(caption)
                                      : tr("%1 background colour").arg(caption));
    r.background->setAccessibleDescription(
        tr("Opens the colour dialog to choose the background colour of %1.").arg(caption));
    r.background->setColorValue(0xFFFFFF);
    connect(r.background, &ColorSwatch::clicked, this, [this, row] {
        setCurrentRow(row);
        Q_EMIT bgColorClicked(row);
    });
    connect(r.background, &ColorSwatch::pasteAsked, this, [this, row] {
        setCurrentRow(row);
        Q_EMIT pasteColorAsked(row, Swatch::Background);
    });

    if (row == 0) {
        r.lockBackground = buildLockAction(row, Swatch::Background);
        return;
    }

    buildTextSwatch(row, caption);
    buildFontButton(row, caption);
    // Tabbing to a row's swatch or font button moves to that row too, and so does a
    // click on its name.
    r.name->installEventFilter(this);
    r.font->installEventFilter(this);
    r.text->installEventFilter(this);
    r.background->installEventFilter(this);

    r.contrast = new ContrastMark(this);
    r.contrast->setObjectName(indexedName("lblContrast", row));
    r.contrast->setGeometry(twipsRect(ContrastLeft, rowTop(row, 240), ContrastWidth, 375));

    buildRowMenu(row);
}

void EditorPanel::buildTextSwatch(int row, const QString& caption) {
    Row& r = rows_[static_cast<std::size_t>(row)];
    r.text = new ColorSwatch(this);
    r.text->setObjectName(indexedName("lblFGColorSelect", row));
    r.text->setGeometry(twipsRect(1560, rowTop(row, 240), 375, 375));
    r.text->setCaption(tr("%1 text colour").arg(caption));
    r.text->setAccessibleDescription(
        tr("Opens the colour dialog to choose the text colour of %1.").arg(caption));
    r.text->setColorValue(0x000000);
    connect(r.text, &ColorSwatch::clicked, this, [this, row] {
        setCurrentRow(row);
        Q_EMIT fgColorClicked(row);
    });
    connect(r.text, &ColorSwatch::pasteAsked, this, [this, row] {
        setCurrentRow(row);
        Q_EMIT pasteColorAsked(row, Swatch::Text);
    });
}

void EditorPanel::buildFontButton(int row, const QString& caption) {
    Row& r = rows_[static_cast<std::size_t>(row)];
    r.font = new QPushButton(WindowFontName, this);
    r.font->setObjectName(indexedName("cmdFontSelect", row));
    r.font->setGeometry(twipsRect(2400, rowTop(row, 240), 2175, 375));
    r.font->setFont(designFont(WindowFontName, WindowFontSize, false, false, isHyperlinkRow(row)));
    connect(r.font, &QPushButton::clicked, this, [this, row] {
        setCurrentRow(row);
        Q_EMIT fontClicked(row);
    });
    r.font->setAccessibleDescription(
        tr("Opens the font dialog to choose the font of %1.").arg(caption));
}

void EditorPanel::buildRowMenu(int row) {
    const Row& r = rows_[static_cast<std::size_t>(row)];
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
    rows_[static_cast<std::size_t>(row)].lockText = buildLockAction(row, Swatch::Text);
    rows_[static_cast<std::size_t>(row)].lockBackground = buildLockAction(row, Swatch::Background);
}

QAction* EditorPanel::buildLockAction(int row, Swatch which) {
    auto* lock = new QAction(tr("Lock Colour"), this);
    lock->setObjectName(indexedName(which == Swatch::Text ? "actLockText" : "actLockBack", row));
    lock->setCheckable(true);
    connect(lock, &QAction::triggered, this, [this, row, which](bool locked) {
        setCurrentRow(row);
        Q_EMIT lockClicked(row, which, locked);
    });
    ColorSwatch* target = swatch(row, which);
    target->addAction(lock);
    target->setContextMenuPolicy(Qt::ActionsContextMenu);
    return lock;
}

ColorPlace EditorPanel::swatchPlace(int index, Swatch which) {
    const ThemeElement* element = elementForRow(index);
    if (!element || element->colorSlot == NoSlot || (index == 0 && which == Swatch::Text))
        raiseError(Err::SubscriptOutOfRange);
    return {which == Swatch::Text ? ColorAttr::Fore : ColorAttr::Back, element->colorSlot};
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

void EditorPanel::setCurrentRow(int row) {
    if (row == currentRow_)
        return;
    // The row the row commands act on shows it: its name is highlighted.
    for (const int index : {currentRow_, row}) {
        if (index < 0 || index >= EditorRowCount)
            continue;
        QLabel* name = rows_[static_cast<std::size_t>(index)].name;
        const bool current = index == row;
        QPalette shown = palette();
        if (current) {
            shown.setColor(QPalette::Window, shown.color(QPalette::Highlight));
            shown.setColor(QPalette::WindowText, shown.color(QPalette::HighlightedText));
        }
        name->setPalette(shown);
        name->setAutoFillBackground(current);
    }
    currentRow_ = row;
    Q_EMIT currentRowChanged(row);
}

void EditorPanel::selectRow(int index) {
    ColorSwatch* focus = swatch(index, index == 0 ? Swatch::Background : Swatch::Text);
    setCurrentRow(index);
    focus->setFocus(Qt::OtherFocusReason);
}

bool EditorPanel::eventFilter(QObject* watched, QEvent* event) {
    const bool focus = event->type() == QEvent::FocusIn;
    const bool click = event->type() == QEvent::MouseButtonPress;
    if (focus || click) {
        for (int index = 1; index < EditorRowCount; ++index) {
            const Row& r = rows_[static_cast<std::size_t>(index)];
            if ((focus && (r.font == watched || r.text == watched || r.background == watched)) ||
                (click && r.name == watched))
                setCurrentRow(index);
        }
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

QString EditorPanel::swatchCaption(int index, Swatch which) const {
    return swatch(index, which)->caption();
}

QAction* EditorPanel::lockAction(int index, Swatch which) const {
    swatch(index, which); // error 9 for a row without the swatch
    return which == Swatch::Text ? row(index).lockText : row(index).lockBackground;
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

void EditorPanel::showBackgroundInEveryRow(qint32 color) {
    for (const Row& r : rows_)
        r.background->setColorValue(color);
}

void EditorPanel::showFont(Procedure& proc, int index, const ColorScheme& scheme) {
    const int slot = elementForRow(index)->fontSlot;
    QPushButton* button = rows_[static_cast<std::size_t>(index)].font;
    proc.step([&] {
        button->setText(scheme.font(FontAttr::Face, slot).toText() + QStringLiteral(" - ") +
                        scheme.font(FontAttr::Size, slot).toText());
    });
    proc.step([&] {
        const ThemeElement* element = elementForRow(index);
        const QString caption = QString::fromLatin1(
            element->rowCaption.data(), static_cast<qsizetype>(element->rowCaption.size()));
        const QString font = tr("%1 %2 pt")
                                 .arg(scheme.font(FontAttr::Face, slot).toText(),
                                      scheme.font(FontAttr::Size, slot).toText());
        button->setAccessibleName(tr("%1 font, %2").arg(caption, font));
        button->setToolTip(tr("%1 font: %2. Click to choose another font.").arg(caption, font));
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
    for (int index = 0; index < EditorRowCount; ++index) {
        const Row& r = rows_[static_cast<std::size_t>(index)];
        for (const Swatch which : {Swatch::Background, Swatch::Text}) {
            QAction* lock = which == Swatch::Text ? r.lockText : r.lockBackground;
            if (!lock)
                continue;
            const ColorPlace place = swatchPlace(index, which);
            const bool locked = scheme.isLocked(place.attr, place.slot);
            lock->setChecked(locked);
            swatch(index, which)->setLocked(locked);
        }
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
