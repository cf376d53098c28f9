#include "ui/app/ToolBarArea.h"

#include "ui/app/ToolBarPanel.h"

#include <QPainter>

namespace tessell {

ToolBarArea::ToolBarArea(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("toolBarArea"));
    setFixedHeight(29);
}

void ToolBarArea::addPanel(ToolBarPanel *panel)
{
    m_panels.append(panel);
    updateHeight();
}

void ToolBarArea::setUpdatesSuspended(bool suspended)
{
    m_suspended = suspended;
    if (!suspended)
        updateHeight();
}

void ToolBarArea::updateHeight()
{
    if (m_suspended)
        return;
    int bottom = 27;
    for (ToolBarPanel *p : m_panels)
        if (!p->isFloating() && p->isBarVisible())
            bottom = qMax(bottom, p->geometry().bottom() + 1);
    const int h = bottom + 2;
    if (h != height()) {
        setFixedHeight(h);
        emit heightChanged();
    }
}

bool ToolBarArea::containsGlobal(const QPoint &global) const
{
    return rect().contains(mapFromGlobal(global));
}

void ToolBarArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(0, height() - 1, width(), height() - 1);
}

} // namespace tessell
