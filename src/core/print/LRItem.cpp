#include "core/print/LRItem.h"

#include "core/Texts.h"
#include "core/print/CustomLRPanel.h"
#include "core/print/LRError.h"

#include <QPainter>

#include <cmath>

namespace tessell {

namespace {
int trunc(double v)
{
    return int(std::trunc(v));
}

// A frame line as a filled band, centred on the line, so that printer, PDF and
// preview cover the same pixels. The end point is not drawn; heavy lines reach
// half their width past both ends, so that corners and joins close.
void drawLine(QPainter &painter, const QColor &colour, int pen, QPoint from, QPoint to)
{
    const int p = qMax(1, pen), e = p > 1 ? p / 2 : 0;
    if (from.y() == to.y())
        painter.fillRect(QRect(from.x() - e, from.y() - p / 2, to.x() - from.x() + 2 * e, p), colour);
    else
        painter.fillRect(QRect(from.x() - p / 2, from.y() - e, p, to.y() - from.y() + 2 * e), colour);
}
} // namespace

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

int LRItem::penWidth(LineStyle style, double scale)
{
    switch (style) {
    case LineStyle::Single:
        return trunc(1.2 * scale);
    case LineStyle::Half:
        return trunc(0.5 * scale);
    case LineStyle::Double:
        return trunc(2 * scale);
    case LineStyle::Thick:
        return trunc(4 * scale);
    default:
        return 0;
    }
}

const QFont &LRItem::deviceFont(double scale)
{
    const LRFont &f = font();
    if (scale != m_deviceFontScale || !(f == m_deviceFontOf)) {
        m_deviceFont = QFont(f.family);
        // Character height in page units, so text keeps its size on paper.
        m_deviceFont.setPixelSize(qMax(1, qRound(f.height * scale)));
        m_deviceFont.setBold(f.bold);
        m_deviceFontOf = f;
        m_deviceFontScale = scale;
    }
    return m_deviceFont;
}

void LRItem::printItem(QPainter &painter, const QRect &rect, PrintStatus status, double scale)
{
    // r: the rectangle less its last unit, in device pixels; its right and
    // bottom edges are where this item's right and bottom lines run.
    const QRect r(QPoint(trunc(rect.left() * scale), trunc(rect.top() * scale)),
                  QPoint(trunc((rect.left() + rect.width() - 1) * scale) - 1,
                         trunc((rect.top() + rect.height() - 1) * scale) - 1));
    if (!m_transparent)
        painter.fillRect(r, color());
    if (status == PrintStatus::Print && !m_text.isEmpty())
        drawText(painter, r, scale);
    if (status != PrintStatus::Print && status != PrintStatus::LinesOnly)
        return;
    const int w = trunc(scale);
    const int left = r.left(), top = r.top(), right = r.right() + 1, bottom = r.bottom() + 1;
    if (m_lineTop != LineStyle::None)
        drawLine(painter, m_lineColor, penWidth(m_lineTop, scale), {left - w, top - w}, {right, top - w});
    if (m_lineLeft != LineStyle::None)
        drawLine(painter, m_lineColor, penWidth(m_lineLeft, scale), {left - w, top - w}, {left - w, bottom});
    if (m_lineRight != LineStyle::None)
        drawLine(painter, m_lineColor, penWidth(m_lineRight, scale), {right, top - w}, {right, bottom});
    if (m_lineBottom != LineStyle::None)
        drawLine(painter, m_lineColor, penWidth(m_lineBottom, scale), {left - w, bottom}, {right, bottom});
}

void LRItem::drawText(QPainter &painter, const QRect &r, double scale)
{
    painter.setFont(deviceFont(scale));
    painter.setPen(font().color);
    const int hm = trunc(m_hMargin * scale), vm = trunc(m_vMargin * scale);
    const int halign = m_alignment == TextAlignment::Center         ? Qt::AlignHCenter
                       : m_alignment == TextAlignment::RightJustify ? Qt::AlignRight
                                                       : Qt::AlignLeft;
    const int flags = halign | Qt::AlignTop | (m_wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
    // Measured from one line height in a box less the margin.
    const int line = painter.fontMetrics().height();
    int h = line;
    if (m_wordWrap)
        h = qMax(
            line,
            painter.boundingRect(QRect(0, 0, qMax(1, r.width() - hm), line), flags, displayText()).height());
    // Edges as the frame has them: right and bottom exclusive.
    int left = r.left(), top = r.top(), right = r.right() + 1;
    const int bottom = r.bottom() + 1;
    if (m_alignment == TextAlignment::LeftJustify)
        left += hm;
    else if (m_alignment == TextAlignment::RightJustify)
        right -= hm;
    switch (m_layout) {
    case TextLayout::Top:
        top += vm;
        break;
    case TextLayout::Bottom:
        top = bottom - vm - h;
        break;
    case TextLayout::Center:
        top += (bottom - top - h) / 2;
        break;
    }
    painter.drawText(QRect(left, top, right - left, bottom - top), flags, displayText());
}

} // namespace tessell
