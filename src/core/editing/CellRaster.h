#pragma once

#include "core/document/CellGrid.h"

#include <QPoint>
#include <QRect>
#include <QVector>

namespace tessell {

// The shape kinds of the line, rectangle and ellipse tools, numbered as their buttons' tags.
enum class ShapeKind { Line = 0, Rectangle = 1, Ellipse = 2 };

// One raster pixel per cell holding the cell's palette number, on which the
// bucket and the shape tools draw before the result is written back.
//
// The rasteriser is our own so that every platform paints the same cells:
// nothing is blended, a covered cell takes the number, every other keeps its own.
//
// Width 1 (the thin path):
//  - a line covers its cells from the start cell up to the end cell, the end
//    cell excluded; it steps one cell at a time along the longer axis (x when
//    both are equal) and rounds the other axis to the nearest cell, an exact
//    half going toward the end cell. A line whose ends are the same cell paints
//    nothing.
//  - a rectangle's outline runs through the smaller corner column and row and
//    through one less than the larger ones, whichever way it was dragged.
//  - an ellipse is inscribed in those same cells: it passes through the cell
//    centres of the box's middle and is sampled once per row and once per
//    column, each sample rounded to the nearest cell (a half toward the box
//    edge), so it is closed, four-fold symmetric and touches all four sides.
//  - a rectangle or ellipse whose corners share a column or a row has an empty
//    box and paints nothing, at any width.
// Widths 2..5: a round brush is swept along the thin path (for a line, the end
// cell included, which gives rounded ends; a line whose ends coincide leaves one
// round dot). The brush holds the cells whose centres lie within width / 2 of
// its centre; that centre is the path cell's centre for odd widths and the
// path cell's top-left corner for even ones, so even widths reach one cell
// further up and left than down and right.
// Nothing is ever written outside the raster.
class CellRaster {
public:
    // A cell whose text is not a palette number; it is neither filled nor
    // written back unless a shape covers it.
    static constexpr int NotANumber = -1;

    explicit CellRaster(const CellGrid &grid);

    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    bool contains(QPoint cell) const
    {
        return cell.x() >= 0 && cell.y() >= 0 && cell.x() < m_columns && cell.y() < m_rows;
    }
    int number(int column, int row) const { return m_cells[index(column, row)]; }

    // Four-way fill of the cells connected to cell that hold its number.
    // Nothing happens when that number is already the new one, when the cell
    // lies outside or when it is not a number. Answers the cells filled.
    QRect floodFill(QPoint cell, int number);

    // Each answers the cells it covered (clipped to the raster).
    QRect drawLine(QPoint start, QPoint end, int width, int number);
    QRect drawRectangle(QPoint corner, QPoint opposite, int width, int number);
    QRect drawEllipse(QPoint corner, QPoint opposite, int width, int number);
    QRect drawShape(ShapeKind kind, QPoint start, QPoint end, int width, int number);

    // Writes every number cell back as one upper-case digit; answers the cells
    // whose text changed. The grid must have the raster's size.
    QRect writeBack(CellGrid &grid) const;

private:
    qsizetype index(int column, int row) const { return qsizetype(row) * m_columns + column; }
    QRect paintPath(const QVector<QPoint> &path, int width, int number);

    int m_columns = 0;
    int m_rows = 0;
    QVector<qint8> m_cells;
};

} // namespace tessell
