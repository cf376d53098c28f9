#pragma once

#include "core/print/CustomLRPanel.h"

namespace tessell {

// Lays out and prints its children: first its items, then its panels, each in
// the order it was added.
class LRLayoutPanel : public CustomLRPanel {
public:
    LRLayoutPanel() = default;
    void print(QPainter &painter, const QRect &rect, double scale) override;

protected:
    void checkPlacement(const LRElement &container) const override;
};

// Layout and grid panels go on the report or on a layout panel.
void checkReportPanelPlacement(const LRElement &container);

} // namespace tessell
