// Writes the shell completions of tintora-cli and tintora into a folder, from the
// tables their parsers are built from; the build runs it, the install copies the files.
//
//     tintora-completions OUTDIR
#include "app/DesktopOptions.h"
#include "app/cli/CliOptions.h"
#include "app/cli/Commands.h"
#include "app/cli/Completions.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

bool write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    std::fprintf(stderr, "tintora-completions: %s could not be written\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tintora-completions OUTDIR\n");
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const CompletionProgram cli{QStringLiteral("tintora-cli"),
                                {&CliOptions::Help, &CliOptions::Version},
                                {},
                                &cliCommands()};
    const CompletionProgram desktop{QStringLiteral("tintora"),
                                    {&DesktopOptions::Help, &DesktopOptions::Version},
                                    {DesktopOptions::File},
                                    nullptr};
    bool ok = true;
    for (const CompletionProgram* program : {&cli, &desktop}) {
        ok = write(out + QStringLiteral("/bash/") + program->name, bashCompletion(*program)) && ok;
        ok = write(out + QStringLiteral("/zsh/_") + program->name, zshCompletion(*program)) && ok;
        ok = write(out + QStringLiteral("/fish/") + program->name + QStringLiteral(".fish"),
                   fishCompletion(*program)) &&
             ok;
    }
    return ok ? 0 : 1;
}
