#pragma once

#include "core/document/CellGrid.h"
#include "core/document/PaletteEntry.h"
#include "core/document/PieceCounts.h"
#include "core/print/Distribution.h"
#include "core/print/LightRep.h"

#include <QImage>

#include <functional>

class QPainter;

namespace tessell {

class LRGridPanel;
class LRItem;
class LRLayoutPanel;
class OverviewItem;
class PrintTarget;

// What the print dialog holds besides the design.
struct ClassPageOptions {
    Distribution distribution;
    bool colour = false;
    bool numberTable = true;
    bool quantityTable = true;
    QString title;
    // Lines separated by "\n". Empty notes keep the text the notes box had.
    QString notes;
    // A small picture of the whole design under the notes, the class's block framed.
    bool overview = false;
    // One column more on each side of the block, in grey.
    bool neighbours = false;
};

// The class pages of a design: one A4 page per class with its block of columns
// as a table of palette numbers, the number and quantity tables, title and
// notes. The report is built once; each page is drawn from the options in force.
class ClassPages {
public:
    // The pages' geometry in page units.
    static constexpr int GridWidth = 587;
    static constexpr int GridHeight = 1017;
    // The widest block the main grid takes: cells of 10 units.
    static constexpr int MaxBlockColumns = GridWidth / 10;

    // The cells and palette are copied; the print colours (the tiles' mean
    // colours) are taken now and kept.
    ClassPages(const CellGrid &grid, const Palette &palette);
    ~ClassPages();

    const ClassPageOptions &options() const { return m_options; }
    void setOptions(const ClassPageOptions &options) { m_options = options; }
    int pageCount() const { return m_options.distribution.pageCount(); }

    // Page k (0-based) at the scale onto the painter, on white: at 1.0 one page
    // unit per pixel. Throws the message that stops the page.
    void paintPage(QPainter &painter, int k, double scale = 1.0);
    // Page k drawn at full size and reduced to percent (25..100) at `at`; 50
    // gives the half-size preview of 397 x 561.
    void previewPageScaled(QPainter &painter, int k, int percent, const QPoint &at = QPoint());
    // Page k at 1:1, 794 x 1123.
    QImage pageImage(int k);

    // Throws what any page would stop with, before anything is drawn.
    void checkPages();
    // Every page in class order as one job on the target; progress(k, pages)
    // runs before page k. A failure drops the job.
    void print(PrintTarget &target, const std::function<void(int, int)> &progress = {});

    // The quantities of the page drawn last.
    const PieceCounts &quantities() const { return m_quantities; }
    LightRep &report() { return m_report; }

private:
    void build();
    // Lays out page k and takes its block and counts: once before the page is drawn.
    void preparePage(int k);
    // The number or quantity table; while shown() is false its rows print empty.
    static LRGridPanel *addTable(LRLayoutPanel &side, int height, std::function<QString(int)> text,
                                 std::function<bool()> shown);
    void setGridCell(int col, int row);

    CellGrid m_grid;
    Palette m_palette;
    std::array<QRgb, 16> m_printColours;
    ClassPageOptions m_options;

    LightRep m_report;
    LRItem *m_title = nullptr;
    LRItem *m_classNumber = nullptr;
    LRItem *m_notes = nullptr;
    OverviewItem *m_overview = nullptr;
    LRGridPanel *m_numberTable = nullptr;
    LRGridPanel *m_quantityTable = nullptr;
    LRGridPanel *m_mainGrid = nullptr;
    LRItem *m_cell = nullptr;

    // The page being drawn and what its preparation found.
    int m_page = 0;
    Distribution::Block m_block;
    int m_leftNeighbours = 0;
    int m_rightNeighbours = 0;
    PieceCounts m_quantities{};
    std::array<QString, 16> m_quantityTexts;
};

} // namespace tessell
