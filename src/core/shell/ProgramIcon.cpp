#include "core/shell/ProgramIcon.h"

namespace tessell {

QImage programIcon(int size)
{
    // Four by four tiles: a warm diagonal band across blue tones.
    static const QRgb kColours[4][4] = {
        {qRgb(0xe0, 0xb0, 0x40), qRgb(0x54, 0x8c, 0xc0), qRgb(0x3a, 0x6e, 0xa5), qRgb(0x2e, 0x5c, 0x8a)},
        {qRgb(0x7c, 0xa8, 0xd4), qRgb(0xe0, 0xb0, 0x40), qRgb(0x54, 0x8c, 0xc0), qRgb(0x3a, 0x6e, 0xa5)},
        {qRgb(0x54, 0x8c, 0xc0), qRgb(0xc0, 0x50, 0x40), qRgb(0xe0, 0xb0, 0x40), qRgb(0x54, 0x8c, 0xc0)},
        {qRgb(0x3a, 0x6e, 0xa5), qRgb(0x54, 0x8c, 0xc0), qRgb(0xc0, 0x50, 0x40), qRgb(0xe0, 0xb0, 0x40)},
    };
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const int cell = size / 4;
    if (cell == 0)
        return image;
    const int gap = cell >= 8 ? 2 : cell >= 3 ? 1 : 0;
    const int offset = (size - 4 * cell + gap) / 2; // centre the grid, gaps included
    for (int y = 0; y < 4 * cell; ++y) {
        if (y % cell >= cell - gap || offset + y >= size)
            continue;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(offset + y));
        for (int x = 0; x < 4 * cell && offset + x < size; ++x)
            if (x % cell < cell - gap)
                line[offset + x] = kColours[y / cell][x / cell];
    }
    return image;
}

} // namespace tessell
