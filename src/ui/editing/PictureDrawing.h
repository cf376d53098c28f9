#pragma once

#include "core/render/TileRenderer.h"

#include <QBitArray>
#include <QObject>
#include <QRect>

namespace tessell {

class Design;
class PictureView;

// The picture view's image drawn from the design: the tiles of every change
// the design reports, the whole picture at once, and the hold an edit puts on
// the tiles, so that the edit draws the picture once.
class PictureDrawing : public QObject {
    Q_OBJECT
public:
    PictureDrawing(Design &design, PictureView &view, QObject *parent = nullptr);

    const TileRenderer &renderer() const { return m_renderer; }

    // The whole picture anew: laid out at once, its tiles drawn where and when
    // the view shows them.
    void render();
    // A new or opened design: the picture at its size with the empty cells,
    // laid out again; held, both wait for the release, and a whole picture
    // drawn meanwhile makes the empty one needless.
    void startDesign();

    // While held, changed tiles are gathered, not drawn; at the last release
    // they are drawn unless the whole picture was drawn meanwhile.
    void hold() { ++m_held; }
    void release();

signals:
    // The picture changed size, or belongs to a new design: the window lays it out again.
    void resized();

private:
    void drawCells(const QRect &cells);
    // True when the picture changed size.
    bool draw(bool blank);
    // The tiles under these picture pixels that are still to be drawn.
    void drawPending(const QRect &pixels);

    // Cells a side of the blocks the picture is drawn in as it is shown.
    static constexpr int BlockCells = 32;

    Design &m_design;
    PictureView &m_view;
    TileRenderer m_renderer;
    int m_held = 0;
    QRect m_heldCells;
    // One bit a block, set while its tiles are still to be drawn.
    QBitArray m_pending;
    int m_blockColumns = 0;
    bool m_blankDue = false;
    bool m_resizeDue = false;
};

} // namespace tessell
