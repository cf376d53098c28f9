#include "ui/editing/PictureView.h"

#include "ui/editing/Tool.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>
#include <utility>

namespace tessell {

PictureView::PictureView(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

qreal PictureView::scale() const
{
    // Whole device pixels for each picture pixel, whatever the screen's scale.
    const qreal ratio = devicePixelRatioF();
    return std::max(1.0, std::round(m_zoom / 100.0 * ratio)) / ratio;
}

QPoint PictureView::toPicture(const QPoint &widgetPos) const
{
    const qreal s = scale();
    return QPoint(int(std::floor(widgetPos.x() / s)), int(std::floor(widgetPos.y() / s)));
}

QPoint PictureView::toWidget(const QPoint &picturePixel) const
{
    const qreal s = scale();
    return QPoint(int(std::floor(picturePixel.x() * s)), int(std::floor(picturePixel.y() * s)));
}

const QImage &PictureView::image() const
{
    if (m_drawPending)
        m_drawPending(m_image.rect());
    return m_image;
}

QImage &PictureView::image()
{
    std::as_const(*this).image();
    return m_image;
}

void PictureView::fitSize()
{
    const QSize size(int(std::ceil(m_image.width() * scale())), int(std::ceil(m_image.height() * scale())));
    if (this->size() != size)
        setFixedSize(size);
}

void PictureView::imageChanged()
{
    fitSize();
    update();
}

void PictureView::updatePicture(const QRect &pixels)
{
    // One widget pixel more each way: a fractional scale may round outwards.
    update(QRect(toWidget(pixels.topLeft()), toWidget(pixels.bottomRight() + QPoint(1, 1))).adjusted(-1, -1, 1, 1));
}

int PictureView::steppedZoom(int percent, int steps)
{
    int index = 0;
    for (int i = 0; i < int(std::size(ZoomSteps)); ++i)
        if (ZoomSteps[i] <= percent)
            index = i;
    return ZoomSteps[qBound(0, index + steps, int(std::size(ZoomSteps)) - 1)];
}

void PictureView::setZoom(int percent)
{
    m_zoom = steppedZoom(percent, 0);
    fitSize();
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
    const qreal s = scale();
    // Only the picture pixels under the exposed part are drawn, each as a square.
    const QRect source = s == 1.0 ? event->rect().intersected(m_image.rect())
                                  : QRect(toPicture(event->rect().topLeft()), toPicture(event->rect().bottomRight()))
                                        .adjusted(0, 0, 1, 1)
                                        .intersected(m_image.rect());
    if (m_drawPending && !source.isEmpty())
        m_drawPending(source);
    if (s == 1.0) {
        painter.drawImage(event->rect().topLeft(), m_image, event->rect());
    } else {
        painter.scale(s, s);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(source.topLeft(), m_image, source);
    }
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

void PictureView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore(); // the work area scrolls
        return;
    }
    const int steps = event->angleDelta().y() > 0 ? 1 : event->angleDelta().y() < 0 ? -1 : 0;
    if (steps != 0)
        emit zoomRequested(steps, event->position().toPoint());
    event->accept();
}

} // namespace tessell
