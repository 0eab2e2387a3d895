#include "contrast/MakeAllPass.h"

#include "contrast/ColorSpace.h"
#include "contrast/MakeItPass.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double LinkAgainstBodyRatio = 3.0;
constexpr Element Links[] = {Element::REGULARLINK, Element::VISITEDLINK, Element::ACTIVELINK};
// Rounds of spreading and link adjustment; each only moves rows further the way they
// already went, so a few settle every case.
constexpr int Rounds = 8;
// Rows keep their old lightness gap up to this much (OKLCH lightness, about two and a
// half times what is just noticeable side by side): enough to tell a hierarchy, without
// moving rows much further than passing needs.
constexpr double DistinctStep = 0.05;

struct Move {
    Element element;
    qint32 original;
    double from;   // OKLCH lightness before
    double least;  // the least lightness (in the direction of travel) that passes
    double to;     // where the row goes
    int direction; // +1 lighter, -1 darker
};

qint32 textColor(const ColorScheme& scheme, Element element) {
    return scheme.color(ColorAttr::Fore, themeElement(element).colorSlot);
}

void setTextColor(ColorScheme& scheme, Element element, qint32 color) {
    scheme.color(ColorAttr::Fore, themeElement(element).colorSlot) = color;
}

double lightnessOf(qint32 color) {
    return toOkLab(toLinear(color)).L;
}

// Lays the moves of one direction out so that their order from the start is kept: each
// at least where it passes and its old gap (at most DistinctStep) beyond the one before,
// gaps shrunk evenly when the end of the range leaves too little room.
void spread(std::vector<Move*>& moves, int direction) {
    std::sort(moves.begin(), moves.end(), [direction](const Move* a, const Move* b) {
        return direction * a->from < direction * b->from;
    });
    const auto layOut = [&](double share) {
        double previous = 0;
        for (size_t i = 0; i < moves.size(); ++i) {
            Move& m = *moves[i];
            m.to = m.least;
            if (i > 0) {
                const double gap =
                    std::min(DistinctStep, direction * (m.from - moves[i - 1]->from));
                m.to = direction > 0 ? std::max(m.to, previous + share * gap)
                                     : std::min(m.to, previous - share * gap);
            }
            previous = m.to;
        }
        return moves.empty() || (moves.back()->to >= 0 && moves.back()->to <= 1);
    };
    double fits = 0;
    double tooMuch = 1;
    if (layOut(1))
        return;
    for (int i = 0; i < 30; ++i) {
        const double mid = (fits + tooMuch) / 2;
        (layOut(mid) ? fits : tooMuch) = mid;
    }
    layOut(fits);
}

// The least lightness, from where the move now ends on in its direction, at which its
// colour is at least `ratio` from `other`; nullopt when none up to the end of the range is.
std::optional<double> partFrom(const Move& move, qint32 other, double ratio) {
    for (double l = move.to; l >= 0 && l <= 1; l += move.direction * LightnessStep * 8) {
        if (contrastRatio(colorAtLightness(move.original, l), other) >= ratio)
            return l;
    }
    return std::nullopt;
}

struct Planner {
    const ColorScheme& scheme;
    const BackdropSource& backdrops;
    ContrastLevel level;
    std::vector<Move> moves;
    AllPassResult result;

    Move* moveOf(Element element) {
        for (Move& m : moves)
            if (m.element == element)
                return &m;
        return nullptr;
    }

    void findMoves() {
        for (int row = 1; row < EditorRowCount; ++row) {
            const Element element = elementForRow(row)->element;
            const PassingColor passing = makeRowPass(scheme, backdrops, level, element);
            if (passing.outcome == PassingColor::Outcome::Impossible)
                (passing.locked ? result.locked : result.impossible).push_back(element);
            if (passing.outcome != PassingColor::Outcome::Changed)
                continue;
            const qint32 original = textColor(result.scheme, element);
            const double from = lightnessOf(original);
            moves.push_back({element, original, from, passing.lightness, passing.lightness,
                             passing.lightness > from ? +1 : -1});
        }
    }

