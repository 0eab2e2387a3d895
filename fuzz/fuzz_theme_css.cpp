// Feeds arbitrary bytes to the reader of theme.css.
#include "reader_fuzz.h"
#include "theme/ThemeReaders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    readerFuzz().run(data, size, "theme.css", LoadTheme);
    return 0;
}
