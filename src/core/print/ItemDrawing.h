#pragma once

#include "core/print/LRTypes.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <array>
#include <span>

class QPainter;

namespace tessell {

class TextLayouts;

// What an item draws at one place on the page: its fill, text and frame lines
// as they stand when it is drawn. A grid records one for each cell and draws
// them together.
struct ItemDrawing {
    // In page units.
    QRect rect;
    PrintStatus status = PrintStatus::Print;
    QString text;
    LRFont font;
    // Nothing is filled when the item is transparent.
    bool filled = false;
    QColor fill;
    TextAlignment alignment = TextAlignment::LeftJustify;
    TextLayout layout = TextLayout::Top;
    int hMargin = 2;
    int vMargin = 2;
    bool wordWrap = false;
    // Top, left, right, bottom.
    std::array<LineStyle, 4> lines{};
    QColor lineColor = Qt::black;
};

// Draws items on a painter at a scale (device pixels per page unit). A text on
// one line is laid out once for its font, scale and device, and kept: it is
// drawn as glyphs, real text in a PDF, and a grid lays out its sixteen digits
// once for all its cells and pages.
class ItemPainter {
public:
    ItemPainter(QPainter &painter, double scale) : m_painter(painter), m_scale(scale) {}

    // One item: its fill, its text, then its frame lines.
    void draw(const ItemDrawing &item);
    // Many items in three passes: every fill, every text, every frame line,
    // the lines of a row or a column joined into one band. This gives the page
    // the items give one by one as long as no fill or text reaches under a
    // line of an item drawn before it (as in a grid whose cells draw only
    // their left and bottom lines), and all lines have one colour.
    void drawInPasses(std::span<const ItemDrawing> items);

    // Device pixels of a frame line at the scale; 0 draws the thinnest line.
    static int penWidth(LineStyle style, double scale);

private:
    struct Placed;
    QRect deviceRect(const QRect &rect) const;
    std::array<QRect, 4> lineBands(const ItemDrawing &item, const QRect &r) const;
    // The box an item's text is drawn in, for a text h high.
    QRect textBox(const ItemDrawing &item, const QRect &r, int h) const;
    // Where a text on one line goes, or nothing for a wrapped or empty text.
    bool place(const ItemDrawing &item, const QRect &r, Placed &placed);
    void drawPlaced(const Placed &placed);
    void drawWrapped(const ItemDrawing &item, const QRect &r);

    QPainter &m_painter;
    double m_scale;
    // The layouts of the font drawn last.
    TextLayouts *m_layouts = nullptr;
    LRFont m_layoutsFont;
};

} // namespace tessell
