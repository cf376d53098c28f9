#include "core/print/LargeSheet.h"

#include "core/Texts.h"
#include "core/print/LRGridPanel.h"
#include "core/print/LRLayoutPanel.h"

#include <QPainter>
#include <QtMath>

#include <cmath>

namespace tessell {

using namespace pageparts;

namespace {
int trunc(double v)
{
    return int(std::trunc(v));
}

// Where a quantity table's counts go: "n :", this sheet, the whole class.
constexpr int DigitColumn = 30;
constexpr int CountColumn = 55;
constexpr int TableRowHeight = 19;
} // namespace

// Two lines round the sheet's cells: the inner on the grid's lines at their
// edge, the outer a little outside.
class LargeSheet::Frame : public CustomLRItem {
public:
    void printItem(QPainter &painter, const QRect &rect, PrintStatus status, double scale) override
    {
        if (status == PrintStatus::Skip)
            return;
        const int w = trunc(scale), p = qMax(1, ItemPainter::penWidth(LineStyle::Double, scale));
        const int gap = qMax(3, trunc(4 * scale));
        int left = trunc(rect.left() * scale) - w, top = trunc(rect.top() * scale) - w;
        int right = trunc((rect.left() + rect.width()) * scale) - w;
        int bottom = trunc((rect.top() + rect.height()) * scale) - w;
        for (int round = 0; round < 2; ++round) {
            painter.fillRect(QRect(left - p / 2, top - p / 2, right - left + p, p), Qt::black);
            painter.fillRect(QRect(left - p / 2, bottom - p / 2, right - left + p, p), Qt::black);
            painter.fillRect(QRect(left - p / 2, top - p / 2, p, bottom - top + p), Qt::black);
            painter.fillRect(QRect(right - p / 2, top - p / 2, p, bottom - top + p), Qt::black);
            left -= gap, top -= gap, right += gap, bottom += gap;
        }
    }
};

LargeSheet::LargeSheet(LightRep &report, PageSource &source) : PageKind(report, source)
{
    m_header = addHeader(*m_root, true);
    m_header.panel->setBeforePrint(
        [this](CustomLRPanel &, const QRect &, PrintStatus &) { fillHeader(m_header, m_source, m_page); });
    buildSide();

    auto *body = m_root->add<LRLayoutPanel>();
    body->setAlign(LRAlign::Client);
    m_heading = body->add<LRItem>();
    m_heading->setAlign(LRAlign::Top);
    m_heading->setHeight(HeadingHeight);
    m_heading->setFont(font(16, true));
    m_heading->setLayout(TextLayout::Center);
    m_heading->setHMargin(4);
    m_grid = body->add<LRGridPanel>();
    m_grid->setAlign(LRAlign::None);
    m_grid->setPrintDirection(PrintDirection::Horz);
    // Cells draw only their left and bottom lines, which no later fill reaches.
    m_grid->setDrawInPasses(true);
    m_cell = m_grid->add<LRItem>();
    m_cell->setAlignment(TextAlignment::Center);
    m_cell->setLayout(TextLayout::Center);
    m_cell->setHMargin(0);
    m_cell->setVMargin(0);
    m_grid->setOnPrintPanel(
        [this](LRGridPanel &, int col, int row, const QRect &, PrintStatus &) { setGridCell(col, row); });
    m_rowNumbers = {addRowNumbers(*body), addRowNumbers(*body)};
    // Drawn after the grid, over its lines.
    m_framePanel = body->add<LRLayoutPanel>();
    m_framePanel->setAlign(LRAlign::None);
    m_frame = m_framePanel->add<Frame>();
}

LRGridPanel *LargeSheet::addRowNumbers(LRLayoutPanel &body)
{
    // The design's row numbers beside the rows (none beside the column numbers).
    auto *numbers = body.add<LRGridPanel>();
    numbers->setAlign(LRAlign::None);
    numbers->setDrawInPasses(true);
    auto *item = numbers->add<LRItem>();
    item->setAlignment(TextAlignment::Center);
    item->setLayout(TextLayout::Center);
    item->setHMargin(0);
    item->setVMargin(0);
    numbers->setOnPrintPanel([this, item](LRGridPanel &, int, int row, const QRect &, PrintStatus &) {
        const int designRow = m_page.sheet.cells.top() + row - 1;
        item->setFont(m_rowNumberFont);
        item->setText(row == 0 ? QString() : QString::number(designRow + 1));
        item->setLineBottom(row > 0 && (designRow + 1) % 5 == 0 ? LineStyle::Double : LineStyle::Half);
    });
    return numbers;
}

void LargeSheet::buildSide()
{
    auto *side = m_root->add<LRLayoutPanel>();
    side->setAlign(LRAlign::Right);
    side->setWidth(SideWidth);
    const int tableTop = 305, countsTop = tableTop + 24, notesTop = countsTop + 16 * TableRowHeight;
    m_notes = addNotes(*side, notesTop, m_source);
    addTable(
        *side, tableTop, [this](int row) { return m_source.palette[row].name(); },
        [this] { return m_source.options.numberTable; });

    // The quantity table: "この紙" and "クラス全体" over two counts a row.
    auto *heads = side->add<LRLayoutPanel>();
    heads->setHeight(24);
    const std::array<QString, 3> headTexts{QString(), texts::thisSheet(), texts::wholeClass()};
    std::array<LRItem *, 3> head{};
    for (int i = 0; i < 3; ++i) {
        head[i] = heads->add<LRItem>();
        head[i]->setFont(font(10, true));
        head[i]->setAlignment(TextAlignment::Center);
        head[i]->setLayout(TextLayout::Center);
        head[i]->setHMargin(0);
        head[i]->setAlign(i == 2 ? LRAlign::Client : LRAlign::Left);
        head[i]->setWidth(i == 0 ? DigitColumn : CountColumn);
        head[i]->setLines(LineStyle::None, i == 0 ? LineStyle::Double : LineStyle::None,
                          i == 2 ? LineStyle::Double : LineStyle::None, LineStyle::Half);
    }
    heads->setBeforePrint([this, head, headTexts](CustomLRPanel &, const QRect &, PrintStatus &) {
        const bool on = m_source.options.quantityTable;
        // The heads in the largest type up to 10 that keeps them off the lines.
        const std::array<int, 3> room{0, CountColumn - 4, SideWidth - DigitColumn - CountColumn - 4};
        for (int i : {1, 2}) {
            head[i]->setFont(font(fittingHeight(headTexts[i], true, room[i], 10), true));
            head[i]->setText(on ? headTexts[i] : QString());
        }
    });
    auto *counts = side->add<LRGridPanel>();
    counts->setHeight(16 * TableRowHeight);
    counts->setDrawInPasses(true);
    counts->setRowCount(16);
    std::array<LRItem *, 3> cell{};
    for (int i = 0; i < 3; ++i) {
        cell[i] = counts->add<LRItem>();
        cell[i]->setFont(font(12));
        cell[i]->setLayout(TextLayout::Center);
        cell[i]->setAlignment(i == 0 ? TextAlignment::LeftJustify : TextAlignment::RightJustify);
        cell[i]->setHMargin(i == 0 ? 6 : 8);
        cell[i]->setAlign(i == 2 ? LRAlign::Client : LRAlign::Left);
        cell[i]->setWidth(i == 0 ? DigitColumn : CountColumn);
    }
    counts->setBeforePrint([this](CustomLRPanel &, const QRect &, PrintStatus &) {
        for (int n = 0; n < 16; ++n) {
            m_sheetTexts[n] = QString::number(m_quantities[n]);
            m_classTexts[n] = QString::number(m_classQuantities[n]);
        }
    });
    counts->setOnPrintPanel([this, cell](LRGridPanel &, int, int row, const QRect &, PrintStatus &) {
        const bool on = m_source.options.quantityTable;
        cell[0]->setText(on ? CellGrid::digit(row) + QStringLiteral(" :") : QString());
        cell[1]->setText(on ? m_sheetTexts[row] : QString());
        cell[2]->setText(on ? m_classTexts[row] : QString());
        const LineStyle bottom = row == 15 ? LineStyle::Double : LineStyle::None;
        cell[0]->setLines(LineStyle::None, LineStyle::Double, LineStyle::None, bottom);
        cell[1]->setLines(LineStyle::None, LineStyle::None, LineStyle::None, bottom);
        cell[2]->setLines(LineStyle::None, LineStyle::None, LineStyle::Double, bottom);
    });
}

QSize LargeSheet::cellSize(int bandColumns, int rowsPerSheet)
{
    // Row numbers at both ends; the rows under one row of column numbers.
    const int width = (BodyWidth - 2 * (NumberWidth + FrameRoom)) / bandColumns;
    const int room = 1017 - HeadingHeight - FrameRoom;
    // Never so tall that a digit of 60 % of the cell would not fit across it.
    return QSize(width, qMin(room / (rowsPerSheet + 1), width * 9 / 5));
}

const PieceCounts &LargeSheet::classCounts(const Distribution::Block &block)
{
    const QPair<int, int> key(block.first, block.width);
    auto it = m_classCounts.find(key);
    if (it == m_classCounts.end())
        it = m_classCounts.insert(
            key, countPieces(m_source.grid, QRect(block.first, 0, block.width, m_source.grid.rows())));
    return *it;
}

void LargeSheet::prepare(const PageRef &page)
{
    m_page = page;
    const CellGrid &grid = m_source.grid;
    const ClassPageOptions &o = m_source.options;
    const QRect cells = page.sheet.cells;
    const bool neighbours = o.neighbours;
    m_leftNeighbours = neighbours && cells.left() > 0 && cells.left() <= grid.columns() ? 1 : 0;
    m_rightNeighbours = neighbours && cells.right() + 1 >= 0 && cells.right() + 1 < grid.columns() ? 1 : 0;
    const int widest = SheetSplit(o.distribution, grid.rows(), o.rowsPerSheet).widestBand(page.classIndex);
    const QSize cell = cellSize(widest + (neighbours ? 2 : 0), o.rowsPerSheet);
    const int columns = cells.width() + m_leftNeighbours + m_rightNeighbours, rows = cells.height() + 1;
    const int left = NumberWidth + FrameRoom, width = cell.width() * columns, height = cell.height() * rows;
    m_grid->setBounds(left, HeadingHeight, width, height);
    m_grid->setColCount(columns);
    m_grid->setRowCount(rows);
    m_cell->setBounds(0, 0, cell.width(), cell.height());
    for (int side = 0; side < 2; ++side) {
        m_rowNumbers[side]->setBounds(side == 0 ? 0 : left + width + FrameRoom, HeadingHeight, NumberWidth,
                                      height);
        m_rowNumbers[side]->setRowCount(rows);
        for (const auto &item : m_rowNumbers[side]->cellTemplate().children())
            item->setBounds(0, 0, NumberWidth, cell.height());
    }
    // The frame round the sheet's own cells, in the body's units.
    m_framePanel->setBounds(left + m_leftNeighbours * cell.width(), HeadingHeight + cell.height(),
                            cells.width() * cell.width(), cells.height() * cell.height());
    m_frame->setBounds(0, 0, m_framePanel->width(), m_framePanel->height());

    // Bold digits at least 60 % of the cell's height, as wide as the cell allows.
    const int digit = qCeil(0.62 * cell.height() / digitInkShare(true));
    m_digitFont = font(fittingHeight(QStringLiteral("0"), true, 0.75 * cell.width(), digit), true);
    const QString widestRow = QString::number(cells.bottom() + 1);
    m_rowNumberFont =
        font(fittingHeight(widestRow, true, NumberWidth - 2, qMin(16, cell.height() / 2)), true);
    const QString widestColumn = QString::number(cells.right() + 1 + m_rightNeighbours);
    m_columnNumberFont =
        font(fittingHeight(widestColumn, true, cell.width() - 4, qMin(16, cell.height() / 2)), true);
    m_heading->setText(
        texts::sheetCells(cells.left() + 1, cells.right() + 1, cells.top() + 1, cells.bottom() + 1));

    m_quantities = countPieces(grid, cells);
    m_classQuantities = classCounts(page.block);
    m_notes.overview->area = cells;
}

void LargeSheet::setGridCell(int col, int row)
{
    const CellGrid &grid = m_source.grid;
    const QRect &cells = m_page.sheet.cells;
    const int column = cells.left() - m_leftNeighbours + col;
    const int designRow = cells.top() + row - 1;
    m_cell->setTransparent(true);
    // Heavy after every fifth column and under every fifth row, in the design's numbering.
    m_cell->setLineLeft(col == 0 ? LineStyle::None : column % 5 == 0 ? LineStyle::Double : LineStyle::Half);
    m_cell->setLineBottom(row > 0 && (designRow + 1) % 5 == 0 ? LineStyle::Double : LineStyle::Half);
    const bool neighbour = column < cells.left() || column > cells.right();
    const QColor ink = neighbour ? neighbourText() : QColor(Qt::black);
    if (column < 0 || column >= grid.columns()) {
        // Columns past the design's edge belong to no one: an empty cell.
        m_cell->setText(QString());
        return;
    }
    if (row == 0) {
        m_cell->setFont(LRFont{m_columnNumberFont.family, m_columnNumberFont.height, true, ink});
        m_cell->setText(QString::number(column + 1));
        return;
    }
    const QString &text = grid.cell(column, designRow);
    m_cell->setText(text);
    const auto n = CellGrid::cellValue(text);
    if (!m_source.options.colour || !n) {
        m_cell->setFont(LRFont{m_digitFont.family, m_digitFont.height, true, ink});
        return;
    }
    const QColor fill = neighbour ? dimmed(m_source.printColours[*n]) : QColor(m_source.printColours[*n]);
    m_cell->setColor(fill);
    m_cell->setTransparent(false);
    m_cell->setFont(LRFont{m_digitFont.family, m_digitFont.height, true, inkOn(fill.rgb())});
}

} // namespace tessell
