#include "core/render/TileRenderer.h"

#include "core/editing/CellGeometry.h"

#include <QPainter>

#include <cstring>
#include <vector>

namespace tessell {

namespace {
constexpr int TW = PaletteEntry::TileWidth;
constexpr int TH = PaletteEntry::TileHeight;
// The tile of a cell that is not a number in a full render.
constexpr int WhiteTile = 16;
constexpr int Bytes = 3; // a pixel in TileRenderer::Format
constexpr int TileRowBytes = TW * Bytes;

void putPixel(uchar *dst, QRgb colour)
{
    dst[0] = uchar(qRed(colour));
    dst[1] = uchar(qGreen(colour));
    dst[2] = uchar(qBlue(colour));
}

// The image at that size, its pixels kept when it already has it.
void fitImage(QImage &image, const QSize &size)
{
    if (image.size() != size || image.format() != TileRenderer::Format) {
        // Freed first, so that two large pictures never live at once.
        image = QImage();
        image = QImage(size, TileRenderer::Format);
    }
}

// Fills count pixels with the grid line colour.
void gridLine(uchar *dst, int count)
{
    // The line colour is a grey: every byte is the same.
    static_assert(qRed(TileRenderer::GridLineColour) == qGreen(TileRenderer::GridLineColour) &&
                  qGreen(TileRenderer::GridLineColour) == qBlue(TileRenderer::GridLineColour));
    std::memset(dst, qRed(TileRenderer::GridLineColour), size_t(count) * Bytes);
}
} // namespace

TileRenderer::TileRenderer(const Palette &palette) { setPalette(palette); }

void TileRenderer::setPalette(const Palette &palette)
{
    for (int n = 0; n < 16; ++n)
        for (int y = 0; y < TH; ++y)
            for (int x = 0; x < TW; ++x)
                putPixel(m_tiles[n] + (y * TW + x) * Bytes, palette[n].pixel(x, y));
    std::memset(m_tiles[WhiteTile], 0xFF, sizeof m_tiles[WhiteTile]);
    for (int n = 0; n <= WhiteTile; ++n)
        for (int y = 0; y < TH; ++y) {
            std::memcpy(m_cellRows[n][y], m_tiles[n] + y * TileRowBytes, TileRowBytes);
            gridLine(m_cellRows[n][y] + TileRowBytes, 1);
        }
}

QSize TileRenderer::imageSize(Layout layout, int columns, int rows)
{
    if (layout == Layout::Tiles)
        return QSize(TW * columns, TH * rows);
    return CellGeometry::pictureSize(columns, rows);
}

void TileRenderer::render(QImage &image, const CellGrid &grid, const QRect &cells, Layout layout,
                          const std::function<void(int, int)> &progress) const
{
    fitImage(image, imageSize(layout, cells.width(), cells.height()));
    renderAt(image, QPoint(0, 0), grid, cells, layout, progress);
}

void TileRenderer::renderAt(QImage &image, const QPoint &at, const CellGrid &grid, const QRect &cells,
                            Layout layout, const std::function<void(int, int)> &progress) const
{
    if (image.isNull() || image.format() != Format)
        return;
    const bool lines = layout == Layout::Picture;
    const int pitchX = lines ? CellGeometry::CellWidth : TW;
    const int pitchY = lines ? CellGeometry::CellHeight : TH;
    // Cells the image holds; in a picture the last column and row have no line after them.
    const int imageColumns = (image.width() + pitchX - TW) / pitchX;
    const int imageRows = (image.height() + pitchY - TH) / pitchY;
    const int columns = qMin(cells.width(), imageColumns - at.x());
    const int rows = qMin(cells.height(), imageRows - at.y());
    if (at.x() < 0 || at.y() < 0 || columns <= 0 || rows <= 0)
        return;
    const int withLine = lines ? qMin(columns, imageColumns - 1 - at.x()) : 0;
    const int lineWidth = qMin(columns * pitchX, image.width() - at.x() * pitchX);
    std::vector<int> rowTiles(columns);
    auto *bits = image.bits() + qsizetype(at.x()) * pitchX * Bytes;
    const qsizetype stride = image.bytesPerLine();
    constexpr int CellRowBytes = TileRowBytes + Bytes;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const int n = grid.numberAt(cells.left() + c, cells.top() + r);
            rowTiles[c] = n < 0 ? WhiteTile : n;
        }
        // Each pixel is written once: the tile rows with the grid pixel between
        // tiles, then the grid line under the row.
        const qsizetype y0 = qsizetype(at.y() + r) * pitchY;
        for (int y = 0; y < TH; ++y) {
            uchar *dst = bits + stride * (y0 + y);
            int c = 0;
            for (; c < withLine; ++c, dst += CellRowBytes)
                std::memcpy(dst, m_cellRows[rowTiles[c]][y], CellRowBytes);
            for (; c < columns; ++c, dst += TileRowBytes)
                std::memcpy(dst, m_tiles[rowTiles[c]] + y * TileRowBytes, TileRowBytes);
        }
        if (lines && at.y() + r + 1 < imageRows)
            gridLine(bits + stride * (y0 + TH), lineWidth);
        if (progress)
            progress(r + 1, rows);
    }
}

