#include "core/document/RowLines.h"

#include "core/document/CellGrid.h"
#include "core/document/CommaList.h"

namespace tessell {

void RowLines::apply(CellGrid &grid, const QStringList &lines, qsizetype first)
{
    for (qsizetype i = qMax<qsizetype>(first, 0); i < lines.size() && i - first < grid.rows(); ++i)
        grid.setRowFromList(int(i - first), CommaList::split(lines[i], grid.columns()));
}

QStringList RowLines::texts(const CellGrid &grid)
{
    QStringList rows;
    rows.reserve(grid.rows());
    const QString zero = QStringLiteral("0");
    for (int r = 0; r < grid.rows(); ++r) {
        QStringList items;
        items.reserve(grid.columns());
        for (int c = 0; c < grid.columns(); ++c)
            items << (grid.cell(c, r).isEmpty() ? zero : grid.cell(c, r));
        rows << CommaList::join(items);
    }
    return rows;
}

} // namespace tessell
