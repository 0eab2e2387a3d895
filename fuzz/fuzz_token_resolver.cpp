// Feeds arbitrary bytes to the design-token import as the resolver beside a real token
// file and its Dark variant's colour file, as an export writes them. Whatever the
// resolver names, the import must end soon, read no file outside the folder, and give
// a scheme whose scheme file holds exactly the writer's lines.
#include "reader_fuzz.h"

#include "contrast/MakeVariant.h"
#include "export/DesignTokens.h"
#include "export/TokenFiles.h"
#include "export/TokenResolver.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"

namespace {

// The token file, its variant's file and where the resolver goes, written once.
struct TokenSet {
    QString tokens;
    QString resolver;
};

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

const TokenSet& tokenSet() {
    static const TokenSet set = [] {
        ColorScheme scheme;
        scheme.fillFontSizeTable();
        scheme = withVariantsMade(scheme, PlainBackdrops());
        const TokenSet made{
            readerFuzz().filePath(QStringLiteral("theme.tokens.json")),
            designTokenFiles(readerFuzz().filePath(QStringLiteral("theme.tokens.json"))).resolver};
        writeBytes(made.tokens, designTokens(scheme));
        const DesignTokenFiles files = designTokenFiles(made.tokens);
        writeBytes(files.dark, colorTokens(scheme.colorsOf(Variant::Dark)));
        writeBytes(files.contrast, colorTokens(scheme.colorsOf(Variant::Contrast)));
        return made;
    }();
    return set;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    readerFuzz();
    const TokenSet& set = tokenSet();
    writeBytes(set.resolver,
               QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    Procedure proc(QStringLiteral("frmMain.mnuFileImportTokens_Click"));
    ColorScheme current;
    current.fillFontSizeTable();
    const std::optional<ColorScheme> imported = importDesignTokens(proc, current, set.tokens);
    if (!imported)
        std::abort(); // the token file itself is good
    const FileInformation info{QStringLiteral("0001.0000.0000"), QStringLiteral("fuzz")};
    const QStringList lines = schemeFileLines(*imported, info);
    const QByteArray bytes = schemeFileBytes(lines);
    if (bytes.count('\r') != lines.size() || bytes.count('\n') != lines.size())
        std::abort();
    return 0;
}
