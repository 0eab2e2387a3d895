#include "export/CssExport.h"

#include "export/CssProperties.h"
#include "export/CssValues.h"
#include "export/ExamplePage.h"
#include "export/ExportTarget.h"
#include "export/PicturePlan.h"
#include "framework/FileAccess.h"
#include "framework/Procedure.h"
#include "theme/ColorScheme.h"
#include "theme/DrawnFont.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString var(Element element, Attribute attribute) {
    return QStringLiteral("var(") + cssPropertyName(element, attribute) + QLatin1Char(')');
}

// The value of one attribute as its custom property holds it.
QString propertyValue(const ColorScheme& scheme, const PicturePlan& pictures,
                      const CssProperty& property) {
    const ThemeElement& e = themeElement(property.element);
    switch (property.attribute) {
    case Attribute::Image:
        return cssvalue::picture(pictures.nameFor(e.imageSlot));
    case Attribute::Color:
    case Attribute::BackColor:
        return cssvalue::color(scheme.color(ColorAttr::Back, e.colorSlot));
    case Attribute::ForeColor:
        return cssvalue::color(scheme.color(ColorAttr::Fore, e.colorSlot));
    case Attribute::Font:
        return cssvalue::face(scheme.font(FontAttr::Face, e.fontSlot).toText());
    case Attribute::FontSize:
        return cssvalue::size(scheme.font(FontAttr::Size, e.fontSlot));
    case Attribute::FontStyle:
        return cssvalue::style(scheme.font(FontAttr::Style, e.fontSlot));
    }
    return {};
}

bool sizeFits(const QString& size) {
    return cssvalue::isPointSize(size) && !size.startsWith(QLatin1Char('-'));
}

// The family and size declarations of an element's font, each only when CSS can use
// the value.
QStringList familyAndSize(const ColorScheme& scheme, Element element) {
    const int slot = themeElement(element).fontSlot;
    const QString face = scheme.font(FontAttr::Face, slot).toText();
    QStringList declarations;
    if (!face.isEmpty())
        declarations << QStringLiteral("font-family: ") + var(element, Attribute::Font) +
                            QStringLiteral(", ") + cssvalue::genericFamily(face);
    if (sizeFits(scheme.font(FontAttr::Size, slot).toText()))
        declarations << QStringLiteral("font-size: ") + var(element, Attribute::FontSize);
    return declarations;
}

QStringList slantAndWeight(DrawnStyle style) {
    return {QStringLiteral("font-style: ") +
                (style.italic ? QStringLiteral("italic") : QStringLiteral("normal")),
            QStringLiteral("font-weight: ") +
                (style.bold ? QStringLiteral("bold") : QStringLiteral("normal"))};
}

// The font declarations of an element's rule. The "font" shorthand carries the style
// too, but only holds when every part is a value it takes; otherwise the family and
// size are given on their own and the style as the preview draws it (regular for a
// style it cannot draw, where a browser would keep a heading bold).
QStringList fontDeclarations(const ColorScheme& scheme, Element element) {
    const int slot = themeElement(element).fontSlot;
    const QString face = scheme.font(FontAttr::Face, slot).toText();
    const QString style = scheme.font(FontAttr::Style, slot).toText();
    if (!face.isEmpty() && sizeFits(scheme.font(FontAttr::Size, slot).toText()) &&
        (style.isEmpty() || cssvalue::isStyleCode(style)))
        return {QStringLiteral("font: %1 %2 %3")
                    .arg(var(element, Attribute::FontStyle), var(element, Attribute::FontSize),
                         var(element, Attribute::Font) + QStringLiteral(", ") +
                             cssvalue::genericFamily(face))};
    return familyAndSize(scheme, element) +
           slantAndWeight(drawnStyle(scheme.font(FontAttr::Style, slot)).value_or(DrawnStyle{}));
}

QString rule(const QString& selector, const QStringList& declarations) {
    QString text = selector + QStringLiteral(" {\n");
    for (const QString& d : declarations)
        text += QStringLiteral("  ") + d + QStringLiteral(";\n");
    return text + QStringLiteral("}\n");
}

QString selectorList(const QStringList& selectors) {
    return selectors.join(QStringLiteral(",\n"));
}

