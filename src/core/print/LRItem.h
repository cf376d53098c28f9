#pragma once

#include "core/print/ItemDrawing.h"
#include "core/print/LRElement.h"

class QPainter;

namespace tessell {

// Base of the items placed on report panels. printItem draws the item at its
// rectangle on the page; this base draws nothing.
class CustomLRItem : public LRElement {
public:
    virtual void printItem(QPainter &painter, const QRect &rect, PrintStatus status, double scale);

protected:
    // A new item is 65 x 17 units and not docked.
    CustomLRItem() : LRElement(QRect(0, 0, 65, 17), LRAlign::None) {}
    void checkPlacement(const LRElement &container) const override;
};

// A text box with fill and frame lines.
class LRItem : public CustomLRItem {
public:
    LRItem() = default;

    const QString &text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    // The text as drawn. The print dialog sets no display mask, so this
    // program draws every text as it stands.
    const QString &displayText() const { return m_text; }

    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent) { m_transparent = transparent; }
    TextAlignment alignment() const { return m_alignment; }
    void setAlignment(TextAlignment alignment) { m_alignment = alignment; }
    TextLayout layout() const { return m_layout; }
    void setLayout(TextLayout layout) { m_layout = layout; }
    int hMargin() const { return m_hMargin; }
    int vMargin() const { return m_vMargin; }
    // Values outside -255..255 are ignored.
    void setHMargin(int margin);
    void setVMargin(int margin);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wrap) { m_wordWrap = wrap; }

    LineStyle lineTop() const { return m_lineTop; }
    LineStyle lineLeft() const { return m_lineLeft; }
    LineStyle lineRight() const { return m_lineRight; }
    LineStyle lineBottom() const { return m_lineBottom; }
    void setLineTop(LineStyle style) { m_lineTop = style; }
    void setLineLeft(LineStyle style) { m_lineLeft = style; }
    void setLineRight(LineStyle style) { m_lineRight = style; }
    void setLineBottom(LineStyle style) { m_lineBottom = style; }
    // Top, left, right, bottom at once.
    void setLines(LineStyle top, LineStyle left, LineStyle right, LineStyle bottom);
    QColor lineColor() const { return m_lineColor; }
    void setLineColor(const QColor &color) { m_lineColor = color; }

    // What the item draws at rect (page units) with the status, as it stands now.
    ItemDrawing drawing(const QRect &rect, PrintStatus status) const;
    void printItem(QPainter &painter, const QRect &rect, PrintStatus status, double scale) override;

private:
    QString m_text;
    bool m_transparent = true;
    TextAlignment m_alignment = TextAlignment::LeftJustify;
    TextLayout m_layout = TextLayout::Top;
    int m_hMargin = 2;
    int m_vMargin = 2;
    bool m_wordWrap = false;
    LineStyle m_lineTop = LineStyle::None;
    LineStyle m_lineLeft = LineStyle::None;
    LineStyle m_lineRight = LineStyle::None;
    LineStyle m_lineBottom = LineStyle::None;
    QColor m_lineColor = Qt::black;
};

} // namespace tessell