    void spreadAll() {
        for (const int direction : {+1, -1}) {
            std::vector<Move*> group;
            for (Move& m : moves)
                if (m.direction == direction)
                    group.push_back(&m);
            spread(group, direction);
        }
    }

    qint32 colorNow(Element element) {
        const Move* m = moveOf(element);
        return m ? colorAtLightness(m->original, m->to) : textColor(result.scheme, element);
    }

    // Where a link came closer to the body text than the advice allows, moves whichever
    // of the two is ahead on their way (the lighter of two going lighter) further on, so
    // that they part without crossing; a row Make All Pass leaves as it is stays. True
    // when any moved.
    bool keepLinksApart() {
        bool moved = false;
        for (const Element element : Links) {
            const qint32 body = colorNow(Element::BODY);
            const double wanted = std::min(LinkAgainstBodyRatio,
                                           contrastRatio(textColor(result.scheme, element),
                                                         textColor(result.scheme, Element::BODY)));
            if (contrastRatio(colorNow(element), body) >= wanted)
                continue;
            Move* link = moveOf(element);
            Move* text = moveOf(Element::BODY);
            const Move* leader = link ? link : text;
            const double linkFrom = lightnessOf(textColor(result.scheme, element));
            const double bodyFrom = lightnessOf(textColor(result.scheme, Element::BODY));
            const bool linkAhead = leader->direction * (linkFrom - bodyFrom) > 0;
            Move* ahead = linkAhead ? link : text;
            if (!ahead)
                continue;
            const qint32 other = linkAhead ? body : colorNow(element);
            if (const std::optional<double> l = partFrom(*ahead, other, wanted)) {
                ahead->least = *l;
                moved = true;
            }
        }
        return moved;
    }

    void judge() {
        const ColorScheme before = result.scheme;
        for (const Move& m : moves)
            setTextColor(result.scheme, m.element, colorAtLightness(m.original, m.to));
        for (int row = 1; row < EditorRowCount; ++row) {
            const Element element = elementForRow(row)->element;
            const Move* m = moveOf(element);
            if (!m)
                continue;
            // A row pushed past where it passes over a picture may fail again there.
            if (!checkRow(result.scheme, backdrops, level, element).pass)
                setTextColor(result.scheme, element, colorAtLightness(m->original, m->least));
            result.changed.push_back(element);
        }
        // Rows that went opposite ways lie on different backdrops; only rows that went
        // the same way have an order to keep.
        for (const Move& a : moves)
            for (const Move& b : moves)
                if (a.direction == b.direction && a.from < b.from &&
                    lightnessOf(textColor(result.scheme, a.element)) >=
                        lightnessOf(textColor(result.scheme, b.element)))
                    for (const Element e : {a.element, b.element})
                        if (std::find(result.orderNotKept.begin(), result.orderNotKept.end(), e) ==
                            result.orderNotKept.end())
                            result.orderNotKept.push_back(e);
        std::sort(result.orderNotKept.begin(), result.orderNotKept.end());
        for (const Element link : Links) {
            const double was =
                contrastRatio(textColor(before, link), textColor(before, Element::BODY));
            const double now = contrastRatio(textColor(result.scheme, link),
                                             textColor(result.scheme, Element::BODY));
            if (now < std::min(was, LinkAgainstBodyRatio) &&
                (moveOf(link) || moveOf(Element::BODY)))
                result.linksCloser.push_back(link);
        }
    }
};

} // namespace

AllPassResult makeAllPass(const ColorScheme& scheme, const BackdropSource& backdrops,
                          ContrastLevel level) {
    Planner planner{scheme, backdrops, level, {}, {scheme, {}, {}, {}, {}, {}}};
    planner.findMoves();
    for (int round = 0; round < Rounds; ++round) {
        planner.spreadAll();
        if (!planner.keepLinksApart())
            break;
    }
    planner.spreadAll();
    planner.judge();
    return planner.result;
}
