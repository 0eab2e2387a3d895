#include "ui/ComparePanel.h"

#include "document/SchemeDocument.h"
#include "widgets/WindowUtil.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { ElementColumn, AttributeColumn, ThenColumn, NowColumn };

// The elements without an editor row, named after what the preview shows of them.
struct ElementCaption {
    Element element;
    const char* caption;
};
constexpr ElementCaption PictureCaptions[] = {
    {Element::GLOBALBUTTONS, "Global Navigation Buttons"},
    {Element::HORIZNAVBTNNORM, "Horizontal Navigation Button"},
    {Element::HORIZNAVBTNPUSH, "Horizontal Navigation Button (Pressed)"},
    {Element::BULLETLIST1, "Bullet 1"},
    {Element::BULLETLIST2, "Bullet 2"},
    {Element::BULLETLIST3, "Bullet 3"},
    {Element::HORIZRULE, "Horizontal Rule"},
    {Element::BTNBACKNORM, "Quick Link Back"},
    {Element::BTNHOMENORM, "Quick Link Home"},
    {Element::BTNUPNORM, "Quick Link Up"},
    {Element::BTNNEXTNORM, "Quick Link Next"},
    {Element::BTNBACKPUSH, "Selected Quick Link Back"},
    {Element::BTNHOMEPUSH, "Selected Quick Link Home"},
    {Element::BTNUPPUSH, "Selected Quick Link Up"},
    {Element::BTNEXTPUSH, "Selected Quick Link Next"},
    {Element::VIRTNAVBTNNORM, "Vertical Navigation Button"},
    {Element::VIRTNAVBTNPUSH, "Vertical Navigation Button (Pressed)"},
};

bool isColor(Attribute attribute) {
    return attribute == Attribute::Color || attribute == Attribute::BackColor ||
           attribute == Attribute::ForeColor;
}

QIcon swatchIcon(const QColor& color) {
    QPixmap pixmap(14, 14);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 13, 13);
    return QIcon(pixmap);
}

// A value as the panel shows it: colours as #RRGGBB with a swatch, pictures by their
// file name, styles by name; the value as held in the tooltip.
void showValue(QTreeWidgetItem* item, int column, Attribute attribute, const QString& value) {
    QString shown = value;
    if (isColor(attribute)) {
        const int number = value.toInt();
        if (number >= 0 && number <= 0xFFFFFF) {
            const QColor color = colorFromValue(number);
            shown = color.name().toUpper();
            item->setIcon(column, swatchIcon(color));
        }
    } else if (attribute == Attribute::Image) {
        shown = QFileInfo(value).fileName();
    } else if (attribute == Attribute::FontStyle) {
        static const char* const Styles[] = {"Regular", "Italic", "Bold", "Bold italic"};
        bool number = false;
        const int code = value.trimmed().toInt(&number);
        if (number && code >= 0 && code <= 3)
            shown = QString::fromLatin1(Styles[code]);
    }
    item->setText(column, value.isEmpty() ? QStringLiteral("(none)") : shown);
    item->setToolTip(column, value);
}

} // namespace

ComparePanel::ComparePanel(SchemeDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
    setObjectName(QStringLiteral("ComparePanel"));
    lblCompareWith = new QLabel(this);
    lblCompareWith->setObjectName(QStringLiteral("lblCompareWith"));
    lblCompareWith->setTextFormat(Qt::PlainText);
    lblCompareWith->setWordWrap(true);

    lstCompare = new QTreeWidget(this);
    lstCompare->setObjectName(QStringLiteral("lstCompare"));
    lstCompare->setHeaderLabels({QStringLiteral("Element"), QStringLiteral("Attribute"),
                                 QStringLiteral("Then"), QStringLiteral("Now")});
    lstCompare->setRootIsDecorated(false);
    lstCompare->setUniformRowHeights(true);
    lstCompare->setAlternatingRowColors(true);
    lstCompare->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lstCompare->setToolTip(QStringLiteral("Double-click a line to take its value back."));
    connect(lstCompare, &QTreeWidget::itemDoubleClicked, this, &ComparePanel::lineDoubleClicked);

    cmdCompareBase = new QPushButton(QStringLiteral("Compare with &Loaded"), this);
    cmdCompareBase->setObjectName(QStringLiteral("cmdCompareBase"));
    connect(cmdCompareBase, &QPushButton::clicked, this, &ComparePanel::compareWithBase);
    cmdCompareFile = new QPushButton(QStringLiteral("Compare with &File..."), this);
    cmdCompareFile->setObjectName(QStringLiteral("cmdCompareFile"));
    connect(cmdCompareFile, &QPushButton::clicked, this, &ComparePanel::otherFileWanted);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCompareBase);
    buttons->addWidget(cmdCompareFile);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblCompareWith);
    layout->addWidget(lstCompare, 1);
    layout->addLayout(buttons);

    // The list follows every change, whatever made it; a hidden panel catches up when
    // it is shown.
    connect(&document_, &SchemeDocument::schemeChanged, this, [this] {
        if (isVisible())
            refresh();
    });
    refresh();
}

