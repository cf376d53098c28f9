#pragma once

#include "core/plan/CollectionPlan.h"
#include "core/print/PageParts.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace tessell {

// The pages before the class pages that show the whole job: the design with
// the class blocks framed and numbered, the pieces and cartons of every colour
// and a table of classes x colours ("35 (3)": pieces and cartons). The table
// takes as many classes side by side as its widest number lets fit, in bands
// down the page; more classes continue on the next summary page, which has
// the table alone.
class SummaryPage : public PageKind {
public:
    // The page's content area, the class pages' own.
    static constexpr int Width = 722;
    static constexpr int Height = 1063;
    // Bands of the class table a page can hold at most.
    static constexpr int MaxBands = 8;

    SummaryPage(LightRep &report, PageSource &source);
    // The summary pages of the options in force: none unless asked for.
    int pageCount() const;
    // page.classIndex is the summary page (0-based).
    void prepare(const PageRef &page) override;

    // How the classes fall on the pages, worked out from the options.
    struct Layout {
        PlanTable table;
        int columnWidth = 0;
        int classesPerBand = 1;
        int bandsFirst = 0;
        int bandsNext = 1;
        int pages = 1;
        int pictureHeight = 0;
        // Per class: "No.k", its columns, its 16 cells and its total.
        std::vector<QStringList> classTexts;
    };
    const Layout &layout() const;

private:
    class Picture;
    // Top of the class table's caption on a page.
    int tableTop(int page) const;
    void setColourCell(int col, int row);
    void setClassCell(int band, int col, int row);

    pageparts::Header m_header;
    Picture *m_picture = nullptr;
    LRGridPanel *m_colours = nullptr;
    std::vector<LRItem *> m_colourCells;
    LRItem *m_caption = nullptr;
    std::vector<LRGridPanel *> m_bands;
    std::vector<LRItem *> m_bandCells;
    int m_page = 0;
    int m_firstClass = 0;

    // The layout is kept for the options it was made from.
    mutable std::optional<Layout> m_layout;
    mutable Distribution m_layoutDistribution;
    mutable CollectionPlan m_layoutPlan;
};

} // namespace tessell
