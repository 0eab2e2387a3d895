#include "export/TokenFiles.h"

#include "export/DesignTokens.h"
#include "export/ExportTarget.h"
#include "export/TokenReader.h"
#include "export/TokenResolver.h"
#include "framework/FileAccess.h"
#include "framework/Procedure.h"
#include "theme/ColorScheme.h"

QStringList designTokenOutputs(const ColorScheme& scheme, const QString& path) {
    if (!scheme.hasVariants())
        return {path};
    const DesignTokenFiles files = designTokenFiles(path);
    QStringList outputs{path};
    for (const Variant variant : {Variant::Dark, Variant::Contrast})
        if (scheme.hasVariant(variant))
            outputs << variantTokenFile(files, variant);
    return outputs << files.resolver;
}

bool exportDesignTokens(Procedure& proc, const ColorScheme& scheme, const QString& path,
                        ExistingOutput existing) {
    proc.Task = QStringLiteral("Export Design Tokens: ") + path;
    // Refused before anything is written, so that an export never leaves half a set.
    const std::optional<OutputFolders> folders =
        prepareExportOutputs(proc, designTokenOutputs(scheme, path), existing);
    if (!folders)
        return false;
    if (!proc.step([&] { saveFileBytes(path, designTokens(scheme)); }))
        return false;
    if (!scheme.hasVariants())
        return true;
    const DesignTokenFiles files = designTokenFiles(path);
    bool written = true;
    for (const Variant variant : {Variant::Dark, Variant::Contrast}) {
        if (!scheme.hasVariant(variant))
            continue;
        const QString file = variantTokenFile(files, variant);
        proc.Task = QStringLiteral("Export Design Tokens: ") + file;
        written = proc.step([&] { saveFileBytes(file, colorTokens(scheme.colorsOf(variant))); }) &&
                  written;
    }
    proc.Task = QStringLiteral("Export Design Tokens: ") + files.resolver;
    written =
        proc.step([&] { saveFileBytes(files.resolver, tokenResolver(scheme, path)); }) && written;
    proc.Task = QStringLiteral("Export Design Tokens: ") + path;
    return written;
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
