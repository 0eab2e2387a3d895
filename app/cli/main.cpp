#include "framework/ErrorHandler.h"
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
    "  tintora-cli --version\n"
    "  tintora-cli --help\n";

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tintora"));
    Trace::instance().configureFromEnvironment();

    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.value(0) == QLatin1String("--help") || args.value(0) == QLatin1String("-h")) {
        print(stdout, QString::fromLatin1(Usage));
        return 0;
    }
    if (args.value(0) == QLatin1String("--version")) {
        subSetupGlobals();
        print(stdout, globals().VersionText + QLatin1Char('\n'));
        return 0;
    }
    print(stderr, QString::fromLatin1(Usage));
    return 1;
}
