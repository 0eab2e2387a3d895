#include "export/CssExport.h"

#include "export/CssProperties.h"
#include "export/CssValues.h"
#include "export/PicturePlan.h"
#include "framework/FileAccess.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "theme/ColorScheme.h"

#include <QDir>
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

// The generic family a browser falls back on when it lacks the face, so that a page
// on a machine without Georgia or Verdana still looks like the preview: serif and
// monospace for the faces known to be such, sans-serif for the rest.
QString genericFamily(const QString& face) {
    QString name = face.toLower();
    name.remove(QLatin1Char('"')).remove(QLatin1Char('\''));
    for (const char* mono : {"courier", "consolas", "lucida console", "monaco", "menlo", "mono"})
        if (name.contains(QLatin1String(mono)))
            return QStringLiteral("monospace");
    if (name.contains(QLatin1String("sans")))
        return QStringLiteral("sans-serif");
    for (const char* serif : {"georgia", "times", "garamond", "palatino", "book antiqua", "cambria",
                              "constantia", "baskerville", "bookman", "century", "didot", "serif"})
        if (name.contains(QLatin1String(serif)))
            return QStringLiteral("serif");
    return QStringLiteral("sans-serif");
}

// The font declarations of an element's rule. The "font" shorthand carries the style
// too, but only holds when every part is a value it takes; otherwise the family and
// size are given on their own.
QStringList fontDeclarations(const ColorScheme& scheme, Element element) {
    const int slot = themeElement(element).fontSlot;
    const QString face = scheme.font(FontAttr::Face, slot).toText();
    const QString size = scheme.font(FontAttr::Size, slot).toText();
    const QString style = scheme.font(FontAttr::Style, slot).toText();
    const bool sizeFits = cssvalue::isPointSize(size) && !size.startsWith(QLatin1Char('-'));
    const QString family =
        var(element, Attribute::Font) + QStringLiteral(", ") + genericFamily(face);
    if (!face.isEmpty() && sizeFits && (style.isEmpty() || cssvalue::isStyleCode(style)))
        return {QStringLiteral("font: %1 %2 %3")
                    .arg(var(element, Attribute::FontStyle), var(element, Attribute::FontSize),
                         family)};
    QStringList declarations;
    if (!face.isEmpty())
        declarations << QStringLiteral("font-family: ") + family;
    if (sizeFits)
        declarations << QStringLiteral("font-size: ") + var(element, Attribute::FontSize);
    return declarations;
}

QString rule(const QString& selector, const QStringList& declarations) {
    QString text = selector + QStringLiteral(" {\n");
    for (const QString& d : declarations)
        text += QStringLiteral("  ") + d + QStringLiteral(";\n");
    return text + QStringLiteral("}\n");
}

// A text element's rule: its colours and its font.
QString textRule(const ColorScheme& scheme, const QString& selector, Element element) {
    QStringList d{QStringLiteral("color: ") + var(element, Attribute::ForeColor),
                  QStringLiteral("background-color: ") + var(element, Attribute::BackColor)};
    d += fontDeclarations(scheme, element);
    return rule(selector, d);
}

// A comment cannot hold its own end.
QString commentText(const QString& text) {
    QString out;
    for (const QChar c : text)
        out += c.unicode() < 0x20 ? QLatin1Char(' ') : c;
    return out.replace(QLatin1String("*/"), QLatin1String("* /"));
}

struct PictureButton {
    const char* selector; // the class
    Element normal;
    Element pushed; // the picture of the current or pointed-at state, or the same
    Element text;   // whose colour and font the text takes
};

constexpr std::array<PictureButton, 8> Buttons{{
    {".tintora-banner", Element::BANNER, Element::BANNER, Element::BANNER},
    {".tintora-nav", Element::HORIZNAVBTNNORM, Element::HORIZNAVBTNPUSH, Element::NAVBUTTONS},
    {".tintora-vnav", Element::VIRTNAVBTNNORM, Element::VIRTNAVBTNPUSH, Element::NAVBUTTONS},
    {".tintora-global", Element::GLOBALBUTTONS, Element::GLOBALBUTTONS, Element::GLOBALBUTTONS},
    {".tintora-back", Element::BTNBACKNORM, Element::BTNBACKPUSH, Element::NAVBUTTONS},
    {".tintora-home", Element::BTNHOMENORM, Element::BTNHOMEPUSH, Element::NAVBUTTONS},
    {".tintora-up", Element::BTNUPNORM, Element::BTNUPPUSH, Element::NAVBUTTONS},
    {".tintora-next", Element::BTNNEXTNORM, Element::BTNEXTPUSH, Element::NAVBUTTONS},
}};

