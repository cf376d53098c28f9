#pragma once

#include "core/print/ClassPage.h"
#include "core/print/LightRep.h"

#include <QImage>

#include <functional>
#include <memory>

class QPainter;

namespace tessell {

class LargeSheet;
class PrintTarget;
class RunsPage;
class SummaryPage;

// The class pages of a design, one report of pages of several kinds: summary
// pages first when asked for, then a page a class, or with large print the sheets of every class (each
// followed by a page of its rows as runs when asked). The report is built once; each page is laid out from
// the options in force, once, right before it is drawn.
class ClassPages {
public:
    static constexpr int GridWidth = ClassPage::GridWidth;
    static constexpr int GridHeight = ClassPage::GridHeight;
    // The widest block an ordinary page takes: cells of 10 units.
    static constexpr int MaxBlockColumns = ClassPage::MaxBlockColumns;

    // The cells and palette are copied; the print colours (the tiles' mean
    // colours) are taken now and kept.
    ClassPages(const CellGrid &grid, const Palette &palette);
    ~ClassPages();

    const ClassPageOptions &options() const { return m_source.options; }
    void setOptions(const ClassPageOptions &options) { m_source.options = options; }
    // The pages of the options in force, in print order.
    int pageCount() const;

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
    // Every page in order as one job on the target; progress(k, pages) runs
    // before page k. A failure drops the job.
    void print(PrintTarget &target, const std::function<void(int, int)> &progress = {});

    // The pieces of each number on the page drawn last (a sheet's own).
    const PieceCounts &quantities() const;
    LightRep &report() { return m_report; }

private:
    // Shows the kind of page k and lays it out.
    void preparePage(int k);
    // The pages after the summary.
    int classPageCount() const;

    PageSource m_source;
    LightRep m_report;
    std::unique_ptr<ClassPage> m_classPage;
    std::unique_ptr<LargeSheet> m_sheet;
    std::unique_ptr<RunsPage> m_runs;
    std::unique_ptr<SummaryPage> m_summary;
    PageKind *m_shown = nullptr;
};

} // namespace tessell
