// Any bytes as a history entry file left by a crashed run: either a whole
// design of the size its first line gives, or nothing; never a crash.
#include "core/document/Recovery.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto design = tessell::Recovery::parseEntry(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    if (design && (design->grid.columns() < 1 || design->grid.rows() < 1))
        std::abort();
    return 0;
}
