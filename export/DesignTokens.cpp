#include "export/DesignTokens.h"

#include "export/CssProperties.h"
#include "export/CssValues.h"
#include "framework/FileAccess.h"
#include "framework/JsonWriter.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "theme/ColorScheme.h"
#include "theme/DrawnFont.h"
#include "theme/VariantNames.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// ---- writing ---------------------------------------------------------------------

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

// ---- reading ---------------------------------------------------------------------

struct BadValue {};

// One token file being applied to a scheme: each value read under the trap, a bad one
// reported with its JSON path.
class TokenReader {
public:
    TokenReader(Procedure& proc, ColorScheme& scheme, QString path)
        : proc_(proc), scheme_(scheme), path_(std::move(path)) {}

    int found() const { return found_; }

    void apply(const QJsonObject& root) {
        for (const SiteElement& site : siteElements()) {
            const QJsonValue group = root.value(QLatin1String(site.name));
            if (group.isObject())
                applyGroup(site, group.toObject());
        }
        const QJsonObject extension = ourExtension(root);
        if (extension.contains(QLatin1String("theme")))
            read(QStringLiteral("$extensions.%1.theme").arg(QLatin1String(TokenExtension)),
                 [&] { scheme_.ThemeName = stringOf(extension.value(QLatin1String("theme"))); });
        if (extension.contains(QLatin1String("locked")))
            applyLocks(extension.value(QLatin1String("locked")));
        const QJsonValue pictures = extension.value(QLatin1String("pictures"));
        const QString picturesPath =
            QStringLiteral("$extensions.%1.pictures").arg(QLatin1String(TokenExtension));
        if (pictures.isObject()) {
            for (const ThemeElement& e : ThemeElements) {
                const QString name = cssElementName(e.element);
                if (e.attributeCount != 1 || !pictures.toObject().contains(name))
                    continue;
                const QJsonValue value = pictures.toObject().value(name);
                read(picturesPath + QLatin1Char('.') + name,
                     [&] { scheme_.image(e.imageSlot) = stringOf(value); });
            }
        }
        proc_.Task = task();
    }

private:
    QString task(const QString& jsonPath = {}) const {
        QString t = QStringLiteral("Import Design Tokens: ") + path_;
        return jsonPath.isEmpty() ? t : t + QStringLiteral(": ") + jsonPath;
    }

    // Runs `store` under the trap with the value's path in the Task.
    template <class Store> void read(const QString& jsonPath, Store&& store) {
        ++found_;
        proc_.Task = task(jsonPath);
        proc_.step([&] {
            try {
                store();
            } catch (const BadValue&) {
                raiseError(Err::InvalidPropertyValue);
            }
        });
    }

    static QJsonObject ourExtension(const QJsonObject& object) {
        return object.value(QLatin1String("$extensions"))
            .toObject()
            .value(QLatin1String(TokenExtension))
            .toObject();
    }

    static QString stringOf(const QJsonValue& value) {
        if (!value.isString())
            throw BadValue{};
        return value.toString();
    }

    static double numberOf(const QJsonValue& value) {
        if (!value.isDouble() || !std::isfinite(value.toDouble()))
            throw BadValue{};
        return value.toDouble();
    }

    static qint32 colorOf(const QJsonValue& token);
    static double pixelsOf(const QJsonValue& value);
    static bool boldOf(const QJsonValue& value);

    void applyGroup(const SiteElement& site, const QJsonObject& group);
    void applyLocks(const QJsonValue& locked);
    void applyTypography(const SiteElement& site, const QJsonObject& group,
                         const QJsonObject& extension, const QString& base);

    Procedure& proc_;
    ColorScheme& scheme_;
    QString path_;
    int found_ = 0;
};

