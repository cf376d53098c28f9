#include "ui/editing/BucketTool.h"

#include "core/document/Design.h"
#include "core/editing/CellGeometry.h"
#include "core/editing/CellRaster.h"
#include "ui/common/Icons.h"
#include "ui/editing/ToolHost.h"

namespace tessell {

void BucketTool::move(const QPoint &pixel, Qt::MouseButtons, Qt::KeyboardModifiers)
{
    host().showPlace(rememberPointer(pixel), true);
}

void BucketTool::release(const QPoint &pixel, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    const QPoint cell = rememberPointer(pixel);
    Design &design = host().design();
    CellRaster raster(design.grid());
    raster.floodFill(cell, host().currentNumber());
    host().edit(tr("バケツツール"), EditOrder::RedrawThenRecord,
                [&] { design.editCells([&](CellGrid &grid) { return raster.writeBack(grid); }); });
}

QCursor BucketTool::cursor() const { return Icons::bucketCursor(); }

} // namespace tessell
