#include "core/shell/ProgramIcon.h"

#include <QBuffer>
#include <QDataStream>
#include <QPainter>
#include <QPainterPath>

namespace tessell {

namespace {
// Four by four tiles: a warm diagonal band across blue tones.
const QRgb kColours[4][4] = {
    {qRgb(0xe0, 0xb0, 0x40), qRgb(0x54, 0x8c, 0xc0), qRgb(0x3a, 0x6e, 0xa5), qRgb(0x2e, 0x5c, 0x8a)},
    {qRgb(0x7c, 0xa8, 0xd4), qRgb(0xe0, 0xb0, 0x40), qRgb(0x54, 0x8c, 0xc0), qRgb(0x3a, 0x6e, 0xa5)},
    {qRgb(0x54, 0x8c, 0xc0), qRgb(0xc0, 0x50, 0x40), qRgb(0xe0, 0xb0, 0x40), qRgb(0x54, 0x8c, 0xc0)},
    {qRgb(0x3a, 0x6e, 0xa5), qRgb(0x54, 0x8c, 0xc0), qRgb(0xc0, 0x50, 0x40), qRgb(0xe0, 0xb0, 0x40)},
};

// The tile grid of an icon of the given size: tile pitch, gap and offset,
// whole pixels so that small sizes stay sharp.
struct Grid {
    int cell;
    int gap;
    int offset;
};

Grid gridFor(int size)
{
    const int cell = size / 4;
    const int gap = cell >= 8 ? 2 : cell >= 3 ? 1 : 0;
    return {cell, gap, (size - 4 * cell + gap) / 2}; // centred, gaps included
}

QString hex(QRgb rgb)
{
    return QStringLiteral("#%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

// The sheet of the design-file icon in a 64 unit square: a page with its top
// right corner folded.
QPainterPath sheet()
{
    QPainterPath path;
    path.moveTo(12, 4);
    path.lineTo(42, 4);
    path.lineTo(54, 16);
    path.lineTo(54, 60);
    path.lineTo(12, 60);
    path.closeSubpath();
    return path;
}
} // namespace

QImage programIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const Grid g = gridFor(size);
    if (g.cell == 0)
        return image;
    for (int y = 0; y < 4 * g.cell; ++y) {
        if (y % g.cell >= g.cell - g.gap || g.offset + y >= size)
            continue;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(g.offset + y));
        for (int x = 0; x < 4 * g.cell && g.offset + x < size; ++x)
            if (x % g.cell < g.cell - g.gap)
                line[g.offset + x] = kColours[y / g.cell][x / g.cell];
    }
    return image;
}

QByteArray programIconSvg()
{
    // The 64 pixel drawing, scalable.
    const Grid g = gridFor(64);
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
                                 "viewBox=\"0 0 64 64\">\n");
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" fill=\"%4\"/>\n")
                       .arg(g.offset + column * g.cell)
                       .arg(g.offset + row * g.cell)
                       .arg(g.cell - g.gap)
                       .arg(hex(kColours[row][column]));
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

QImage designFileIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 2));
    p.setBrush(Qt::white);
    p.drawPath(sheet());
    p.setPen(Qt::NoPen);
    // The program's tiles, three by three, on the page.
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            p.fillRect(QRectF(18 + column * 10, 24 + row * 10, 8, 8), QColor(kColours[row + 1][column]));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray designFileIconSvg()
{
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
                                 "viewBox=\"0 0 64 64\">\n"
                                 "  <path d=\"M12 4H42L54 16V60H12Z\" fill=\"#ffffff\" stroke=\"#505050\" "
                                 "stroke-width=\"2\"/>\n");
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"8\" height=\"8\" fill=\"%3\"/>\n")
                       .arg(18 + column * 10)
                       .arg(24 + row * 10)
                       .arg(hex(kColours[row + 1][column]));
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

QByteArray iconFile(const std::function<QImage(int)> &draw, const QList<int> &sizes)
{
    // An ICO file whose images are PNGs, as Windows has read them since Vista.
    QList<QByteArray> pngs;
    for (int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        draw(size).save(&buffer, "PNG");
        pngs.append(png);
    }
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(sizes.size());
    quint32 offset = 6 + 16 * sizes.size();
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        // Width and height 0 stand for 256.
        const quint8 side = sizes[i] >= 256 ? 0 : quint8(sizes[i]);
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32) << quint32(pngs[i].size())
            << offset;
        offset += pngs[i].size();
    }
    for (const QByteArray &png : pngs)
        out.writeRawData(png.constData(), int(png.size()));
    return bytes;
}

} // namespace tessell
