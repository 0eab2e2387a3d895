#pragma once

#include "contrast/ContrastRule.h"
#include "contrast/MakeItPass.h"
#include "contrast/VisionSimulation.h"
#include "theme/ColorScheme.h"
#include "theme/ThemeElement.h"

#include <optional>
#include <vector>

// What the preview draws behind the text of each editor row. The window's preview
// answers with the pictures it shows; PlainBackdrops stands in where none are drawn.
class BackdropSource {
public:
    virtual ~BackdropSource() = default;
    // One backdrop per place the row's text is drawn (navigation text has several).
    virtual std::vector<Backdrop> backdropsFor(const ColorScheme& scheme,
                                               Element element) const = 0;
};

// The page without its pictures: every label on the page colour, except that the
// labels over the banner and the horizontal navigation and quick-link pictures lie
// on their element's own back colour when "Transparant Labels" is cleared.
class PlainBackdrops : public BackdropSource {
public:
    explicit PlainBackdrops(bool opaqueLabels = false) : opaqueLabels_(opaqueLabels) {}
    std::vector<Backdrop> backdropsFor(const ColorScheme& scheme, Element element) const override;

private:
    bool opaqueLabels_;
};

// The font of a row's text as the preview draws it, as far as the scheme decides.
struct TextFont {
    std::optional<float> points; // nullopt: a size the preview refuses
    std::optional<bool> bold;    // nullopt: a style code the preview ignores
    // An unknown size or style is judged as normal, not bold, text: the stricter rule.
    bool large = false;
};
TextFont textFontOf(const ColorScheme& scheme, Element element);

enum class CheckKind {
    Text,            // a row's text over what is drawn behind it
    LinkAgainstBody, // advice: a hyperlink colour against the body text colour, 3:1
    ColourVision     // advice: two rows a colour-vision deficiency makes look alike
                     // (a link and the body text, or two states of a link)
};

struct ContrastCheck {
    CheckKind kind = CheckKind::Text;
    Element element = Element::BODY;
    Element other = Element::BODY;              // advice: the row compared with
    Deficiency deficiency = Deficiency::Normal; // ColourVision: the one that hurts most
    qint32 foreground = 0;
    // Text: the backdrop colour that decides the ratio; advice: the other row's colour.
    qint32 background = 0;
    // Text and links: the contrast ratio (over a picture, the one 95 % of its pixels
    // reach). ColourVision: the OKLab distance x 100 of the two simulated colours.
    double ratio = 1;
    double lowest = 1; // Text: the ratio of the worst pixel; the ratio itself if plain
    double required = 0;
    bool overPicture = false;
    TextFont font; // Text only
    bool pass = false;
    bool advice = false; // never fails the audit
};

struct ContrastAudit {
    ContrastLevel level = ContrastLevel::AA;
    Variant variant = Variant::Light; // the colours judged
    std::vector<ContrastCheck> checks;
    // Every check that is not advice passes.
    bool passes() const;
};

// The twelve text rows in editor order, then the hyperlink advice, then one advice
// per pair of rows whose colours tell the reader something (each link and the body
// text, the link states among themselves) that protanopia, deuteranopia or tritanopia
// makes hard to tell apart.
ContrastAudit auditScheme(const ColorScheme& scheme, const BackdropSource& backdrops,
                          ContrastLevel level);
// The audit of the scheme as it looks in `variant`, one the scheme has.
ContrastAudit auditVariant(const ColorScheme& scheme, Variant variant,
                           const BackdropSource& backdrops, ContrastLevel level);
// The check of one text row (BANNER .. NAVBUTTONS).
ContrastCheck checkRow(const ColorScheme& scheme, const BackdropSource& backdrops,
                       ContrastLevel level, Element element);
// Make It Pass for one text row, judged by the same rule as checkRow. A failing row
// whose text colour is locked stays as it is: Impossible, and `locked` says why.
PassingColor makeRowPass(const ColorScheme& scheme, const BackdropSource& backdrops,
                         ContrastLevel level, Element element);
