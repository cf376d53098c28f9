#include "ui/editing/TextTool.h"

#include "core/document/Design.h"
#include "core/editing/CellGeometry.h"
#include "ui/editing/FloatingBlock.h"
#include "ui/editing/ToolHost.h"

#include <QPainter>

namespace tessell {

TextTool::TextTool(ToolHost &host, FloatingBlock &block, QObject *parent) : Tool(host, parent), m_block(block) {}

void TextTool::press(const QPoint &pixel, Qt::MouseButton button, Qt::KeyboardModifiers)
{
    if (button != Qt::LeftButton || !m_block.isShown() || !m_block.frameRect().contains(pixel))
        return;
    m_dragging = true;
    m_pressPixel = pixel;
    m_pressOrigin = m_block.origin();
}

void TextTool::move(const QPoint &pixel, Qt::MouseButtons, Qt::KeyboardModifiers)
{
    const Design &design = host().design();
    if (m_dragging) {
        const QPoint origin = m_block.movedOrigin(m_pressOrigin, pixel - m_pressPixel, design.columns(), design.rows());
        if (origin != m_block.origin()) {
            m_block.setOrigin(origin);
            host().updateOverlay();
            host().processEvents();
        }
        return;
    }
    if (CellGeometry::insidePicture(pixel, design.columns(), design.rows()))
        host().showPlace(CellGeometry::cellAt(pixel), true);
}

void TextTool::release(const QPoint &, Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        m_dragging = false;
}

void TextTool::paintOverlay(QPainter &painter) { m_block.paint(painter, host().design().palette()); }

void TextTool::deactivate() { m_dragging = false; }

} // namespace tessell
