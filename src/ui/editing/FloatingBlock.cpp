#include "ui/editing/FloatingBlock.h"

#include "core/editing/CellGeometry.h"

#include <QPainter>

namespace tessell {

QRect FloatingBlock::frameRect() const
{
    const QPoint o = CellGeometry::tileOrigin(m_origin.x(), m_origin.y());
    return QRect(o.x() - 1, o.y() - 1, CellGeometry::CellWidth * m_block.width() + 1,
                 CellGeometry::CellHeight * m_block.height() + 1);
}

void FloatingBlock::show(Frame frame, const BlockText &block, QPoint origin)
{
    m_frame = frame;
    m_block = block;
    m_origin = origin;
}

bool FloatingBlock::beginDrag(QPoint pixel)
{
    if (!isShown() || !frameRect().contains(pixel))
        return false;
    m_dragged = true;
    m_pressPixel = pixel;
    m_pressOrigin = m_origin;
    return true;
}

bool FloatingBlock::dragTo(QPoint pixel, int columns, int rows)
{
    if (!m_dragged)
        return false;
    const QPoint origin = movedOrigin(m_pressOrigin, pixel - m_pressPixel, columns, rows);
    if (origin == m_origin)
        return false;
    m_origin = origin;
    return true;
}

void FloatingBlock::clear()
{
    m_dragged = false;
    m_frame = Frame::None;
    m_block = BlockText();
    m_origin = QPoint();
}

void FloatingBlock::paint(QPainter &painter, const Palette &palette) const
{
    if (!isShown())
        return;
    const QPoint o = CellGeometry::tileOrigin(m_origin.x(), m_origin.y());
    if (m_frame == Frame::Selection) {
        // A lifted or pasted block shows on light grey, so it stands out from the picture.
        painter.fillRect(QRect(o, QSize(CellGeometry::CellWidth * m_block.width() - 1,
                                        CellGeometry::CellHeight * m_block.height() - 1)),
                         QColor(0xC0, 0xC0, 0xC0));
    }
    for (int r = 0; r < m_block.height(); ++r)
        for (int c = 0; c < m_block.width(); ++c) {
            const auto n = CellGrid::cellValue(m_block.value(c, r));
            if (!n)
                continue;
            painter.drawImage(o + CellGeometry::tileOrigin(c, r), palette[*n].tileImage());
        }
    QPen pen(QColor(Qt::black));
    pen.setStyle(Qt::DashDotLine);
    pen.setWidth(1);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QRect f = frameRect();
    painter.drawRect(f.adjusted(0, 0, -1, -1));
}

QPoint FloatingBlock::movedOrigin(QPoint pressOrigin, QPoint delta, int columns, int rows) const
{
    QPoint origin = m_origin;
    // Whole cells only, truncating toward zero.
    const int column = pressOrigin.x() + delta.x() / CellGeometry::CellWidth;
    const int row = pressOrigin.y() + delta.y() / CellGeometry::CellHeight;
    if (column >= 0 && column <= columns - m_block.width())
        origin.setX(column);
    if (row >= 0 && row <= rows - m_block.height())
        origin.setY(row);
    return origin;
}

} // namespace tessell
