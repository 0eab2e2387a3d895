#include "export/CssProperties.h"

#include <QHash>

#include <array>

namespace {

// In the order of the Element enumeration.
constexpr std::array<const char*, ElementCount> ElementNames{
    "background",  "banner",      "body",      "h1",          "h2",      "h3",
    "h4",          "h5",          "h6",        "link",        "visited", "active",
    "nav",         "global",      "hnav",      "hnav-pushed", "bullet1", "bullet2",
    "bullet3",     "rule",        "back",      "home",        "up",      "next",
    "back-pushed", "home-pushed", "up-pushed", "next-pushed", "vnav",    "vnav-pushed"};

} // namespace

QString cssElementName(Element element) {
    return QString::fromLatin1(ElementNames[static_cast<size_t>(element)]);
}

QString cssAttributeName(Attribute attribute) {
    switch (attribute) {
    case Attribute::Image:
        return QStringLiteral("image");
    case Attribute::Color:
    case Attribute::ForeColor:
        return QStringLiteral("color");
    case Attribute::Font:
        return QStringLiteral("font");
    case Attribute::FontSize:
        return QStringLiteral("font-size");
    case Attribute::FontStyle:
        return QStringLiteral("font-style");
    case Attribute::BackColor:
        return QStringLiteral("background-color");
    }
    return {};
}

QString cssPropertyName(Element element, Attribute attribute) {
    return QStringLiteral("--tintora-") + cssElementName(element) + QLatin1Char('-') +
           cssAttributeName(attribute);
}

const QList<CssProperty>& cssProperties() {
    static const QList<CssProperty> properties = [] {
        QList<CssProperty> list;
        for (const ThemeElement& e : ThemeElements)
            for (int i = 0; i < e.attributeCount; ++i) {
                const Attribute a = e.attributes[static_cast<size_t>(i)];
                list.append({e.element, a, cssPropertyName(e.element, a)});
            }
        return list;
    }();
    return properties;
}

const CssProperty* cssPropertyNamed(QStringView name) {
    static const QHash<QString, const CssProperty*> byName = [] {
        QHash<QString, const CssProperty*> hash;
        for (const CssProperty& p : cssProperties())
            hash.insert(p.name, &p);
        return hash;
    }();
    return byName.value(name.toString(), nullptr);
}

bool isColorProperty(const CssProperty& property) {
    return property.attribute == Attribute::Color || property.attribute == Attribute::BackColor ||
           property.attribute == Attribute::ForeColor;
}

const char* cssVariantMedia(Variant variant) {
    switch (variant) {
    case Variant::Light:
        return nullptr;
    case Variant::Dark:
        return "(prefers-color-scheme: dark)";
    case Variant::Contrast:
        return "(prefers-contrast: more)";
    }
    return nullptr;
}
