#pragma once

// Header only: the designs, palette and options the class page tests draw.

#include "core/print/ClassPages.h"

namespace tessell::test {

// Sixteen entries whose tiles are not one colour, so that only the mean colour
// matches: nineteen pixels of a colour and one white.
inline Palette testPalette()
{
    Palette palette;
    for (int n = 0; n < 16; ++n) {
        palette[n].fill(qRgb(15 * n, 200 - 12 * n, (n * 53) % 200));
        palette[n].setPixel(4, 3, qRgb(255, 255, 255));
        palette[n].setName(QStringLiteral("Name%1").arg(n));
    }
    return palette;
}

// Cell (c, r) holds (c + r) mod 16: every column and every row differ.
inline CellGrid diagonal(int columns = 160, int rows = 100)
{
    CellGrid grid(columns, rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            grid.setCell(c, r, CellGrid::digit((c + r) % 16));
    return grid;
}

inline const Distribution kSplit22({7, 7}, {7, 7}, {8, 7});

inline ClassPageOptions optionsOf(const Distribution &d, bool colour = false, bool neighbours = false,
                           bool overview = false)
{
    ClassPageOptions o;
    o.distribution = d;
    o.colour = colour;
    o.neighbours = neighbours;
    o.overview = overview;
    return o;
}

} // namespace tessell::test
