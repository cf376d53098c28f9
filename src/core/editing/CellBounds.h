#pragma once

#include <QRect>

#include <climits>

namespace tessell {

// The smallest rectangle of cells holding every cell added; empty until the first.
class CellBounds {
public:
    void add(int column, int row)
    {
        m_left = qMin(m_left, column);
        m_right = qMax(m_right, column);
        m_top = qMin(m_top, row);
        m_bottom = qMax(m_bottom, row);
    }
    QRect rect() const { return m_right < m_left ? QRect() : QRect(QPoint(m_left, m_top), QPoint(m_right, m_bottom)); }

private:
    int m_left = INT_MAX, m_right = INT_MIN, m_top = INT_MAX, m_bottom = INT_MIN;
};

} // namespace tessell
