// The bitmap reader over any bytes: it must refuse what it cannot read and
// never look past the end of the memory.
#include "core/Error.h"
#include "core/scan/DibReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        const QImage image = tessell::DibReader::read(data, qsizetype(size));
        if (image.isNull())
            __builtin_trap();
    } catch (const tessell::Error &) {
    }
    return 0;
}
