#include "core/print/LRItem.h"

#include "core/Texts.h"
#include "core/print/CustomLRPanel.h"
#include "core/print/LRError.h"

namespace tessell {

void CustomLRItem::printItem(QPainter &, const QRect &, PrintStatus, double) {}

void CustomLRItem::checkPlacement(const LRElement &container) const
{
    if (!dynamic_cast<const CustomLRPanel *>(&container))
        throw LRError(texts::itemOnPanelOnly());
}

void LRItem::setHMargin(int margin)
{
    if (margin >= -255 && margin <= 255)
        m_hMargin = margin;
}

void LRItem::setVMargin(int margin)
{
    if (margin >= -255 && margin <= 255)
        m_vMargin = margin;
}

void LRItem::setLines(LineStyle top, LineStyle left, LineStyle right, LineStyle bottom)
{
    m_lineTop = top;
    m_lineLeft = left;
    m_lineRight = right;
    m_lineBottom = bottom;
}

ItemDrawing LRItem::drawing(const QRect &rect, PrintStatus status) const
{
    ItemDrawing d;
    d.rect = rect;
    d.status = status;
    d.text = displayText();
    d.font = font();
    d.filled = !m_transparent;
    if (d.filled)
        d.fill = color();
    d.alignment = m_alignment;
    d.layout = m_layout;
    d.hMargin = m_hMargin;
    d.vMargin = m_vMargin;
    d.wordWrap = m_wordWrap;
    d.lines = {m_lineTop, m_lineLeft, m_lineRight, m_lineBottom};
    d.lineColor = m_lineColor;
    return d;
}

void LRItem::printItem(QPainter &painter, const QRect &rect, PrintStatus status, double scale)
{
    ItemPainter(painter, scale).draw(drawing(rect, status));
}

} // namespace tessell
