#include "core/editing/Rotation.h"

#include <cmath>
#include <numbers>

namespace tessell {

namespace {
struct Turn {
    double cosine;
    double sine;
};

Turn turn(int degrees)
{
    const double theta = degrees * std::numbers::pi / 180.0;
    return {std::cos(theta), std::sin(theta)};
}

// Nearest integer with an exact half going to the even neighbour, whatever
// the floating-point rounding mode happens to be.
int nearestEven(double v)
{
    const double lower = std::floor(v);
    const double fraction = v - lower;
    if (fraction > 0.5)
        return int(lower) + 1;
    if (fraction < 0.5)
        return int(lower);
    return std::fmod(lower, 2.0) == 0.0 ? int(lower) : int(lower) + 1;
}

QPoint source(int x, int y, int cx, int cy, const Turn &t)
{
    return QPoint(cx + nearestEven(t.cosine * (x - cx) - t.sine * (y - cy)),
                  cy + nearestEven(t.sine * (x - cx) + t.cosine * (y - cy)));
}
} // namespace

QPoint Rotation::sourceCell(int x, int y, int columns, int rows, int degrees)
{
    return source(x, y, columns / 2, rows / 2, turn(degrees));
}

void Rotation::rotate(CellGrid &grid, int degrees)
{
    const Turn t = turn(degrees);
    const int cx = grid.columns() / 2, cy = grid.rows() / 2;
    CellGrid turned(grid.columns(), grid.rows());
    for (int y = 0; y < grid.rows(); ++y)
        for (int x = 0; x < grid.columns(); ++x) {
            const QPoint s = source(x, y, cx, cy, t);
            if (grid.contains(s.x(), s.y()))
                turned.copyCell(x, y, grid, s.x(), s.y());
        }
    grid = std::move(turned);
}

} // namespace tessell
