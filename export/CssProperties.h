#pragma once

#include "theme/ColorScheme.h"
#include "theme/ThemeElement.h"

#include <QList>
#include <QString>
#include <QStringView>

// The custom properties a scheme is written as: one per attribute of every element,
// "--tintora-" + the element's CSS name + "-" + the attribute's ("--tintora-h1-font",
// "--tintora-body-color"), in the order of the scheme file.
struct CssProperty {
    Element element;
    Attribute attribute;
    QString name;
};

// The CSS name of an element: "background", "banner", "body", "h1" ... "h6", "link",
// "visited", "active", "nav", "global", "hnav", "hnav-pushed", "bullet1" ... "bullet3",
// "rule", "back", "home", "up", "next", "back-pushed" ... "next-pushed", "vnav",
// "vnav-pushed".
QString cssElementName(Element element);

// The attribute's part of a property name: "image", "color" (BACKGROUND's Color, the
// page background), "font", "font-size", "font-style", "background-color",
// "color" (ForeColor).
QString cssAttributeName(Attribute attribute);

// "--tintora-" + element + "-" + attribute.
QString cssPropertyName(Element element, Attribute attribute);

// Every property, in the order of the scheme file's sections and attribute lines.
const QList<CssProperty>& cssProperties();

// The property of that name; nullptr for any other name.
const CssProperty* cssPropertyNamed(QStringView name);

// Whether the property holds a colour, which the Dark and High contrast variants have
// their own of.
bool isColorProperty(const CssProperty& property);

// The media condition under which a variant's colours apply: "(prefers-color-scheme:
// dark)" and "(prefers-contrast: more)"; nullptr for Light, whose are the ":root"
// block's own.
const char* cssVariantMedia(Variant variant);

// The property listing the locked colours by their property names without
// "--tintora-" ("banner-background-color body-color"); written only when a colour is
// locked.
inline constexpr const char* CssLockedProperty = "--tintora-locked";
