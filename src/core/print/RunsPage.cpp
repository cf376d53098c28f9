#include "core/print/RunsPage.h"

#include "core/Texts.h"
#include "core/print/LRGridPanel.h"
#include "core/print/LRLayoutPanel.h"
#include "core/print/PageFont.h"

#include <QFontMetricsF>
#include <QtMath>

namespace tessell {

using namespace pageparts;

namespace {
constexpr int CaptionHeight = 30;
constexpr int Gap = 4;
constexpr int Margin = 6;

constexpr int LabelType = 20;

QFont typeOf(int height)
{
    QFont f(pageFontFamily());
    f.setPixelSize(height);
    f.setBold(true);
    return f;
}

// Whether the text fits a box of that size when set at that height, wrapped.
bool fits(const QString &text, int height, const QSize &box)
{
    // A little to spare: a printer's glyphs are not exactly as wide as the screen's.
    const double width = 0.92 * box.width();
    return QFontMetricsF(typeOf(height))
               .boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text)
               .height() <= box.height() - 2;
}
} // namespace

RunsPage::RunsPage(LightRep &report, PageSource &source) : PageKind(report, source)
{
    m_header = addHeader(*m_root, true);
    m_header.panel->setBeforePrint(
        [this](CustomLRPanel &, const QRect &, PrintStatus &) { fillHeader(m_header, m_source, m_page); });
    m_caption = m_root->add<LRItem>();
    m_caption->setAlign(LRAlign::Top);
    m_caption->setHeight(CaptionHeight);
    m_caption->setFont(font(18, true));
    m_caption->setLayout(TextLayout::Center);
    m_caption->setHMargin(Margin);
    m_caption->setLines(LineStyle::None, LineStyle::None, LineStyle::None, LineStyle::Double);

    m_grid = m_root->add<LRGridPanel>();
    m_grid->setAlign(LRAlign::None);
    m_label = m_grid->add<LRItem>();
    m_runs = m_grid->add<LRItem>();
    for (LRItem *item : {m_label, m_runs}) {
        item->setLayout(TextLayout::Center);
        item->setHMargin(Margin);
        item->setVMargin(0);
    }
    m_label->setAlign(LRAlign::Left);
    m_runs->setAlign(LRAlign::Client);
    m_runs->setWordWrap(true);
    m_grid->setOnPrintPanel([this](LRGridPanel &, int, int row, const QRect &, PrintStatus &) {
        const int designRow = m_page.sheet.cells.top() + row;
        m_label->setText(texts::runsRow(designRow + 1));
        m_runs->setText(m_rowTexts.value(row));
        m_runs->setFont(font(m_rowTypes.value(row, SmallestType), true));
        // Heavy under every fifth row, as on the sheet.
        const LineStyle bottom = (designRow + 1) % 5 == 0 ? LineStyle::Double : LineStyle::Half;
        m_label->setLines(LineStyle::None, LineStyle::None, LineStyle::Half, bottom);
        m_runs->setLines(LineStyle::None, LineStyle::None, LineStyle::None, bottom);
    });
}

QString RunsPage::runs(const CellGrid &grid, int row, int first, int columns)
{
    QStringList out;
    const int end = qMin(grid.columns(), first + columns);
    for (int c = qMax(0, first); c < end;) {
        const QString &text = grid.cell(c, row);
        int n = 1;
        while (c + n < end && grid.cell(c + n, row) == text)
            ++n;
        out << QString::number(n) + QChar(0x00D7) + text;
        c += n;
    }
    return out.join(QChar(0x3000));
}

void RunsPage::prepare(const PageRef &page)
{
    m_page = page;
    const QRect &cells = page.sheet.cells;
    const int rowsPerSheet = qMax(cells.height(), m_source.options.rowsPerSheet);
    const int room = 1061 - 44 - CaptionHeight - Gap;
    const QSize cell(720, qMin(room / rowsPerSheet, 3 * LargestType));
    m_grid->setBounds(0, 44 + CaptionHeight + Gap, cell.width(), cell.height() * cells.height());
    m_grid->setRowCount(cells.height());
    m_rowTexts.clear();
    for (int r = cells.top(); r <= cells.bottom(); ++r)
        m_rowTexts << runs(m_source.grid, r, cells.left(), cells.width());
    m_quantities = countPieces(m_source.grid, cells);

    // Each row in the largest type in which it fits its line.
    const QString widestLabel = texts::runsRow(cells.bottom() + 1);
    const int labelWidth =
        qCeil(QFontMetricsF(typeOf(LabelType)).horizontalAdvance(widestLabel)) + 2 * Margin + 2;
    m_label->setWidth(labelWidth);
    m_label->setFont(font(LabelType, true));
    const QSize box(cell.width() - labelWidth - 2 * Margin, cell.height());
    m_rowTypes.clear();
    for (const QString &text : m_rowTexts) {
        int height = LargestType;
        while (height > SmallestType && !fits(text, height, box))
            --height;
        m_rowTypes << height;
    }
    m_caption->setText(
        texts::runsCaption() + QChar(0x3000) +
        texts::sheetCells(cells.left() + 1, cells.right() + 1, cells.top() + 1, cells.bottom() + 1));
}

} // namespace tessell
