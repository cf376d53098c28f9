#pragma once

#include "core/print/PageParts.h"

#include <QHash>

namespace tessell {

// A large-print sheet: up to 20 columns by rowsPerSheet rows of one class in
// big cells (about 7 x 10 mm at 25 rows) with bold digits, the design's row
// numbers at both ends of every row and its column numbers above, a thin line
// under every row, heavy lines every fifth row and column, and a double frame
// round the sheet's cells. The header adds the sheet within the class ("2/4");
// the quantity table counts this sheet and the whole class.
class LargeSheet : public PageKind {
public:
    // The body beside the side column, in page units.
    static constexpr int BodyWidth = 587;
    static constexpr int SideWidth = 133;
    // The heading box above the grid, and room for the frame round it.
    static constexpr int HeadingHeight = 24;
    static constexpr int FrameRoom = 6;
    // The row numbers at both ends, apart from the cells by the frame's room.
    static constexpr int NumberWidth = 24;

    LargeSheet(LightRep &report, PageSource &source);
    void prepare(const PageRef &page) override;

    // The cell size of the sheets of a class whose widest band has that many
    // columns (neighbours included), at rowsPerSheet rows.
    static QSize cellSize(int bandColumns, int rowsPerSheet);

private:
    class Frame;
    void buildSide();
    LRGridPanel *addRowNumbers(LRLayoutPanel &body);
    void setGridCell(int col, int row);
    const PieceCounts &classCounts(const Distribution::Block &block);

    pageparts::Header m_header;
    pageparts::Notes m_notes;
    LRItem *m_heading = nullptr;
    LRGridPanel *m_grid = nullptr;
    LRItem *m_cell = nullptr;
    std::array<LRGridPanel *, 2> m_rowNumbers{};
    LRLayoutPanel *m_framePanel = nullptr;
    Frame *m_frame = nullptr;

    PageRef m_page;
    int m_leftNeighbours = 0;
    int m_rightNeighbours = 0;
    LRFont m_digitFont;
    LRFont m_rowNumberFont;
    LRFont m_columnNumberFont;
    std::array<QString, 16> m_sheetTexts;
    std::array<QString, 16> m_classTexts;
    PieceCounts m_classQuantities{};
    QHash<QPair<int, int>, PieceCounts> m_classCounts;
};

} // namespace tessell
