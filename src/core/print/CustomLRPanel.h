#pragma once

#include "core/print/LRElement.h"

#include <vector>

class QPainter;

namespace tessell {

struct ItemDrawing;

// Base of every report panel. print draws the panel at its rectangle on the
// page; this base draws nothing.
class CustomLRPanel : public LRElement {
public:
    virtual void print(QPainter &painter, const QRect &rect, double scale);

    void setBeforePrint(BeforePrintEvent handler) { m_beforePrint = std::move(handler); }
    void setAfterPrint(NotifyEvent handler) { m_afterPrint = std::move(handler); }

protected:
    // A new panel is docked at the top and 100 units high.
    explicit CustomLRPanel(LRAlign align = LRAlign::Top) : LRElement(QRect(0, 0, 100, 100), align) {}

    void runBeforePrint(const QRect &rect, PrintStatus &status);
    void runAfterPrint();
    // The items placed on this panel, each at its rectangle moved by origin.
    void printItems(QPainter &painter, const QPoint &origin, PrintStatus status, double scale) const;
    // The same, kept in `drawings` to be drawn later; items that are no text
    // boxes are drawn at once.
    void recordItems(std::vector<ItemDrawing> &drawings, QPainter &painter, const QPoint &origin,
                     PrintStatus status, double scale) const;

private:
    // A grid prints its cell panel once per cell.
    friend class LRGridPanel;
    BeforePrintEvent m_beforePrint;
    NotifyEvent m_afterPrint;
};

} // namespace tessell
