#include "export/TokenReader.h"

#include "export/CssProperties.h"
#include "export/CssValues.h"
#include "export/DesignTokens.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "theme/ColorScheme.h"
#include "theme/DrawnFont.h"
#include "theme/VariantNames.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <cmath>
#include <utility>

namespace {

struct BadValue {};

// Where a group's extension values are: "body.$extensions.org.tintora.".
QString extensionPath(const QString& group) {
    return group + QStringLiteral(".$extensions.") + QLatin1String(TokenExtension) +
           QLatin1Char('.');
}

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
    // The scheme's own texts of an element's font, as its extension holds them.
    struct HeldFont {
        std::optional<SchemeValue> face;
        std::optional<SchemeValue> size;
        std::optional<SchemeValue> style;
        bool italic = false;
    };
    HeldFont heldFont(const QJsonObject& extension, const QString& extPath);
    void applyTypography(const SiteElement& site, const QJsonObject& group,
                         const QJsonObject& extension, const QString& base);
    void applyFamily(int slot, const QJsonValue& families, const HeldFont& held);
    void applySize(int slot, const QJsonValue& size, const HeldFont& held);
    void applyWeight(int slot, const QJsonValue& weight, const HeldFont& held);

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
    const QString extPath = extensionPath(base);
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

TokenReader::HeldFont TokenReader::heldFont(const QJsonObject& extension, const QString& extPath) {
    const auto held = [&](const char* key) -> std::optional<SchemeValue> {
        const QJsonValue value = extension.value(QLatin1String(key));
        if (value.isUndefined())
            return std::nullopt;
        std::optional<SchemeValue> result;
        read(extPath + QLatin1String(key), [&] { result = SchemeValue::text(stringOf(value)); });
        return result;
    };
    HeldFont font;
    font.face = held("font");
    font.size = held("fontSize");
    font.style = held("fontStyle");
    if (extension.contains(QLatin1String("italic")))
        read(extPath + QStringLiteral("italic"), [&] {
            const QJsonValue value = extension.value(QLatin1String("italic"));
            if (!value.isBool())
                throw BadValue{};
            font.italic = value.toBool();
        });
    return font;
}

void TokenReader::applyTypography(const SiteElement& site, const QJsonObject& group,
                                  const QJsonObject& extension, const QString& base) {
    const int slot = themeElement(site.element).fontSlot;
    const HeldFont held = heldFont(extension, extensionPath(base));
    if (!group.contains(QLatin1String("typography"))) {
        // No token: the scheme's texts as they stand.
        if (held.face)
            scheme_.font(FontAttr::Face, slot) = *held.face;
        if (held.size)
            scheme_.font(FontAttr::Size, slot) = *held.size;
        if (held.style)
            scheme_.font(FontAttr::Style, slot) = *held.style;
        return;
    }
    const QJsonObject value = group.value(QLatin1String("typography"))
                                  .toObject()
                                  .value(QLatin1String("$value"))
                                  .toObject();
    const QString valuePath = base + QStringLiteral(".typography.$value.");
    if (value.contains(QLatin1String("fontFamily")))
        read(valuePath + QStringLiteral("fontFamily"),
             [&] { applyFamily(slot, value.value(QLatin1String("fontFamily")), held); });
    if (value.contains(QLatin1String("fontSize")))
        read(valuePath + QStringLiteral("fontSize"),
             [&] { applySize(slot, value.value(QLatin1String("fontSize")), held); });
    if (value.contains(QLatin1String("fontWeight")))
        read(valuePath + QStringLiteral("fontWeight"),
             [&] { applyWeight(slot, value.value(QLatin1String("fontWeight")), held); });
}

void TokenReader::applyFamily(int slot, const QJsonValue& families, const HeldFont& held) {
    const QString first =
        families.isArray() ? stringOf(families.toArray().first()) : stringOf(families);
    if (first.isEmpty())
        throw BadValue{};
    scheme_.font(FontAttr::Face, slot) = held.face && drawnFamily(held.face->toText()) == first
                                             ? *held.face
                                             : SchemeValue::text(first);
}

void TokenReader::applySize(int slot, const QJsonValue& size, const HeldFont& held) {
    const double px = pixelsOf(size);
    const std::optional<float> heldPoints =
        held.size ? drawnPointSize(*held.size) : std::optional<float>();
    if (heldPoints &&
        std::abs(pointsToPixels(static_cast<double>(*heldPoints)) - px) <= 1e-9 * px) {
        scheme_.font(FontAttr::Size, slot) = *held.size;
        return;
    }
    const double points = pixelsToPoints(px);
    const double whole = std::round(points);
    scheme_.font(FontAttr::Size, slot) = std::abs(points - whole) <= 1e-9 * points
                                             ? SchemeValue::integer(static_cast<int>(whole))
                                             : SchemeValue::single(static_cast<float>(points));
}

void TokenReader::applyWeight(int slot, const QJsonValue& weight, const HeldFont& held) {
    const bool bold = boldOf(weight);
    // The held style stands when it draws as the token says; a style that is no code
    // draws regular.
    if (held.style) {
        const DrawnStyle drawn = drawnStyle(*held.style).value_or(DrawnStyle{});
        if (drawn.bold == bold && drawn.italic == held.italic) {
            scheme_.font(FontAttr::Style, slot) = *held.style;
            return;
        }
    }
    scheme_.font(FontAttr::Style, slot) =
        SchemeValue::integer((held.italic ? 1 : 0) + (bold ? 2 : 0));
}

} // namespace

std::optional<QJsonObject> tokenJsonObject(Procedure& proc, QByteArray json, const QString& path) {
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

int applyDesignTokens(Procedure& proc, ColorScheme& scheme, const QByteArray& json,
                      const QString& path) {
    const std::optional<QJsonObject> tokens = tokenJsonObject(proc, json, path);
    if (!tokens)
        return -1;
    TokenReader reader(proc, scheme, path);
    reader.apply(*tokens);
    return reader.found();
}