// A text element's rule: its colour and its font. The preview draws these texts on
// the page without a background of their own, so the rule gives them none either.
QString textRule(const ColorScheme& scheme, const QStringList& selectors, Element element) {
    QStringList d{QStringLiteral("color: ") + var(element, Attribute::ForeColor)};
    d += fontDeclarations(scheme, element);
    return rule(selectorList(selectors), d);
}

// Whether the preview paints a label on the button in its element's colour while the
// labels over pictures are opaque: always, never, or only in the normal state (the
// quick links, whose selected row stays transparent).
enum class OpaqueLabel { Always, Never, NormalOnly };

struct PictureButton {
    const char* selector; // the class
    Element normal;
    Element pushed; // the picture of the current or pointed-at state, or the same
    Element text;   // whose colour and font the text takes
    OpaqueLabel opaque;
};

constexpr std::array<PictureButton, 8> Buttons{{
    {".tintora-banner", Element::BANNER, Element::BANNER, Element::BANNER, OpaqueLabel::Always},
    {".tintora-nav", Element::HORIZNAVBTNNORM, Element::HORIZNAVBTNPUSH, Element::NAVBUTTONS,
     OpaqueLabel::Always},
    {".tintora-vnav", Element::VIRTNAVBTNNORM, Element::VIRTNAVBTNPUSH, Element::NAVBUTTONS,
     OpaqueLabel::Never},
    {".tintora-global", Element::GLOBALBUTTONS, Element::GLOBALBUTTONS, Element::GLOBALBUTTONS,
     OpaqueLabel::Never},
    {".tintora-back", Element::BTNBACKNORM, Element::BTNBACKPUSH, Element::NAVBUTTONS,
     OpaqueLabel::NormalOnly},
    {".tintora-home", Element::BTNHOMENORM, Element::BTNHOMEPUSH, Element::NAVBUTTONS,
     OpaqueLabel::NormalOnly},
    {".tintora-up", Element::BTNUPNORM, Element::BTNUPPUSH, Element::NAVBUTTONS,
     OpaqueLabel::NormalOnly},
    {".tintora-next", Element::BTNNEXTNORM, Element::BTNEXTPUSH, Element::NAVBUTTONS,
     OpaqueLabel::NormalOnly},
}};

QStringList eachButton(const char* suffix) {
    QStringList selectors;
    for (const PictureButton& b : Buttons)
        selectors << QString::fromLatin1(b.selector) + QLatin1String(suffix);
    return selectors;
}

// The rules every picture button shares. The hidden ::before holds the picture only to
// give the button the picture's size; the picture shows as the button's background,
// where a browser's contrast checks see it behind the text. The text is a band as wide
// as the picture, centred on it and spilling over alike on both sides when longer, as
// the preview's label is.
QString buttonLayoutRules() {
    QString text = QStringLiteral(
        "\n/* Pictures with text on them: the element takes its picture's size and the text\n"
        "   inside it is centred on the picture, e.g.\n"
        "   <a class=\"tintora-nav\" href=\"/\"><span>Home</span></a> */\n");
    text += rule(selectorList(eachButton("")),
                 {QStringLiteral("position: relative"), QStringLiteral("display: inline-block"),
                  QStringLiteral("vertical-align: top"), QStringLiteral("text-decoration: none"),
                  QStringLiteral("background: transparent no-repeat 0 0 / 100% 100%")});
    text += rule(selectorList(eachButton("::before")),
                 {QStringLiteral("display: block"), QStringLiteral("visibility: hidden"),
                  QStringLiteral("font-size: 0"), QStringLiteral("line-height: 0")});
    text +=
        rule(selectorList(eachButton(" > *")),
             {QStringLiteral("position: absolute"), QStringLiteral("left: 0"),
              QStringLiteral("right: 0"), QStringLiteral("top: 50%"),
              QStringLiteral("transform: translateY(-50%)"), QStringLiteral("display: flex"),
              QStringLiteral("justify-content: center"), QStringLiteral("white-space: nowrap")});
    return text;
}

