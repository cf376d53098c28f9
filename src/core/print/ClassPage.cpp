#include "core/print/ClassPage.h"

#include "core/Texts.h"

#include "core/print/LRGridPanel.h"
#include "core/print/LRLayoutPanel.h"

namespace tessell {

using namespace pageparts;

ClassPage::ClassPage(LightRep &report, PageSource &source) : PageKind(report, source)
{
    m_header = addHeader(*m_root, false);
    m_header.panel->setBeforePrint(
        [this](CustomLRPanel &, const QRect &, PrintStatus &) { fillHeader(m_header, m_source, m_page); });

    // The right-hand column: number table, quantity table, notes and footer.
    auto *side = m_root->add<LRLayoutPanel>();
    side->setAlign(LRAlign::Right);
    side->setWidth(133);
    m_notes = addNotes(*side, 617, m_source);
    m_numberTable = addTable(
        *side, 305, [this](int row) { return m_source.palette[row].name(); },
        [this] { return m_source.options.numberTable; });
    m_quantityTable = addTable(
        *side, 312, [this](int row) { return m_quantityTexts[row]; },
        [this] { return m_source.options.quantityTable; });
    // The counts of the page, taken when the page was prepared.
    m_quantityTable->setBeforePrint([this](CustomLRPanel &, const QRect &, PrintStatus &) {
        for (int n = 0; n < 16; ++n)
            m_quantityTexts[n] = texts::pieces(m_quantities[n]);
    });

    // The block's cells fill the rest of the page.
    auto *body = m_root->add<LRLayoutPanel>();
    body->setAlign(LRAlign::Client);
    m_mainGrid = body->add<LRGridPanel>();
    m_mainGrid->setAlign(LRAlign::Client);
    m_mainGrid->setPrintDirection(PrintDirection::Horz);
    // Cells draw only their left and bottom lines, which no later fill reaches.
    m_mainGrid->setDrawInPasses(true);
    m_cell = m_mainGrid->add<LRItem>();
    m_cell->setAlignment(TextAlignment::Center);
    m_cell->setLayout(TextLayout::Center);
    m_mainGrid->setOnPrintPanel(
        [this](LRGridPanel &, int col, int row, const QRect &, PrintStatus &) { setGridCell(col, row); });
}

void ClassPage::prepare(const PageRef &page)
{
    m_page = page;
    const CellGrid &grid = m_source.grid;
    const int first = page.block.first, width = page.block.width;
    // Neighbours only where they exist and the grid still has room for them.
    const bool neighbours = m_source.options.neighbours;
    m_leftNeighbours = neighbours && first > 0 && first <= grid.columns() && width < MaxBlockColumns ? 1 : 0;
    m_rightNeighbours = neighbours && first + width >= 0 && first + width < grid.columns() &&
                                width + m_leftNeighbours < MaxBlockColumns
                            ? 1
                            : 0;
    const int columns = width + m_leftNeighbours + m_rightNeighbours;
    m_mainGrid->setColCount(columns);
    m_mainGrid->setRowCount(grid.rows() + 1);
    m_cell->setBounds(0, 0, GridWidth / columns, GridHeight / (grid.rows() + 1));
    m_quantities = countPieces(grid, QRect(first, 0, width, grid.rows()));
    m_notes.overview->area = QRect(first, 0, width, grid.rows());
}

void ClassPage::setGridCell(int col, int row)
{
    const CellGrid &grid = m_source.grid;
    const Distribution::Block &block = m_page.block;
    const int column = block.first - m_leftNeighbours + col;
    const bool inDesign = column >= 0 && column < grid.columns();
    const bool neighbour = column < block.first || column >= block.first + block.width;
    m_cell->setFont(font(12, false, neighbour ? neighbourText() : QColor(Qt::black)));
    // The block's edges stand out where a neighbour column meets them.
    const bool edge =
        (m_leftNeighbours && col == 1) || (m_rightNeighbours && col == block.width + m_leftNeighbours);
    m_cell->setLineLeft(edge ? LineStyle::Thick : LineStyle::Double);
    const int rows = grid.rows();
    m_cell->setLineBottom(row == rows     ? LineStyle::Double
                          : row % 10 == 0 ? LineStyle::Half
                                          : LineStyle::None);
    m_cell->setTransparent(true);
    if (!inDesign) {
        // Columns past the design's edge belong to no one: an empty cell.
        m_cell->setText(QString());
        return;
    }
    if (row == 0) {
        m_cell->setText(texts::columnHeading(column + 1));
        return;
    }
    const QString &text = grid.cell(column, row - 1);
    m_cell->setText(text);
    if (!m_source.options.colour)
        return;
    if (const auto n = CellGrid::cellValue(text)) {
        const QColor fill = neighbour ? dimmed(m_source.printColours[*n]) : QColor(m_source.printColours[*n]);
        m_cell->setColor(fill);
        m_cell->setTransparent(false);
        // Black or white, whichever reads on the fill.
        m_cell->setFont(font(12, false, inkOn(fill.rgb())));
    }
}

} // namespace tessell
