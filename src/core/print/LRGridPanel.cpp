#include "core/print/LRGridPanel.h"

#include "core/Texts.h"
#include "core/print/ItemDrawing.h"
#include "core/print/LRError.h"
#include "core/print/LRLayoutPanel.h"

#include <algorithm>

namespace tessell {

namespace {
// Cells narrower or lower than this are refused.
constexpr int MinCellSize = 10;
} // namespace

void LRChildPanel::checkPlacement(const LRElement &) const
{
    throw LRError(texts::subPanelNotOnReport());
}

LRSubPanel::LRSubPanel()
{
    setVisible(false);
}

LRSubPanel::~LRSubPanel()
{
    setGridPanel(nullptr);
}

void LRSubPanel::setGridPanel(LRGridPanel *grid)
{
    if (m_grid) {
        std::erase(m_grid->m_subPanels, this);
        if (m_grid->m_cellPanel == this)
            m_grid->m_cellPanel = nullptr;
    }
    m_grid = grid;
    if (grid) {
        grid->m_subPanels.push_back(this);
        place(QRect(bounds().topLeft(), grid->cellSize()));
    }
}

LRGridPanel::LRGridPanel() : m_template(std::make_unique<LRChildPanel>())
{
    m_template->setParentElement(this);
    fitCells();
}

LRGridPanel::~LRGridPanel()
{
    for (LRSubPanel *sub : m_subPanels)
        sub->m_grid = nullptr;
}

void LRGridPanel::checkPlacement(const LRElement &container) const
{
    checkReportPanelPlacement(container);
}

void LRGridPanel::setCount(int &field, int count, int extent, const QString &refusal)
{
    if (count == field)
        return;
    if (count <= 0 || extent / count < MinCellSize)
        throw LRError(refusal);
    field = count;
    fitCells();
}

void LRGridPanel::setColCount(int count)
{
    setCount(m_colCount, count, width(), texts::columnCountOutOfRange());
}

void LRGridPanel::setRowCount(int count)
{
    setCount(m_rowCount, count, height(), texts::rowCountOutOfRange());
}

QSize LRGridPanel::cellSize() const
{
    return QSize(width() / m_colCount, height() / m_rowCount);
}

void LRGridPanel::fitCells()
{
    m_template->setBounds(QRect(QPoint(0, 0), cellSize()));
    for (LRSubPanel *sub : m_subPanels)
        sub->place(QRect(sub->bounds().topLeft(), cellSize()));
}

void LRGridPanel::resized()
{
    fitCells();
}

QRect LRGridPanel::cellRect(const QRect &rect, int col, int row) const
{
    // 64-bit products: a cell offset is Trunc(c x width / ColCount).
    const int x = int(qint64(col) * rect.width() / m_colCount);
    const int y = int(qint64(row) * rect.height() / m_rowCount);
    return QRect(rect.left() + x, rect.top() + y, m_template->width(), m_template->height());
}

void LRGridPanel::print(QPainter &painter, const QRect &rect, double scale)
{
    PrintStatus status = PrintStatus::Print;
    runBeforePrint(rect, status);
    if (status == PrintStatus::Skip)
        return;
    std::vector<ItemDrawing> drawings;
    if (m_inPasses)
        drawings.reserve(size_t(m_colCount) * m_rowCount * m_template->children().size());
    const bool byColumn = m_direction == PrintDirection::Vert;
    const int outer = byColumn ? m_colCount : m_rowCount, inner = byColumn ? m_rowCount : m_colCount;
    for (int i = 0; i < outer; ++i)
        for (int j = 0; j < inner; ++j) {
            const int col = byColumn ? i : j, row = byColumn ? j : i;
            const QRect cell = cellRect(rect, col, row);
            status = PrintStatus::Print;
            if (m_onPrintPanel)
                m_onPrintPanel(*this, col, row, cell, status);
            if (status == PrintStatus::Skip)
                continue;
            LRChildPanel &panel = m_cellPanel ? *m_cellPanel : *m_template;
            panel.runBeforePrint(cell, status);
            if (status == PrintStatus::Skip)
                continue;
            if (m_inPasses)
                panel.recordItems(drawings, painter, cell.topLeft(), status, scale);
            else
                panel.printItems(painter, cell.topLeft(), status, scale);
            panel.runAfterPrint();
        }
    if (m_inPasses)
        ItemPainter(painter, scale).drawInPasses(drawings);
    runAfterPrint();
}

} // namespace tessell
