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

void CustomLRPanel::recordItems(std::vector<ItemDrawing> &drawings, QPainter &painter, const QPoint &origin,
                                PrintStatus status, double scale) const
{
    for (const auto &child : children()) {
        if (!child->isVisible())
            continue;
        if (auto *item = dynamic_cast<LRItem *>(child.get()))
            drawings.push_back(item->drawing(item->bounds().translated(origin), status));
        else if (auto *other = dynamic_cast<CustomLRItem *>(child.get()))
            other->printItem(painter, other->bounds().translated(origin), status, scale);
    }
}

} // namespace tessell
