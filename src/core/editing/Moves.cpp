#include "core/editing/Moves.h"

namespace tessell {

QPoint Moves::offset(Direction direction)
{
    switch (direction) {
    case Direction::UpLeft:
        return {-1, -1};
    case Direction::Up:
        return {0, -1};
    case Direction::UpRight:
        return {1, -1};
    case Direction::Left:
        return {-1, 0};
    case Direction::Right:
        return {1, 0};
    case Direction::DownLeft:
        return {-1, 1};
    case Direction::Down:
        return {0, 1};
    case Direction::DownRight:
        return {1, 1};
    }
    return {};
}

void Moves::move(CellGrid &grid, Direction direction)
{
    const QPoint d = offset(direction);
    CellGrid moved(grid.columns(), grid.rows());
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.columns(); ++c)
            if (grid.contains(c - d.x(), r - d.y()))
                moved.copyCell(c, r, grid, c - d.x(), r - d.y());
    grid = std::move(moved);
}

} // namespace tessell
