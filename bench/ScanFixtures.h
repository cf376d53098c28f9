#pragma once

#include "core/document/PaletteEntry.h"

#include <QImage>

#include <cstdint>

// The picture and palette the scan benchmarks convert: a photo-sized picture
// with smooth regions and fine noise, and sixteen distinct tiles.
namespace tessell::bench {

constexpr int PhotoWidth = 6028;
constexpr int PhotoHeight = 3391;

inline QImage photo(int width = PhotoWidth, int height = PhotoHeight)
{
    QImage image(width, height, QImage::Format_RGB32);
    std::uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int n = int(noise >> 28) - 8;
            const auto ch = [n](int v) { return qBound(0, v + n, 255); };
            line[x] = qRgb(ch(x * 255 / width), ch(y * 255 / height), ch(((x + y) / 16) % 256));
        }
    }
    return image;
}

inline Palette palette()
{
    static const QRgb colours[16] = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    Palette p;
    for (int i = 0; i < 16; ++i) {
        p[i].fill(colours[i]);
        // One odd pixel, so that the mean is not just the fill colour.
        p[i].setPixel(0, 0, qRgb(255 - qRed(colours[i]), qGreen(colours[i]), qBlue(colours[i])));
    }
    return p;
}

} // namespace tessell::bench
