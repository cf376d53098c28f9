#pragma once

#include "core/document/PaletteEntry.h"
#include "core/editing/BlockText.h"

#include <QPoint>
#include <QRect>

class QPainter;

namespace tessell {

// A block of cell values hovering over the picture in a dashed frame until it
// is placed. Its frame kind (a lifted or pasted selection, or rendered text)
// decides the history name on placing.
class FloatingBlock {
public:
    enum class Frame { None, Selection, Text };

    bool isShown() const { return m_frame != Frame::None; }
    Frame frame() const { return m_frame; }
    const BlockText &block() const { return m_block; }
    QPoint origin() const { return m_origin; }
    // The design cells under the block.
    QRect cells() const { return QRect(m_origin, QSize(m_block.width(), m_block.height())); }
    // The frame along the grid lines around the block, in picture pixels.
    QRect frameRect() const;

    void show(Frame frame, const BlockText &block, QPoint origin);
    // Keeps the frame kind and origin, replacing the values (text re-rendered).
    void setBlock(const BlockText &block) { m_block = block; }
    void setOrigin(QPoint origin) { m_origin = origin; }
    void clear();

    // The block's image and its frame, over the picture.
    void paint(QPainter &painter, const Palette &palette) const;

    // Moving the frame by a pointer movement in picture pixels, in whole cells;
    // each axis moves only while the block stays inside the design's cells.
    QPoint movedOrigin(QPoint pressOrigin, QPoint delta, int columns, int rows) const;

    // Dragging by the frame: a press inside it starts a drag (true); each move
    // answers whether the block moved; the release ends it.
    bool beginDrag(QPoint pixel);
    bool dragTo(QPoint pixel, int columns, int rows);
    void endDrag() { m_dragged = false; }
    bool isDragged() const { return m_dragged; }

private:
    Frame m_frame = Frame::None;
    BlockText m_block;
    QPoint m_origin;
    bool m_dragged = false;
    QPoint m_pressPixel, m_pressOrigin;
};

} // namespace tessell
