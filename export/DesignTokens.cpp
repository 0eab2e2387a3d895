#include "export/DesignTokens.h"

#include "export/CssProperties.h"
#include "export/CssValues.h"
#include "framework/FileAccess.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "scheme/SchemeJson.h"
#include "theme/ColorScheme.h"
#include "theme/DrawnFont.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QRegularExpression>

#include <cmath>
#include <utility>

namespace {

// ---- writing ---------------------------------------------------------------------

// An object's members in the order they are written (QJsonObject sorts its keys, and a
// reader of the file expects the elements in the editor's order).
using Members = QList<std::pair<QString, QByteArray>>;

QByteArray object(const Members& members, int depth) {
    if (members.isEmpty())
        return "{}";
    const QByteArray pad(2 * (depth + 1), ' ');
    QByteArray out = "{\n";
    for (qsizetype i = 0; i < members.size(); ++i) {
        out += pad + jsonString(members[i].first) + ": " + members[i].second;
        out += i + 1 < members.size() ? ",\n" : "\n";
    }
    return out + QByteArray(2 * depth, ' ') + '}';
}

QByteArray number(double value) {
    return shortestNumber(value).toUtf8();
}

QByteArray text(const QString& value) {
    return jsonString(value);
}

QByteArray colorToken(qint32 value, int depth) {
    QByteArray components = "[";
    for (int shift : {0, 8, 16}) {
        // The shortest decimal of n/255 reads back as the same n after rounding.
        components += number(((value >> shift) & 0xFF) / 255.0);
        components += shift < 16 ? ", " : "]";
    }
    const Members colorValue{{QStringLiteral("colorSpace"), "\"srgb\""},
                             {QStringLiteral("components"), components},
                             {QStringLiteral("hex"), text(cssvalue::color(value))}};
    return object({{QStringLiteral("$type"), "\"color\""},
                   {QStringLiteral("$value"), object(colorValue, depth + 1)}},
                  depth);
}

QByteArray dimension(double px) {
    return "{\"value\": " + number(px) + ", \"unit\": \"px\"}";
}

QByteArray typographyToken(const SiteFont& font, int depth) {
    const QByteArray families = '[' + text(font.face) + ", " + text(font.generic) + ']';
    const Members value{{QStringLiteral("fontFamily"), families},
                        {QStringLiteral("fontSize"), dimension(*font.px)},
                        {QStringLiteral("fontWeight"), font.bold ? "700" : "400"},
                        {QStringLiteral("letterSpacing"), dimension(0)},
                        {QStringLiteral("lineHeight"), number(PreviewLineHeight)}};
    return object({{QStringLiteral("$type"), "\"typography\""},
                   {QStringLiteral("$value"), object(value, depth + 1)}},
                  depth);
}

QString imageText(const ColorScheme& scheme, Element element) {
    return scheme.image(themeElement(element).imageSlot);
}

// The colour tokens of a group; a colour with no web form goes to `extension`.
void colorMembers(const SchemeColorTable& colors, const SiteElement& site, Members& group,
                  Members& extension) {
    const ThemeElement& e = themeElement(site.element);
    const auto add = [&](const char* name, int attr, std::optional<qint32> web) {
        const QString key = QLatin1String(name);
        if (web)
            group.append({key, colorToken(*web, 2)});
        else
            extension.append({key, QByteArray::number(colors[static_cast<std::size_t>(attr)]
                                                            [static_cast<std::size_t>(
                                                                e.colorSlot)])});
    };
    if (site.text)
        add("color", ColorAttr::Fore, siteColor(colors, site.element));
    add("background", ColorAttr::Back, siteBackground(colors, site.element));
}

QByteArray tokenFile(const ColorScheme* scheme, const SchemeColorTable& colors) {
    Members root;
    if (scheme)
        root.append({QStringLiteral("$description"),
                     text(QStringLiteral("The colour scheme \"%1\" from Tintora")
                              .arg(scheme->ThemeName))});
    for (const SiteElement& site : siteElements()) {
        Members group{{QStringLiteral("$description"), text(siteDescription(site.element))}};
        Members extension;
        colorMembers(colors, site, group, extension);
        const ThemeElement& e = themeElement(site.element);
        if (scheme && site.text) {
            const SiteFont font = siteFont(*scheme, site.element);
            if (!font.face.isEmpty() && font.px)
                group.append({QStringLiteral("typography"), typographyToken(font, 2)});
            extension.append(
                {QStringLiteral("font"), text(scheme->font(FontAttr::Face, e.fontSlot).toText())});
            extension.append({QStringLiteral("fontSize"),
                              text(scheme->font(FontAttr::Size, e.fontSlot).toText())});
            extension.append({QStringLiteral("fontStyle"),
                              text(scheme->font(FontAttr::Style, e.fontSlot).toText())});
            extension.append({QStringLiteral("italic"), font.italic ? "true" : "false"});
        }
        if (scheme && e.imageSlot != NoSlot)
            extension.append({QStringLiteral("image"), text(imageText(*scheme, site.element))});
        if (!extension.isEmpty())
            group.append({QStringLiteral("$extensions"),
                          object({{QLatin1String(TokenExtension), object(extension, 3)}}, 2)});
        root.append({QLatin1String(site.name), object(group, 1)});
    }
    if (scheme) {
        // The pictures of the elements a page shows no text of: the bullets, the rule,
        // the navigation and quick-link buttons.
        Members pictures;
        for (const ThemeElement& e : ThemeElements)
            if (e.attributeCount == 1 && e.imageSlot != NoSlot)
                pictures.append({cssElementName(e.element), text(scheme->image(e.imageSlot))});
        root.append({QStringLiteral("$extensions"),
                     object({{QLatin1String(TokenExtension),
                              object({{QStringLiteral("theme"), text(scheme->ThemeName)},
                                      {QStringLiteral("pictures"), object(pictures, 3)}},
                                     2)}},
                            1)});
    }
    return object(root, 0) + '\n';
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
            read(QStringLiteral("$extensions.%1.theme").arg(QLatin1String(TokenExtension)), [&] {
                scheme_.ThemeName = stringOf(extension.value(QLatin1String("theme")));
            });
        const QJsonValue pictures = extension.value(QLatin1String("pictures"));
        const QString picturesPath = QStringLiteral("$extensions.%1.pictures")
                                         .arg(QLatin1String(TokenExtension));
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
        static const QStringList bold{
            QStringLiteral("semi-bold"),  QStringLiteral("demi-bold"),   QStringLiteral("bold"),
            QStringLiteral("extra-bold"), QStringLiteral("ultra-bold"),  QStringLiteral("black"),
            QStringLiteral("heavy"),      QStringLiteral("extra-black"), QStringLiteral("ultra-black")};
        static const QStringList regular{
            QStringLiteral("thin"),   QStringLiteral("hairline"),    QStringLiteral("extra-light"),
            QStringLiteral("ultra-light"), QStringLiteral("light"),  QStringLiteral("normal"),
            QStringLiteral("regular"),     QStringLiteral("book"),   QStringLiteral("medium")};
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
    const QJsonObject value =
        group.value(QLatin1String("typography")).toObject().value(QLatin1String("$value")).toObject();
    const QString valuePath = tokenPath + QLatin1Char('.');

    if (value.contains(QLatin1String("fontFamily")))
        read(valuePath + QStringLiteral("fontFamily"), [&] {
            const QJsonValue families = value.value(QLatin1String("fontFamily"));
            const QString first = families.isArray() ? stringOf(families.toArray().first())
                                                     : stringOf(families);
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

bool exportDesignTokens(Procedure& proc, const ColorScheme& scheme, const QString& path,
                        ExistingOutput existing) {
    proc.Task = QStringLiteral("Export Design Tokens: ") + path;
    return proc.step([&] {
        writeSiteFile(path, existing, designTokens(scheme));
    });
}

int applyDesignTokens(Procedure& proc, ColorScheme& scheme, const QByteArray& json,
                      const QString& path) {
    TokenReader reader(proc, scheme, path);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        proc.Task = QStringLiteral("Import Design Tokens: %1, character %2: %3")
                        .arg(path)
                        .arg(error.offset)
                        .arg(error.error != QJsonParseError::NoError
                                 ? error.errorString()
                                 : QStringLiteral("not a JSON object"));
        proc.step([] { raiseError(Err::InvalidPropertyValue); });
        proc.Task = QStringLiteral("Import Design Tokens: ") + path;
        return -1;
    }
    reader.apply(document.object());
    return reader.found();
}

std::optional<ColorScheme> importDesignTokens(Procedure& proc, const ColorScheme& current,
                                              const QString& path, int* found) {
    proc.Task = QStringLiteral("Import Design Tokens: ") + path;
    QByteArray bytes;
    if (!proc.step([&] { bytes = readFileBytes(path, MaxTextFileSize); }))
        return std::nullopt;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    ColorScheme next = current;
    const int read = applyDesignTokens(proc, next, bytes, path);
    if (read < 0)
        return std::nullopt;
    if (found)
        *found = read;
    return next;
}

bool isDesignTokenFileName(const QString& path) {
    return path.endsWith(QLatin1String(".tokens.json"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".tokens"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive);
}
