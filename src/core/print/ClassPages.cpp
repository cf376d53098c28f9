#include "core/print/ClassPages.h"

#include "core/print/LRGridPanel.h"
#include "core/print/LRItem.h"
#include "core/print/LRLayoutPanel.h"
#include "core/print/PageFont.h"
#include "core/print/PrintTarget.h"

#include <QPainter>

#include <cmath>

namespace tessell {

namespace {
constexpr int MaxGridColumns = ClassPages::MaxBlockColumns;
const QColor NeighbourText(128, 128, 128);

LRFont pageFont(int height, bool bold = false, QColor colour = Qt::black)
{
    return LRFont{pageFontFamily(), height, bold, colour};
}

// Halfway to white: what lies outside the class's own block.
QColor dimmed(QRgb c)
{
    return QColor((qRed(c) + 255) / 2, (qGreen(c) + 255) / 2, (qBlue(c) + 255) / 2);
}

void formatTableCells(LRItem *left, LRItem *right)
{
    for (LRItem *item : {left, right}) {
        item->setFont(pageFont(12));
        item->setAlignment(TextAlignment::LeftJustify);
        item->setLayout(TextLayout::Center);
        item->setVMargin(2);
    }
    left->setAlign(LRAlign::Left);
    left->setWidth(33);
    left->setHMargin(15);
    left->setLines(LineStyle::None, LineStyle::Double, LineStyle::None, LineStyle::None);
    right->setAlign(LRAlign::Client);
    right->setHMargin(20);
    right->setLines(LineStyle::None, LineStyle::None, LineStyle::Double, LineStyle::None);
}

int trunc(double v)
{
    return int(std::trunc(v));
}
} // namespace

// The whole design, one pixel per cell, with the class's block framed and the
// rest dimmed.
class OverviewItem : public CustomLRItem {
public:
    QImage picture;
    Distribution::Block block;

    void printItem(QPainter &painter, const QRect &rect, PrintStatus status, double scale) override
    {
        if (status != PrintStatus::Print || picture.isNull())
            return;
        const QRect r(QPoint(trunc(rect.left() * scale), trunc(rect.top() * scale)),
                      QPoint(trunc((rect.left() + rect.width()) * scale) - 1,
                             trunc((rect.top() + rect.height()) * scale) - 1));
        painter.fillRect(r, Qt::white);
        const int inset = trunc(Inset * scale), frame = qMax(1, trunc(2 * scale));
        const QRect p = r.adjusted(inset, inset, -inset, -inset);
        painter.drawImage(p, picture);
        const int columns = picture.width();
        const int first = qBound(0, block.first, columns),
                  end = qBound(0, block.first + block.width, columns);
        const int x0 = p.left() + int(qint64(first) * p.width() / columns);
        const int x1 = p.left() + int(qint64(end) * p.width() / columns);
        const QColor veil(255, 255, 255, 160);
        painter.fillRect(QRect(p.left(), p.top(), x0 - p.left(), p.height()), veil);
        painter.fillRect(QRect(x1, p.top(), p.left() + p.width() - x1, p.height()), veil);
        // The frame lies outside the block, so that a narrow block stays visible.
        painter.fillRect(QRect(x0 - frame, p.top() - frame, x1 - x0 + 2 * frame, frame), Qt::black);
        painter.fillRect(QRect(x0 - frame, p.bottom() + 1, x1 - x0 + 2 * frame, frame), Qt::black);
        painter.fillRect(QRect(x0 - frame, p.top(), frame, p.height()), Qt::black);
        painter.fillRect(QRect(x1, p.top(), frame, p.height()), Qt::black);
    }

