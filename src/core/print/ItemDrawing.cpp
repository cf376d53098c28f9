#include "core/print/ItemDrawing.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <cmath>
#include <vector>

namespace tessell {

namespace {
int trunc(double v)
{
    return int(std::trunc(v));
}

struct FontKey {
    QString family;
    int pixelSize = 0;
    bool bold = false;
    int dpi = 0;
    bool operator==(const FontKey &) const = default;
};

size_t qHash(const FontKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.family, key.pixelSize, key.bold, key.dpi);
}

// Where the painter puts a text in a box, learnt by drawing it once on a
// device that only records: the start of the text's baseline, and whether the
// text was clipped to the box.
class PlacementRecorder : public QPaintEngine {
public:
    PlacementRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawTextItem(const QPointF &p, const QTextItem &) override
    {
        if (!seen) {
            baseline = p;
            clipped = painter()->hasClipping();
            seen = true;
        }
    }
    Type type() const override { return User; }

    QPointF baseline;
    bool clipped = false;
    bool seen = false;
};

class RecordingDevice : public QPaintDevice {
public:
    explicit RecordingDevice(int dpi) : m_dpi(dpi) {}
    QPaintEngine *paintEngine() const override { return &m_engine; }
    PlacementRecorder &recorder() { return m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 1 << 20;
        case PdmWidthMM:
        case PdmHeightMM:
            return int((1 << 20) * 25.4 / m_dpi);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return m_dpi;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    int m_dpi;
    mutable PlacementRecorder m_engine;
};

// A text in a box of some size: where its layout's top-left goes, from the
// box's top-left, and whether ink leaves the box (the painter then clips it).
struct Placement {
    QPointF offset;
    bool clipped = false;
    // Whether the painter draws it at all.
    bool drawn = false;
};

struct BoxKey {
    QSize size;
    int flags = 0;
    bool operator==(const BoxKey &) const = default;
};

size_t qHash(const BoxKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.size.width(), key.size.height(), key.flags);
}

// A text on one line as the text engine lays it out from its top-left corner,
// and where the painter puts it in the boxes met so far.
struct LaidOut {
    QList<QGlyphRun> runs;
    // The glyphs' outlines.
    QRectF ink;
    QHash<BoxKey, Placement> placements;
};

struct FontLayouts {
    QFont font;
    int dpi = 0;
    // One line's height: what an item measures its text from.
    int lineHeight = 0;
    QHash<QString, LaidOut> texts;

    LaidOut &of(const QString &text, QPaintDevice *device)
    {
        if (const auto it = texts.find(text); it != texts.end())
            return *it;
        // Digits, headings and names: a few hundred; anything more starts afresh.
        if (texts.size() >= 4096)
            texts.clear();
        QTextLayout layout(text, font, device);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(0x01000000);
        line.setPosition(QPointF(0, 0));
        layout.endLayout();
        LaidOut out;
        out.runs = layout.glyphRuns();
        for (const QGlyphRun &run : out.runs) {
            const QRawFont font = run.rawFont();
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i)
                out.ink |= font.boundingRect(glyphs[i]).translated(positions[i]);
        }
        return *texts.insert(text, out);
    }

    // Exactly where QPainter::drawText puts the text in a box of that size.
    const Placement &place(LaidOut &text, const QString &string, const QSize &box, int flags)
    {
        const BoxKey key{box, flags};
        if (const auto it = text.placements.constFind(key); it != text.placements.constEnd())
            return *it;
        RecordingDevice device(dpi);
        QPainter painter(&device);
        painter.setFont(font);
        painter.drawText(QRect(QPoint(0, 0), box), flags, string);
        painter.end();
        const PlacementRecorder &seen = device.recorder();
        Placement placement;
        placement.drawn = seen.seen && !text.runs.isEmpty() && !text.runs.first().positions().isEmpty();
        if (placement.drawn)
            placement.offset = seen.baseline - text.runs.first().positions().first();
        // A clip that cuts no ink changes no pixel: only those texts are clipped.
        placement.clipped =
            seen.clipped && !QRectF(QPointF(0, 0), box).contains(text.ink.translated(placement.offset));
        return *text.placements.insert(key, placement);
    }
};

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

// Bands on the same line that touch or overlap become one: the same pixels in
// fewer calls. `along` is 0 for bands along a row, 1 along a column.
std::vector<QRect> joined(std::vector<QRect> bands, int along)
{
    const auto key = [along](const QRect &r) {
        return along == 0 ? std::tuple(r.top(), r.height(), r.left())
                          : std::tuple(r.left(), r.width(), r.top());
    };
    std::sort(bands.begin(), bands.end(), [&](const QRect &a, const QRect &b) { return key(a) < key(b); });
    std::vector<QRect> out;
    for (const QRect &r : bands) {
        if (!out.empty()) {
            QRect &last = out.back();
            const bool sameLine = along == 0 ? last.top() == r.top() && last.height() == r.height()
                                             : last.left() == r.left() && last.width() == r.width();
            const bool touching = along == 0 ? r.left() <= last.right() + 1 : r.top() <= last.bottom() + 1;
            if (sameLine && touching) {
                last = last.united(r);
                continue;
            }
        }
        out.push_back(r);
    }
    return out;
}

