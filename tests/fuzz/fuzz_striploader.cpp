// The strip loader under libFuzzer (./build.sh fuzz): any input that breaks one of its
// promises stops the run, and the fuzzer keeps it for tests/fuzz/regressions.

#include "loaderpromises.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Blocks are handed out as the allocator finds them, not filled with one byte, so that
// pixels a decoder never wrote differ from one load to the next.
extern "C" const char *__asan_default_options()
{
    return "max_malloc_fill_size=0";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString broken = loaderpromises::brokenPromise(
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "broken promise: %s\n", qPrintable(broken));
        std::abort();
    }
    return 0;
}