void TileRenderer::fitPicture(QImage &picture, int columns, int rows)
{
    fitImage(picture, imageSize(Layout::Picture, columns, rows));
}

void TileRenderer::renderPictureCells(QImage &picture, const CellGrid &grid, const QRect &cells) const
{
    if (picture.size() != imageSize(Layout::Picture, grid.columns(), grid.rows()))
        return;
    const QRect area = cells.intersected(QRect(0, 0, grid.columns(), grid.rows()));
    if (!area.isEmpty())
        renderAt(picture, area.topLeft(), grid, area, Layout::Picture, {});
}

void TileRenderer::renderPicture(QImage &picture, const CellGrid &grid,
                                 const std::function<void(int, int)> &progress) const
{
    render(picture, grid, QRect(0, 0, grid.columns(), grid.rows()), Layout::Picture, progress);
}

QImage TileRenderer::renderPicture(const CellGrid &grid, const std::function<void(int, int)> &progress) const
{
    QImage picture;
    renderPicture(picture, grid, progress);
    return picture;
}

void TileRenderer::renderBlank(QImage &picture, int columns, int rows) const
{
    render(picture, CellGrid(columns, rows, QString()), QRect(0, 0, columns, rows), Layout::Picture, {});
}

QImage TileRenderer::renderTiles(const CellGrid &grid, const std::function<void(int, int)> &progress) const
{
    QImage image;
    render(image, grid, QRect(0, 0, grid.columns(), grid.rows()), Layout::Tiles, progress);
    return image;
}

void TileRenderer::drawCells(QImage &picture, const CellGrid &grid, const QRect &cells) const
{
    const QRect area = cells.intersected(QRect(0, 0, grid.columns(), grid.rows()));
    for (int r = area.top(); r <= area.bottom(); ++r)
        for (int c = area.left(); c <= area.right(); ++c) {
            const int n = grid.numberAt(c, r);
            if (n >= 0)
                drawTile(picture, c, r, n);
        }
}

void TileRenderer::drawTile(QImage &picture, int column, int row, int number) const
{
    const int x0 = CellGeometry::CellWidth * column;
    const int y0 = CellGeometry::CellHeight * row;
    if (x0 < 0 || y0 < 0 || x0 >= picture.width() || y0 >= picture.height() || picture.format() != Format)
        return;
    const int width = qMin(TW, picture.width() - x0);
    const uchar *tile = m_tiles[number & 15];
    // One detach check for the whole tile, not one per scan line.
    uchar *bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    for (int y = 0; y < TH && y0 + y < picture.height(); ++y)
        std::memcpy(bits + stride * (y0 + y) + qsizetype(x0) * Bytes, tile + y * TileRowBytes,
                    size_t(width) * Bytes);
}

void TileRenderer::paint(QPainter &painter, const CellGrid &grid, Layout layout, qreal scale,
                         const QRect &cells) const
{
    const QRect area = (cells.isEmpty() ? QRect(0, 0, grid.columns(), grid.rows()) : cells)
                           .intersected(QRect(0, 0, grid.columns(), grid.rows()));
    if (area.isEmpty())
        return;
    QImage image;
    render(image, grid, area, layout, {});
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(image.size()) * scale), image);
    painter.restore();
}

} // namespace tessell
