#include "ui/editing/Tool.h"

#include "core/document/Design.h"
#include "core/editing/CellGeometry.h"
#include "ui/editing/ToolHost.h"

namespace tessell {

bool Tool::showPlaceAt(const QPoint &pixel)
{
    const Design &design = m_host.design();
    if (!CellGeometry::insidePicture(pixel, design.columns(), design.rows()))
        return false;
    m_host.showPlace(CellGeometry::cellAt(pixel), true);
    return true;
}

QPoint Tool::rememberPointer(const QPoint &pixel)
{
    const Design &design = m_host.design();
    m_pointer = CellGeometry::followInside(m_pointer, pixel, design.columns(), design.rows());
    m_rememberedCell = CellGeometry::cellInside(m_pointer, design.columns(), design.rows());
    return m_rememberedCell;
}

} // namespace tessell
