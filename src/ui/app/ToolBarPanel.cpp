#include "ui/app/ToolBarPanel.h"

#include "ui/app/ToolBarArea.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace tessell {

// The small window a floating bar lives in. Closing it hides the bar; moving
// it over the tool bar area with the window system docks the bar again.
class FloatingToolWindow : public QWidget {
public:
    FloatingToolWindow(ToolBarPanel *panel, QWidget *owner)
        : QWidget(owner, Qt::Tool | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
          m_panel(panel)
    {
        setWindowTitle(panel->caption());
        setAttribute(Qt::WA_DeleteOnClose, false);
        auto *l = new QHBoxLayout(this);
        l->setContentsMargins(0, 0, 0, 0);
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        event->accept();
        m_panel->floatingWindowClosed();
    }
    void moveEvent(QMoveEvent *event) override
    {
        QWidget::moveEvent(event);
        if (!event->spontaneous() || !(QApplication::mouseButtons() & Qt::LeftButton))
            return;
        if (m_panel->m_area->containsGlobal(QCursor::pos())) {
            const QPoint at = m_panel->m_area->mapFromGlobal(pos()) + QPoint(ToolBarPanel::GripWidth, 0);
            QTimer::singleShot(0, m_panel, [p = m_panel, at] { p->dockAt(at); });
        }
    }

private:
    ToolBarPanel *m_panel;
};

ToolBarPanel::ToolBarPanel(int index, const QString &caption, const QSize &barSize, bool dockable,
                           ToolBarArea *area)
    : QFrame(area), m_index(index), m_caption(caption), m_barSize(barSize), m_dockable(dockable), m_area(area)
{
    setObjectName(QStringLiteral("ToolBar%1").arg(index));
    setFixedSize(barSize.width() + GripWidth, barSize.height());
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_grip = new QWidget(this);
    m_grip->setFixedWidth(GripWidth);
    m_grip->setCursor(Qt::SizeAllCursor);
    m_grip->installEventFilter(this);
    m_body = new QWidget(this);
    m_body->setFixedSize(barSize);
    layout->addWidget(m_grip);
    layout->addWidget(m_body);
    area->addPanel(this);
}

ToolBarPanel::~ToolBarPanel()
{
    if (m_window)
        m_window->deleteLater();
}

void ToolBarPanel::setBarPos(const QPoint &pos)
{
    m_dockPos = pos;
    if (!m_floating) {
        move(pos - QPoint(GripWidth, 0));
        m_area->updateHeight();
    }
}

QPoint ToolBarPanel::parentPos() const
{
    if (m_floating && m_window)
        return m_window->pos();
    return m_area->pos();
}

void ToolBarPanel::dock() { dockAt(m_dockPos); }

void ToolBarPanel::dockAt(const QPoint &barPos)
{
    // Keep the whole bar inside the area's width.
    const int maxLeft = qMax(GripWidth, m_area->width() - m_barSize.width());
    const QPoint pos(qBound(GripWidth, barPos.x(), maxLeft), qMax(0, barPos.y()));
    const bool wasFloating = m_floating;
    if (wasFloating) {
        setParent(m_area);
        m_floating = false;
        if (m_window)
            m_window->hide();
    }
    m_dockPos = pos;
    move(pos - QPoint(GripWidth, 0));
    applyVisibility();
    m_area->updateHeight();
    if (wasFloating)
        emit dockChanged();
}

void ToolBarPanel::floatAt(const QPoint &screenPos)
{
    if (!m_dockable)
        return;
    if (!m_window)
        m_window = new FloatingToolWindow(this, m_area->window());
    const bool wasDocked = !m_floating;
    if (wasDocked) {
        m_floating = true;
        setParent(m_window);
        m_window->layout()->addWidget(this);
    }
    m_window->setFixedSize(size());
    m_window->move(screenPos);
    applyVisibility();
    m_area->updateHeight();
    if (wasDocked)
        emit dockChanged();
}

void ToolBarPanel::setBarVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    applyVisibility();
    m_area->updateHeight();
    emit visibilityChanged(visible);
}

void ToolBarPanel::applyVisibility()
{
    if (m_floating) {
        show();
        if (m_window)
            m_window->setVisible(m_visible && m_area->window()->isVisible());
    } else {
        setVisible(m_visible);
    }
}

void ToolBarPanel::floatingWindowClosed()
{
    m_visible = false;
    m_area->updateHeight();
    emit visibilityChanged(false);
}

bool ToolBarPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_grip)
        return QFrame::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint: {
        QPainter p(m_grip);
        const QPalette pal = palette();
        for (int x : {3, 6}) {
            p.setPen(pal.color(QPalette::Light));
            p.drawLine(x, 2, x, m_grip->height() - 3);
            p.setPen(pal.color(QPalette::Dark));
            p.drawLine(x + 1, 2, x + 1, m_grip->height() - 3);
        }
        return true;
    }
    case QEvent::MouseButtonPress: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (e->button() != Qt::LeftButton)
            break;
        m_dragging = true;
        const QPoint corner = m_floating && m_window ? m_window->pos() : mapToGlobal(QPoint(0, 0));
        m_dragOffset = e->globalPosition().toPoint() - corner;
        return true;
    }
    case QEvent::MouseMove: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (!m_dragging)
            break;
        const QPoint global = e->globalPosition().toPoint();
        const QPoint corner = global - m_dragOffset;
        if (m_floating && m_window) {
            m_window->move(corner);
        } else if (m_area->containsGlobal(global)) {
            const QPoint local = m_area->mapFromGlobal(corner);
            const int maxX = qMax(0, m_area->width() - width());
            move(qBound(0, local.x(), maxX), qMax(0, local.y()));
            m_dockPos = pos() + QPoint(GripWidth, 0);
        }
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (!m_dragging || e->button() != Qt::LeftButton)
            break;
        m_dragging = false;
        const QPoint global = e->globalPosition().toPoint();
        const QPoint corner = global - m_dragOffset;
        const bool overArea = m_area->containsGlobal(global);
        // Switching windows inside the handler would pull the grip away from
        // under the pointer; the switch runs once the event is done.
        if (m_floating && overArea) {
            const QPoint at = m_area->mapFromGlobal(corner) + QPoint(GripWidth, 0);
            QTimer::singleShot(0, this, [this, at] { dockAt(at); });
        } else if (!m_floating && !overArea && m_dockable) {
            QTimer::singleShot(0, this, [this, corner] { floatAt(corner); });
        } else {
            m_area->updateHeight();
        }
        return true;
    }
    case QEvent::MouseButtonDblClick:
        // A double-click on the grip of a floating bar docks it at its old place.
        if (m_floating)
            QTimer::singleShot(0, this, [this] { dock(); });
        return true;
    default: break;
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace tessell
