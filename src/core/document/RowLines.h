#pragma once

#include <QByteArray>
#include <QByteArrayView>
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

// The same two ways over the bytes of a code page 932 file, for the history,
// which writes and reads a whole design at every step. A row of one-character
// cells goes between cells and bytes directly; any other row takes the ways
// above, so the bytes and the cells are the same as theirs.
void applyBytes(CellGrid &grid, QByteArrayView bytes, qsizetype first);
// Each row text, ended by CR LF, appended to out.
void appendBytes(const CellGrid &grid, QByteArray &out);
} // namespace RowLines

} // namespace tessell
