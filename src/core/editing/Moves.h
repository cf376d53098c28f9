#pragma once

#include "core/document/CellGrid.h"

#include <QPoint>

namespace tessell {

// Shifting the whole design by one cell: content pushed over the edge is
// lost and the freed column or row becomes "0".
namespace Moves {
enum class Direction { UpLeft, Up, UpRight, Left, Right, DownLeft, Down, DownRight };

// The shift of a direction in cells, e.g. (-1, -1) for UpLeft.
QPoint offset(Direction direction);
void move(CellGrid &grid, Direction direction);
} // namespace Moves

} // namespace tessell
