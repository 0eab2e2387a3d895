#include "app/cli/Commands.h"
#include "framework/Globals.h"
#include "framework/Trace.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

void print(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

const char* const Usage =
    "Usage:\n"
    "  tintora-cli scheme [--data-dir DIR] [--from FILE.tna] [--on-error ignore|abort]\n"
    "                     [-o OUT] [THEME ...]\n"
    "  tintora-cli report FILE.tna\n"
    "  tintora-cli render [--data-dir DIR] [--from FILE.tna] [--show-background]\n"
    "                     [--opaque-labels] -o OUT.png [THEME ...]\n"
    "  tintora-cli --version\n"
    "  tintora-cli --help\n";

} // namespace

int main(int argc, char* argv[]) {
    // The render command needs a GUI application; it makes its own.
    const QStringList raw = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    const QString command = raw.value(0);
    if (command == QLatin1String("render"))
        return runRenderCommand(raw.mid(1));

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tintora"));
    Trace::instance().configureFromEnvironment();

    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        print(stdout, QString::fromLatin1(Usage));
        return 0;
    }
    if (command == QLatin1String("--version")) {
        subSetupGlobals();
        print(stdout, globals().VersionText + QLatin1Char('\n'));
        return 0;
    }
    if (command == QLatin1String("scheme"))
        return runSchemeCommand(raw.mid(1));
    if (command == QLatin1String("report"))
        return runReportCommand(raw.mid(1));
    print(stderr, QString::fromLatin1(Usage));
    return 1;
}
