#include "ui/editing/BucketTool.h"

#include "core/document/Design.h"
#include "core/editing/CellGeometry.h"
#include "core/editing/CellRaster.h"
#include "ui/app/Icons.h"
#include "ui/editing/ToolHost.h"

namespace tessell {

void BucketTool::remember(const QPoint &pixel)
{
    const Design &design = host().design();
    m_pointer = CellGeometry::followInside(m_pointer, pixel, design.columns(), design.rows());
    m_cell = CellGeometry::cellInside(m_pointer, design.columns(), design.rows());
}

void BucketTool::move(const QPoint &pixel, Qt::MouseButtons, Qt::KeyboardModifiers)
{
    remember(pixel);
    host().showPlace(m_cell, true);
}

void BucketTool::release(const QPoint &pixel, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    remember(pixel);
    Design &design = host().design();
    CellRaster raster(design.grid());
    raster.floodFill(m_cell, host().currentNumber());
    design.editCells(QRect(0, 0, design.columns(), design.rows()), [&](CellGrid &grid) { raster.writeBack(grid); });
    host().refreshPicture();
    host().makeLog(tr("バケツツール"));
}

QCursor BucketTool::cursor() const { return Icons::bucketCursor(); }

} // namespace tessell
