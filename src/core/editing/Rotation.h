#pragma once

#include "core/document/CellGrid.h"

#include <QPoint>

namespace tessell {

// Turning the design about the cell (Columns div 2, Rows div 2): on screen the
// picture turns counter-clockwise by the angle. Every new cell copies exactly
// one old cell or becomes "0"; there is no interpolation.
namespace Rotation {
// The old cell that new cell (x, y) copies; it may lie outside the grid.
// Offsets are rounded to the nearest cell, an exact half to the even one.
QPoint sourceCell(int x, int y, int columns, int rows, int degrees);
// Every new cell is computed from the old grid before any is written.
void rotate(CellGrid &grid, int degrees);
} // namespace Rotation

} // namespace tessell
