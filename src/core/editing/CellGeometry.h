#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tessell {

// The picture geometry every tool shares: a cell is 6 pixels wide and 5 high
// (a 5 x 4 tile and a one-pixel grid line).
namespace CellGeometry {
constexpr int CellWidth = 6;
constexpr int CellHeight = 5;

inline QSize pictureSize(int columns, int rows) { return QSize(CellWidth * columns - 1, CellHeight * rows - 1); }
// Truncating toward zero, as the pointer rules expect.
inline int columnAt(int x) { return x / CellWidth; }
inline int rowAt(int y) { return y / CellHeight; }
inline QPoint cellAt(QPoint pixel) { return QPoint(columnAt(pixel.x()), rowAt(pixel.y())); }
inline QPoint tileOrigin(int column, int row) { return QPoint(CellWidth * column, CellHeight * row); }
inline QRect tileRect(int column, int row) { return QRect(tileOrigin(column, row), QSize(5, 4)); }
// Whether a pointer position counts as over the picture: X equal to the width
// still falls in the last column.
inline bool insidePicture(QPoint pixel, int columns, int rows)
{
    const QSize s = pictureSize(columns, rows);
    return pixel.x() >= 0 && pixel.y() >= 0 && pixel.x() <= s.width() && pixel.y() <= s.height();
}
// A remembered pointer position: each axis of pixel that lies over the
// picture replaces that axis of last; outside, the last value stays.
inline QPoint followInside(QPoint last, QPoint pixel, int columns, int rows)
{
    const QSize s = pictureSize(columns, rows);
    if (pixel.x() >= 0 && pixel.x() <= s.width())
        last.setX(pixel.x());
    if (pixel.y() >= 0 && pixel.y() <= s.height())
        last.setY(pixel.y());
    return last;
}
// The cell of a remembered position, kept inside a design made smaller since.
inline QPoint cellInside(QPoint pixel, int columns, int rows)
{
    return QPoint(qBound(0, columnAt(pixel.x()), columns - 1), qBound(0, rowAt(pixel.y()), rows - 1));
}
} // namespace CellGeometry

} // namespace tessell