    // Units between the item's edge and the picture: room for the frame.
    static constexpr int Inset = 3;
};

ClassPages::ClassPages(const CellGrid &grid, const Palette &palette) : m_grid(grid), m_palette(palette)
{
    for (int n = 0; n < 16; ++n)
        m_printColours[n] = palette[n].meanColor();
    build();
}

ClassPages::~ClassPages() = default;

void ClassPages::build()
{
    LightRep &rep = m_report;
    rep.setPaperSize(PaperSize::A4);
    rep.setOrientation(Orientation::Portrait);
    rep.setMarginTop(30);
    rep.setMarginBottom(30);
    rep.setMarginLeft(36);
    rep.setMarginRight(36);
    rep.setFont(pageFont(12));

    // Title and class number along the top.
    auto *header = rep.add<LRLayoutPanel>();
    header->setAlign(LRAlign::Top);
    header->setHeight(44);
    m_title = header->add<LRItem>();
    m_classNumber = header->add<LRItem>();
    m_classNumber->setAlign(LRAlign::Right);
    m_classNumber->setWidth(112);
    m_title->setAlign(LRAlign::Client);
    for (LRItem *item : {m_title, m_classNumber}) {
        item->setFont(pageFont(27));
        item->setAlignment(TextAlignment::Center);
        item->setLayout(TextLayout::Center);
    }
    m_title->setLines(LineStyle::Double, LineStyle::Double, LineStyle::Single, LineStyle::Double);
    m_classNumber->setLines(LineStyle::Double, LineStyle::None, LineStyle::Double, LineStyle::Double);
    header->setBeforePrint([this](CustomLRPanel &, const QRect &, PrintStatus &) {
        m_title->setText(m_options.title);
        m_classNumber->setText(QStringLiteral("No.") + QString::number(m_page + 1));
    });

    // The right-hand column: number table, quantity table, notes and footer.
    auto *side = rep.add<LRLayoutPanel>();
    side->setAlign(LRAlign::Right);
    side->setWidth(133);
    m_notes = side->add<LRItem>();
    m_notes->setBounds(0, 617, 133, 384);
    m_notes->setFont(pageFont(12));
    m_notes->setWordWrap(true);
    m_notes->setHMargin(20);
    m_notes->setVMargin(20);
    m_notes->setLines(LineStyle::None, LineStyle::Double, LineStyle::Double, LineStyle::None);
    auto *footer = side->add<LRItem>();
    footer->setBounds(0, 1001, 133, 15);
    footer->setFont(pageFont(12, true, Qt::white));
    footer->setAlignment(TextAlignment::Center);
    footer->setLayout(TextLayout::Center);
    footer->setVMargin(0);
    footer->setLines(LineStyle::Half, LineStyle::Double, LineStyle::Double, LineStyle::Double);
    footer->setColor(Qt::black);
    footer->setTransparent(false);
    footer->setText(QStringLiteral("Tessell"));
    m_overview = side->add<OverviewItem>();
    m_overview->setVisible(false);
    side->setBeforePrint([this](CustomLRPanel &, const QRect &, PrintStatus &) {
        if (!m_options.notes.isEmpty())
            m_notes->setText(m_options.notes);
        m_overview->setVisible(m_options.overview);
    });

    m_numberTable = addTable(
        *side, 305, [this](int row) { return m_palette[row].name(); },
        [this] { return m_options.numberTable; });
    m_quantityTable = addTable(
        *side, 312, [this](int row) { return m_quantityTexts[row]; },
        [this] { return m_options.quantityTable; });
    // The counts of the page, taken when the page was prepared.
    m_quantityTable->setBeforePrint([this](CustomLRPanel &, const QRect &, PrintStatus &) {
        for (int n = 0; n < 16; ++n)
            m_quantityTexts[n] = QString::number(m_quantities[n]) + QStringLiteral(" 枚");
    });

    // The block's cells fill the rest of the page.
    auto *body = rep.add<LRLayoutPanel>();
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

    // The overview keeps the design's shape, at most as wide as the box and this high.
    const int columns = qMax(1, m_grid.columns()), rows = qMax(1, m_grid.rows());
    int w = 133 - 2 * 6 - 2 * OverviewItem::Inset, h = qMax(1, qRound(double(w) * rows / columns));
    if (h > 160) {
        h = 160;
        w = qMax(1, qRound(160.0 * columns / rows));
    }
    w += 2 * OverviewItem::Inset;
    h += 2 * OverviewItem::Inset;
    m_overview->setBounds((133 - w) / 2, 1001 - 8 - h, w, h);
    m_overview->picture = QImage(m_grid.columns(), m_grid.rows(), QImage::Format_RGB32);
    m_overview->picture.fill(Qt::white);
    for (int r = 0; r < m_grid.rows(); ++r)
        for (int c = 0; c < m_grid.columns(); ++c)
            if (const auto n = CellGrid::cellValue(m_grid.cell(c, r)))
                m_overview->picture.setPixel(c, r, m_printColours[*n]);
}

void ClassPages::preparePage(int k)
{
    m_page = k;
    m_options.distribution.checkPositive();
    m_block = m_options.distribution.block(m_page);
    const int first = m_block.first, width = m_block.width;
    // Neighbours only where they exist and the grid still has room for them.
    const bool neighbours = m_options.neighbours;
    m_leftNeighbours = neighbours && first > 0 && first <= m_grid.columns() && width < MaxGridColumns ? 1 : 0;
    m_rightNeighbours = neighbours && first + width >= 0 && first + width < m_grid.columns() &&
                                width + m_leftNeighbours < MaxGridColumns
                            ? 1
                            : 0;
    const int columns = width + m_leftNeighbours + m_rightNeighbours;
    m_mainGrid->setColCount(columns);
    m_mainGrid->setRowCount(m_grid.rows() + 1);
    m_cell->setBounds(0, 0, GridWidth / columns, GridHeight / (m_grid.rows() + 1));

    m_quantities.fill(0);
    for (int r = 0; r < m_grid.rows(); ++r)
        for (int c = qMax(0, first); c < qMin(m_grid.columns(), first + width); ++c)
            addPieces(m_quantities, m_grid.cell(c, r));
    m_overview->block = m_block;
}

LRGridPanel *ClassPages::addTable(LRLayoutPanel &side, int height, std::function<QString(int)> text,
                                  std::function<bool()> shown)
{
    // 16 rows of "r :" and a text; row 15 closes the table with a double line.
    auto *table = side.add<LRGridPanel>();
    table->setHeight(height);
    table->setDrawInPasses(true);
    table->setRowCount(16);
    auto *left = table->add<LRItem>();
    auto *right = table->add<LRItem>();
    formatTableCells(left, right);
    table->setOnPrintPanel([=](LRGridPanel &, int, int row, const QRect &, PrintStatus &) {
        const bool on = shown();
        left->setText(on ? CellGrid::digit(row) + QStringLiteral(" :") : QString());
        right->setText(on ? text(row) : QString());
        const LineStyle bottom = row == 15 ? LineStyle::Double : LineStyle::None;
        left->setLineBottom(bottom);
        right->setLineBottom(bottom);
    });
    return table;
}

void ClassPages::setGridCell(int col, int row)
{
    const int column = m_block.first - m_leftNeighbours + col;
    const bool inDesign = column >= 0 && column < m_grid.columns();
    const bool neighbour = column < m_block.first || column >= m_block.first + m_block.width;
    m_cell->setFont(pageFont(12, false, neighbour ? NeighbourText : QColor(Qt::black)));
    // The block's edges stand out where a neighbour column meets them.
    const bool edge =
        (m_leftNeighbours && col == 1) || (m_rightNeighbours && col == m_block.width + m_leftNeighbours);
    m_cell->setLineLeft(edge ? LineStyle::Thick : LineStyle::Double);
    const int rows = m_grid.rows();
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
        m_cell->setText(QString::number(column + 1) + QStringLiteral(" 列"));
        return;
    }
    const QString &text = m_grid.cell(column, row - 1);
    m_cell->setText(text);
    if (!m_options.colour)
        return;
    if (const auto n = CellGrid::cellValue(text)) {
        m_cell->setColor(neighbour ? dimmed(m_printColours[*n]) : QColor(m_printColours[*n]));
        m_cell->setTransparent(false);
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
    m_options.distribution.checkPositive();
    const int page = m_page;
    for (int k = 0; k < pageCount(); ++k)
        preparePage(k);
    m_page = page;
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
