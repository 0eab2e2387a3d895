#include "app/cli/Commands.h"

#include <cstdio>

int runReportCommand(const QStringList&) {
    std::fputs("tintora-cli: this command is not built yet\n", stderr);
    return 1;
}
