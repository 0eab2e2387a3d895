#pragma once

#include "contrast/ContrastAudit.h"
#include "theme/ThemeElement.h"

#include <QList>
#include <QRect>
#include <QString>

#include <vector>

class PreviewPage;

// What the user can point at on the preview page: each label that shows an element's
// text, together with the picture it sits on, in reading order (top to bottom, left to
// right). A label shows the colours of one element; the bullets show the body text's,
// the navigation and quick-link buttons the navigation buttons'. Pictures without text
// (the rule, the bullets' pictures) and the page's own section titles are no spots.
class PreviewHitMap {
public:
    struct Spot {
        QRect area; // in the page's pixels
        Element element;
        int row; // the editor row that edits the element's colours, -1 for none
    };

    PreviewHitMap() = default;
    // The spots of the page as it is laid out and shown now.
    explicit PreviewHitMap(const PreviewPage& page);

    const std::vector<Spot>& spots() const { return spots_; }
    // The spot under a point of the page (the top one where two overlap); -1 if none.
    int spotAt(QPoint pagePoint) const;
    // The spots whose colours row `row` edits.
    QList<int> spotsOfRow(int row) const;

private:
    std::vector<Spot> spots_;
};

// What a spot says of itself, in the tooltip and to a screen reader: its row's name,
// its colours and its contrast mark, "Heading 2 — #217063 on #FAF7F1, 5.51 ✓". Before
// an audit, its text colour; an element no row edits says so.
QString spotDescription(const PreviewHitMap::Spot& spot, const ContrastAudit& audit,
                        qint32 shownTextColor);
