// Feeds arbitrary bytes to the scheme file reader as a file on disk. Every failure
// must arrive as a run-time error through the handler (anything else escapes and
// crashes), and what was read must survive a second round through writer and
// reader unchanged.
#include "framework/ErrorHandler.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "theme/ColorScheme.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

class IgnoringPrompt : public ErrorPrompt {
public:
    Answer askRuntimeError(const QString&) override { return Answer::Ignore; }
    void inform(const QString&) override {}
};

QByteArray readBack(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();
    ColorScheme scheme;
    scheme.fillFontSizeTable();
    Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
    readSchemeFile(proc, scheme, path);
    const FileInformation info{QStringLiteral("0001.0000.0000"), QStringLiteral("fuzz")};
    // Variants and locks add lines of their own; without them the file is Save's.
    ColorScheme light = scheme;
    light.DarkColors.reset();
    light.ContrastColors.reset();
    light.LockedColors = {};
    if (schemeFileLines(light, info).size() != SchemeFileLineCount)
        std::abort();
    return schemeFileBytes(schemeFileLines(scheme, info));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static IgnoringPrompt prompt;
    static QTemporaryDir dir;
    static const bool ready = [] {
        setErrorPrompt(&prompt);
        return dir.isValid();
    }();
    if (!ready)
        return 0;
    const QString path = dir.filePath(QStringLiteral("input.tna"));
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray first = readBack(path, input);
    const QByteArray second = readBack(path, first);
    if (first != second)
        std::abort();
    return 0;
}
