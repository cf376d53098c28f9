#include "ui/editing/WorkArea.h"

#include "ui/editing/PictureView.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QScrollBar>

namespace tessell {

WorkArea::WorkArea(QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("workArea"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    auto *holder = new QWidget;
    auto *layout = new QGridLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    setWidget(holder);
}

void WorkArea::setPicture(PictureView *picture)
{
    m_picture = picture;
    static_cast<QGridLayout *>(widget()->layout())->addWidget(picture, 0, 0, Qt::AlignCenter);
    picture->installEventFilter(this);
    connect(picture, &PictureView::zoomRequested, this, [this](int steps, const QPoint &at) {
        zoomPicture(PictureView::steppedZoom(m_picture->zoom(), steps), m_picture->mapTo(viewport(), at));
    });
}

void WorkArea::zoomBy(int steps) { zoomPicture(PictureView::steppedZoom(m_picture->zoom(), steps)); }

void WorkArea::zoomPicture(int percent, QPoint anchor)
{
    if (anchor.x() < 0 || !viewport()->rect().contains(anchor))
        anchor = viewport()->rect().center();
    // The picture pixel under the anchor stays under it.
    const QPointF pixel = QPointF(m_picture->mapFrom(viewport(), anchor)) / m_picture->scale();
    // The holder and the scroll bars take the new size before the place is worked out.
    m_picture->setZoom(percent);
    settleLayout();
    const QPoint now = m_picture->mapTo(viewport(), (pixel * m_picture->scale()).toPoint());
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + now.x() - anchor.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() + now.y() - anchor.y());
    emit zoomChanged(m_picture->zoom());
}

void WorkArea::settleLayout()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

bool WorkArea::eventFilter(QObject *watched, QEvent *event)
{
    // A new design's picture is laid out before anything else happens.
    if (watched == m_picture && event->type() == QEvent::Resize)
        settleLayout();
    return QScrollArea::eventFilter(watched, event);
}

} // namespace tessell
