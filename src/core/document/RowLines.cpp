#include "core/document/RowLines.h"

#include "core/document/CellGrid.h"
#include "core/document/CommaList.h"

namespace tessell {

void RowLines::apply(CellGrid &grid, const QStringList &lines, qsizetype first)
{
    for (qsizetype i = qMax<qsizetype>(first, 0); i < lines.size() && i - first < grid.rows(); ++i)
        grid.setRowFromList(int(i - first), CommaList::split(lines[i], grid.columns()));
}

} // namespace tessell
