#pragma once

#include <QImage>
#include <QRect>

namespace tessell::test {

// Ink on a drawn page: darker than mid grey.
inline bool dark(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

inline int darkPixels(const QImage &image, const QRect &area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += dark(image, x, y);
    return n;
}

} // namespace tessell::test
