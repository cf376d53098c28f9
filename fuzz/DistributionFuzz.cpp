// The class distribution as the command line takes it ("7x7,7x7,8x7"): any
// text is refused or gives a split whose page count and blocks stay within the
// design, with no arithmetic overflow on the way.
#include "FuzzSupport.h"

#include "core/Error.h"
#include "core/print/Distribution.h"

#include <cstdint>

using namespace tessell;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // The first two bytes: the design's width, 1 to 999.
    const int columns = 1 + (data[0] | (data[1] << 8)) % 999;
    const QString text = QString::fromUtf8(fuzz::bytesOf(data + 2, size - 2));
    std::optional<Distribution> d;
    try {
        d = Distribution::fromText(text);
        if (!d)
            return 0;
        (void)d->totalLine(columns);
        d->check(columns);
    } catch (const Error &) {
        return 0;
    }
    const qint64 pages = d->pageCount();
    fuzz::require(pages >= 1 && pages <= columns, "pages within the columns");
    qint64 next = 0;
    for (int k = 0; k < pages; ++k) {
        const Distribution::Block b = d->block(k);
        // Blocks follow one another; one that would reach past the largest int has none.
        if (b.width == 0) {
            fuzz::require(b.first == std::numeric_limits<int>::max(),
                          "an empty block lies past every design");
            next = std::numeric_limits<qint64>::max();
            continue;
        }
        fuzz::require(b.width >= 1 && b.first == next, "blocks follow one another");
        next = qint64(b.first) + b.width;
    }
    if (d->remainder(columns) >= 0)
        fuzz::require(next == d->total(), "the blocks cover the total");
    return 0;
}
