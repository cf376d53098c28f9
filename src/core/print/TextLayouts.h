#pragma once

#include "core/print/LRTypes.h"

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QRect>

#include <memory>
#include <optional>

class QPaintDevice;

namespace tessell {

// Texts on one line laid out for a font at a scale on a device, and kept for
// the pages that follow: a grid lays out its sixteen digits once for all its
// cells and pages. A text is drawn as glyphs (real text in a PDF) exactly where
// QPainter::drawText would put it in its box.
class TextLayouts {
public:
    // The layouts of the font at the scale (its height in page units times
    // the scale is its pixel size) on the device; kept for the run.
    static TextLayouts &of(const LRFont &font, double scale, QPaintDevice *device);

    // The font as the painter takes it on that device.
    const QFont &font() const { return m_font; }
    // One line's height: what an item measures its text from.
    int lineHeight() const { return m_lineHeight; }

    struct Placed {
        QList<QGlyphRun> runs;
        // Where the runs' positions count from.
        QPointF origin;
        // Ink leaves the box: the text is clipped to it.
        bool clipped = false;
    };
    // The text in the box as QPainter::drawText(box, flags, text) places it;
    // nothing when the painter would draw nothing.
    std::optional<Placed> place(const QString &text, const QRect &box, int flags);

    struct Laid;

private:
    TextLayouts(const QFont &font, int dpi, int lineHeight)
        : m_font(font), m_dpi(dpi), m_lineHeight(lineHeight)
    {
    }
    Laid &laidOut(const QString &text);

    QFont m_font;
    int m_dpi;
    int m_lineHeight;
    QHash<QString, std::shared_ptr<Laid>> m_texts;
};

} // namespace tessell