qint32 TokenReader::colorOf(const QJsonValue& value) {
    // An earlier form of the format wrote colours as CSS text.
    if (value.isString()) {
        const QString textValue = value.toString();
        if (const std::optional<qint32> color = cssvalue::readColor(textValue);
            color && textValue.startsWith(QLatin1Char('#')))
            return *color;
        throw BadValue{};
    }
    const QJsonObject color = value.toObject();
    if (!value.isObject())
        throw BadValue{};
    const QJsonValue space = color.value(QLatin1String("colorSpace"));
    const QJsonArray components = color.value(QLatin1String("components")).toArray();
    if (space.toString() == QLatin1String("srgb") && components.size() == 3) {
        qint32 result = 0;
        for (int i = 0; i < 3; ++i) {
            const QJsonValue c = components[i];
            // "none" is a missing component, which the format reads as 0.
            const double v = c.toString() == QLatin1String("none") ? 0.0 : numberOf(c);
            if (v < 0.0 || v > 1.0)
                throw BadValue{};
            result |= static_cast<qint32>(std::lround(v * 255.0)) << (8 * i);
        }
        return result;
    }
    // Another colour space: its hex fallback, when it gives one.
    const QString hex = color.value(QLatin1String("hex")).toString();
    static const QRegularExpression sixDigits(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    if (sixDigits.match(hex).hasMatch())
        return *cssvalue::readColor(hex);
    throw BadValue{};
}

double TokenReader::pixelsOf(const QJsonValue& value) {
    const QJsonObject d = value.toObject();
    const QString unit = d.value(QLatin1String("unit")).toString();
    if (!value.isObject() || (unit != QLatin1String("px") && unit != QLatin1String("rem")))
        throw BadValue{};
    const double v = numberOf(d.value(QLatin1String("value")));
    // One rem is the browser's default size, 16px.
    const double px = unit == QLatin1String("rem") ? v * 16.0 : v;
    const double points = pixelsToPoints(px);
    if (!(points > 0.0) || points > static_cast<double>(LargestFontSize))
        throw BadValue{};
    return px;
}

bool TokenReader::boldOf(const QJsonValue& value) {
    if (value.isString()) {
        static const QStringList bold{QStringLiteral("semi-bold"),  QStringLiteral("demi-bold"),
                                      QStringLiteral("bold"),       QStringLiteral("extra-bold"),
                                      QStringLiteral("ultra-bold"), QStringLiteral("black"),
                                      QStringLiteral("heavy"),      QStringLiteral("extra-black"),
                                      QStringLiteral("ultra-black")};
        static const QStringList regular{
            QStringLiteral("thin"),        QStringLiteral("hairline"),
            QStringLiteral("extra-light"), QStringLiteral("ultra-light"),
            QStringLiteral("light"),       QStringLiteral("normal"),
            QStringLiteral("regular"),     QStringLiteral("book"),
            QStringLiteral("medium")};
        if (bold.contains(value.toString()))
            return true;
        if (regular.contains(value.toString()))
            return false;
        throw BadValue{};
    }
    const double weight = numberOf(value);
    if (weight < 1.0 || weight > 1000.0)
        throw BadValue{};
    return weight >= 600.0;
}

void TokenReader::applyGroup(const SiteElement& site, const QJsonObject& group) {
    const ThemeElement& e = themeElement(site.element);
    const QString base = QLatin1String(site.name);
    const QJsonObject extension = ourExtension(group);
    const QString extPath =
        base + QStringLiteral(".$extensions.") + QLatin1String(TokenExtension) + QLatin1Char('.');
    const auto color = [&](const char* name, int attr) {
        const QString key = QLatin1String(name);
        if (group.contains(key)) {
            const QJsonValue value = group.value(key).toObject().value(QLatin1String("$value"));
            read(base + QLatin1Char('.') + key + QStringLiteral(".$value"),
                 [&] { scheme_.color(attr, e.colorSlot) = colorOf(value); });
        } else if (extension.contains(key)) {
            // A colour that is no 24-bit colour, as the scheme held it.
            read(extPath + key, [&] {
                const double v = numberOf(extension.value(key));
                if (v != std::trunc(v) || v < -2147483648.0 || v > 2147483647.0)
                    throw BadValue{};
                scheme_.color(attr, e.colorSlot) = static_cast<qint32>(v);
            });
        }
    };
    if (site.text)
        color("color", ColorAttr::Fore);
    color("background", ColorAttr::Back);
    if (site.text)
        applyTypography(site, group, extension, base);
    if (e.imageSlot != NoSlot && extension.contains(QLatin1String("image")))
        read(extPath + QStringLiteral("image"), [&] {
            scheme_.image(e.imageSlot) = stringOf(extension.value(QLatin1String("image")));
        });
}

void TokenReader::applyLocks(const QJsonValue& locked) {
    const QString path = QStringLiteral("$extensions.%1.locked").arg(QLatin1String(TokenExtension));
    // The list is the scheme's whole set of locks, taken only when all of it reads.
    read(path, [&] {
        if (!locked.isArray())
            throw BadValue{};
        ColorScheme::LockTable locks{};
        for (const QJsonValue name : locked.toArray()) {
            const std::optional<ColorPlace> place = colorPlaceNamed(stringOf(name));
            if (!place)
                throw BadValue{};
            locks[static_cast<size_t>(place->attr)][static_cast<size_t>(place->slot)] = true;
        }
        scheme_.LockedColors = locks;
    });
}

void TokenReader::applyTypography(const SiteElement& site, const QJsonObject& group,
                                  const QJsonObject& extension, const QString& base) {
    const int slot = themeElement(site.element).fontSlot;
    const QString extPath =
        base + QStringLiteral(".$extensions.") + QLatin1String(TokenExtension) + QLatin1Char('.');
    // The scheme's own text of an attribute, when the extension holds one.
    const auto held = [&](const char* key) -> std::optional<SchemeValue> {
        const QJsonValue value = extension.value(QLatin1String(key));
        if (value.isUndefined())
            return std::nullopt;
        std::optional<SchemeValue> result;
        read(extPath + QLatin1String(key), [&] { result = SchemeValue::text(stringOf(value)); });
        return result;
    };
    const std::optional<SchemeValue> face = held("font");
    const std::optional<SchemeValue> size = held("fontSize");
    const std::optional<SchemeValue> style = held("fontStyle");
    bool italic = false;
    if (extension.contains(QLatin1String("italic")))
        read(extPath + QStringLiteral("italic"), [&] {
            const QJsonValue value = extension.value(QLatin1String("italic"));
            if (!value.isBool())
                throw BadValue{};
            italic = value.toBool();
        });

    if (!group.contains(QLatin1String("typography"))) {
        // No token: the scheme's texts as they stand.
        if (face)
            scheme_.font(FontAttr::Face, slot) = *face;
        if (size)
            scheme_.font(FontAttr::Size, slot) = *size;
        if (style)
            scheme_.font(FontAttr::Style, slot) = *style;
        return;
    }
    const QString tokenPath = base + QStringLiteral(".typography.$value");
    const QJsonObject value = group.value(QLatin1String("typography"))
                                  .toObject()
                                  .value(QLatin1String("$value"))
                                  .toObject();
    const QString valuePath = tokenPath + QLatin1Char('.');

    if (value.contains(QLatin1String("fontFamily")))
        read(valuePath + QStringLiteral("fontFamily"), [&] {
            const QJsonValue families = value.value(QLatin1String("fontFamily"));
            const QString first =
                families.isArray() ? stringOf(families.toArray().first()) : stringOf(families);
            if (first.isEmpty())
                throw BadValue{};
            scheme_.font(FontAttr::Face, slot) =
                face && drawnFamily(face->toText()) == first ? *face : SchemeValue::text(first);
        });
    if (value.contains(QLatin1String("fontSize")))
        read(valuePath + QStringLiteral("fontSize"), [&] {
            const double px = pixelsOf(value.value(QLatin1String("fontSize")));
            const std::optional<float> heldPoints =
                size ? drawnPointSize(*size) : std::optional<float>();
            if (heldPoints &&
                std::abs(pointsToPixels(static_cast<double>(*heldPoints)) - px) <= 1e-9 * px) {
                scheme_.font(FontAttr::Size, slot) = *size;
                return;
            }
            const double points = pixelsToPoints(px);
            const double whole = std::round(points);
            scheme_.font(FontAttr::Size, slot) =
                std::abs(points - whole) <= 1e-9 * points
                    ? SchemeValue::integer(static_cast<int>(whole))
                    : SchemeValue::single(static_cast<float>(points));
        });
    if (value.contains(QLatin1String("fontWeight")))
        read(valuePath + QStringLiteral("fontWeight"), [&] {
            const bool bold = boldOf(value.value(QLatin1String("fontWeight")));
            // The held style stands when it draws as the token says; a style that is no
            // code draws regular.
            if (style) {
                const DrawnStyle drawn = drawnStyle(*style).value_or(DrawnStyle{});
                if (drawn.bold == bold && drawn.italic == italic) {
                    scheme_.font(FontAttr::Style, slot) = *style;
                    return;
                }
            }
            scheme_.font(FontAttr::Style, slot) =
                SchemeValue::integer((italic ? 1 : 0) + (bold ? 2 : 0));
        });
}

} // namespace

