#pragma once

#include <QStringList>

namespace tessell {

class CellGrid;

// Row texts of files and the grid: the one loop of the design reader, the
// arrangement import and the history, and the rows they write.
namespace RowLines {
// Row r from lines[first + r], as CellGrid::setRowFromList takes it. A line is
// split no further than the grid has columns and lines past the last row are
// not read, so a huge line costs no more than a short one.
void apply(CellGrid &grid, const QStringList &lines, qsizetype first);
// The row texts as files keep them. An empty cell is written as the "0" the
// cell check makes of it: an empty item would read back as a blank, which the
// check refuses.
QStringList texts(const CellGrid &grid);
} // namespace RowLines

} // namespace tessell
