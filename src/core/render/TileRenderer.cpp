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
} // namespace

TileRenderer::TileRenderer(const Palette &palette) { setPalette(palette); }

void TileRenderer::setPalette(const Palette &palette)
{
    for (int n = 0; n < 16; ++n)
        for (int y = 0; y < TH; ++y)
            for (int x = 0; x < TW; ++x)
                m_tiles[n][y * TW + x] = palette[n].pixel(x, y) | 0xFF000000u;
    std::fill(std::begin(m_tiles[WhiteTile]), std::end(m_tiles[WhiteTile]), 0xFFFFFFFFu);
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
    const QSize size = imageSize(layout, cells.width(), cells.height());
    if (image.size() != size || image.format() != Format) {
        image = QImage();
        image = QImage(size, Format);
    }
    if (image.isNull())
        return;
    const bool lines = layout == Layout::Picture;
    const int pitchY = lines ? CellGeometry::CellHeight : TH;
    const int columns = cells.width();
    std::vector<const QRgb *> rowTiles(columns);
    auto *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int r = 0; r < cells.height(); ++r) {
        for (int c = 0; c < columns; ++c) {
            const int n = grid.numberAt(cells.left() + c, cells.top() + r);
            rowTiles[c] = m_tiles[n < 0 ? WhiteTile : n];
        }
        // Each pixel is written once: the tile rows with the grid pixel between
        // tiles, then the grid line under the row.
        for (int y = 0; y < TH; ++y) {
            auto *dst = reinterpret_cast<QRgb *>(bits + stride * (qsizetype(r) * pitchY + y));
            for (int c = 0; c < columns; ++c) {
                std::memcpy(dst, rowTiles[c] + y * TW, TW * sizeof(QRgb));
                dst += TW;
                if (lines && c + 1 < columns)
                    *dst++ = GridLineColour;
            }
        }
        if (lines && r + 1 < cells.height()) {
            auto *dst = reinterpret_cast<QRgb *>(bits + stride * (qsizetype(r) * pitchY + TH));
            std::fill(dst, dst + size.width(), GridLineColour);
        }
        if (progress)
            progress(r + 1, cells.height());
    }
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

QImage TileRenderer::renderTiles(const CellGrid &grid) const
{
    QImage image;
    render(image, grid, QRect(0, 0, grid.columns(), grid.rows()), Layout::Tiles, {});
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
    const QRgb *tile = m_tiles[number & 15];
    for (int y = 0; y < TH && y0 + y < picture.height(); ++y)
        std::memcpy(reinterpret_cast<QRgb *>(picture.scanLine(y0 + y)) + x0, tile + y * TW,
                    size_t(width) * sizeof(QRgb));
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
