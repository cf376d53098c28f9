#pragma once

#include <QStringList>

namespace tessell {

class CellGrid;

// Row texts of a file laid into a grid: the one loop of the design reader, the
// arrangement import and the history.
namespace RowLines {
// Row r from lines[first + r], as CellGrid::setRowFromList takes it. A line is
// split no further than the grid has columns and lines past the last row are
// not read, so a huge line costs no more than a short one.
void apply(CellGrid &grid, const QStringList &lines, qsizetype first);
} // namespace RowLines

} // namespace tessell
