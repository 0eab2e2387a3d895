#include "theme/ThemeReaders.h"

#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "framework/TextFile.h"
#include "theme/ColorScheme.h"
#include "theme/StyleSheetInput.h"
#include "theme/StyleSheetRules.h"

#include <array>

namespace {
constexpr int fontSlot(Element e) {
    return themeElement(e).fontSlot;
}

// A line this long holds a whole style sheet written without carriage returns.
constexpr qsizetype SingleLineLength = 256;

constexpr std::array<std::u16string_view, 12> ThemeSelectors{u".mstheme", u".mstheme-topbar-font",
                                                             u"body",     u"TEXTAREA",
                                                             u"h1",       u"h2",
                                                             u"h3",       u"h4",
                                                             u"h5",       u"h6",
                                                             u"BUTTON",   u".mstheme-horiz-navtxt"};
enum ThemeSection { TTheme, TTopBar, TBody, TTextArea, TH1, TH2, TH3, TH4, TH5, TH6, TButton };

constexpr Declaration font(int section, Store store, Element e) {
    return {section, store == Store::Face ? u"font-family" : u"font-size", store, fontSlot(e),
            fontSlot(e)};
}
constexpr Declaration fontFamily(int section, Element e) {
    return font(section, Store::Face, e);
}
constexpr Declaration fontSize(int section, Element e) {
    return font(section, Store::Size, e);
}

// The body text's font comes from "TEXTAREA", not from "body"; ".mstheme-horiz-navtxt"
// has no row: it is known only so that its declarations are not taken for another's.
constexpr std::array<Declaration, 21> ThemeTable{{
    {TTheme, u"top-bar-button", Store::Image, themeElement(Element::GLOBALBUTTONS).imageSlot,
     themeElement(Element::GLOBALBUTTONS).imageSlot},
    fontFamily(TTopBar, Element::GLOBALBUTTONS),
    fontSize(TTopBar, Element::GLOBALBUTTONS),
    {TTopBar, u"color", Store::Fore, themeElement(Element::GLOBALBUTTONS).colorSlot,
     themeElement(Element::GLOBALBUTTONS).colorSlot},
    {TBody, u"background-image", Store::Image, themeElement(Element::BACKGROUND).imageSlot,
     themeElement(Element::BACKGROUND).imageSlot},
    fontFamily(TTextArea, Element::BODY),
    fontSize(TTextArea, Element::BODY),
    fontFamily(TH1, Element::HEADING1),
    fontSize(TH1, Element::HEADING1),
    fontFamily(TH2, Element::HEADING2),
    fontSize(TH2, Element::HEADING2),
    fontFamily(TH3, Element::HEADING3),
    fontSize(TH3, Element::HEADING3),
    fontFamily(TH4, Element::HEADING4),
    fontSize(TH4, Element::HEADING4),
    fontFamily(TH5, Element::HEADING5),
    fontSize(TH5, Element::HEADING5),
    fontFamily(TH6, Element::HEADING6),
    fontSize(TH6, Element::HEADING6),
    fontFamily(TButton, Element::NAVBUTTONS),
    fontSize(TButton, Element::NAVBUTTONS),
}};

struct SingleLineRule {
    std::u16string_view selector;
    Element element;
};
constexpr std::array<SingleLineRule, 7> SingleLineRules{{
    {u"body", Element::BODY},
    {u"h1", Element::HEADING1},
    {u"h2", Element::HEADING2},
    {u"h3", Element::HEADING3},
    {u"h4", Element::HEADING4},
    {u"h5", Element::HEADING5},
    {u"h6", Element::HEADING6},
}};

// The colon of the first `property` at or after `start`; a search that found nothing
// before it makes this one start at 0, which is error 5.
qsizetype colonOf(QStringView line, qsizetype start, std::u16string_view property) {
    const qsizetype at = css::inStr(start, line, property);
    return css::inStr(at, line, u":");
}

// A style sheet on one line is searched, not parsed: each value is the first one
// after its selector's first occurrence. A missing selector is reported once and its
// rule passed over; the family and the size are steps of their own, so a rule
// without a family still gives its size.
void readSingleLine(Procedure& proc, ColorScheme& scheme, QStringView line) {
    proc.step([&] {
        const qsizetype start = css::inStr(1, line, u".mstheme-topbar-font");
        const qsizetype colon = colonOf(line, start, u"font-family");
        scheme.font(FontAttr::Face, fontSlot(Element::GLOBALBUTTONS)) =
            SchemeValue::text(css::fontFamilyValue(line, colon));
    });
    for (const SingleLineRule& rule : SingleLineRules) {
        const int slot = fontSlot(rule.element);
        qsizetype start = 0;
        if (!proc.step([&] {
                start = css::inStr(1, line, rule.selector);
                // The next search would start at 0: the error of a missing selector.
                if (start == 0)
                    raiseError(Err::InvalidCall);
            }))
            continue;
        proc.step([&] {
            const qsizetype colon = colonOf(line, start, u"font-family");
            scheme.font(FontAttr::Face, slot) =
                SchemeValue::text(css::fontFamilyValue(line, colon));
        });
        proc.step([&] {
            const qsizetype colon = colonOf(line, start, u"font-size");
            scheme.font(FontAttr::Size, slot) = css::fontSizeValue(line, colon, scheme);
        });
    }
}
} // namespace

void LoadTheme(ColorScheme& scheme, const QString& themesDir, const QString& caption) {
    Procedure proc(QStringLiteral("frmMain.LoadTheme"));
    StyleSheetInput input;
    if (input.open(proc, scheme, themesDir, caption, QStringLiteral("theme.css"))) {
        int section = NoSection;
        while (input.next(proc)) {
            const QString& line = input.line();
            if (line.size() >= SingleLineLength) {
                readSingleLine(proc, scheme, line);
                break;
            }
            proc.step([&] {
                const QStringView trimmed = trimBlanks(line);
                if (trimmed == u"}")
                    section = NoSection;
                if (const int index = selectorIndex(ThemeSelectors, trimmed); index != NoSection) {
                    section = index;
                    return;
                }
                readDeclaration(scheme, ThemeTable, section, line, trimmed, input.folder());
            });
        }
    }
    // The hyperlinks are written in the body text's font, whatever the file held.
    proc.step([&] {
        const int body = fontSlot(Element::BODY);
        for (const Element link :
             {Element::REGULARLINK, Element::VISITEDLINK, Element::ACTIVELINK}) {
            scheme.font(FontAttr::Face, fontSlot(link)) = scheme.font(FontAttr::Face, body);
            scheme.font(FontAttr::Size, fontSlot(link)) = scheme.font(FontAttr::Size, body);
        }
    });
}
