#include "ui/editing/TextTool.h"

#include "core/document/Design.h"
#include "ui/editing/FloatingBlock.h"
#include "ui/editing/ToolHost.h"

#include <QPainter>

namespace tessell {

TextTool::TextTool(ToolHost &host, FloatingBlock &block, QObject *parent) : Tool(host, parent), m_block(block) {}

void TextTool::press(const QPoint &pixel, Qt::MouseButton button, Qt::KeyboardModifiers)
{
    if (button == Qt::LeftButton && m_block.beginDrag(pixel))
        m_dragging = true;
}

void TextTool::move(const QPoint &pixel, Qt::MouseButtons, Qt::KeyboardModifiers)
{
    const Design &design = host().design();
    if (m_dragging) {
        if (m_block.dragTo(pixel, design.columns(), design.rows())) {
            host().updateOverlay();
            host().processEvents();
        }
        return;
    }
    showPlaceAt(pixel);
}

void TextTool::release(const QPoint &, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    m_dragging = false;
    m_block.endDrag();
}

void TextTool::paintOverlay(QPainter &painter) { m_block.paint(painter, host().design().palette()); }

void TextTool::deactivate()
{
    m_dragging = false;
    m_block.endDrag();
}

} // namespace tessell
