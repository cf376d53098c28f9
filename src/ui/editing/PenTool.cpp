#include "ui/editing/PenTool.h"

#include "core/document/Design.h"
#include "core/editing/CellGeometry.h"
#include "core/editing/PenStamp.h"
#include "ui/common/Icons.h"
#include "ui/editing/ToolHost.h"

namespace tessell {

void PenTool::press(const QPoint &pixel, Qt::MouseButton, Qt::KeyboardModifiers)
{
    stamp(pixel);
    // The flag goes first: the release of a quick click may be among the
    // pending events, and it must end this stroke, not be lost before it.
    m_dragging = true;
    host().processEvents();
}

void PenTool::move(const QPoint &pixel, Qt::MouseButtons, Qt::KeyboardModifiers)
{
    if (showPlaceAt(pixel) && m_dragging)
        stamp(pixel);
}

void PenTool::release(const QPoint &, Qt::MouseButton)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    host().finishEdit(tr("ペンツール"), EditOrder::RecordThenCount);
}

QCursor PenTool::cursor() const { return Icons::penCursor(); }

void PenTool::stamp(const QPoint &pixel)
{
    Design &design = host().design();
    const QPoint cell = CellGeometry::cellAt(pixel);
    const int width = host().penWidth(), number = host().currentNumber();
    design.editCells([&](CellGrid &grid) { return PenStamp::stamp(grid, cell, width, number); });
}

} // namespace tessell
