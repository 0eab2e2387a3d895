#include "framework/StandardStreams.h"

#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
bool writeTo(std::FILE* stream, const QByteArray& bytes) {
    const size_t size = static_cast<size_t>(bytes.size());
    const size_t written = std::fwrite(bytes.constData(), 1, size, stream);
    return std::fflush(stream) == 0 && written == size;
}
} // namespace

bool writeStandardOutput(const QByteArray& bytes) {
    return writeTo(stdout, bytes);
}

bool writeStandardError(const QByteArray& bytes) {
    return writeTo(stderr, bytes);
}

bool standardErrorIsTerminal() {
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

bool standardOutputIsTerminal() {
#ifdef Q_OS_WIN
    return _isatty(_fileno(stdout)) != 0;
#else
    return isatty(STDOUT_FILENO) != 0;
#endif
}
