#pragma once

#include "core/document/CellGrid.h"

#include <QPoint>
#include <QRect>

namespace tessell {

// The pen lays down a width x width square growing right and down from the
// cell under the pointer (not centred on it).
namespace PenStamp {
// The cells a stamp at cell would cover, clipped to a grid of the given size;
// empty when nothing of it lies inside.
QRect area(int columns, int rows, QPoint cell, int width);
// Sets the covered cells to number as one upper-case digit and answers them.
QRect stamp(CellGrid &grid, QPoint cell, int width, int number);
} // namespace PenStamp

} // namespace tessell
