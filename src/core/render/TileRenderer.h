#pragma once

#include "core/document/CellGrid.h"
#include "core/document/PaletteEntry.h"

#include <QImage>
#include <QRect>

#include <functional>

class QPainter;

namespace tessell {

// Draws cells as their palette tiles: 6 x 5 pixels a cell, a 5 x 4 tile and a
// light grey grid line. Every view that shows cells as tiles uses this.
class TileRenderer {
public:
    static constexpr QRgb GridLineColour = 0xFFC0C0C0u;

    explicit TileRenderer(const Palette &palette);

    // The whole picture, grid lines and every tile; progress(rowsDone, rows)
    // runs after each row.
    QImage renderPicture(const CellGrid &grid,
                         const std::function<void(int, int)> &progress = {}) const;
    // Draws the tiles of the given cells onto an existing picture image.
    void drawCells(QImage &picture, const CellGrid &grid, const QRect &cells) const;
    // One tile at (6c, 5r); cells that are not numbers are left undrawn.
    void drawTile(QImage &picture, int column, int row, int number) const;

private:
    static void blit(QImage &picture, int column, int row, const QImage &tile);

    QImage m_tiles[16];
};

} // namespace tessell
