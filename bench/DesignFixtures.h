#pragma once

// The designs the benchmarks work on: every palette number in use, each a
// plain colour of its own.
#include "core/document/Design.h"

namespace tessell::bench {

inline void fillDesign(Design &design, int columns, int rows)
{
    design.makeNew(columns, rows);
    Palette palette;
    for (int n = 0; n < 16; ++n)
        palette[n].fill(qRgb(n * 16, 255 - n * 16, (n * 53) & 255));
    design.setPalette(palette);
    design.editCells([](CellGrid &grid) {
        for (int r = 0; r < grid.rows(); ++r)
            for (int c = 0; c < grid.columns(); ++c)
                grid.setCell(c, r, CellGrid::digit((c * 7 + r * 3) % 16));
        return grid.rows() > 0 ? QRect(0, 0, grid.columns(), grid.rows()) : QRect();
    });
}

} // namespace tessell::bench
