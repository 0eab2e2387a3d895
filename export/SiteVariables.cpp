#include "export/SiteVariables.h"

#include "export/CssProperties.h"
#include "export/CssValues.h"
#include "export/ExportTarget.h"
#include "framework/FileAccess.h"
#include "framework/Procedure.h"
#include "theme/ColorScheme.h"
#include "theme/VariantNames.h"

namespace {

// One value of an element: its name after the element's ("color", "font-size") and its
// text in the file; none where the scheme's value has no web form.
struct SiteValue {
    QString name;
    QString value;
};

QList<SiteValue> colorValues(const SchemeColorTable& colors, const SiteElement& site) {
    QList<SiteValue> values;
    if (site.text)
        if (const std::optional<qint32> color = siteColor(colors, site.element))
            values.append({QStringLiteral("color"), cssvalue::color(*color)});
    if (const std::optional<qint32> back = siteBackground(colors, site.element))
        values.append({QStringLiteral("background"), cssvalue::color(*back)});
    return values;
}

// A quoted string Sass keeps as it stands: quotes, backslashes and "#" (which would
// start an interpolation) and control characters written as CSS escapes.
QString scssString(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x20 || c == 0x7F || c == U'"' || c == U'\\' || c == U'#')
            out += QLatin1Char('\\') + QString::number(static_cast<uint>(c), 16) + QLatin1Char(' ');
        else
            out += QString::fromUcs4(&c, 1);
    }
    return out + QLatin1Char('"');
}

QString pixels(double px) {
    return shortestNumber(px) + QStringLiteral("px");
}

QString header(const ColorScheme& scheme, const char* what) {
    return QStringLiteral("The colour scheme \"%1\" from Tintora, %2")
        .arg(cssvalue::commentText(scheme.ThemeName), QLatin1String(what));
}

} // namespace

QStringList tailwindColorDeclarations(const SchemeColorTable& colors) {
    QStringList declarations;
    for (const SiteElement& site : siteElements())
        for (const SiteValue& v : colorValues(colors, site)) {
            // The page has only its colour, which names it alone: bg-page.
            const QString name = v.name == QLatin1String("color") || !site.text
                                     ? QLatin1String(site.name)
                                     : QLatin1String(site.name) + QStringLiteral("-background");
            declarations << QStringLiteral("--color-%1: %2").arg(name, v.value);
        }
    return declarations;
}

QStringList scssColorDeclarations(const SchemeColorTable& colors, const QString& suffix) {
    QStringList declarations;
    for (const SiteElement& site : siteElements())
        for (const SiteValue& v : colorValues(colors, site))
            declarations << QStringLiteral("$tintora-%1-%2%3: %4")
                                .arg(QLatin1String(site.name), v.name, suffix, v.value);
    return declarations;
}

namespace {

// The variants the scheme has besides Light.
QList<Variant> variantsOf(const ColorScheme& scheme) {
    QList<Variant> variants;
    for (const Variant variant : {Variant::Dark, Variant::Contrast})
        if (scheme.hasVariant(variant))
            variants << variant;
    return variants;
}

// Each variant's colours set again on :root under the media condition that asks for
// it; Tailwind's utilities use the custom properties, so they follow without a
// "dark:" class.
QString tailwindVariantBlocks(const ColorScheme& scheme) {
    QString text;
    for (const Variant variant : variantsOf(scheme)) {
        text += QStringLiteral("\n@media %1 {\n  :root {\n")
                    .arg(QLatin1String(cssVariantMedia(variant)));
        for (const QString& d : tailwindColorDeclarations(scheme.colorsOf(variant)))
            text += QStringLiteral("    ") + d + QStringLiteral(";\n");
        text += QStringLiteral("  }\n}\n");
    }
    return text;
}

// Each variant's colours as variables with its name after them
// ($tintora-body-color-dark) and a map of them ($tintora-dark).
QString scssVariantVariables(const ColorScheme& scheme) {
    QString text;
    for (const Variant variant : variantsOf(scheme)) {
        const QString suffix = QLatin1Char('-') + QLatin1String(variantKey(variant));
        const SchemeColorTable& colors = scheme.colorsOf(variant);
        text += QLatin1Char('\n');
        for (const QString& d : scssColorDeclarations(colors, suffix))
            text += d + QStringLiteral(";\n");
        text += QStringLiteral("$tintora%1: (\n").arg(suffix);
        for (const SiteElement& site : siteElements()) {
            text += QStringLiteral("  \"%1\": (\n").arg(QLatin1String(site.name));
            for (const SiteValue& v : colorValues(colors, site))
                text += QStringLiteral("    \"%1\": $tintora-%2-%1%3,\n")
                            .arg(v.name, QLatin1String(site.name), suffix);
            text += QStringLiteral("  ),\n");
        }
        text += QStringLiteral(");\n");
    }
    return text;
}

} // namespace

