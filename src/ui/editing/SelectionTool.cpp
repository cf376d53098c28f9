#include "ui/editing/SelectionTool.h"

#include "core/document/Design.h"
#include "core/editing/CellGeometry.h"
#include "ui/editing/FloatingBlock.h"
#include "ui/editing/ToolHost.h"

#include <QPainter>

namespace tessell {

SelectionTool::SelectionTool(ToolHost &host, FloatingBlock &block, QObject *parent)
    : Tool(host, parent), m_block(block)
{
}

void SelectionTool::press(const QPoint &pixel, Qt::MouseButton button, Qt::KeyboardModifiers)
{
    if (button != Qt::LeftButton)
        return;
    // The frame lies above the overlay and takes presses inside it.
    if (m_block.beginDrag(pixel)) {
        m_dragging = true;
        return;
    }
    const Design &design = host().design();
    if (!CellGeometry::insidePicture(pixel, design.columns(), design.rows()))
        return;
    // A new selection starts: a block still floating goes into the design first.
    host().placeBlock();
    m_start = m_end = CellGeometry::cellAt(pixel);
    m_selecting = true;
    m_dragging = true;
    host().updateOverlay();
}

void SelectionTool::move(const QPoint &pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    const Design &design = host().design();
    if (m_block.isDragged()) {
        if (m_block.dragTo(pixel, design.columns(), design.rows())) {
            host().updateOverlay();
            host().processEvents();
        }
        if (m_block.frame() == FloatingBlock::Frame::Selection)
            emit frameChanged();
        return;
    }
    const QSize size = CellGeometry::pictureSize(design.columns(), design.rows());
    // Less than a cell left of or above the picture still counts as column or row 0.
    if (pixel.x() >= -5 && pixel.x() <= size.width())
        m_end.setX(CellGeometry::columnAt(pixel.x()));
    if (pixel.y() >= -4 && pixel.y() <= size.height())
        m_end.setY(CellGeometry::rowAt(pixel.y()));
    if (design.grid().contains(m_end.x(), m_end.y()))
        host().showPlace(m_end, true);
    if (!m_selecting)
        return;
    host().updateOverlay();
    emit frameChanged();
    // The button released outside the window, or a key held: finish here.
    if (buttons != Qt::LeftButton || modifiers != Qt::NoModifier)
        finish(pixel);
}

void SelectionTool::release(const QPoint &pixel, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    if (m_block.isDragged()) {
        m_block.endDrag();
        m_dragging = false;
        return;
    }
    finish(pixel);
}

void SelectionTool::finish(const QPoint &pixel)
{
    const Design &design = host().design();
    if (CellGeometry::insidePicture(pixel, design.columns(), design.rows())) {
        m_end = CellGeometry::cellAt(pixel);
        host().showPlace(m_end, false);
    }
    if (!m_selecting)
        return;
    m_selecting = false;
    m_dragging = false;
    const QRect cells = draggedCells();
    BlockText block;
    host().design().editCells([&](CellGrid &grid) {
        block = BlockText::lift(grid, cells);
        return cells;
    });
    m_block.show(FloatingBlock::Frame::Selection, block, cells.topLeft());
    host().updateOverlay();
    emit lifted();
    emit frameChanged();
}

QRect SelectionTool::draggedCells() const
{
    return QRect(QPoint(qMin(m_start.x(), m_end.x()), qMin(m_start.y(), m_end.y())),
                 QPoint(qMax(m_start.x(), m_end.x()), qMax(m_start.y(), m_end.y())));
}

QRect SelectionTool::frameCells() const
{
    if (m_selecting)
        return draggedCells();
    if (m_block.frame() == FloatingBlock::Frame::Selection)
        return m_block.cells();
    return QRect();
}

void SelectionTool::paintOverlay(QPainter &painter)
{
    if (m_selecting) {
        const QRect cells = draggedCells();
        QPen pen(Qt::black);
        pen.setStyle(Qt::DashDotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const QPoint o = CellGeometry::tileOrigin(cells.left(), cells.top());
        painter.drawRect(QRect(o.x() - 1, o.y() - 1, CellGeometry::CellWidth * cells.width(),
                               CellGeometry::CellHeight * cells.height()));
    }
    m_block.paint(painter, host().design().palette());
}

void SelectionTool::deactivate()
{
    m_selecting = false;
    m_dragging = false;
    m_block.endDrag();
}

} // namespace tessell
