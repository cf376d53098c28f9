#include "core/print/TextLayouts.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <memory>

namespace tessell {

namespace {
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

struct BoxKey {
    QSize size;
    int flags = 0;
    bool operator==(const BoxKey &) const = default;
};

size_t qHash(const BoxKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.size.width(), key.size.height(), key.flags);
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
// box's top-left, and whether ink leaves the box.
struct Placement {
    QPointF offset;
    bool clipped = false;
    // Whether the painter draws it at all.
    bool drawn = false;
};
} // namespace

// A text as the text engine lays it out from its top-left corner, and where
// the painter puts it in the boxes met so far.
struct TextLayouts::Laid {
    QList<QGlyphRun> runs;
    // The glyphs' outlines.
    QRectF ink;
    QHash<BoxKey, Placement> placements;
};

TextLayouts &TextLayouts::of(const LRFont &f, double scale, QPaintDevice *device)
{
    // Never destroyed: fonts must not be released after the font system at exit.
    static auto *kept = new QHash<FontKey, TextLayouts *>;
    // Character height in page units, so text keeps its size on paper.
    const FontKey key{f.family, qMax(1, qRound(f.height * scale)), f.bold,
                      device ? device->logicalDpiY() : 0};
    if (TextLayouts *layouts = kept->value(key))
        return *layouts;
    // A report uses a handful of fonts; many scales start afresh.
    if (kept->size() >= 64) {
        qDeleteAll(*kept);
        kept->clear();
    }
    QFont font(f.family);
    font.setPixelSize(key.pixelSize);
    font.setBold(f.bold);
    if (device)
        font = QFont(font, device);
    auto *layouts = new TextLayouts(font, key.dpi, QFontMetrics(font, device).height());
    kept->insert(key, layouts);
    return *layouts;
}

TextLayouts::Laid &TextLayouts::laidOut(const QString &text)
{
    if (const auto it = m_texts.constFind(text); it != m_texts.constEnd())
        return **it;
    // Digits, headings and names: a few hundred; anything more starts afresh.
    if (m_texts.size() >= 4096)
        m_texts.clear();
    // As the painter lays out a text in a box: one line, as wide as it needs.
    QTextLayout layout(text, m_font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(0x01000000);
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    auto laid = std::make_shared<Laid>();
    laid->runs = layout.glyphRuns();
    for (const QGlyphRun &run : laid->runs) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i)
            laid->ink |= font.boundingRect(glyphs[i]).translated(positions[i]);
    }
    m_texts.insert(text, laid);
    return *laid;
}

std::optional<TextLayouts::Placed> TextLayouts::place(const QString &text, const QRect &box, int flags)
{
    Laid &laid = laidOut(text);
    const BoxKey key{box.size(), flags};
    auto it = laid.placements.constFind(key);
    if (it == laid.placements.constEnd()) {
        RecordingDevice device(m_dpi);
        QPainter painter(&device);
        painter.setFont(m_font);
        painter.drawText(QRect(QPoint(0, 0), box.size()), flags, text);
        painter.end();
        const PlacementRecorder &seen = device.recorder();
        Placement placement;
        placement.drawn = seen.seen && !laid.runs.isEmpty() && !laid.runs.first().positions().isEmpty();
        if (placement.drawn)
            placement.offset = seen.baseline - laid.runs.first().positions().first();
        // A clip that cuts no ink changes no pixel: only those texts are clipped.
        placement.clipped =
            seen.clipped &&
            !QRectF(QPointF(0, 0), box.size()).contains(laid.ink.translated(placement.offset));
        it = laid.placements.insert(key, placement);
    }
    if (!it->drawn)
        return std::nullopt;
    return Placed{laid.runs, box.topLeft() + it->offset, it->clipped};
}

} // namespace tessell
