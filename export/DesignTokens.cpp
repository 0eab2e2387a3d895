#include "export/DesignTokens.h"

#include "export/CssProperties.h"
#include "export/CssValues.h"
#include "framework/JsonWriter.h"
#include "theme/ColorScheme.h"
#include "theme/VariantNames.h"

namespace {

// Written through the ordered writer: the elements stand in the editor's order.

void colorToken(JsonWriter& json, qint32 value) {
    json.beginObject();
    json.field(u"$type", QStringLiteral("color"));
    json.key(u"$value");
    json.beginObject();
    json.field(u"colorSpace", QStringLiteral("srgb"));
    json.key(u"components");
    json.beginArray(JsonWriter::Layout::Inline);
    // The shortest decimal of n/255 reads back as the same n after rounding.
    for (int shift : {0, 8, 16})
        json.value(((value >> shift) & 0xFF) / 255.0);
    json.endArray();
    json.field(u"hex", cssvalue::color(value));
    json.endObject();
    json.endObject();
}

void dimension(JsonWriter& json, QStringView name, double px) {
    json.key(name);
    json.beginObject(JsonWriter::Layout::Inline);
    json.field(u"value", px);
    json.field(u"unit", QStringLiteral("px"));
    json.endObject();
}

void typographyToken(JsonWriter& json, const SiteFont& font) {
    json.beginObject();
    json.field(u"$type", QStringLiteral("typography"));
    json.key(u"$value");
    json.beginObject();
    json.key(u"fontFamily");
    json.beginArray(JsonWriter::Layout::Inline);
    json.value(font.face);
    json.value(font.generic);
    json.endArray();
    dimension(json, u"fontSize", *font.px);
    json.field(u"fontWeight", font.bold ? 700 : 400);
    dimension(json, u"letterSpacing", 0.0);
    json.field(u"lineHeight", PreviewLineHeight);
    json.endObject();
    json.endObject();
}

// One element's group; a colour with no web form goes to the extension.
void group(JsonWriter& json, const ColorScheme* scheme, const SchemeColorTable& colors,
           const SiteElement& site) {
    const ThemeElement& e = themeElement(site.element);
    const auto slotColor = [&](int attr) {
        return colors[static_cast<std::size_t>(attr)][static_cast<std::size_t>(e.colorSlot)];
    };
    const std::optional<qint32> fore = site.text ? siteColor(colors, site.element) : std::nullopt;
    const std::optional<qint32> back = siteBackground(colors, site.element);
    json.beginObject();
    json.field(u"$description", siteDescription(site.element));
    if (fore) {
        json.key(u"color");
        colorToken(json, *fore);
    }
    if (back) {
        json.key(u"background");
        colorToken(json, *back);
    }
    const SiteFont font = scheme && site.text ? siteFont(*scheme, site.element) : SiteFont{};
    if (scheme && site.text && !font.face.isEmpty() && font.px) {
        json.key(u"typography");
        typographyToken(json, font);
    }
    const bool text = scheme && site.text;
    const bool picture = scheme && e.imageSlot != NoSlot;
    if ((site.text && !fore) || !back || text || picture) {
        json.key(u"$extensions");
        json.beginObject();
        json.key(QString::fromLatin1(TokenExtension));
        json.beginObject();
        if (site.text && !fore)
            json.field(u"color", static_cast<qint64>(slotColor(ColorAttr::Fore)));
        if (!back)
            json.field(u"background", static_cast<qint64>(slotColor(ColorAttr::Back)));
        if (text) {
            json.field(u"font", scheme->font(FontAttr::Face, e.fontSlot).toText());
            json.field(u"fontSize", scheme->font(FontAttr::Size, e.fontSlot).toText());
            json.field(u"fontStyle", scheme->font(FontAttr::Style, e.fontSlot).toText());
            json.field(u"italic", font.italic);
        }
        if (picture)
            json.field(u"image", scheme->image(e.imageSlot));
        json.endObject();
        json.endObject();
    }
    json.endObject();
}

QByteArray tokenFile(const ColorScheme* scheme, const SchemeColorTable& colors) {
    JsonWriter json;
    json.beginObject();
    if (scheme)
        json.field(u"$description",
                   QStringLiteral("The colour scheme \"%1\" from Tintora").arg(scheme->ThemeName));
    for (const SiteElement& site : siteElements()) {
        json.key(QString::fromLatin1(site.name));
        group(json, scheme, colors, site);
    }
    if (scheme) {
        json.key(u"$extensions");
        json.beginObject();
        json.key(QString::fromLatin1(TokenExtension));
        json.beginObject();
        json.field(u"theme", scheme->ThemeName);
        // The colours no variant's making may change, named as in the scheme file.
        if (const QStringList locked = lockedColorNames(*scheme); !locked.isEmpty()) {
            json.key(u"locked");
            json.beginArray(JsonWriter::Layout::Inline);
            for (const QString& name : locked)
                json.value(name);
            json.endArray();
        }
        // The pictures of the elements a page shows no text of: the bullets, the rule,
        // the navigation and quick-link buttons.
        json.key(u"pictures");
        json.beginObject();
        for (const ThemeElement& e : ThemeElements)
            if (e.attributeCount == 1 && e.imageSlot != NoSlot)
                json.field(cssElementName(e.element), scheme->image(e.imageSlot));
        json.endObject();
        json.endObject();
        json.endObject();
    }
    json.endObject();
    return json.finish();
}

} // namespace

QByteArray designTokens(const ColorScheme& scheme) {
    return tokenFile(&scheme, scheme.SchemeColors);
}

QByteArray colorTokens(const SchemeColorTable& colors) {
    return tokenFile(nullptr, colors);
}
