#pragma once

#include <QImage>
#include <QRgb>
#include <QString>
#include <QStringList>

#include <array>

namespace tessell {

// One of the sixteen palette entries: a 5 x 4 tile and a display name.
class PaletteEntry {
public:
    static constexpr int TileWidth = 5;
    static constexpr int TileHeight = 4;
    static constexpr int PixelCount = TileWidth * TileHeight;

    PaletteEntry();

    QRgb pixel(int x, int y) const { return m_pixels[y * TileWidth + x]; }
    void setPixel(int x, int y, QRgb colour) { m_pixels[y * TileWidth + x] = colour | 0xFF000000u; }
    void fill(QRgb colour);

    const QString &name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    // A name from outside a design file (a file name, the name field, a
    // palette settings file) as a design file holds it: control characters
    // (line breaks among them) become blanks, and a character the file's code
    // page lacks becomes what the file reads back.
    static QString storableName(const QString &name);

    // Per channel, the sum over the twenty pixels divided by 20, remainder dropped.
    QRgb meanColor() const;
    // Twenty colour values, each followed by a comma.
    QString tileText() const;
    // Takes the first twenty items as the pixels; throws for a bad colour value.
    void setTileFromItems(const QStringList &items);
    QImage tileImage() const;

    bool operator==(const PaletteEntry &other) const = default;

private:
    std::array<QRgb, PixelCount> m_pixels;
    QString m_name;
};

using Palette = std::array<PaletteEntry, 16>;

} // namespace tessell