QByteArray designTokens(const ColorScheme& scheme) {
    return tokenFile(&scheme, scheme.SchemeColors);
}

QByteArray colorTokens(const SchemeColorTable& colors) {
    return tokenFile(nullptr, colors);
}

DesignTokenFiles designTokenFiles(const QString& path) {
    QString base = path;
    for (const char* ending : {".tokens.json", ".json", ".tokens"})
        if (base.endsWith(QLatin1String(ending), Qt::CaseInsensitive)) {
            base.chop(static_cast<qsizetype>(qstrlen(ending)));
            break;
        }
    return {base + QStringLiteral(".dark.tokens.json"),
            base + QStringLiteral(".contrast.tokens.json"),
            base + QStringLiteral(".resolver.json")};
}

QString variantTokenFile(const DesignTokenFiles& files, Variant variant) {
    return variant == Variant::Dark ? files.dark : files.contrast;
}

QByteArray tokenResolver(const ColorScheme& scheme, const QString& path) {
    const DesignTokenFiles files = designTokenFiles(path);
    const auto reference = [](JsonWriter& json, const QString& target) {
        json.beginObject(JsonWriter::Layout::Inline);
        json.field(u"$ref", target);
        json.endObject();
    };
    JsonWriter json;
    json.beginObject();
    json.field(u"name", scheme.ThemeName);
    json.field(u"version", QStringLiteral("2025.10"));
    json.key(u"sets");
    json.beginObject();
    json.key(u"scheme");
    json.beginObject();
    json.key(u"sources");
    json.beginArray();
    reference(json, QFileInfo(path).fileName());
    json.endArray();
    json.endObject();
    json.endObject();
    json.key(u"modifiers");
    json.beginObject();
    json.key(u"theme");
    json.beginObject();
    json.field(u"description",
               QStringLiteral("The scheme's own colours (light), or its Dark or High contrast "
                              "variant's"));
    json.key(u"contexts");
    json.beginObject();
    for (const Variant variant : Variants) {
        json.key(QString::fromLatin1(variantKey(variant)));
        json.beginArray();
        if (variant != Variant::Light && scheme.hasVariant(variant))
            reference(json, QFileInfo(variantTokenFile(files, variant)).fileName());
        json.endArray();
    }
    json.endObject();
    json.field(u"default", QStringLiteral("light"));
    json.endObject();
    json.endObject();
    json.key(u"resolutionOrder");
    json.beginArray();
    for (const char* pointer : {"#/sets/scheme", "#/modifiers/theme"})
        reference(json, QLatin1String(pointer));
    json.endArray();
    json.endObject();
    return json.finish();
}

