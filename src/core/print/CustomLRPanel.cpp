#include "core/print/CustomLRPanel.h"

#include "core/print/LRItem.h"

namespace tessell {

void CustomLRPanel::print(QPainter &, const QRect &, double) {}

void CustomLRPanel::runBeforePrint(const QRect &rect, PrintStatus &status)
{
    if (m_beforePrint)
        m_beforePrint(*this, rect, status);
}

void CustomLRPanel::runAfterPrint()
{
    if (m_afterPrint)
        m_afterPrint(*this);
}

void CustomLRPanel::printItems(QPainter &painter, const QPoint &origin, PrintStatus status,
                               double scale) const
{
    for (const auto &child : children())
        if (auto *item = dynamic_cast<CustomLRItem *>(child.get()); item && item->isVisible())
            item->printItem(painter, item->bounds().translated(origin), status, scale);
}

} // namespace tessell
