#include "core/editing/Rotation.h"

#include <cmath>
#include <numbers>
#include <vector>

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
    const int below = int(lower);
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return below % 2 == 0 ? below : below + 1;
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
    // The column's products once for all rows; the sums are those of source().
    std::vector<double> cosX(grid.columns()), sinX(grid.columns());
    for (int x = 0; x < grid.columns(); ++x) {
        cosX[x] = t.cosine * (x - cx);
        sinX[x] = t.sine * (x - cx);
    }
    CellGrid turned(grid.columns(), grid.rows());
    // Square blocks of new cells read their old cells from a small turned
    // square, which stays in the cache; row by row they would come from all over.
    constexpr int Block = 32;
    for (int y0 = 0; y0 < grid.rows(); y0 += Block)
        for (int x0 = 0; x0 < grid.columns(); x0 += Block)
            for (int y = y0; y < qMin(y0 + Block, grid.rows()); ++y) {
                const double sinY = t.sine * (y - cy), cosY = t.cosine * (y - cy);
                for (int x = x0; x < qMin(x0 + Block, grid.columns()); ++x) {
                    const int sx = cx + nearestEven(cosX[x] - sinY), sy = cy + nearestEven(sinX[x] + cosY);
                    if (grid.contains(sx, sy))
                        turned.copyCell(x, y, grid, sx, sy);
                }
            }
    grid = std::move(turned);
}

} // namespace tessell
