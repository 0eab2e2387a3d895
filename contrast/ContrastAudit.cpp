#include "contrast/ContrastAudit.h"

#include "contrast/ColorSpace.h"
#include "theme/ColorScheme.h"
#include "theme/DrawnFont.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// Hyperlinks told apart from the text around them by colour alone need 3:1 against
// it, whatever the level.
constexpr double LinkAgainstBodyRatio = 3.0;

// Colour-vision advice, on the OKLab distance x 100 (about 2 is just noticeable side
// by side). Two rows' text colours are meant to be told apart when normal vision sees
// them at least 10 apart; a deficiency makes them hard to tell apart when, simulated,
// they come closer than 4: too little to tell a link by colour alone.
constexpr double MeantApart = 10.0;
constexpr double HardToTellApart = 4.0;

// The pairs of rows whose difference in colour tells the reader something: a link from
// the text around it, and the three states of a link from one another. Headings are
// told apart by size and weight, navigation text by its buttons.
constexpr std::pair<Element, Element> MeaningfulPairs[] = {
    {Element::REGULARLINK, Element::BODY},       {Element::VISITEDLINK, Element::BODY},
    {Element::ACTIVELINK, Element::BODY},        {Element::REGULARLINK, Element::VISITEDLINK},
    {Element::REGULARLINK, Element::ACTIVELINK}, {Element::VISITEDLINK, Element::ACTIVELINK}};

// The deficiencies the pair advice judges by. Achromatopsia is left out: it sees
// lightness alone, which the contrast ratios already measure (a link against the body
// text has its own 3:1 advice), and judged by it nearly every two mid-dark colours
// would be reported, burying the advice a designer can act on.
constexpr Deficiency Dichromacies[] = {Deficiency::Protanopia, Deficiency::Deuteranopia,
                                       Deficiency::Tritanopia};

constexpr Element LinkElements[] = {Element::REGULARLINK, Element::VISITEDLINK,
                                    Element::ACTIVELINK};

qint32 textColor(const ColorScheme& scheme, Element element) {
    return scheme.color(ColorAttr::Fore, themeElement(element).colorSlot);
}

std::vector<Element> textRows() {
    std::vector<Element> rows;
    for (int row = 1; row < EditorRowCount; ++row)
        rows.push_back(elementForRow(row)->element);
    return rows;
}

// What a row's text is judged by: its colour, its backdrops and the ratio it needs.
struct RowRule {
    qint32 foreground;
    std::vector<Backdrop> backdrops;
    TextFont font;
    double required;
};

RowRule rowRule(const ColorScheme& scheme, const BackdropSource& source, ContrastLevel level,
                Element element) {
    const TextFont font = textFontOf(scheme, element);
    return {textColor(scheme, element), source.backdropsFor(scheme, element), font,
            requiredRatio(level, font.large)};
}

ContrastCheck linkCheck(const ColorScheme& scheme, Element link) {
    ContrastCheck c;
    c.kind = CheckKind::LinkAgainstBody;
    c.element = link;
    c.other = Element::BODY;
    c.foreground = textColor(scheme, link);
    c.background = textColor(scheme, Element::BODY);
    c.ratio = c.lowest = contrastRatio(c.foreground, c.background);
    c.required = LinkAgainstBodyRatio;
    c.pass = c.ratio >= c.required;
    c.advice = true;
    return c;
}

// The advice for a pair of rows, when some deficiency makes them hard to tell apart.
std::optional<ContrastCheck> colourVisionCheck(const ColorScheme& scheme, Element a, Element b) {
    const qint32 colorA = textColor(scheme, a);
    const qint32 colorB = textColor(scheme, b);
    if (okLabDistance(colorA, colorB) * 100 < MeantApart)
        return std::nullopt;
    ContrastCheck c;
    c.kind = CheckKind::ColourVision;
    c.element = a;
    c.other = b;
    c.foreground = colorA;
    c.background = colorB;
    c.ratio = std::numeric_limits<double>::infinity();
    for (const Deficiency d : Dichromacies) {
        const double apart =
            okLabDistance(simulateColor(colorA, d), simulateColor(colorB, d)) * 100;
        if (apart < c.ratio) {
            c.ratio = c.lowest = apart;
            c.deficiency = d;
        }
    }
    if (c.ratio >= HardToTellApart)
        return std::nullopt;
    c.required = HardToTellApart;
    c.advice = true;
    return c;
}

} // namespace