bool exportDesignTokens(Procedure& proc, const ColorScheme& scheme, const QString& path,
                        ExistingOutput existing) {
    proc.Task = QStringLiteral("Export Design Tokens: ") + path;
    const bool variants = scheme.hasVariant(Variant::Dark) || scheme.hasVariant(Variant::Contrast);
    const DesignTokenFiles files = designTokenFiles(path);
    // Refused before anything is written, so that an export never leaves half a set.
    if (variants && existing == ExistingOutput::Keep) {
        for (const QString& file : {files.dark, files.contrast, files.resolver}) {
            const QFileInfo info(file);
            if (info.exists() || info.isSymLink()) {
                proc.Task = QStringLiteral("Export Design Tokens: ") + file;
                proc.step([] { raiseError(Err::FileAlreadyExists); });
                return false;
            }
        }
    }
    if (!proc.step([&] { writeSiteFile(path, existing, designTokens(scheme)); }))
        return false;
    if (!variants)
        return true;
    bool written = true;
    for (const Variant variant : {Variant::Dark, Variant::Contrast}) {
        if (!scheme.hasVariant(variant))
            continue;
        const QString file = variantTokenFile(files, variant);
        proc.Task = QStringLiteral("Export Design Tokens: ") + file;
        written = proc.step([&] {
            writeSiteFile(file, ExistingOutput::Replace, colorTokens(scheme.colorsOf(variant)));
        }) && written;
    }
    proc.Task = QStringLiteral("Export Design Tokens: ") + files.resolver;
    written = proc.step([&] {
        writeSiteFile(files.resolver, ExistingOutput::Replace, tokenResolver(scheme, path));
    }) && written;
    proc.Task = QStringLiteral("Export Design Tokens: ") + path;
    return written;
}

