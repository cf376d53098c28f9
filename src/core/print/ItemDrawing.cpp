#include "core/print/ItemDrawing.h"

#include "core/print/TextLayouts.h"

#include <QHash>
#include <QPainter>

#include <cmath>
#include <vector>

namespace tessell {

namespace {
int trunc(double v)
{
    return int(std::trunc(v));
}

int alignment(const ItemDrawing &item)
{
    return item.alignment == TextAlignment::Center         ? Qt::AlignHCenter
           : item.alignment == TextAlignment::RightJustify ? Qt::AlignRight
                                                           : Qt::AlignLeft;
}

// The frame line from `from` to `to` (end point not drawn) as a filled band
// centred on the line, so that printer, PDF and preview cover the same pixels.
// Heavy lines reach half their width past both ends, so corners and joins close.
QRect band(int pen, QPoint from, QPoint to)
{
    const int p = qMax(1, pen), e = p > 1 ? p / 2 : 0;
    if (from.y() == to.y())
        return QRect(from.x() - e, from.y() - p / 2, to.x() - from.x() + 2 * e, p);
    return QRect(from.x() - p / 2, from.y() - e, p, to.y() - from.y() + 2 * e);
}

// Frame lines of one colour, the bands on the same line that touch or
// overlap joined into one as they come: the same pixels in fewer calls. A
// grid gives a row's bands from the left and a column's from the top.
class Bands {
public:
    // Along a row (top and bottom lines) or a column (left and right lines).
    void add(const QRect &band, bool alongRow)
    {
        const quint64 key = alongRow ? quint64(quint32(band.top())) << 32 | quint32(band.height())
                                     : quint64(quint32(band.left())) << 32 | quint32(band.width());
        auto &last = m_last[alongRow ? 0 : 1];
        if (const auto it = last.constFind(key); it != last.constEnd()) {
            QRect &joined = m_bands[*it];
            if (alongRow ? band.left() <= joined.right() + 1 && band.right() >= joined.left() - 1
                         : band.top() <= joined.bottom() + 1 && band.bottom() >= joined.top() - 1) {
                joined = joined.united(band);
                return;
            }
        }
        last.insert(key, int(m_bands.size()));
        m_bands.push_back(band);
    }
    const std::vector<QRect> &bands() const { return m_bands; }

private:
    std::vector<QRect> m_bands;
    QHash<quint64, int> m_last[2];
};
} // namespace

struct ItemPainter::Placed {
    QList<QGlyphRun> runs;
    // The layout's top-left corner on the device.
    QPointF origin;
    // The box the text is clipped to, when its ink leaves it.
    QRect box;
    bool clipped = false;
    QColor colour;
};

int ItemPainter::penWidth(LineStyle style, double scale)
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

QRect ItemPainter::deviceRect(const QRect &rect) const
{
    // The rectangle less its last unit; its right and bottom edges are where
    // the item's right and bottom lines run.
    const double s = m_scale;
    return QRect(QPoint(trunc(rect.left() * s), trunc(rect.top() * s)),
                 QPoint(trunc((rect.left() + rect.width() - 1) * s) - 1,
                        trunc((rect.top() + rect.height() - 1) * s) - 1));
}

std::array<QRect, 4> ItemPainter::lineBands(const ItemDrawing &item, const QRect &r) const
{
    std::array<QRect, 4> bands{};
    const int w = trunc(m_scale);
    const int left = r.left(), top = r.top(), right = r.right() + 1, bottom = r.bottom() + 1;
    const QPoint ends[4][2] = {{{left - w, top - w}, {right, top - w}},
                               {{left - w, top - w}, {left - w, bottom}},
                               {{right, top - w}, {right, bottom}},
                               {{left - w, bottom}, {right, bottom}}};
    for (int side = 0; side < 4; ++side)
        if (item.lines[side] != LineStyle::None)
            bands[side] = band(penWidth(item.lines[side], m_scale), ends[side][0], ends[side][1]);
    return bands;
}

QRect ItemPainter::textBox(const ItemDrawing &item, const QRect &r, int h) const
{
    // Edges as the frame has them: right and bottom exclusive.
    const int hm = trunc(item.hMargin * m_scale), vm = trunc(item.vMargin * m_scale);
    int left = r.left(), top = r.top(), right = r.right() + 1;
    const int bottom = r.bottom() + 1;
    if (item.alignment == TextAlignment::LeftJustify)
        left += hm;
    else if (item.alignment == TextAlignment::RightJustify)
        right -= hm;
    if (item.layout == TextLayout::Top)
        top += vm;
    else if (item.layout == TextLayout::Bottom)
        top = bottom - vm - h;
    else
        top += (bottom - top - h) / 2;
    return QRect(left, top, right - left, bottom - top);
}

bool ItemPainter::place(const ItemDrawing &item, const QRect &r, Placed &placed)
{
    if (item.status != PrintStatus::Print || item.text.isEmpty() || item.wordWrap)
        return false;
    // Cells of a grid mostly share their font.
    if (!m_layouts || !(item.font == m_layoutsFont)) {
        m_layouts = &TextLayouts::of(item.font, m_scale, m_painter.device());
        m_layoutsFont = item.font;
    }
    TextLayouts &layouts = *m_layouts;
    // Measured from one line height.
    const QRect box = textBox(item, r, layouts.lineHeight());
    const std::optional<TextLayouts::Placed> text =
        layouts.place(item.text, box, alignment(item) | Qt::AlignTop | Qt::TextSingleLine);
    if (!text)
        return false;
    placed.runs = text->runs;
    placed.origin = text->origin;
    placed.box = box;
    placed.clipped = text->clipped;
    placed.colour = item.font.color;
    return true;
}

void ItemPainter::drawPlaced(const Placed &placed)
{
    m_painter.setPen(placed.colour);
    if (placed.clipped) {
        m_painter.save();
        m_painter.setClipRect(QRectF(placed.box), Qt::IntersectClip);
    }
    for (const QGlyphRun &run : placed.runs)
        m_painter.drawGlyphRun(placed.origin, run);
    if (placed.clipped)
        m_painter.restore();
}

void ItemPainter::drawWrapped(const ItemDrawing &item, const QRect &r)
{
    if (item.status != PrintStatus::Print || item.text.isEmpty() || !item.wordWrap)
        return;
    m_painter.setFont(TextLayouts::of(item.font, m_scale, m_painter.device()).font());
    m_painter.setPen(item.font.color);
    const int hm = trunc(item.hMargin * m_scale);
    const int flags = alignment(item) | Qt::AlignTop | Qt::TextWordWrap;
    // Measured from one line height in a box less the margin.
    const int line = m_painter.fontMetrics().height();
    const int h = qMax(
        line, m_painter.boundingRect(QRect(0, 0, qMax(1, r.width() - hm), line), flags, item.text).height());
    m_painter.drawText(textBox(item, r, h), flags, item.text);
}

void ItemPainter::draw(const ItemDrawing &item)
{
    const QRect r = deviceRect(item.rect);
    if (item.filled)
        m_painter.fillRect(r, item.fill);
    Placed placed;
    if (place(item, r, placed))
        drawPlaced(placed);
    else
        drawWrapped(item, r);
    if (item.status != PrintStatus::Print && item.status != PrintStatus::LinesOnly)
        return;
    for (const QRect &b : lineBands(item, r))
        if (!b.isNull())
            m_painter.fillRect(b, item.lineColor);
}

void ItemPainter::drawInPasses(std::span<const ItemDrawing> items)
{
    std::vector<QRect> rects;
    rects.reserve(items.size());
    for (const ItemDrawing &item : items)
        rects.push_back(deviceRect(item.rect));
    m_painter.save();
    m_painter.setPen(Qt::NoPen);
    // Fills, one call for each colour: cells of a grid never overlap.
    QHash<QRgb, QList<QRect>> fills;
    std::vector<QRgb> fillOrder;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].filled && !rects[i].isEmpty()) {
            auto &list = fills[items[i].fill.rgba()];
            if (list.isEmpty())
                fillOrder.push_back(items[i].fill.rgba());
            list << rects[i];
        }
    for (QRgb colour : fillOrder) {
        m_painter.setBrush(QColor::fromRgba(colour));
        m_painter.drawRects(fills[colour]);
    }

    // Texts: the glyphs of one font and colour in one run.
    struct Run {
        QRawFont font;
        QColor colour;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    std::vector<Run> runs;
    std::vector<Placed> clipped;
    for (size_t i = 0; i < items.size(); ++i) {
        Placed placed;
        if (!place(items[i], rects[i], placed)) {
            drawWrapped(items[i], rects[i]);
            continue;
        }
        if (placed.clipped) {
            clipped.push_back(placed);
            continue;
        }
        for (const QGlyphRun &glyphs : placed.runs) {
            const QRawFont font = glyphs.rawFont();
            auto run = std::find_if(runs.begin(), runs.end(), [&](const Run &r) {
                return r.colour == placed.colour && r.font == font;
            });
            if (run == runs.end())
                run = runs.insert(runs.end(), Run{font, placed.colour, {}, {}});
            run->glyphs += glyphs.glyphIndexes();
            for (const QPointF &p : glyphs.positions())
                run->positions << placed.origin + p;
        }
    }
    for (const Run &run : runs) {
        QGlyphRun glyphs;
        glyphs.setRawFont(run.font);
        glyphs.setGlyphIndexes(run.glyphs);
        glyphs.setPositions(run.positions);
        m_painter.setPen(run.colour);
        m_painter.drawGlyphRun(QPointF(0, 0), glyphs);
    }
    for (const Placed &placed : clipped)
        drawPlaced(placed);

    // Lines: a row's or a column's in one band.
    m_painter.setPen(Qt::NoPen);
    std::vector<std::pair<QRgb, Bands>> lines;
    for (size_t i = 0; i < items.size(); ++i) {
        const ItemDrawing &item = items[i];
        if (item.status != PrintStatus::Print && item.status != PrintStatus::LinesOnly)
            continue;
        const std::array<QRect, 4> bands = lineBands(item, rects[i]);
        const QRgb colour = item.lineColor.rgba();
        auto mine =
            std::find_if(lines.begin(), lines.end(), [&](const auto &l) { return l.first == colour; });
        for (int side = 0; side < 4; ++side)
            if (!bands[side].isEmpty()) {
                if (mine == lines.end())
                    mine = lines.insert(lines.end(), {colour, Bands()});
                // Top and bottom lines run along a row.
                mine->second.add(bands[side], side == 0 || side == 3);
            }
    }
    for (const auto &[colour, bands] : lines) {
        m_painter.setBrush(QColor::fromRgba(colour));
        // A band a path: PDF viewers draw a lone thin rectangle as a crisp line.
        for (const QRect &band : bands.bands())
            m_painter.drawRect(band);
    }
    m_painter.restore();
}

} // namespace tessell
