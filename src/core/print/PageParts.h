#pragma once

#include "core/document/CellGrid.h"
#include "core/document/PaletteEntry.h"
#include "core/document/PieceCounts.h"
#include "core/plan/CollectionPlan.h"
#include "core/print/Distribution.h"
#include "core/print/LRItem.h"
#include "core/print/SheetSplit.h"

#include <QImage>

#include <array>
#include <functional>

namespace tessell {

class LRGridPanel;
class LRLayoutPanel;
class LightRep;

// What the print dialog holds besides the design.
struct ClassPageOptions {
    Distribution distribution;
    bool colour = false;
    bool numberTable = true;
    bool quantityTable = true;
    QString title;
    // Lines separated by "\n". Empty notes keep the text the notes box had.
    QString notes;
    // A small picture of the whole design under the notes, the page's cells framed.
    bool overview = false;
    // One column more on each side of the block, in grey.
    bool neighbours = false;
    // Each class's block on sheets of at most rowsPerSheet rows and
    // SheetSplit::BandColumns columns, with big cells.
    bool largePrint = false;
    int rowsPerSheet = SheetSplit::DefaultRows;
    // With large print: after each sheet, a page of its rows as runs.
    bool runs = false;
    // Summary pages before the class pages, their cartons counted by the plan.
    bool summary = false;
    CollectionPlan plan;
};

// What every kind of page draws from: a copy of the design taken when the
// pages were made and the options in force.
struct PageSource {
    PageSource(const CellGrid &grid, const Palette &palette);

    CellGrid grid;
    Palette palette;
    // The tiles' mean colours, taken when the pages were made.
    std::array<QRgb, 16> printColours{};
    // The whole design, one pixel a cell, for the overview.
    QImage picture;
    ClassPageOptions options;
    // What the notes box showed last: emptied notes keep it.
    QString shownNotes;
};

// The page a kind of page is laid out for: the class, its columns, and for
// large print the sheet.
struct PageRef {
    int classIndex = 0;
    Distribution::Block block;
    Sheet sheet;
};

// One kind of page (an ordinary class page, a large-print sheet, a page of
// runs): panels of its own on the report, shown only while one of its pages
// is drawn. A kind lays its panels out for a page once, before the page is
// drawn; the handlers it sets on them only fill in texts and looks.
class PageKind {
public:
    virtual ~PageKind();
    PageKind(const PageKind &) = delete;
    PageKind &operator=(const PageKind &) = delete;

    LRLayoutPanel &root() const { return *m_root; }
    // Throws the message that stops the page.
    virtual void prepare(const PageRef &page) = 0;
    // The pieces of each number on the page laid out last.
    const PieceCounts &quantities() const { return m_quantities; }

protected:
    PageKind(LightRep &report, PageSource &source);

    PageSource &m_source;
    LRLayoutPanel *m_root = nullptr;
    PieceCounts m_quantities{};
};

// Pieces of the parts of the pages.
namespace pageparts {

LRFont font(int height, bool bold = false, QColor colour = Qt::black);
// The digits of neighbour columns and their headings.
QColor neighbourText();
// Halfway to white: what lies outside the class's own cells.
QColor dimmed(QRgb c);
// Black or white, whichever contrasts more with the fill (relative luminance
// as WCAG defines it), so a digit reads on every colour.
QColor inkOn(QRgb fill);
// The largest character height up to maxHeight (page units) at which the
// text fits in width, at least 6.
int fittingHeight(const QString &text, bool bold, double width, int maxHeight);
// A digit's ink height as a share of the character height.
double digitInkShare(bool bold);
// Counts the pieces of each number in the cells (columns x rows, clipped to the design).
PieceCounts countPieces(const CellGrid &grid, const QRect &cells);

// Title, "No.k" and, when sheets is set, the sheet of the class ("2/4"),
// along the top of the root.
struct Header {
    LRLayoutPanel *panel = nullptr;
    LRItem *title = nullptr;
    LRItem *classNumber = nullptr;
    LRItem *sheet = nullptr;
};
Header addHeader(LRLayoutPanel &root, bool sheets);
// The header's texts for the page: the title, "No.k" and the sheet.
void fillHeader(const Header &header, const PageSource &source, const PageRef &page);

// 16 rows of "r :" and a text on the side column; while shown() is false its
// rows print empty but keep their lines. Row 15 closes it with a double line.
LRGridPanel *addTable(LRLayoutPanel &side, int height, std::function<QString(int)> text,
                      std::function<bool()> shown);

// The whole design, one pixel a cell, the page's cells framed and the rest dimmed.
class OverviewItem : public CustomLRItem {
public:
    QImage picture;
    // Design columns and rows.
    QRect area;

    void printItem(QPainter &painter, const QRect &rect, PrintStatus status, double scale) override;
    // Units between the item's edge and the picture: room for the frame.
    static constexpr int Inset = 3;
};

// The notes box, the footer and the overview in the side column below `top`;
// the side column's before-print handler fills them in.
struct Notes {
    LRItem *notes = nullptr;
    OverviewItem *overview = nullptr;
};
Notes addNotes(LRLayoutPanel &side, int top, PageSource &source);

} // namespace pageparts

} // namespace tessell