QByteArray tailwindStyleSheet(const ColorScheme& scheme) {
    QStringList declarations = tailwindColorDeclarations(scheme.SchemeColors);
    for (const SiteElement& site : siteElements()) {
        if (!site.text)
            continue;
        const QString name = QLatin1String(site.name);
        const SiteFont font = siteFont(scheme, site.element);
        if (!font.cssFamily.isEmpty())
            declarations << QStringLiteral("--font-%1: %2").arg(name, font.cssFamily);
        if (font.px) {
            const QString size = QStringLiteral("--text-%1-size").arg(name);
            declarations << size + QStringLiteral(": ") + pixels(*font.px)
                         << size + QStringLiteral("--line-height: ") +
                                shortestNumber(PreviewLineHeight)
                         << size + QStringLiteral("--font-weight: ") +
                                (font.bold ? QStringLiteral("700") : QStringLiteral("400"));
        }
    }
    QString text = QStringLiteral("/* %1.\n   text-ELEMENT and bg-ELEMENT-background colour an "
                                  "element (bg-page the page),\n   font-ELEMENT and "
                                  "text-ELEMENT-size set its type. */\n")
                       .arg(header(scheme, "as a Tailwind theme"));
    text += QStringLiteral("@import \"tailwindcss\";\n\n@theme {\n");
    for (const QString& d : declarations)
        text += QStringLiteral("  ") + d + QStringLiteral(";\n");
    text += QStringLiteral("}\n");
    text += tailwindVariantBlocks(scheme);
    return text.toUtf8();
}

QByteArray scssVariables(const ColorScheme& scheme) {
    QString text = QStringLiteral("// %1.\n// A variable per value, and the map $tintora of every "
                                  "element's values by the same names.\n\n")
                       .arg(header(scheme, "as SCSS variables"));
    for (const QString& d : scssColorDeclarations(scheme.SchemeColors))
        text += d + QStringLiteral(";\n");
    QString map = QStringLiteral("$tintora: (\n");
    for (const SiteElement& site : siteElements()) {
        const QString name = QLatin1String(site.name);
        QList<SiteValue> values = colorValues(scheme.SchemeColors, site);
        if (site.text) {
            const SiteFont font = siteFont(scheme, site.element);
            if (!font.face.isEmpty())
                values.append(
                    {QStringLiteral("font-family"),
                     QStringLiteral("(%1, %2)").arg(scssString(font.face), font.generic)});
            if (font.px)
                values.append({QStringLiteral("font-size"), pixels(*font.px)});
            values.append({QStringLiteral("font-weight"),
                           font.bold ? QStringLiteral("700") : QStringLiteral("400")});
            values.append({QStringLiteral("font-style"),
                           font.italic ? QStringLiteral("italic") : QStringLiteral("normal")});
            values.append({QStringLiteral("line-height"), shortestNumber(PreviewLineHeight)});
        }
        map += QStringLiteral("  \"%1\": (\n").arg(name);
        for (const SiteValue& v : values) {
            const QString variable = QStringLiteral("$tintora-%1-%2").arg(name, v.name);
            // The colours were written above, with every variant's override in mind.
            if (v.name != QLatin1String("color") && v.name != QLatin1String("background"))
                text += variable + QStringLiteral(": ") + v.value + QStringLiteral(";\n");
            map += QStringLiteral("    \"%1\": %2,\n").arg(v.name, variable);
        }
        map += QStringLiteral("  ),\n");
    }
    text += QStringLiteral("\n") + map + QStringLiteral(");\n");
    text += scssVariantVariables(scheme);
    return text.toUtf8();
}

bool exportSiteVariables(Procedure& proc, const ColorScheme& scheme, SiteFormat format,
                         const QString& path, ExistingOutput existing) {
    proc.Task = (format == SiteFormat::Tailwind ? QStringLiteral("Export Tailwind: ")
                                                : QStringLiteral("Export SCSS: ")) +
                path;
    const std::optional<OutputFolders> folders = prepareExportOutputs(proc, {path}, existing);
    if (!folders)
        return false;
    return proc.step([&] {
        saveFileBytes(path, format == SiteFormat::Tailwind ? tailwindStyleSheet(scheme)
                                                           : scssVariables(scheme));
    });
}
