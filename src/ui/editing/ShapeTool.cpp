#include "ui/editing/ShapeTool.h"

#include "core/document/Design.h"
#include "core/editing/CellGeometry.h"
#include "ui/editing/ToolHost.h"

#include <QPainter>

namespace tessell {

ShapeTool::ShapeTool(ToolHost &host, ShapeKind kind, QObject *parent) : Tool(host, parent), m_kind(kind) {}

QString ShapeTool::historyName(ShapeKind kind)
{
    switch (kind) {
    case ShapeKind::Line:
        return tr("直線ツール");
    case ShapeKind::Rectangle:
        return tr("四角形ツール");
    case ShapeKind::Ellipse:
        return tr("楕円ツール");
    }
    return QString();
}

// Each axis separately: outside the picture the old end stays.
void ShapeTool::takeEnd(const QPoint &pixel)
{
    const Design &design = host().design();
    m_end = CellGeometry::followInside(m_end, pixel, design.columns(), design.rows());
}

void ShapeTool::press(const QPoint &pixel, Qt::MouseButton button, Qt::KeyboardModifiers)
{
    const Design &design = host().design();
    if (button != Qt::LeftButton || !CellGeometry::insidePicture(pixel, design.columns(), design.rows()))
        return;
    m_dragging = true;
    m_start = m_end = pixel;
    host().updateOverlay();
}

void ShapeTool::move(const QPoint &pixel, Qt::MouseButtons, Qt::KeyboardModifiers)
{
    host().showPlace(rememberPointer(pixel), true);
    if (!m_dragging)
        return;
    takeEnd(pixel);
    host().updateOverlay();
}

void ShapeTool::release(const QPoint &pixel, Qt::MouseButton)
{
    if (!m_dragging)
        return;
    takeEnd(pixel);
    m_dragging = false;
    const QPoint startCell = CellGeometry::cellAt(m_start);
    const QPoint endCell = CellGeometry::cellAt(m_end);
    host().showPlace(endCell, false);
    Design &design = host().design();
    CellRaster raster(design.grid());
    raster.drawShape(m_kind, startCell, endCell, host().penWidth(), host().currentNumber());
    host().edit(historyName(m_kind), EditOrder::RedrawThenRecord,
                [&] { design.editCells([&](CellGrid &grid) { return raster.writeBack(grid); }); });
    host().updateOverlay();
}

void ShapeTool::paintOverlay(QPainter &painter)
{
    if (!m_dragging)
        return;
    // Inverting the pixels under the band: it never hides the picture for long
    // and leaves nothing behind, because the picture image itself is untouched.
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    QPen pen(Qt::black, CellGeometry::CellWidth * host().penWidth());
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    switch (m_kind) {
    case ShapeKind::Line:
        painter.drawLine(m_start, m_end);
        break;
    case ShapeKind::Rectangle:
        painter.drawRect(QRect(m_start, m_end).normalized());
        break;
    case ShapeKind::Ellipse:
        painter.drawEllipse(QRect(m_start, m_end).normalized());
        break;
    }
    painter.restore();
}

} // namespace tessell
