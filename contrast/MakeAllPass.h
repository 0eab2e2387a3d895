#pragma once

#include "contrast/ContrastAudit.h"
#include "theme/ColorScheme.h"

#include <utility>
#include <vector>

// Make All Pass: every failing text row takes the least lightness change that passes,
// and then, so that rows which differed do not end up alike, the rows it changes keep
// their lightness order (spread apart by their old gaps, up to a visible step, where
// there is room) and no link moves closer to the body text than the 3:1 advice allows
// (or than it was, when it was closer already). A row whose text colour is locked is
// never moved.
struct AllPassResult {
    ColorScheme scheme;                // the scheme with the changes made
    std::vector<Element> changed;      // in editor order
    std::vector<Element> impossible;   // no text colour passes over what lies behind
    std::vector<Element> locked;       // failing rows whose text colour is locked
    std::vector<Element> orderNotKept; // changed rows that had to come level with another
    std::vector<Element> linksCloser;  // links whose advice against the body got worse
};

AllPassResult makeAllPass(const ColorScheme& scheme, const BackdropSource& backdrops,
                          ContrastLevel level);
