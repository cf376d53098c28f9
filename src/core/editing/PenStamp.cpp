#include "core/editing/PenStamp.h"

namespace tessell {

QRect PenStamp::area(int columns, int rows, QPoint cell, int width)
{
    const QRect square(cell, QSize(qMax(1, width), qMax(1, width)));
    const QRect covered = square.intersected(QRect(0, 0, columns, rows));
    return covered.isValid() ? covered : QRect();
}

QRect PenStamp::stamp(CellGrid &grid, QPoint cell, int width, int number)
{
    const QRect covered = area(grid.columns(), grid.rows(), cell, width);
    if (covered.isEmpty())
        return covered;
    const QString text = CellGrid::digit(number);
    for (int r = covered.top(); r <= covered.bottom(); ++r)
        for (int c = covered.left(); c <= covered.right(); ++c)
            grid.setCell(c, r, text);
    return covered;
}

} // namespace tessell
