#include "export/TokenResolver.h"

#include "export/TokenReader.h"
#include "framework/FileAccess.h"
#include "framework/JsonWriter.h"
#include "framework/Procedure.h"
#include "theme/ColorScheme.h"
#include "theme/VariantNames.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>

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
    const std::optional<QJsonObject> read = tokenJsonObject(proc, bytes, resolverPath);
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
