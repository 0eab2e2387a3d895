// Feeds arbitrary bytes to the design-token import as a token file. The scheme it gives
// is saved as a scheme file, which must hold exactly the writer's lines (no value may
// end a line early and add one of its own). Then the scheme goes to tokens and back
// twice: tokens -> scheme -> tokens -> scheme must give the same scheme file both times,
// or the writer wrote a value the reader takes differently.
#include "reader_fuzz.h"

#include "export/DesignTokens.h"
#include "export/TokenReader.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"

namespace {

const FileInformation Info{QStringLiteral("0001.0000.0000"), QStringLiteral("fuzz")};

ColorScheme freshScheme() {
    ColorScheme scheme;
    scheme.fillFontSizeTable();
    return scheme;
}

// The scheme read back from the tokens written of `scheme`.
ColorScheme throughTokens(Procedure& proc, const ColorScheme& scheme, const QString& path) {
    ColorScheme back = freshScheme();
    applyDesignTokens(proc, back, designTokens(scheme), path);
    return back;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    readerFuzz();
    const QString path = readerFuzz().filePath(QStringLiteral("fuzz.tokens.json"));
    Procedure proc(QStringLiteral("frmMain.mnuFileImportTokens_Click"));
    ColorScheme first = freshScheme();
    applyDesignTokens(proc, first,
                      QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
                      path);

    const QStringList lines = schemeFileLines(first, Info);
    const QByteArray bytes = schemeFileBytes(lines);
    if (bytes.count('\r') != lines.size() || bytes.count('\n') != lines.size())
        std::abort();

    const ColorScheme second = throughTokens(proc, first, path);
    const ColorScheme third = throughTokens(proc, second, path);
    if (schemeFileLines(second, Info) != schemeFileLines(third, Info))
        std::abort();
    return 0;
}
