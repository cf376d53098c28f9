#include "core/editing/CellRaster.h"

#include "core/editing/CellBounds.h"

#include <cstdlib>
#include <vector>

namespace tessell {

namespace {

int sign(int v)
{
    return (v > 0) - (v < 0);
}

// The thin line: one cell per step along the longer axis, the shorter axis
// rounded with an exact half going toward the end.
QVector<QPoint> linePath(QPoint start, QPoint end, bool includeEnd)
{
    const int dx = end.x() - start.x();
    const int dy = end.y() - start.y();
    const int n = qMax(std::abs(dx), std::abs(dy));
    QVector<QPoint> path;
    if (n == 0) {
        if (includeEnd)
            path << start;
        return path;
    }
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const qint64 minor = xMajor ? std::abs(dy) : std::abs(dx);
    const int steps = includeEnd ? n + 1 : n;
    path.reserve(steps);
    for (int i = 0; i < steps; ++i) {
        const int offset = int((2 * i * minor + n) / (2 * qint64(n)));
        if (xMajor)
            path << QPoint(start.x() + sign(dx) * i, start.y() + sign(dy) * offset);
        else
            path << QPoint(start.x() + sign(dx) * offset, start.y() + sign(dy) * i);
    }
    return path;
}

// The box of a rectangle or ellipse: the smaller corner up to one less than the larger.
QRect shapeBox(QPoint corner, QPoint opposite)
{
    const int left = qMin(corner.x(), opposite.x());
    const int top = qMin(corner.y(), opposite.y());
    return QRect(left, top, std::abs(opposite.x() - corner.x()), std::abs(opposite.y() - corner.y()));
}

QVector<QPoint> rectanglePath(const QRect &box)
{
    QVector<QPoint> path;
    for (int c = box.left(); c <= box.right(); ++c)
        path << QPoint(c, box.top()) << QPoint(c, box.bottom());
    for (int r = box.top() + 1; r < box.bottom(); ++r)
        path << QPoint(box.left(), r) << QPoint(box.right(), r);
    return path;
}

// In doubled coordinates (cell k's centre at 2k) a row at offset d2 from the
// centre meets the curve at the offset a2 * sqrt(b2^2 - d2^2) / b2. Answers the
// smallest cell k in [lo, (centre2) / 2] whose centre lies no more than half a
// cell inside that point, i.e. the crossing rounded to the nearest cell with
// a half going outward. Exact integer arithmetic throughout.
int outerCell(int lo, int centre2, qint64 a2, qint64 b2, qint64 d2)
{
    const qint64 reach = a2 * a2 * (b2 * b2 - d2 * d2);
    auto fits = [&](int k) {
        const qint64 m = centre2 - 1 - 2 * qint64(k);
        return m <= 0 || reach >= m * m * b2 * b2;
    };
    int hi = centre2 >= 0 ? centre2 / 2 : -((-centre2 + 1) / 2);
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (fits(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

QVector<QPoint> ellipsePath(const QRect &box)
{
    QVector<QPoint> path;
    const int left = box.left(), right = box.right(), top = box.top(), bottom = box.bottom();
    if (left == right || top == bottom) {
        // One cell wide or high: the ellipse flattens into its box.
        for (int r = top; r <= bottom; ++r)
            for (int c = left; c <= right; ++c)
                path << QPoint(c, r);
        return path;
    }
    const int x2 = left + right, y2 = top + bottom;
    const qint64 a2 = right - left, b2 = bottom - top;
    for (int r = top; r <= bottom; ++r) {
        const int c = outerCell(left, x2, a2, b2, 2 * r - y2);
        path << QPoint(c, r) << QPoint(x2 - c, r);
    }
    for (int c = left; c <= right; ++c) {
        const int r = outerCell(top, y2, b2, a2, 2 * c - x2);
        path << QPoint(c, r) << QPoint(c, y2 - r);
    }
    return path;
}

// Offsets of the round brush: cells whose centres lie within width / 2 of the
// brush centre, worked in doubled units.
QVector<QPoint> brush(int width)
{
    QVector<QPoint> offsets;
    const int centre2 = width % 2 == 0 ? -1 : 0;
    for (int dy = -(width / 2); dy <= (width - 1) / 2; ++dy)
        for (int dx = -(width / 2); dx <= (width - 1) / 2; ++dx) {
            const int ex = 2 * dx - centre2, ey = 2 * dy - centre2;
            if (ex * ex + ey * ey <= width * width)
                offsets << QPoint(dx, dy);
        }
    return offsets;
}

} // namespace

CellRaster::CellRaster(const CellGrid &grid)
    : m_columns(grid.columns()), m_rows(grid.rows()), m_cells(qsizetype(m_columns) * m_rows)
{
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_columns; ++c) {
            const auto value = CellGrid::cellValue(grid.cell(c, r));
            m_cells[index(c, r)] = qint8(value ? *value : NotANumber);
        }
}

QRect CellRaster::floodFill(QPoint cell, int number)
{
    if (!contains(cell))
        return {};
    const qint8 target = m_cells[index(cell.x(), cell.y())];
    const qint8 fill = qint8(number & 15);
    if (target == NotANumber || target == fill)
        return {};
    CellBounds filled;
    std::vector<QPoint> pending{cell};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        const int y = p.y();
        qint8 *line = m_cells.data() + index(0, y);
        if (line[p.x()] != target)
            continue;
        int left = p.x(), right = p.x();
        while (left > 0 && line[left - 1] == target)
            --left;
        while (right < m_columns - 1 && line[right + 1] == target)
            ++right;
        std::fill(line + left, line + right + 1, fill);
        filled.add(left, y);
        filled.add(right, y);
        // One seed per run of target cells directly above and below the span.
        for (int ny : {y - 1, y + 1}) {
            if (ny < 0 || ny >= m_rows)
                continue;
            const qint8 *next = m_cells.constData() + index(0, ny);
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool match = next[x] == target;
                if (match && !inRun)
                    pending.emplace_back(x, ny);
                inRun = match;
            }
        }
    }
    return filled.rect();
}

QRect CellRaster::paintPath(const QVector<QPoint> &path, int width, int number)
{
    const qint8 value = qint8(number & 15);
    const QVector<QPoint> offsets = brush(qMax(1, width));
    CellBounds changed;
    for (const QPoint &p : path)
        for (const QPoint &o : offsets) {
            const int c = p.x() + o.x(), r = p.y() + o.y();
            if (c < 0 || r < 0 || c >= m_columns || r >= m_rows)
                continue;
            m_cells[index(c, r)] = value;
            changed.add(c, r);
        }
    return changed.rect();
}

QRect CellRaster::drawLine(QPoint start, QPoint end, int width, int number)
{
    return paintPath(linePath(start, end, width > 1), width, number);
}

QRect CellRaster::drawRectangle(QPoint corner, QPoint opposite, int width, int number)
{
    const QRect box = shapeBox(corner, opposite);
    return box.isEmpty() ? QRect() : paintPath(rectanglePath(box), width, number);
}

QRect CellRaster::drawEllipse(QPoint corner, QPoint opposite, int width, int number)
{
    const QRect box = shapeBox(corner, opposite);
    return box.isEmpty() ? QRect() : paintPath(ellipsePath(box), width, number);
}

QRect CellRaster::drawShape(ShapeKind kind, QPoint start, QPoint end, int width, int number)
{
    switch (kind) {
    case ShapeKind::Line:
        return drawLine(start, end, width, number);
    case ShapeKind::Rectangle:
        return drawRectangle(start, end, width, number);
    case ShapeKind::Ellipse:
        return drawEllipse(start, end, width, number);
    }
    return {};
}

QRect CellRaster::writeBack(CellGrid &grid) const
{
    const int columns = qMin(m_columns, grid.columns());
    const int rows = qMin(m_rows, grid.rows());
    // Shared digit texts: writing back a large design allocates nothing per cell.
    QString digits[16];
    for (int n = 0; n < 16; ++n)
        digits[n] = CellGrid::digit(n);
    CellBounds changed;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const qint8 value = m_cells[index(c, r)];
            if (value == NotANumber)
                continue;
            const QString &text = digits[value];
            if (grid.cell(c, r) == text)
                continue;
            grid.setCell(c, r, text);
            changed.add(c, r);
        }
    return changed.rect();
}

} // namespace tessell
