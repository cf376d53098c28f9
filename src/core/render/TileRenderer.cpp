#include "core/render/TileRenderer.h"

#include "core/editing/CellGeometry.h"

namespace tessell {

TileRenderer::TileRenderer(const Palette &palette)
{
    for (int n = 0; n < 16; ++n)
        m_tiles[n] = palette[n].tileImage().convertToFormat(QImage::Format_RGB32);
}

QImage TileRenderer::renderPicture(const CellGrid &grid, const std::function<void(int, int)> &progress) const
{
    const QSize size = CellGeometry::pictureSize(grid.columns(), grid.rows());
    QImage picture(size, QImage::Format_RGB32);
    // Every pixel is a grid line or a tile; cells that are not numbers show white.
    picture.fill(GridLineColour);
    static const QImage blank = [] {
        QImage white(PaletteEntry::TileWidth, PaletteEntry::TileHeight, QImage::Format_RGB32);
        white.fill(0xFFFFFFFFu);
        return white;
    }();
    for (int r = 0; r < grid.rows(); ++r) {
        for (int c = 0; c < grid.columns(); ++c) {
            const auto n = CellGrid::cellValue(grid.cell(c, r));
            blit(picture, c, r, n ? m_tiles[*n] : blank);
        }
        if (progress)
            progress(r + 1, grid.rows());
    }
    return picture;
}

void TileRenderer::drawCells(QImage &picture, const CellGrid &grid, const QRect &cells) const
{
    const QRect area = cells.intersected(QRect(0, 0, grid.columns(), grid.rows()));
    for (int r = area.top(); r <= area.bottom(); ++r)
        for (int c = area.left(); c <= area.right(); ++c)
            if (auto n = CellGrid::cellValue(grid.cell(c, r)))
                drawTile(picture, c, r, *n);
}

void TileRenderer::drawTile(QImage &picture, int column, int row, int number) const
{
    blit(picture, column, row, m_tiles[number & 15]);
}

void TileRenderer::blit(QImage &picture, int column, int row, const QImage &tile)
{
    const int x0 = CellGeometry::CellWidth * column;
    const int y0 = CellGeometry::CellHeight * row;
    for (int y = 0; y < PaletteEntry::TileHeight; ++y) {
        if (y0 + y >= picture.height())
            break;
        const auto *src = reinterpret_cast<const QRgb *>(tile.constScanLine(y));
        auto *dst = reinterpret_cast<QRgb *>(picture.scanLine(y0 + y));
        for (int x = 0; x < PaletteEntry::TileWidth && x0 + x < picture.width(); ++x)
            dst[x0 + x] = src[x];
    }
}

} // namespace tessell
