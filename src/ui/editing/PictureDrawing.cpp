#include "ui/editing/PictureDrawing.h"

#include "core/document/Design.h"
#include "core/editing/CellGeometry.h"
#include "ui/editing/PictureView.h"

#include <utility>

namespace tessell {

PictureDrawing::PictureDrawing(Design &design, PictureView &view, QObject *parent)
    : QObject(parent), m_design(design), m_view(view), m_renderer(design.palette())
{
    connect(&design, &Design::paletteChanged, this, [this] { m_renderer.setPalette(m_design.palette()); });
    // The picture follows the design: every edit redraws the tiles it changed.
    connect(&design, &Design::cellsChanged, this, &PictureDrawing::drawCells);
    m_view.setPendingDrawer([this](const QRect &pixels) { drawPending(pixels); });
}

void PictureDrawing::drawCells(const QRect &cells)
{
    if (m_held > 0) {
        m_heldCells |= cells;
        return;
    }
    QImage &image = m_view.canvas();
    // A picture of another size is about to be drawn anew.
    if (image.size() != CellGeometry::pictureSize(m_design.columns(), m_design.rows()))
        return;
    m_renderer.drawCells(image, m_design.grid(), cells);
    const QRect area = cells.intersected(m_design.allCells());
    if (!area.isEmpty())
        m_view.updatePicture(QRect(CellGeometry::tileOrigin(area.left(), area.top()),
                                   CellGeometry::tileOrigin(area.right() + 1, area.bottom() + 1)));
}

bool PictureDrawing::draw(bool blank)
{
    // Whatever was gathered or due is drawn over now.
    m_heldCells = QRect();
    m_blankDue = false;
    m_pending.clear();
    QImage &image = m_view.canvas();
    const QSize before = image.size();
    if (blank) {
        m_renderer.renderBlank(image, m_design.columns(), m_design.rows());
    } else {
        TileRenderer::fitPicture(image, m_design.columns(), m_design.rows());
        m_blockColumns = (m_design.columns() + BlockCells - 1) / BlockCells;
        m_pending = QBitArray(m_blockColumns * ((m_design.rows() + BlockCells - 1) / BlockCells), true);
    }
    m_view.imageChanged();
    return image.size() != before;
}

void PictureDrawing::drawPending(const QRect &pixels)
{
    if (m_pending.isEmpty())
        return;
    const QRect blocks(QPoint(CellGeometry::columnAt(pixels.left()) / BlockCells,
                              CellGeometry::rowAt(pixels.top()) / BlockCells),
                       QPoint(CellGeometry::columnAt(pixels.right()) / BlockCells,
                              CellGeometry::rowAt(pixels.bottom()) / BlockCells));
    for (int by = blocks.top(); by <= blocks.bottom(); ++by)
        for (int bx = blocks.left(); bx <= blocks.right(); ++bx) {
            const qsizetype bit = qsizetype(by) * m_blockColumns + bx;
            if (bx >= m_blockColumns || bit >= m_pending.size() || !m_pending.testBit(bit))
                continue;
            m_pending.clearBit(bit);
            m_renderer.renderPictureCells(m_view.canvas(), m_design.grid(),
                                          QRect(bx * BlockCells, by * BlockCells, BlockCells, BlockCells));
        }
    if (m_pending.count(true) == 0)
        m_pending.clear();
}

void PictureDrawing::render()
{
    if (!draw(false))
        return;
    if (m_held > 0)
        m_resizeDue = true;
    else
        emit resized();
}

void PictureDrawing::startDesign()
{
    if (m_held > 0) {
        m_blankDue = m_resizeDue = true;
        return;
    }
    draw(true);
    emit resized();
}

void PictureDrawing::release()
{
    if (--m_held > 0)
        return;
    const QRect cells = std::exchange(m_heldCells, QRect());
    if (m_blankDue)
        draw(true);
    else if (!cells.isEmpty())
        drawCells(cells);
    if (std::exchange(m_resizeDue, false))
        emit resized();
}

} // namespace tessell
