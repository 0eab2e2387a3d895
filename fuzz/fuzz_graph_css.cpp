// Feeds arbitrary bytes to both graphics readers: as graph0.css and as graph1.css.
#include "reader_fuzz.h"
#include "theme/ThemeReaders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    readerFuzz().run(data, size, "graph0.css", LoadGraph0);
    readerFuzz().run(data, size, "graph1.css", LoadGraph1);
    return 0;
}