// The kept layouts of every font in use.
struct Fonts {
    QHash<FontKey, FontLayouts> byFont;

    FontLayouts &of(const LRFont &f, double scale, QPaintDevice *device)
    {
        // Character height in page units, so text keeps its size on paper.
        const FontKey key{f.family, qMax(1, qRound(f.height * scale)), f.bold,
                          device ? device->logicalDpiY() : 0};
        if (const auto it = byFont.find(key); it != byFont.end())
            return *it;
        // A report uses a handful of fonts; many scales start afresh.
        if (byFont.size() >= 64)
            byFont.clear();
        QFont font(f.family);
        font.setPixelSize(key.pixelSize);
        font.setBold(f.bold);
        FontLayouts layouts;
        layouts.dpi = key.dpi;
        layouts.font = device ? QFont(font, device) : font;
        layouts.lineHeight = QFontMetrics(layouts.font, device).height();
        return *byFont.insert(key, layouts);
    }
};

// Never destroyed: fonts must not outlive the application's font system at exit.
Fonts &keptLayouts()
{
    static Fonts *fonts = new Fonts;
    return *fonts;
}
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

bool ItemPainter::place(const ItemDrawing &item, const QRect &r, Placed &placed)
{
    if (item.status != PrintStatus::Print || item.text.isEmpty() || item.wordWrap)
        return false;
    QPaintDevice *device = m_painter.device();
    FontLayouts &layouts = keptLayouts().of(item.font, m_scale, device);
    const int hm = trunc(item.hMargin * m_scale), vm = trunc(item.vMargin * m_scale);
    // Measured from one line height; edges as the frame has them.
    const int h = layouts.lineHeight;
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
    const QRect box(left, top, right - left, bottom - top);
    const int halign = item.alignment == TextAlignment::Center         ? Qt::AlignHCenter
                       : item.alignment == TextAlignment::RightJustify ? Qt::AlignRight
                                                                       : Qt::AlignLeft;
    LaidOut &text = layouts.of(item.text, device);
    const Placement &placement =
        layouts.place(text, item.text, box.size(), halign | Qt::AlignTop | Qt::TextSingleLine);
    if (!placement.drawn)
        return false;
    placed.runs = text.runs;
    placed.origin = box.topLeft() + placement.offset;
    placed.box = box;
    placed.clipped = placement.clipped;
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
    const FontLayouts &layouts = keptLayouts().of(item.font, m_scale, m_painter.device());
    m_painter.setFont(layouts.font);
    m_painter.setPen(item.font.color);
    const int hm = trunc(item.hMargin * m_scale), vm = trunc(item.vMargin * m_scale);
    const int halign = item.alignment == TextAlignment::Center         ? Qt::AlignHCenter
                       : item.alignment == TextAlignment::RightJustify ? Qt::AlignRight
                                                                       : Qt::AlignLeft;
    const int flags = halign | Qt::AlignTop | Qt::TextWordWrap;
    // Measured from one line height in a box less the margin.
    const int line = m_painter.fontMetrics().height();
    const int h = qMax(
        line, m_painter.boundingRect(QRect(0, 0, qMax(1, r.width() - hm), line), flags, item.text).height());
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
    m_painter.drawText(QRect(left, top, right - left, bottom - top), flags, item.text);
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
    m_painter.save();
    m_painter.setPen(Qt::NoPen);
    // Fills, one call for each colour: cells of a grid never overlap.
    QHash<QRgb, QList<QRect>> fills;
    std::vector<QRgb> fillOrder;
    for (const ItemDrawing &item : items)
        if (item.filled) {
            const QRect r = deviceRect(item.rect);
            if (r.isEmpty())
                continue;
            auto &list = fills[item.fill.rgba()];
            if (list.isEmpty())
                fillOrder.push_back(item.fill.rgba());
            list << r;
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
    for (const ItemDrawing &item : items) {
        const QRect r = deviceRect(item.rect);
        Placed placed;
        if (!place(item, r, placed)) {
            drawWrapped(item, r);
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
    QHash<QRgb, std::array<std::vector<QRect>, 2>> lines;
    std::vector<QRgb> lineOrder;
    for (const ItemDrawing &item : items) {
        if (item.status != PrintStatus::Print && item.status != PrintStatus::LinesOnly)
            continue;
        const std::array<QRect, 4> bands = lineBands(item, deviceRect(item.rect));
        auto &mine = lines[item.lineColor.rgba()];
        for (int side = 0; side < 4; ++side)
            if (!bands[side].isEmpty()) {
                if (mine[0].empty() && mine[1].empty())
                    lineOrder.push_back(item.lineColor.rgba());
                // Top and bottom lines run along a row.
                mine[side == 0 || side == 3 ? 0 : 1].push_back(bands[side]);
            }
    }
    for (QRgb colour : lineOrder) {
        m_painter.setBrush(QColor::fromRgba(colour));
        for (int along : {0, 1}) {
            const std::vector<QRect> bands = joined(lines[colour][along], along);
            m_painter.drawRects(bands.data(), int(bands.size()));
        }
    }
    m_painter.restore();
}

} // namespace tessell
