#pragma once

#include "contrast/ContrastAudit.h"

#include <QImage>
#include <QRegion>

class PreviewPage;

// What the preview page really draws behind each row's text, for the contrast audit,
// Make It Pass and the printed contrast table. Taken from the page as it is laid out
// when made: the page's drawing beneath its text is put together once, and each
// label's text box is read from it when asked. Use it at once, before the page is
// refreshed again. The scheme handed in is the one the page shows or one that differs
// from it in its colours only (a variant being made): where the page shows a plain
// colour, the page's or an opaque label's, the scheme's own colour is taken.
//
// Behind each label that shows the element's text: the label's own colour when it is
// opaque; the pixels under its text box when a picture lies there (the banner, the
// navigation and quick-link buttons, the page's background picture while it is
// shown), as the pictures are drawn, scaled where they are stretched; else the one
// colour there, usually the page's.
class PreviewBackdrops : public BackdropSource {
public:
    explicit PreviewBackdrops(const PreviewPage& page);

    std::vector<Backdrop> backdropsFor(const ColorScheme& scheme, Element element) const override;

private:
    const PreviewPage& page_;
    QImage beneath_; // Format_RGB32
    QRegion pictures_;
};
