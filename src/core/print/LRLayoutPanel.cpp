#include "core/print/LRLayoutPanel.h"

#include "core/Texts.h"
#include "core/print/LRError.h"
#include "core/print/LightRep.h"

namespace tessell {

void checkReportPanelPlacement(const LRElement &container)
{
    if (!dynamic_cast<const LightRep *>(&container) && !dynamic_cast<const LRLayoutPanel *>(&container))
        throw LRError(texts::panelOnReportOrLayoutOnly());
}

void LRLayoutPanel::checkPlacement(const LRElement &container) const
{
    checkReportPanelPlacement(container);
}

void LRLayoutPanel::print(QPainter &painter, const QRect &rect, double scale)
{
    PrintStatus status = PrintStatus::Print;
    runBeforePrint(rect, status);
    if (status == PrintStatus::Skip)
        return;
    printItems(painter, rect.topLeft(), status, scale);
    for (const auto &child : children())
        if (auto *panel = dynamic_cast<CustomLRPanel *>(child.get()); panel && panel->isVisible())
            panel->print(painter, panel->bounds().translated(rect.topLeft()), scale);
    runAfterPrint();
}

} // namespace tessell
