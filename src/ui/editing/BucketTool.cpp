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
    const QSize size = CellGeometry::pictureSize(design.columns(), design.rows());
    if (pixel.x() >= 0 && pixel.x() <= size.width())
        m_cell.setX(CellGeometry::columnAt(pixel.x()));
    if (pixel.y() >= 0 && pixel.y() <= size.height())
        m_cell.setY(CellGeometry::rowAt(pixel.y()));
    // A design made smaller since keeps the remembered cell inside it.
    m_cell.setX(qBound(0, m_cell.x(), design.columns() - 1));
    m_cell.setY(qBound(0, m_cell.y(), design.rows() - 1));
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
