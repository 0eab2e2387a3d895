#pragma once

#include "export/SiteStyles.h"
#include "export/ThemeExport.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class Procedure;
struct ColorScheme;

// The scheme for a site's own style build, each element named as SiteStyles.h names it.
//
// Tailwind (v4): `@import "tailwindcss";` and one `@theme` block of
//   --color-ELEMENT             the text colour (text-ELEMENT)
//   --color-ELEMENT-background  its background colour (bg-ELEMENT-background); the
//                               page's colour is --color-page (bg-page)
//   --font-ELEMENT              the family list the CSS export writes (font-ELEMENT)
//   --text-ELEMENT-size         the size in px, with its line height and weight
//                               (text-ELEMENT-size)
QByteArray tailwindStyleSheet(const ColorScheme& scheme);

// SCSS: a variable per value ($tintora-ELEMENT-color, -background, -font-family,
// -font-size, -font-weight, -font-style, -line-height) and the map $tintora of every
// element's values by the same names.
QByteArray scssVariables(const ColorScheme& scheme);

// The colour declarations of one variant, as both files write them: Tailwind's custom
// properties ("--color-body: #1a2b3c") or SCSS's variables ("$tintora-body-color: ...").
// A variant's colours are written through these, in an override of its own: for
// Tailwind a ":root" block under the variant's media condition (cssVariantMedia), for
// SCSS the variables with "-dark" or "-contrast" after their names (`suffix`) and the
// maps $tintora-dark and $tintora-contrast of them.
QStringList tailwindColorDeclarations(const SchemeColorTable& colors);
QStringList scssColorDeclarations(const SchemeColorTable& colors, const QString& suffix = {});

enum class SiteFormat { Tailwind, Scss };

// Writes the Tailwind style sheet or the SCSS file to `path`, whole or not at all; an
// existing file is replaced only when `existing` says so (error 58 otherwise). Errors go
// to the handler inside the caller's routine, the Task "Export Tailwind: " or "Export
// SCSS: " and the path.
bool exportSiteVariables(Procedure& proc, const ColorScheme& scheme, SiteFormat format,
                         const QString& path, ExistingOutput existing);