QString buttonRules(const ColorScheme& scheme) {
    QStringList all;
    QStringList texts;
    for (const PictureButton& b : Buttons) {
        all << QString::fromLatin1(b.selector);
        texts << QString::fromLatin1(b.selector) + QStringLiteral(" > *");
    }
    QString text = QStringLiteral(
        "\n/* Pictures with text on them: the element takes its picture's size and the text\n"
        "   inside it is centred on the picture, e.g.\n"
        "   <a class=\"tintora-nav\" href=\"/\"><span>Home</span></a> */\n");
    text += rule(all.join(QStringLiteral(",\n")),
                 {QStringLiteral("position: relative"), QStringLiteral("display: inline-block"),
                  QStringLiteral("vertical-align: top"), QStringLiteral("text-decoration: none")});
    QStringList before;
    for (const QString& s : all)
        before << s + QStringLiteral("::before");
    text += rule(before.join(QStringLiteral(",\n")), {QStringLiteral("display: block")});
    text +=
        rule(texts.join(QStringLiteral(",\n")),
             {QStringLiteral("position: absolute"), QStringLiteral("inset: 0"),
              QStringLiteral("display: flex"), QStringLiteral("align-items: center"),
              QStringLiteral("justify-content: center"), QStringLiteral("white-space: nowrap")});
    for (const PictureButton& b : Buttons) {
        const QString selector = QString::fromLatin1(b.selector);
        // Buttons are often links: their own colour and font win over the links'.
        QStringList d{QStringLiteral("color: ") + var(b.text, Attribute::ForeColor),
                      QStringLiteral("background-color: transparent")};
        d += fontDeclarations(scheme, b.text);
        text += rule(selector + QStringLiteral(",\n") + selector + QStringLiteral(":link,\n") +
                         selector + QStringLiteral(":visited,\n") + selector +
                         QStringLiteral(":active"),
                     d);
        text += rule(selector + QStringLiteral("::before"),
                     {QStringLiteral("content: ") + var(b.normal, Attribute::Image)});
        if (b.pushed != b.normal)
            text += rule(selector + QStringLiteral(".tintora-current::before,\n") + selector +
                             QStringLiteral(":hover::before"),
                         {QStringLiteral("content: ") + var(b.pushed, Attribute::Image)});
    }
    return text;
}

} // namespace

QByteArray cssStyleSheet(const ColorScheme& scheme, const PicturePlan& pictures) {
    QString text =
        QStringLiteral("/* The colour scheme \"%1\" from Tintora: one custom property per "
                       "attribute,\n   then the rules that use them. Pictures are "
                       "named by file name beside this\n   style sheet. */\n")
            .arg(commentText(scheme.ThemeName));
    text += QStringLiteral(":root {\n");
    for (const CssProperty& property : cssProperties()) {
        const QString value = propertyValue(scheme, pictures, property);
        // An empty value is written as one blank, which every CSS reader takes.
        text += QStringLiteral("  ") + property.name + QStringLiteral(": ") + value +
                QStringLiteral(";\n");
    }
    text += QStringLiteral("}\n\n");

    QStringList body{
        QStringLiteral("background-color: ") + var(Element::BACKGROUND, Attribute::Color),
        QStringLiteral("background-image: ") + var(Element::BACKGROUND, Attribute::Image),
        QStringLiteral("color: ") + var(Element::BODY, Attribute::ForeColor)};
    body += fontDeclarations(scheme, Element::BODY);
    text += rule(QStringLiteral("body"), body);
    for (int level = 1; level <= 6; ++level)
        text += textRule(scheme, QStringLiteral("h%1").arg(level),
                         static_cast<Element>(static_cast<int>(Element::HEADING1) + level - 1));
    text += textRule(scheme, QStringLiteral("a:link"), Element::REGULARLINK);
    text += textRule(scheme, QStringLiteral("a:visited"), Element::VISITEDLINK);
    text += textRule(scheme, QStringLiteral("a:active"), Element::ACTIVELINK);
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
                  QStringLiteral("display: block")});
    text += buttonRules(scheme);
    return text.toUtf8();
}

bool exportCss(Procedure& proc, const ColorScheme& scheme, const QString& path,
               ExistingOutput existing) {
    proc.Task = QStringLiteral("Export CSS: ") + path;
    const QFileInfo info(path);
    const bool ready = proc.step([&] {
        if (path.isEmpty() || info.fileName().isEmpty())
            raiseError(Err::BadFileName);
        if (!info.absoluteDir().exists())
            raiseError(Err::PathNotFound);
        if (info.isDir())
            raiseError(Err::PathFileAccess);
        if (existing == ExistingOutput::Keep && (info.exists() || info.isSymLink()))
            raiseError(Err::FileAlreadyExists);
    });
    if (!ready)
        return false;

    const PicturePlan pictures(scheme, {info.fileName()}, info.absolutePath());
    pictures.copyInto(proc, info.absolutePath());
    const QByteArray bytes = cssStyleSheet(scheme, pictures);
    return proc.step([&] { saveFileBytes(path, bytes); });
}
