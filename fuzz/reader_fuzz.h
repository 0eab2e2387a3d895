#pragma once

// What the style-sheet fuzz targets share: a theme folder in a temporary directory,
// and a prompt that answers Ignore to every run-time error without printing it, so
// that each input runs every reader statement to the end.
#include "framework/ErrorHandler.h"
#include "theme/ColorScheme.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
class SilentPrompt : public ErrorPrompt {
public:
    Answer askRuntimeError(const QString&) override { return Answer::Ignore; }
    void inform(const QString&) override {}
};

class ReaderFuzz {
public:
    ReaderFuzz() {
        if (!dir_.isValid())
            std::abort();
        setErrorPrompt(&prompt_);
        if (!QDir(dir_.path()).mkpath(QStringLiteral("Themes/Fuzz")))
            std::abort();
    }

    // Writes the input as the style sheet `file` of the theme "Fuzz" and runs `reader`
    // on a fresh scheme.
    template <class Reader>
    void run(const std::uint8_t* data, std::size_t size, const char* file, Reader reader) {
        QFile sheet(dir_.filePath(QStringLiteral("Themes/Fuzz/")) + QLatin1String(file));
        if (!sheet.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        sheet.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
        sheet.close();
        ColorScheme scheme;
        scheme.fillFontSizeTable();
        reader(scheme, dir_.filePath(QStringLiteral("Themes")), QStringLiteral("Fuzz"));
    }

    // A file of the temporary folder, for a target that writes what it read.
    QString filePath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    SilentPrompt prompt_;
};

ReaderFuzz& readerFuzz() {
    static ReaderFuzz fuzz;
    return fuzz;
}
} // namespace
