#include "core/palette/ColourStrip.h"

namespace tessell {

const std::array<QRgb, ColourStrip::Columns * ColourStrip::Rows> &ColourStrip::colours()
{
    static const std::array<QRgb, Columns * Rows> all{
        // top row
        qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(128, 0, 0), qRgb(128, 128, 0), qRgb(0, 128, 0),
        qRgb(0, 128, 128), qRgb(0, 0, 128), qRgb(128, 0, 128), qRgb(128, 128, 64), qRgb(0, 64, 64),
        qRgb(0, 128, 255), qRgb(0, 64, 128), qRgb(128, 0, 255), qRgb(128, 64, 0),
        // bottom row
        qRgb(255, 255, 255), qRgb(192, 192, 192), qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(0, 255, 0),
        qRgb(0, 255, 255), qRgb(0, 0, 255), qRgb(255, 0, 255), qRgb(255, 255, 128), qRgb(0, 255, 128),
        qRgb(128, 255, 255), qRgb(128, 128, 255), qRgb(255, 0, 128), qRgb(255, 128, 64)};
    return all;
}

std::optional<QRgb> ColourStrip::colourAt(const QPoint &point)
{
    if (point.x() < 0 || point.y() < 0 || point.x() >= Width || point.y() >= Height)
        return {};
    return colours()[(point.y() / PatchSize) * Columns + point.x() / PatchSize];
}

QImage ColourStrip::image()
{
    QImage strip(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            strip.setPixel(x, y, *colourAt(QPoint(x, y)));
    return strip;
}

} // namespace tessell
