#pragma once

#include "core/print/PageParts.h"

#include <QStringList>

namespace tessell {

// The page after a large-print sheet: every row of the sheet as runs from
// left to right in large type, "行 12:　3×A　5×2　1×0", what a child reads out
// while laying the pieces. Only the sheet's own columns count.
class RunsPage : public PageKind {
public:
    // The largest and smallest type a row's runs are set in: each row in the
    // largest that fits its line.
    static constexpr int LargestType = 28;
    static constexpr int SmallestType = 8;

    RunsPage(LightRep &report, PageSource &source);
    void prepare(const PageRef &page) override;

    // The cells of a row from column `first` on, `columns` of them, as runs:
    // "3×A　5×2　1×0".
    static QString runs(const CellGrid &grid, int row, int first, int columns);

private:
    pageparts::Header m_header;
    LRItem *m_caption = nullptr;
    LRGridPanel *m_grid = nullptr;
    LRItem *m_label = nullptr;
    LRItem *m_runs = nullptr;
    PageRef m_page;
    QStringList m_rowTexts;
    QList<int> m_rowTypes;
};

} // namespace tessell
