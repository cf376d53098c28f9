#include "ui/editing/PenTool.h"

#include "core/document/Design.h"
#include "core/editing/CellGeometry.h"
#include "core/editing/PenStamp.h"
#include "ui/app/Icons.h"
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
    Design &design = host().design();
    if (!CellGeometry::insidePicture(pixel, design.columns(), design.rows()))
        return;
    host().showPlace(CellGeometry::cellAt(pixel), true);
    if (m_dragging)
        stamp(pixel);
}

void PenTool::release(const QPoint &, Qt::MouseButton)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    host().makeLog(tr("ペンツール"));
    host().reCount();
}

QCursor PenTool::cursor() const { return Icons::penCursor(); }

void PenTool::stamp(const QPoint &pixel)
{
    Design &design = host().design();
    const QPoint cell = CellGeometry::cellAt(pixel);
    const QRect area = PenStamp::area(design.columns(), design.rows(), cell, host().penWidth());
    if (area.isEmpty())
        return;
    const int number = host().currentNumber();
    design.editCells(area, [&](CellGrid &grid) { PenStamp::stamp(grid, cell, host().penWidth(), number); });
    host().drawCells(area);
}

} // namespace tessell