QString buttonRules(const ColorScheme& scheme, CssPageOptions options) {
    QString text = buttonLayoutRules();
    for (const PictureButton& b : Buttons) {
        const QString selector = QString::fromLatin1(b.selector);
        // Buttons are often links: their own colour and font win over the links'. The
        // preview keeps the global buttons' text regular whatever their style says.
        QStringList d{QStringLiteral("color: ") + var(b.text, Attribute::ForeColor),
                      QStringLiteral("background-image: ") + var(b.normal, Attribute::Image)};
        d += b.text == Element::GLOBALBUTTONS
                 ? familyAndSize(scheme, b.text) + slantAndWeight(DrawnStyle{})
                 : fontDeclarations(scheme, b.text);
        text += rule(selectorList({selector, selector + QStringLiteral(":link"),
                                   selector + QStringLiteral(":visited"),
                                   selector + QStringLiteral(":active")}),
                     d);
        text += rule(selector + QStringLiteral("::before"),
                     {QStringLiteral("content: ") + var(b.normal, Attribute::Image)});
        if (b.pushed != b.normal) {
            const QStringList pushed{selector + QStringLiteral(".tintora-current"),
                                     selector + QStringLiteral(":hover")};
            text += rule(selectorList(pushed),
                         {QStringLiteral("background-image: ") + var(b.pushed, Attribute::Image)});
            text += rule(selectorList({pushed[0] + QStringLiteral("::before"),
                                       pushed[1] + QStringLiteral("::before")}),
                         {QStringLiteral("content: ") + var(b.pushed, Attribute::Image)});
        }
        if (options.opaqueLabels && b.opaque != OpaqueLabel::Never) {
            const QString button = b.opaque == OpaqueLabel::NormalOnly
                                       ? selector + QStringLiteral(":not(.tintora-current)")
                                       : selector;
            text += rule(button + QStringLiteral(" > *"), {QStringLiteral("background-color: ") +
                                                           var(b.text, Attribute::BackColor)});
        }
    }
    return text;
}

// The page: its colour, and its picture stretched over it while the preview shows it.
QString pageRule(const ColorScheme& scheme, CssPageOptions options) {
    QStringList d{QStringLiteral("background-color: ") +
                  var(Element::BACKGROUND, Attribute::Color)};
    if (options.showBackground)
        d << QStringLiteral("background-image: ") + var(Element::BACKGROUND, Attribute::Image)
          << QStringLiteral("background-repeat: no-repeat")
          << QStringLiteral("background-size: 100% 100%");
    else
        d << QStringLiteral("background-image: none");
    d << QStringLiteral("color: ") + var(Element::BODY, Attribute::ForeColor);
    d += fontDeclarations(scheme, Element::BODY);
    return rule(QStringLiteral("body"), d);
}

QString textRules(const ColorScheme& scheme) {
    QString text;
    for (int level = 1; level <= 6; ++level)
        text += textRule(scheme, {QStringLiteral("h%1").arg(level)},
                         static_cast<Element>(static_cast<int>(Element::HEADING1) + level - 1));
    // The classes show a state on a page, as the preview shows all three at once.
    text += textRule(scheme, {QStringLiteral("a:link")}, Element::REGULARLINK);
    text += textRule(scheme, {QStringLiteral("a:visited"), QStringLiteral("a.tintora-visited")},
                     Element::VISITEDLINK);
    text += textRule(scheme, {QStringLiteral("a:active"), QStringLiteral("a.tintora-active")},
                     Element::ACTIVELINK);
    return text;
}

QString listAndRuleRules() {
    QString text;
    text += rule(QStringLiteral("ul"), {QStringLiteral("list-style-image: ") +
                                        var(Element::BULLETLIST1, Attribute::Image)});
    text += rule(QStringLiteral("ul ul"), {QStringLiteral("list-style-image: ") +
                                           var(Element::BULLETLIST2, Attribute::Image)});
    text += rule(QStringLiteral("ul ul ul"), {QStringLiteral("list-style-image: ") +
                                              var(Element::BULLETLIST3, Attribute::Image)});
    text += rule(QStringLiteral("hr"), {QStringLiteral("border: 0"), QStringLiteral("height: auto"),
                                        QStringLiteral("margin-left: 0")});
    text += rule(QStringLiteral("hr::before"),
                 {QStringLiteral("content: ") + var(Element::HORIZRULE, Attribute::Image),
                  QStringLiteral("display: block"), QStringLiteral("font-size: 0"),
                  QStringLiteral("line-height: 0")});
    return text;
}

