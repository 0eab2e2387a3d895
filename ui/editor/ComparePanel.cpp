#include "ui/editor/ComparePanel.h"

#include "document/SchemeDocument.h"
#include "ui/editor/ShownNames.h"
#include "widgets/WindowUtil.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { ElementColumn, AttributeColumn, ThenColumn, NowColumn };

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

// The parts of a picture's path, written with either kind of separator.
QStringList pathParts(const QString& path) {
    return QString(path)
        .replace(QLatin1Char('\\'), QLatin1Char('/'))
        .split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

// Two pictures' paths as the panel shows them: their file names, and where those are
// the same, as much of their folders as tells them apart ("Ocean/bkgnd.gif").
std::pair<QString, QString> picturesShown(const QString& then, const QString& now) {
    const QStringList a = pathParts(then);
    const QStringList b = pathParts(now);
    qsizetype kept = 1;
    while (kept < std::max(a.size(), b.size()) &&
           a.mid(std::max<qsizetype>(0, a.size() - kept)) ==
               b.mid(std::max<qsizetype>(0, b.size() - kept)))
        ++kept;
    const auto tail = [kept](const QStringList& parts) {
        return parts.mid(std::max<qsizetype>(0, parts.size() - kept)).join(QLatin1Char('/'));
    };
    return {tail(a), tail(b)};
}

// A value as the panel shows it: colours as #RRGGBB with a swatch, pictures as
// `picture` says, styles by name; the value as held in the tooltip.
void showValue(QTreeWidgetItem* item, int column, Attribute attribute, const QString& value,
               const QString& picture) {
    QString shown = value;
    if (isColor(attribute)) {
        const int number = value.toInt();
        if (number >= 0 && number <= 0xFFFFFF) {
            const QColor color = colorFromValue(number);
            shown = color.name().toUpper();
            item->setIcon(column, swatchIcon(color));
        }
    } else if (attribute == Attribute::Image) {
        shown = picture;
    } else if (attribute == Attribute::FontStyle) {
        static const char* const Styles[] = {QT_TRANSLATE_NOOP("ComparePanel", "Regular"),
                                             QT_TRANSLATE_NOOP("ComparePanel", "Italic"),
                                             QT_TRANSLATE_NOOP("ComparePanel", "Bold"),
                                             QT_TRANSLATE_NOOP("ComparePanel", "Bold italic")};
        bool number = false;
        const int code = value.trimmed().toInt(&number);
        if (number && code >= 0 && code <= 3)
            shown = QCoreApplication::translate("ComparePanel", Styles[code]);
    }
    item->setText(column,
                  value.isEmpty() ? QCoreApplication::translate("ComparePanel", "(none)") : shown);
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
    lstCompare->setHeaderLabels({tr("Element"), tr("Attribute"), tr("Then"), tr("Now")});
    lstCompare->setRootIsDecorated(false);
    lstCompare->setUniformRowHeights(true);
    lstCompare->setAlternatingRowColors(true);
    // Then and Now always show whole; the element and the attribute share what is left
    // of the panel's width, shortened where they must be, and read whole in tooltips.
    QHeaderView* header = lstCompare->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setSectionResizeMode(ThenColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(NowColumn, QHeaderView::ResizeToContents);
    lstCompare->setToolTip(tr("Double-click a line to take its value back."));
    connect(lstCompare, &QTreeWidget::itemDoubleClicked, this, &ComparePanel::lineDoubleClicked);

    cmdCompareBase = new QPushButton(tr("Compare with &Loaded"), this);
    cmdCompareBase->setObjectName(QStringLiteral("cmdCompareBase"));
    connect(cmdCompareBase, &QPushButton::clicked, this, &ComparePanel::compareWithBase);
    cmdCompareFile = new QPushButton(tr("Compare with &File..."), this);
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

QString ComparePanel::attributeCaption(Attribute attribute) {
    switch (attribute) {
    case Attribute::Image:
        return tr("Picture");
    case Attribute::Color:
        return tr("Colour");
    case Attribute::Font:
        return tr("Font");
    case Attribute::FontSize:
        return tr("Font size");
    case Attribute::FontStyle:
        return tr("Font style");
    case Attribute::BackColor:
        return tr("Background colour");
    case Attribute::ForeColor:
        return tr("Text colour");
    }
    return {};
}

QString ComparePanel::attributeInName(Attribute attribute) {
    switch (attribute) {
    case Attribute::Image:
        return tr("picture");
    case Attribute::Color:
        return tr("colour");
    case Attribute::Font:
        return tr("font");
    case Attribute::FontSize:
        return tr("font size");
    case Attribute::FontStyle:
        return tr("font style");
    case Attribute::BackColor:
        return tr("background colour");
    case Attribute::ForeColor:
        return tr("text colour");
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

ColorScheme ComparePanel::compared() const {
    // The variant the window shows, compared with the same variant of the other scheme.
    return (other_ ? *other_ : document_.base()).shownAs(document_.shownVariant());
}

void ComparePanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void ComparePanel::refresh() {
    listed_ = schemeDifferences(compared(), document_.shown());
    lstCompare->clear();
    QList<QTreeWidgetItem*> items;
    for (const SchemeDifference& d : listed_) {
        auto* item = new QTreeWidgetItem;
        item->setText(ElementColumn, elementCaption(*d.element));
        item->setToolTip(ElementColumn,
                         QStringLiteral("%1 (%2)").arg(
                             elementCaption(*d.element),
                             QString::fromLatin1(d.element->key.data(),
                                                 static_cast<qsizetype>(d.element->key.size()))));
        item->setText(AttributeColumn, attributeCaption(d.attribute));
        item->setToolTip(AttributeColumn, attributeCaption(d.attribute));
        const auto [thenPicture, nowPicture] = picturesShown(d.then, d.now);
        showValue(item, ThenColumn, d.attribute, d.then, thenPicture);
        showValue(item, NowColumn, d.attribute, d.now, nowPicture);
        items.append(item);
    }
    lstCompare->addTopLevelItems(items);
    // The view lays its lines out when it next paints, and then repaints only what it
    // was asked to: lines that went would stay on the screen.
    lstCompare->viewport()->update();

    const QString with = other_ ? otherName_ : document_.baseName();
    const qsizetype count = listed_.size();
    const QString found = count == 0   ? tr("no differences")
                          : count == 1 ? tr("1 difference")
                                       : tr("%1 differences").arg(count);
    lblCompareWith->setText(with.isEmpty() ? tr("Nothing loaded yet.")
                                           : tr("Compared with %1: %2.").arg(with, found));
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
    //: An element and one of its attributes in a step of the history: "Heading 2 text colour".
    const QString what = tr("%1 %2").arg(elementCaption(*d.element), attributeInName(d.attribute));
    ColorScheme changed = document_.shown();
    copyAttribute(changed, compared(), *d.element, d.attribute);
    document_.applyShown(
        other_ ? tr("%1 from %2").arg(what, otherName_) : tr("Revert %1").arg(what), changed);
}
