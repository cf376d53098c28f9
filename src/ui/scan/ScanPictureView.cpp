#include "ui/scan/ScanPictureView.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace tessell {

ScanPictureView::ScanPictureView(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void ScanPictureView::setPicture(const QImage &picture)
{
    m_picture = picture;
    m_reduced = QImage();
    fitSize();
    setVisible(!m_picture.isNull());
    update();
}

void ScanPictureView::setScale(double scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    m_reduced = QImage();
    fitSize();
    update();
}

void ScanPictureView::setPreview(const QImage &cells, QSize size)
{
    m_preview = cells;
    if (m_preview.isNull())
        fitSize();
    else
        resize(size);
    update();
}

void ScanPictureView::fitSize()
{
    if (!m_preview.isNull())
        return;
    resize(qMax(1, int(std::lround(m_picture.width() * m_scale))),
           qMax(1, int(std::lround(m_picture.height() * m_scale))));
}

void ScanPictureView::setOutline(QPoint corner, QSize size)
{
    m_corner = corner;
    m_size = size;
    update();
}

void ScanPictureView::setOutlineVisible(bool visible)
{
    m_outlineShown = visible;
    update();
}

QRect ScanPictureView::outlineOnScreen() const
{
    const QRectF r(m_corner.x() * m_scale, m_corner.y() * m_scale, m_size.width() * m_scale,
                   m_size.height() * m_scale);
    return r.normalized().toRect();
}

QPoint ScanPictureView::picturePoint(QPointF widgetPoint) const
{
    return QPoint(int(std::floor(widgetPoint.x() / m_scale)), int(std::floor(widgetPoint.y() / m_scale)));
}

void ScanPictureView::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect exposed = event->rect();
    if (!m_preview.isNull()) {
        // Cells as sharp blocks, not blurred into each other.
        p.drawImage(rect(), m_preview);
        return;
    }
    if (m_scale == 1.0) {
        p.drawImage(exposed, m_picture, exposed);
    } else {
        if (m_reduced.size() != size())
            m_reduced = m_picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        p.drawImage(exposed, m_reduced, exposed);
    }
    if (m_outlineShown) {
        // The outline's own pixels lie inside its rectangle, as a drawn frame's do.
        const QRect r = outlineOnScreen();
        if (r.width() > 0 || r.height() > 0) {
            p.setPen(QPen(Qt::red, 1, Qt::DashDotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
    }
}

void ScanPictureView::mousePressEvent(QMouseEvent *event)
{
    if (!m_preview.isNull())
        return;
    emit pressed(picturePoint(event->position()));
}

// Without mouse tracking moves come only while a button is held.
void ScanPictureView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_preview.isNull())
        return;
    emit moved(picturePoint(event->position()));
}

void ScanPictureView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton && m_preview.isNull())
        emit released();
}

} // namespace tessell
