#include "core/document/PaletteEntry.h"

#include "core/document/ColorValue.h"
#include "core/document/TextFile.h"

namespace tessell {

PaletteEntry::PaletteEntry() : m_name(QStringLiteral("None")) { fill(qRgb(255, 255, 255)); }

QString PaletteEntry::storableName(const QString &name)
{
    QString clean = name;
    for (QChar &c : clean)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    return TextFile::decodeCp932(TextFile::encodeCp932(clean));
}

void PaletteEntry::fill(QRgb colour) { m_pixels.fill(colour | 0xFF000000u); }

QRgb PaletteEntry::meanColor() const
{
    int r = 0, g = 0, b = 0;
    for (QRgb p : m_pixels) {
        r += qRed(p);
        g += qGreen(p);
        b += qBlue(p);
    }
    return qRgb(r / PixelCount, g / PixelCount, b / PixelCount);
}

QString PaletteEntry::tileText() const
{
    QString text;
    for (QRgb p : m_pixels)
        text += ColorValue::toText(p) + u',';
    return text;
}

void PaletteEntry::setTileFromItems(const QStringList &items)
{
    std::array<QRgb, PixelCount> pixels;
    for (int i = 0; i < PixelCount; ++i)
        pixels[i] = ColorValue::fromText(items.value(i)) | 0xFF000000u;
    m_pixels = pixels;
}

QImage PaletteEntry::tileImage() const
{
    QImage image(TileWidth, TileHeight, QImage::Format_RGB32);
    for (int y = 0; y < TileHeight; ++y)
        for (int x = 0; x < TileWidth; ++x)
            image.setPixel(x, y, pixel(x, y));
    return image;
}

} // namespace tessell
