#pragma once

#include "core/document/CellGrid.h"
#include "core/document/PaletteEntry.h"

#include <QImage>
#include <QRect>

#include <functional>

class QPainter;

namespace tessell {

// Draws cells as their palette tiles. Every view that shows cells as tiles uses
// this: the picture (6 x 5 pixels a cell, a 5 x 4 tile and a light grey grid
// line), the full-size check picture (5 x 4 a cell, no lines), pages and renders.
class TileRenderer {
public:
    static constexpr QRgb GridLineColour = 0xFFC0C0C0u;
    // Three bytes a pixel: the picture of a 999 x 999 design takes 90 MB, not 120.
    static constexpr QImage::Format Format = QImage::Format_RGB888;
    enum class Layout { Picture, Tiles };

    explicit TileRenderer(const Palette &palette);
    void setPalette(const Palette &palette);

    // The whole picture, grid lines and every tile; cells that are not numbers
    // show white. The image is reused when it has the right size and format
    // (else freed before the new one is made, so two never live at once);
    // progress(rowsDone, rows) runs after each row.
    void renderPicture(QImage &picture, const CellGrid &grid,
                       const std::function<void(int, int)> &progress = {}) const;
    QImage renderPicture(const CellGrid &grid, const std::function<void(int, int)> &progress = {}) const;
    // The picture of a design of that size with every tile white.
    void renderBlank(QImage &picture, int columns, int rows) const;
    // Every cell's tile side by side without grid lines: (5 Columns) x (4 Rows),
    // cells that are not numbers white; progress as for renderPicture.
    QImage renderTiles(const CellGrid &grid, const std::function<void(int, int)> &progress = {}) const;

    // The picture image at the grid's size, its pixels left as they are when
    // it already has that size, else undrawn.
    static void fitPicture(QImage &picture, int columns, int rows);
    // The cells as renderPicture draws them, grid lines included, into a
    // picture of the grid's size (one of another size is left alone).
    void renderPictureCells(QImage &picture, const CellGrid &grid, const QRect &cells) const;

    // Draws the tiles of the given cells onto an existing picture image; cells
    // that are not numbers are left undrawn.
    void drawCells(QImage &picture, const CellGrid &grid, const QRect &cells) const;
    // One tile at (6c, 5r).
    void drawTile(QImage &picture, int column, int row, int number) const;

    // The cells (all when empty) onto any painter, the top-left cell's corner at
    // the painter's origin, every picture pixel scale x scale device units, no
    // smoothing.
    void paint(QPainter &painter, const CellGrid &grid, Layout layout, qreal scale,
               const QRect &cells = QRect()) const;

    static QSize imageSize(Layout layout, int columns, int rows);

private:
    // The cells into an image of exactly their size.
    void render(QImage &image, const CellGrid &grid, const QRect &cells, Layout layout,
                const std::function<void(int, int)> &progress) const;
    // The cells into an image of the layout, the top-left cell at cell place
    // at; cells at the image's right and bottom edge get no grid line.
    void renderAt(QImage &image, const QPoint &at, const CellGrid &grid, const QRect &cells, Layout layout,
                  const std::function<void(int, int)> &progress) const;

    // Each tile's pixels row by row as the image stores them, ready for copying
    // into scan lines.
    uchar m_tiles[17][PaletteEntry::PixelCount * 3];
    // Each tile row followed by the grid line's pixel: a picture's cell row in
    // one copy.
    uchar m_cellRows[17][PaletteEntry::TileHeight][(PaletteEntry::TileWidth + 1) * 3];
};

} // namespace tessell
