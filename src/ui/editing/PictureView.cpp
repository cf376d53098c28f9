#include "ui/editing/PictureView.h"

#include "ui/editing/Tool.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessell {

PictureView::PictureView(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::imageChanged()
{
    if (size() != m_image.size())
        setFixedSize(m_image.size());
    update();
}

void PictureView::setTool(Tool *tool)
{
    m_tool = tool;
    if (m_tool)
        setCursor(m_tool->cursor());
    else
        unsetCursor();
    update();
}

void PictureView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), m_image, event->rect());
    if (m_tool)
        m_tool->paintOverlay(painter);
}

void PictureView::mousePressEvent(QMouseEvent *event)
{
    if (m_tool)
        m_tool->press(toPicture(event->position().toPoint()), event->button(), event->modifiers());
}

void PictureView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_tool)
        m_tool->move(toPicture(event->position().toPoint()), event->buttons(), event->modifiers());
}

void PictureView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_tool)
        m_tool->release(toPicture(event->position().toPoint()), event->button());
}

} // namespace tessell