// The locked colours' property names without "--tintora-", separated by blanks.
QString lockedProperties(const ColorScheme& scheme) {
    const qsizetype prefix = QStringLiteral("--tintora-").size();
    QStringList names;
    for (const CssProperty& property : cssProperties()) {
        if (!isColorProperty(property))
            continue;
        const ColorPlace place = *colorPlace(themeElement(property.element), property.attribute);
        if (scheme.isLocked(place.attr, place.slot))
            names << property.name.mid(prefix);
    }
    return names.join(QLatin1Char(' '));
}

// The colours of each variant the scheme has, as a ":root" block under the media
// condition that asks for it; the rules follow their custom properties.
QString variantBlocks(const ColorScheme& scheme, const PicturePlan& pictures) {
    QString text;
    for (const Variant variant : {Variant::Dark, Variant::Contrast}) {
        if (!scheme.hasVariant(variant))
            continue;
        const ColorScheme shown = scheme.shownAs(variant);
        text +=
            QStringLiteral("@media %1 {\n  :root {\n").arg(QLatin1String(cssVariantMedia(variant)));
        for (const CssProperty& property : cssProperties())
            if (isColorProperty(property))
                text += QStringLiteral("    ") + property.name + QStringLiteral(": ") +
                        propertyValue(shown, pictures, property) + QStringLiteral(";\n");
        text += QStringLiteral("  }\n}\n\n");
    }
    return text;
}

} // namespace

QByteArray cssStyleSheet(const ColorScheme& scheme, const PicturePlan& pictures,
                         CssPageOptions options) {
    QString text =
        QStringLiteral("/* The colour scheme \"%1\" from Tintora: one custom property per "
                       "attribute,\n   then the rules that use them. Pictures are "
                       "named by file name beside this\n   style sheet. */\n")
            .arg(cssvalue::commentText(scheme.ThemeName));
    text += QStringLiteral(":root {\n");
    for (const CssProperty& property : cssProperties()) {
        const QString value = propertyValue(scheme, pictures, property);
        // An empty value is written as one blank, which every CSS reader takes.
        text += QStringLiteral("  ") + property.name + QStringLiteral(": ") + value +
                QStringLiteral(";\n");
    }
    if (const QString locked = lockedProperties(scheme); !locked.isEmpty())
        text += QStringLiteral("  %1: %2;\n").arg(QLatin1String(CssLockedProperty), locked);
    text += QStringLiteral("}\n\n");
    text += variantBlocks(scheme, pictures);
    text += pageRule(scheme, options);
    text += textRules(scheme);
    text += listAndRuleRules();
    text += buttonRules(scheme, options);
    return text.toUtf8();
}

bool exportCss(Procedure& proc, const ColorScheme& scheme, const QString& path,
               ExistingOutput existing, PictureTest isPicture, CssPageOptions options,
               OutputPlace place, QStringList* written) {
    proc.Task = QStringLiteral("Export CSS: ") + path;
    const QFileInfo info(path);
    const QString pagePath = examplePagePath(path);
    // Refused before any picture is copied.
    const std::optional<OutputFolders> folders =
        prepareExportOutputs(proc, {path, pagePath}, existing, OutputKind::File, place);
    if (!folders)
        return false;

    PicturePlan pictures(scheme, {info.fileName(), QFileInfo(pagePath).fileName()},
                         info.absolutePath());
    QStringList copied;
    pictures.copyInto(proc, info.absolutePath(), isPicture, {}, &copied);
    const QByteArray sheet = cssStyleSheet(scheme, pictures, options);
    if (!proc.step([&] { saveFileBytes(path, sheet, place); })) {
        // Without the sheet the copies serve nothing.
        for (const QString& copy : std::as_const(copied))
            QFile::remove(copy);
        return false;
    }
    proc.Task = QStringLiteral("Export CSS: ") + pagePath;
    const QByteArray html = examplePage(scheme, info.fileName());
    const bool done = proc.step([&] { saveFileBytes(pagePath, html, place); });
    if (written)
        *written << path << (done ? QStringList{pagePath} : QStringList{}) << copied;
    return done;
}