namespace {

// The JSON object a token or resolver file holds (after a byte-order mark, which some
// editors write); none, reported with where it goes wrong, for a file that holds none.
std::optional<QJsonObject> jsonObjectOf(Procedure& proc, QByteArray json, const QString& path) {
    if (json.startsWith("\xEF\xBB\xBF"))
        json.remove(0, 3);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error == QJsonParseError::NoError && document.isObject())
        return document.object();
    proc.Task =
        QStringLiteral("Import Design Tokens: %1, character %2: %3")
            .arg(path)
            .arg(error.offset)
            .arg(error.error != QJsonParseError::NoError ? error.errorString()
                                                         : QStringLiteral("not a JSON object"));
    proc.step([] { raiseError(Err::InvalidPropertyValue); });
    proc.Task = QStringLiteral("Import Design Tokens: ") + path;
    return std::nullopt;
}

} // namespace

int applyDesignTokens(Procedure& proc, ColorScheme& scheme, const QByteArray& json,
                      const QString& path) {
    const std::optional<QJsonObject> tokens = jsonObjectOf(proc, json, path);
    if (!tokens)
        return -1;
    TokenReader reader(proc, scheme, path);
    reader.apply(*tokens);
    return reader.found();
}

namespace {

// The token files the resolver beside `path` names for a variant's context, relative to
// the resolver's folder; none when there is no resolver.
QStringList contextFiles(const QJsonObject& resolver, const QString& folder, Variant variant) {
    QStringList files;
    const QJsonArray sources = resolver.value(QLatin1String("modifiers"))
                                   .toObject()
                                   .value(QLatin1String("theme"))
                                   .toObject()
                                   .value(QLatin1String("contexts"))
                                   .toObject()
                                   .value(QLatin1String(variantKey(variant)))
                                   .toArray();
    for (const QJsonValue source : sources) {
        const QString ref = source.toObject().value(QLatin1String("$ref")).toString();
        // A pointer into the resolver itself, or a file elsewhere than beside it, is
        // not one of the files an export writes.
        if (ref.isEmpty() || ref.contains(QLatin1Char('#')) || ref.contains(QLatin1Char('/')) ||
            ref.contains(QLatin1Char('\\')))
            continue;
        files << folder + QLatin1Char('/') + ref;
    }
    return files;
}

} // namespace

int applyVariantTokens(Procedure& proc, ColorScheme& scheme, const QString& path) {
    const QString resolverPath = designTokenFiles(path).resolver;
    if (!QFileInfo(resolverPath).isFile())
        return 0;
    proc.Task = QStringLiteral("Import Design Tokens: ") + resolverPath;
    QByteArray bytes;
    if (!proc.step([&] { bytes = readFileBytes(resolverPath, MaxTextFileSize); }))
        return 0;
    const std::optional<QJsonObject> read = jsonObjectOf(proc, bytes, resolverPath);
    if (!read)
        return 0;
    const QJsonObject& resolver = *read;
    const QString folder = QFileInfo(resolverPath).absolutePath();
    int found = 0;
    for (const Variant variant : {Variant::Dark, Variant::Contrast}) {
        const QStringList files = contextFiles(resolver, folder, variant);
        if (files.isEmpty())
            continue;
        // A variant starts from the Light colours read, and takes only colours.
        ColorScheme shown = scheme.shownAs(Variant::Light);
        for (const QString& file : files) {
            proc.Task = QStringLiteral("Import Design Tokens: ") + file;
            QByteArray tokens;
            if (!proc.step([&] { tokens = readFileBytes(file, MaxTextFileSize); }))
                continue;
            found += std::max(0, applyDesignTokens(proc, shown, tokens, file));
        }
        scheme.setColors(variant, shown.SchemeColors);
    }
    return found;
}

std::optional<ColorScheme> importDesignTokens(Procedure& proc, const ColorScheme& current,
                                              const QString& path, int* found) {
    proc.Task = QStringLiteral("Import Design Tokens: ") + path;
    QByteArray bytes;
    if (!proc.step([&] { bytes = readFileBytes(path, MaxTextFileSize); }))
        return std::nullopt;
    ColorScheme next = current;
    int read = applyDesignTokens(proc, next, bytes, path);
    if (read < 0)
        return std::nullopt;
    read += applyVariantTokens(proc, next, path);
    proc.Task = QStringLiteral("Import Design Tokens: ") + path;
    if (found)
        *found = read;
    return next;
}

bool isDesignTokenFileName(const QString& path) {
    return path.endsWith(QLatin1String(".tokens.json"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".tokens"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive);
}
