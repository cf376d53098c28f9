#pragma once

#include "core/print/PageParts.h"

namespace tessell {

// The ordinary class page: one A4 page a class with its block of columns over
// all rows as a table of palette numbers, the number and quantity tables,
// title, notes and footer.
class ClassPage : public PageKind {
public:
    // The main grid in page units; cells are at least 10 units wide.
    static constexpr int GridWidth = 587;
    static constexpr int GridHeight = 1017;
    static constexpr int MaxBlockColumns = GridWidth / 10;

    ClassPage(LightRep &report, PageSource &source);
    void prepare(const PageRef &page) override;

private:
    void setGridCell(int col, int row);

    pageparts::Header m_header;
    pageparts::Notes m_notes;
    LRGridPanel *m_numberTable = nullptr;
    LRGridPanel *m_quantityTable = nullptr;
    LRGridPanel *m_mainGrid = nullptr;
    LRItem *m_cell = nullptr;

    PageRef m_page;
    int m_leftNeighbours = 0;
    int m_rightNeighbours = 0;
    std::array<QString, 16> m_quantityTexts;
};

} // namespace tessell
