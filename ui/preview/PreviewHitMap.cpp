#include "ui/preview/PreviewHitMap.h"

#include "contrast/AuditFormat.h"
#include "ui/editor/ShownNames.h"
#include "ui/preview/PreviewItem.h"
#include "ui/preview/PreviewPage.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
// The elements whose text the page shows, each with its own labels.
constexpr std::array<Element, 13> TextElements{
    Element::BANNER,       Element::BODY,        Element::HEADING1,   Element::HEADING2,
    Element::HEADING3,     Element::HEADING4,    Element::HEADING5,   Element::HEADING6,
    Element::REGULARLINK,  Element::VISITEDLINK, Element::ACTIVELINK, Element::NAVBUTTONS,
    Element::GLOBALBUTTONS};

// The picture a label's text is centred on, if any: a shown picture under its middle.
QRect pictureUnder(const PreviewPage& page, const PreviewItem& label) {
    const QPoint middle = label.geometry().center();
    QRect found;
    for (const QObject* child : page.children()) {
        const auto* item = qobject_cast<const PreviewItem*>(child);
        if (!item || !page.isPicture(item) || item->hasScaledContents() ||
            !item->isVisibleTo(&page) || !item->hasPicture())
            continue;
        if (item->geometry().contains(middle))
            found = item->geometry();
    }
    return found;
}
} // namespace

PreviewHitMap::PreviewHitMap(const PreviewPage& page) {
    for (const Element element : TextElements) {
        const int row = themeElement(element).editorRow;
        for (const PreviewItem* label : page.labelsOf(element)) {
            if (!label->isVisibleTo(&page) || label->geometry().isEmpty())
                continue;
            const QRect area = label->geometry() | pictureUnder(page, *label);
            spots_.push_back({area, element, row == NoSlot ? -1 : row});
        }
    }
    std::stable_sort(spots_.begin(), spots_.end(), [](const Spot& a, const Spot& b) {
        return a.area.top() != b.area.top() ? a.area.top() < b.area.top()
                                            : a.area.left() < b.area.left();
    });
}

int PreviewHitMap::spotAt(QPoint pagePoint) const {
    // Labels lie over pictures and later controls over earlier ones: the smallest
    // area under the point is the one the user sees there.
    int found = -1;
    for (int i = 0; i < static_cast<int>(spots_.size()); ++i) {
        const QRect& area = spots_[static_cast<std::size_t>(i)].area;
        if (!area.contains(pagePoint))
            continue;
        if (found < 0 || area.width() * area.height() <
                             spots_[static_cast<std::size_t>(found)].area.width() *
                                 spots_[static_cast<std::size_t>(found)].area.height())
            found = i;
    }
    return found;
}

QList<int> PreviewHitMap::spotsOfRow(int row) const {
    QList<int> found;
    if (row < 0)
        return found;
    for (int i = 0; i < static_cast<int>(spots_.size()); ++i)
        if (spots_[static_cast<std::size_t>(i)].row == row)
            found.append(i);
    return found;
}

QString spotDescription(const PreviewHitMap::Spot& spot, const ContrastAudit& audit,
                        qint32 shownTextColor) {
    const QString name = elementCaption(themeElement(spot.element));
    const auto check = std::find_if(audit.checks.begin(), audit.checks.end(), [&](const auto& c) {
        return c.kind == CheckKind::Text && c.element == spot.element;
    });
    if (spot.row < 0)
        return QCoreApplication::translate("PreviewHitMap", "%1 — %2 (no editor row)")
            .arg(name, colorHex(shownTextColor));
    if (check == audit.checks.end())
        return QCoreApplication::translate("PreviewHitMap", "%1 — %2")
            .arg(name, colorHex(shownTextColor));
    const QString mark = check->pass ? QStringLiteral("✓") : QStringLiteral("✗");
    return QCoreApplication::translate("PreviewHitMap", "%1 — %2 on %3, %4 %5")
        .arg(name, colorHex(check->foreground), colorHex(check->background), shownRatio(*check),
             mark);
}