std::vector<Backdrop> PlainBackdrops::backdropsFor(const ColorScheme& scheme,
                                                   Element element) const {
    const qint32 page = scheme.pageBackground();
    if (!opaqueLabels_)
        return {Backdrop::plain(page)};
    const qint32 own = scheme.color(ColorAttr::Back, themeElement(element).colorSlot);
    if (element == Element::BANNER)
        return {Backdrop::plain(own)};
    // The selected quick-link and vertical navigation labels stay transparent.
    if (element == Element::NAVBUTTONS)
        return {Backdrop::plain(own), Backdrop::plain(page)};
    return {Backdrop::plain(page)};
}

TextFont textFontOf(const ColorScheme& scheme, Element element) {
    const int slot = themeElement(element).fontSlot;
    TextFont font;
    font.points = drawnPointSize(scheme.font(FontAttr::Size, slot));
    if (const std::optional<DrawnStyle> style = drawnStyle(scheme.font(FontAttr::Style, slot)))
        font.bold = style->bold;
    font.large = font.points && isLargeText(*font.points, font.bold.value_or(false));
    return font;
}

bool ContrastAudit::passes() const {
    return std::all_of(checks.begin(), checks.end(),
                       [](const ContrastCheck& c) { return c.advice || c.pass; });
}

ContrastCheck checkRow(const ColorScheme& scheme, const BackdropSource& backdrops,
                       ContrastLevel level, Element element) {
    const RowRule rule = rowRule(scheme, backdrops, level, element);
    const Contrast contrast = contrastOver(rule.foreground, rule.backdrops);
    ContrastCheck c;
    c.element = element;
    c.foreground = rule.foreground;
    c.background = contrast.typicalColor;
    c.ratio = contrast.typical;
    c.lowest = contrast.lowest;
    c.required = rule.required;
    c.overPicture = contrast.overPicture;
    c.font = rule.font;
    c.pass = c.ratio >= c.required;
    return c;
}

PassingColor makeRowPass(const ColorScheme& scheme, const BackdropSource& backdrops,
                         ContrastLevel level, Element element) {
    const RowRule rule = rowRule(scheme, backdrops, level, element);
    if (scheme.isLocked(ColorAttr::Fore, themeElement(element).colorSlot)) {
        PassingColor kept;
        kept.color = rule.foreground;
        kept.lightness = toOkLab(toLinear(rule.foreground)).L;
        kept.locked = contrastOver(rule.foreground, rule.backdrops).typical < rule.required;
        kept.outcome =
            kept.locked ? PassingColor::Outcome::Impossible : PassingColor::Outcome::AlreadyPasses;
        return kept;
    }
    return makeItPass(rule.foreground, rule.backdrops, rule.required);
}

ContrastAudit auditScheme(const ColorScheme& scheme, const BackdropSource& backdrops,
                          ContrastLevel level) {
    ContrastAudit audit;
    audit.level = level;
    const std::vector<Element> rows = textRows();
    for (const Element row : rows)
        audit.checks.push_back(checkRow(scheme, backdrops, level, row));
    for (const Element link : LinkElements)
        audit.checks.push_back(linkCheck(scheme, link));
    for (const auto& [a, b] : MeaningfulPairs)
        if (const std::optional<ContrastCheck> c = colourVisionCheck(scheme, a, b))
            audit.checks.push_back(*c);
    return audit;
}

ContrastAudit auditVariant(const ColorScheme& scheme, Variant variant,
                           const BackdropSource& backdrops, ContrastLevel level) {
    ContrastAudit audit = auditScheme(scheme.shownAs(variant), backdrops, level);
    audit.variant = variant;
    return audit;
}
