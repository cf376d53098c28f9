#include "core/document/Design.h"

namespace tessell {

Design::Design(QObject *parent) : QObject(parent)
{
    m_grid.reset(DefaultColumns, DefaultRows);
    changeFirstContent();
}

void Design::setCell(int column, int row, const QString &text)
{
    if (!m_grid.contains(column, row))
        return;
    m_grid.setCell(column, row, text);
    emit cellsChanged(QRect(column, row, 1, 1));
}

void Design::setGrid(const CellGrid &grid)
{
    const bool resized = grid.columns() != columns() || grid.rows() != rows();
    m_grid = grid;
    if (resized)
        emit sizeChanged();
    emit cellsChanged(QRect(0, 0, columns(), rows()));
}

void Design::setRowFromList(int row, const QStringList &items)
{
    m_grid.setRowFromList(row, items);
    emit cellsChanged(QRect(0, row, columns(), 1));
}

void Design::setPalette(const Palette &palette)
{
    m_palette = palette;
    emit paletteChanged();
}

void Design::setFileName(const QString &fileName)
{
    if (m_fileName == fileName)
        return;
    m_fileName = fileName;
    emit fileNameChanged(fileName);
}

void Design::makeNew(int columns, int rows)
{
    m_palette = Palette();
    resetCells(columns, rows);
    emit paletteChanged();
}

void Design::resetCells(int columns, int rows)
{
    m_grid.reset(columns, rows);
    emit sizeChanged();
    emit cellsChanged(QRect(0, 0, columns, rows));
}

void Design::resizeCanvas(int columns, int rows)
{
    m_grid.resize(columns, rows);
    emit sizeChanged();
    emit cellsChanged(QRect(0, 0, columns, rows));
}

void Design::changeFirstContent() { m_saved = m_grid; }

bool Design::isModified() const { return !(m_grid == m_saved); }

PieceCounts Design::reCount() const { return m_grid.pieceCounts(); }

std::optional<QPoint> Design::listcheck()
{
    bool filled = false;
    const std::optional<QPoint> bad = m_grid.fillEmptyAndCheck(&filled);
    if (filled)
        emit cellsChanged(QRect(0, 0, columns(), rows()));
    return bad;
}

} // namespace tessell
