// Feeds arbitrary bytes to the style sheet import as its text, then writes the scheme
// it gave as a style sheet again and imports that: the second import must give the
// same values as the first (pictures aside, whose copies get safe names), or the
// writer wrote a value the reader takes differently. The scheme is also saved as a
// scheme file and opened again: the file must hold exactly the writer's lines (no
// value may end a line early and add one of its own), and give back its colours.
#include "reader_fuzz.h"

#include "export/CssExport.h"
#include "export/CssImport.h"
#include "export/PicturePlan.h"
#include "framework/Procedure.h"
#include "framework/TextFile.h"
#include "scheme/SchemeFile.h"
#include "theme/ThemeElement.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    readerFuzz();
    const QString text =
        decodeText(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const QString path = QStringLiteral("/nonexistent/site.css");
    Procedure proc(QStringLiteral("frmMain.mnuFileImportCss_Click"));
    ColorScheme first;
    first.fillFontSizeTable();
    applyCssText(proc, first, text, path);

    const PicturePlan pictures(first, {QStringLiteral("site.css")});
    ColorScheme second;
    second.fillFontSizeTable();
    applyCssText(proc, second, QString::fromUtf8(cssStyleSheet(first, pictures)), path);
    for (const ThemeElement& e : ThemeElements)
        for (int i = 0; i < e.attributeCount; ++i) {
            const Attribute a = e.attributes[static_cast<std::size_t>(i)];
            if (a != Attribute::Image && first.valueText(e, a) != second.valueText(e, a))
                std::abort();
        }

    // Written as the writer writes, without waiting for the disk on every input.
    const QString file = readerFuzz().filePath(QStringLiteral("saved.tna"));
    const FileInformation info{QStringLiteral("0001.0000.0000"), QStringLiteral("fuzz")};
    const QStringList lines = schemeFileLines(first, info);
    const QByteArray bytes = schemeFileBytes(lines);
    QFile saved(file);
    if (!saved.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        saved.write(bytes) != bytes.size())
        std::abort();
    saved.close();
    if (bytes.count('\r') != lines.size() || bytes.count('\n') != lines.size())
        std::abort();
    ColorScheme reread;
    reread.fillFontSizeTable();
    readSchemeFile(proc, reread, file);
    if (reread.SchemeColors != first.SchemeColors)
        std::abort();
    return 0;
}