QString ComparePanel::elementCaption(const ThemeElement& element) {
    if (!element.rowCaption.empty())
        return QString::fromLatin1(element.rowCaption.data(),
                                   static_cast<qsizetype>(element.rowCaption.size()));
    for (const ElementCaption& named : PictureCaptions)
        if (named.element == element.element)
            return QString::fromLatin1(named.caption);
    return QString::fromLatin1(element.key.data(), static_cast<qsizetype>(element.key.size()));
}

QString ComparePanel::attributeCaption(Attribute attribute) {
    switch (attribute) {
    case Attribute::Image:
        return QStringLiteral("Picture");
    case Attribute::Color:
        return QStringLiteral("Colour");
    case Attribute::Font:
        return QStringLiteral("Font");
    case Attribute::FontSize:
        return QStringLiteral("Font size");
    case Attribute::FontStyle:
        return QStringLiteral("Font style");
    case Attribute::BackColor:
        return QStringLiteral("Background colour");
    case Attribute::ForeColor:
        return QStringLiteral("Text colour");
    }
    return {};
}

void ComparePanel::compareWithFile(const ColorScheme& other, const QString& fileName) {
    other_ = other;
    otherName_ = fileName;
    refresh();
}

void ComparePanel::compareWithBase() {
    other_.reset();
    otherName_.clear();
    refresh();
}

const ColorScheme& ComparePanel::compared() const {
    return other_ ? *other_ : document_.base();
}

void ComparePanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void ComparePanel::refresh() {
    listed_ = schemeDifferences(compared(), document_.scheme());
    lstCompare->clear();
    QList<QTreeWidgetItem*> items;
    for (const SchemeDifference& d : listed_) {
        auto* item = new QTreeWidgetItem;
        item->setText(ElementColumn, elementCaption(*d.element));
        item->setToolTip(ElementColumn,
                         QString::fromLatin1(d.element->key.data(),
                                             static_cast<qsizetype>(d.element->key.size())));
        item->setText(AttributeColumn, attributeCaption(d.attribute));
        showValue(item, ThenColumn, d.attribute, d.then);
        showValue(item, NowColumn, d.attribute, d.now);
        items.append(item);
    }
    lstCompare->addTopLevelItems(items);
    // The view lays its lines out when it next paints, and then repaints only what it
    // was asked to: lines that went would stay on the screen.
    lstCompare->viewport()->update();

    const QString with = other_ ? otherName_ : document_.baseName();
    const qsizetype count = listed_.size();
    const QString found = count == 0   ? QStringLiteral("no differences")
                          : count == 1 ? QStringLiteral("1 difference")
                                       : QStringLiteral("%1 differences").arg(count);
    lblCompareWith->setText(with.isEmpty()
                                ? QStringLiteral("Nothing loaded yet.")
                                : QStringLiteral("Compared with %1: %2.").arg(with, found));
    cmdCompareBase->setEnabled(other_.has_value());
}

void ComparePanel::lineDoubleClicked(QTreeWidgetItem* item) {
    const int row = lstCompare->indexOfTopLevelItem(item);
    if (row < 0 || row >= listed_.size())
        return;
    // The change rebuilds the list, so it waits until the view is done with the
    // double-click: a view emptied in the middle of its own event shows stale lines.
    QMetaObject::invokeMethod(
        this, [this, difference = listed_[row]] { takeValue(difference); }, Qt::QueuedConnection);
}

void ComparePanel::takeValue(const SchemeDifference& d) {
    const QString what =
        elementCaption(*d.element) + QLatin1Char(' ') + attributeCaption(d.attribute).toLower();
    ColorScheme changed = document_.scheme();
    copyAttribute(changed, compared(), *d.element, d.attribute);
    document_.apply(other_ ? what + QStringLiteral(" from ") + otherName_
                           : QStringLiteral("Revert ") + what,
                    changed);
}
