// Block text (the clipboard form): parse, format, place and lift.
#include "FuzzSupport.h"

#include "core/Error.h"
#include "core/editing/BlockText.h"

using namespace tessell;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const QString text = QString::fromUtf8(fuzz::bytesOf(data + 2, size - 2));
    BlockText block;
    try {
        block = BlockText::parse(text);
    } catch (const Error &) {
        return 0;
    }
    fuzz::require(!block.isEmpty(), "a parsed block has cells");
    fuzz::require(BlockText::parse(block.format()) == block, "format then parse");

    CellGrid grid(12, 9, QStringLiteral("5"));
    const QPoint origin(int(data[0] % 16) - 4, int(data[1] % 16) - 4);
    const QRect changed = block.place(grid, origin);
    fuzz::require(changed.isEmpty() || QRect(0, 0, 12, 9).contains(changed), "placed inside the grid");
    QRect written;
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.columns(); ++c) {
            const int bc = c - origin.x(), br = r - origin.y();
            const bool covered = bc >= 0 && br >= 0 && bc < block.width() && br < block.height() &&
                                 !block.isTransparent(bc, br);
            fuzz::require(grid.cell(c, r) == (covered ? block.value(bc, br) : QStringLiteral("5")),
                          "placed values and untouched cells");
            if (covered)
                written |= QRect(c, r, 1, 1);
        }
    fuzz::require(written == changed, "changed rectangle bounds the written cells");
    const BlockText lifted = BlockText::lift(grid, QRect(origin, QSize(block.width(), block.height())));
    fuzz::require(lifted.width() <= block.width() && lifted.height() <= block.height(), "lift clipped");
    return 0;
}
