#include "theme/ThemeReaders.h"

#include "framework/Procedure.h"
#include "framework/TextFile.h"
#include "theme/ColorScheme.h"
#include "theme/StyleSheetInput.h"
#include "theme/StyleSheetRules.h"

#include <array>

namespace {
constexpr int colorSlot(Element e) {
    return themeElement(e).colorSlot;
}
constexpr int fontSlot(Element e) {
    return themeElement(e).fontSlot;
}
constexpr int imageSlot(Element e) {
    return themeElement(e).imageSlot;
}

// color1.css. The second-level heading is known only by its selector "h2, marquee".
constexpr std::array<std::u16string_view, 11> ColorSelectors{
    u"body", u"h1",     u"h2, marquee", u"h3",        u"h4",      u"h5",
    u"h6",   u"BUTTON", u"a:link",      u"a:visited", u"a:active"};
enum ColorSection { CBody, CH1, CH2, CH3, CH4, CH5, CH6, CButton, CLink, CVisited, CActive };

// The body's background colour is the background of the twelve text elements, from
// BANNER (the page background) to NAVBUTTONS, whose colour slots are 0..11.
constexpr std::array<Declaration, 13> ColorTable{{
    {CBody, u"color", Store::Fore, colorSlot(Element::BODY), colorSlot(Element::BODY)},
    {CBody, u"background-color", Store::Back, colorSlot(Element::BANNER),
     colorSlot(Element::NAVBUTTONS)},
    {CH1, u"color", Store::Fore, colorSlot(Element::HEADING1), colorSlot(Element::HEADING1)},
    {CH2, u"color", Store::Fore, colorSlot(Element::HEADING2), colorSlot(Element::HEADING2)},
    {CH3, u"color", Store::Fore, colorSlot(Element::HEADING3), colorSlot(Element::HEADING3)},
    {CH4, u"color", Store::Fore, colorSlot(Element::HEADING4), colorSlot(Element::HEADING4)},
    {CH5, u"color", Store::Fore, colorSlot(Element::HEADING5), colorSlot(Element::HEADING5)},
    {CH6, u"color", Store::Fore, colorSlot(Element::HEADING6), colorSlot(Element::HEADING6)},
    {CButton, u"background-color", Store::Back, colorSlot(Element::NAVBUTTONS),
     colorSlot(Element::NAVBUTTONS)},
    {CButton, u"color", Store::Fore, colorSlot(Element::NAVBUTTONS),
     colorSlot(Element::NAVBUTTONS)},
    {CLink, u"color", Store::Fore, colorSlot(Element::REGULARLINK),
     colorSlot(Element::REGULARLINK)},
    {CVisited, u"color", Store::Fore, colorSlot(Element::VISITEDLINK),
     colorSlot(Element::VISITEDLINK)},
    {CActive, u"color", Store::Fore, colorSlot(Element::ACTIVELINK),
     colorSlot(Element::ACTIVELINK)},
}};
static_assert(colorSlot(Element::NAVBUTTONS) - colorSlot(Element::BANNER) == 11);

constexpr Declaration image(int section, std::u16string_view property, Element e) {
    return {section, property, Store::Image, imageSlot(e), imageSlot(e)};
}

// graph0.css has one selector and no end of section.
constexpr std::array<std::u16string_view, 1> Graph0Selectors{u".mstheme"};
constexpr std::array<Declaration, 13> Graph0Table{{
    image(0, u"nav-banner-image", Element::BANNER),
    image(0, u"separator-image", Element::HORIZRULE),
    image(0, u"list-image-1", Element::BULLETLIST1),
    image(0, u"list-image-2", Element::BULLETLIST2),
    image(0, u"list-image-3", Element::BULLETLIST3),
    image(0, u"navbutton-prev-normal", Element::BTNBACKNORM),
    image(0, u"navbutton-home-normal", Element::BTNHOMENORM),
    image(0, u"navbutton-up-normal", Element::BTNUPNORM),
    image(0, u"navbutton-next-normal", Element::BTNNEXTNORM),
    image(0, u"navbutton-horiz-normal", Element::HORIZNAVBTNNORM),
    image(0, u"navbutton-horiz-pushed", Element::HORIZNAVBTNPUSH),
    image(0, u"navbutton-vert-normal", Element::VIRTNAVBTNNORM),
    image(0, u"navbutton-vert-pushed", Element::VIRTNAVBTNPUSH),
}};

constexpr std::array<std::u16string_view, 3> Graph1Selectors{u".mstheme", u".mstheme-bannertxt",
                                                             u".mstheme-navtxthome"};
enum Graph1Section { GTheme, GBanner, GNav };
constexpr std::array<Declaration, 10> Graph1Table{{
    image(GTheme, u"navbutton-prev-hovered", Element::BTNBACKPUSH),
    image(GTheme, u"navbutton-home-hovered", Element::BTNHOMEPUSH),
    image(GTheme, u"navbutton-up-hovered", Element::BTNUPPUSH),
    image(GTheme, u"navbutton-next-hovered", Element::BTNEXTPUSH),
    {GBanner, u"color", Store::Fore, colorSlot(Element::BANNER), colorSlot(Element::BANNER)},
    {GBanner, u"font-family", Store::Face, fontSlot(Element::BANNER), fontSlot(Element::BANNER)},
    {GBanner, u"font-size", Store::Size, fontSlot(Element::BANNER), fontSlot(Element::BANNER)},
    {GNav, u"color", Store::Fore, colorSlot(Element::NAVBUTTONS), colorSlot(Element::NAVBUTTONS)},
    {GNav, u"font-family", Store::Face, fontSlot(Element::NAVBUTTONS),
     fontSlot(Element::NAVBUTTONS)},
    {GNav, u"font-size", Store::Size, fontSlot(Element::NAVBUTTONS), fontSlot(Element::NAVBUTTONS)},
}};

bool isSectionEnd(QStringView trimmed) {
    return trimmed == u"}";
}

// The graphics readers compare the section with their selectors as the line was read,
// so a selector line with blanks around it opens a section whose declarations match
// no row of the table.
int untrimmedSection(std::span<const std::u16string_view> selectors, int index, QStringView line) {
    return line == QStringView(selectors[static_cast<std::size_t>(index)]) ? index : NoSection;
}

// What distinguishes the three declaration readers: their selectors and table,
// whether "}" ends a section, and whether a section must match its selector as the
// line was read (the graphics readers) or trimmed (the colour reader).
struct SheetRules {
    const char* traceName;
    const char* fileName;
    std::span<const std::u16string_view> selectors;
    std::span<const Declaration> table;
    bool bracesEndSections;
    bool untrimmedSections;
};

void readSheet(ColorScheme& scheme, const QString& themesDir, const QString& caption,
               const SheetRules& rules) {
    Procedure proc(QString::fromLatin1(rules.traceName));
    StyleSheetInput input;
    if (!input.open(proc, scheme, themesDir, caption, QString::fromLatin1(rules.fileName)))
        return;
    int section = NoSection;
    while (input.next(proc)) {
        proc.step([&] {
            const QString& line = input.line();
            const QStringView trimmed = trimBlanks(line);
            if (rules.bracesEndSections && isSectionEnd(trimmed))
                section = NoSection;
            if (const int index = selectorIndex(rules.selectors, trimmed); index != NoSection) {
                section = rules.untrimmedSections ? untrimmedSection(rules.selectors, index, line)
                                                  : index;
                return;
            }
            readDeclaration(scheme, rules.table, section, line, trimmed, input.folder());
        });
    }
}
} // namespace

void LoadColors(ColorScheme& scheme, const QString& themesDir, const QString& caption) {
    readSheet(scheme, themesDir, caption,
              {"frmMain.LoadColors", "color1.css", ColorSelectors, ColorTable, true, false});
}

// Once ".mstheme" has been read, every later line of graph0.css is one of its
// declarations: the sheet has no end of section.
void LoadGraph0(ColorScheme& scheme, const QString& themesDir, const QString& caption) {
    readSheet(scheme, themesDir, caption,
              {"frmMain.LoadGraph0", "graph0.css", Graph0Selectors, Graph0Table, false, true});
}

void LoadGraph1(ColorScheme& scheme, const QString& themesDir, const QString& caption) {
    readSheet(scheme, themesDir, caption,
              {"frmMain.LoadGraph1", "graph1.css", Graph1Selectors, Graph1Table, true, true});
}

DeclarationSheet colorSheetTable() {
    return {ColorSelectors, ColorTable};
}

DeclarationSheet graph0SheetTable() {
    return {Graph0Selectors, Graph0Table};
}

DeclarationSheet graph1SheetTable() {
    return {Graph1Selectors, Graph1Table};
}
