#include "core/print/ClassPages.h"

#include "core/Error.h"

#include "core/print/LRLayoutPanel.h"
#include "core/print/LargeSheet.h"
#include "core/print/PrintTarget.h"
#include "core/print/RunsPage.h"
#include "core/print/SummaryPage.h"

#include <QPainter>

#include <climits>

namespace tessell {

ClassPages::ClassPages(const CellGrid &grid, const Palette &palette) : m_source(grid, palette)
{
    m_report.setPaperSize(PaperSize::A4);
    m_report.setOrientation(Orientation::Portrait);
    m_report.setMarginTop(30);
    m_report.setMarginBottom(30);
    m_report.setMarginLeft(36);
    m_report.setMarginRight(36);
    m_report.setFont(pageparts::font(12));
    m_classPage = std::make_unique<ClassPage>(m_report, m_source);
    m_sheet = std::make_unique<LargeSheet>(m_report, m_source);
    m_runs = std::make_unique<RunsPage>(m_report, m_source);
    m_summary = std::make_unique<SummaryPage>(m_report, m_source);
}

ClassPages::~ClassPages() = default;

int ClassPages::pageCount() const
{
    return int(qMin<qint64>(INT_MAX, qint64(m_summary->pageCount()) + classPageCount()));
}

int ClassPages::classPageCount() const
{
    const ClassPageOptions &o = m_source.options;
    // Past an int only for a split that every page refuses (Distribution::check).
    if (!o.largePrint)
        return int(o.distribution.pageCount());
    try {
        o.distribution.check(m_source.grid.columns());
    } catch (const Error &) {
        // Every page then stops with the message.
        return int(o.distribution.pageCount());
    }
    const int sheets = SheetSplit(o.distribution, m_source.grid.rows(), o.rowsPerSheet).sheetCount();
    return o.runs ? 2 * sheets : sheets;
}

const PieceCounts &ClassPages::quantities() const
{
    return (m_shown ? m_shown : m_classPage.get())->quantities();
}

void ClassPages::preparePage(int k)
{
    const ClassPageOptions &o = m_source.options;
    o.distribution.check(m_source.grid.columns());
    PageRef page;
    PageKind *kind = m_classPage.get();
    const int summaries = m_summary->pageCount();
    k -= summaries;
    if (k < 0) {
        page.classIndex = k + summaries;
        kind = m_summary.get();
    } else if (o.largePrint) {
        const SheetSplit split(o.distribution, m_source.grid.rows(), o.rowsPerSheet);
        page.sheet = split.sheet(o.runs ? k / 2 : k);
        page.classIndex = page.sheet.classIndex;
        kind = o.runs && k % 2 == 1 ? static_cast<PageKind *>(m_runs.get()) : m_sheet.get();
    } else {
        page.classIndex = k;
    }
    page.block = o.distribution.block(page.classIndex);
    kind->prepare(page);
    if (kind != m_shown) {
        if (m_shown)
            m_shown->root().setVisible(false);
        kind->root().setVisible(true);
        m_shown = kind;
    }
}

void ClassPages::paintPage(QPainter &painter, int k, double scale)
{
    const PreviewScope preview(m_report);
    // A page that cannot be drawn stops before anything is drawn.
    preparePage(k);
    painter.fillRect(QRectF(0, 0, m_report.width() * scale, m_report.height() * scale), Qt::white);
    m_report.drawPage(painter, scale);
}

void ClassPages::previewPageScaled(QPainter &painter, int k, int percent, const QPoint &at)
{
    const PreviewScope preview(m_report);
    preparePage(k);
    m_report.previewPageScaled(painter, at.x(), at.y(), percent);
}

QImage ClassPages::pageImage(int k)
{
    QImage image(m_report.width(), m_report.height(), QImage::Format_RGB32);
    QPainter painter(&image);
    paintPage(painter, k);
    return image;
}

void ClassPages::checkPages()
{
    m_source.options.distribution.check(m_source.grid.columns());
    for (int k = 0; k < pageCount(); ++k)
        preparePage(k);
}

void ClassPages::print(PrintTarget &target, const std::function<void(int, int)> &progress)
{
    checkPages();
    const int pages = pageCount();
    m_report.setPrinter(&target);
    m_report.beginDoc();
    try {
        for (int k = 0; k < pages; ++k) {
            if (progress)
                progress(k, pages);
            // After the progress call: the run prints from its own counter.
            preparePage(k);
            m_report.printPage();
            if (k < pages - 1)
                m_report.newPage();
        }
    } catch (...) {
        m_report.abortDoc();
        throw;
    }
    m_report.endDoc();
}

} // namespace tessell
