#include "core/print/SummaryPage.h"

#include "core/Texts.h"
#include "core/print/LRGridPanel.h"
#include "core/print/LRLayoutPanel.h"
#include "core/print/PageFont.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

#include <cmath>

namespace tessell {

using namespace pageparts;

namespace {
constexpr int HeaderHeight = 44;
constexpr int Gap = 8;
// The strip of class numbers above the picture.
constexpr int NumberStrip = 14;
constexpr int MaxPictureHeight = 220;
constexpr int ColourRowHeight = 15;
constexpr int ColourRows = 18;
constexpr int CaptionHeight = 18;
constexpr int ClassRowHeight = 12;
constexpr int ClassRows = 19;
constexpr int BandHeight = ClassRows * ClassRowHeight;
constexpr int ClassType = 10;
constexpr int CellMargin = 3;
// The colour table's columns: number, name, then the six counts (the last takes the rest).
constexpr int ColourWidths[7] = {40, 170, 84, 84, 84, 84, 84};

int trunc(double v)
{
    return int(std::trunc(v));
}

QString count(int n)
{
    return QString::number(n);
}

QString optionalCount(const std::optional<int> &n)
{
    return n ? QString::number(*n) : QString();
}
} // namespace

// The whole design in the tiles' mean colours, every class block framed and
// numbered above it; the columns no class has are veiled.
class SummaryPage::Picture : public CustomLRItem {
public:
    QImage picture;
    std::vector<Distribution::Block> blocks;

    void printItem(QPainter &painter, const QRect &rect, PrintStatus status, double scale) override
    {
        if (status != PrintStatus::Print || picture.isNull())
            return;
        const int columns = picture.width(), rows = picture.height();
        const double unit = qMin(double(rect.width()) / columns, double(rect.height() - NumberStrip) / rows);
        const double w = unit * columns, h = unit * rows;
        const double left = rect.left() + (rect.width() - w) / 2, top = rect.top() + NumberStrip;
        const QRect p(trunc(left * scale), trunc(top * scale), qMax(1, trunc(w * scale)),
                      qMax(1, trunc(h * scale)));
        painter.drawImage(p, picture);
        const auto x = [&](int column) { return p.left() + int(qint64(column) * p.width() / columns); };
        const int line = qMax(1, trunc(1.5 * scale));
        const int end = blocks.empty() ? 0 : qMin(columns, blocks.back().first + blocks.back().width);
        if (end < columns)
            painter.fillRect(QRect(x(end), p.top(), p.right() + 1 - x(end), p.height()),
                             QColor(255, 255, 255, 170));

        // Every number in the type that the narrowest block still holds; when
        // even the smallest is too wide, every n-th class.
        QFont type(pageFontFamily());
        int narrowest = columns;
        for (const Distribution::Block &b : blocks)
            narrowest = qMin(narrowest, b.width);
        const QString widest = QString::number(int(blocks.size()));
        const double room = narrowest * unit - 2;
        const int height = fittingHeight(widest, false, room, 11);
        type.setPixelSize(qMax(1, trunc(height * scale)));
        painter.setFont(type);
        painter.setPen(Qt::black);
        const double textWidth = QFontMetricsF(type).horizontalAdvance(widest) / scale;
        const int step = qMax(1, qCeil((textWidth + 2) / qMax(0.01, narrowest * unit)));
        for (std::size_t k = 0; k < blocks.size(); ++k) {
            const Distribution::Block &b = blocks[k];
            if (b.first >= columns)
                break;
            const int x0 = x(b.first), x1 = x(qMin(columns, b.first + b.width));
            // One line on each edge, shared by neighbouring blocks.
            painter.fillRect(QRect(x0 - line / 2, p.top(), line, p.height()), Qt::black);
            const bool last = k + 1 == blocks.size() || blocks[k + 1].first != b.first + b.width;
            if (last)
                painter.fillRect(QRect(x1 - line / 2, p.top(), line, p.height()), Qt::black);
            painter.fillRect(QRect(x0, p.top(), x1 - x0, line), Qt::black);
            painter.fillRect(QRect(x0, p.bottom() + 1 - line, x1 - x0, line), Qt::black);
            if (k % step == 0)
                painter.drawText(
                    QRect(x0 - 40, trunc(rect.top() * scale), x1 - x0 + 80, trunc(NumberStrip * scale)),
                    Qt::AlignHCenter | Qt::AlignBottom, QString::number(int(k) + 1));
        }
    }
};

SummaryPage::SummaryPage(LightRep &report, PageSource &source) : PageKind(report, source)
{
    m_header = addHeader(*m_root, false);
    m_header.panel->setBeforePrint([this](CustomLRPanel &, const QRect &, PrintStatus &) {
        m_header.title->setText(m_source.options.title);
        const int pages = layout().pages;
        const QString text = pages > 1 ? texts::summaryPageOf(m_page + 1, pages) : texts::summaryHeading();
        const int room = m_header.classNumber->width() - 2 * m_header.classNumber->hMargin() - 6;
        m_header.classNumber->setFont(font(fittingHeight(text, false, room, 27)));
        m_header.classNumber->setText(text);
    });

    m_picture = m_root->add<Picture>();
    m_picture->picture = m_source.picture;

    m_colours = m_root->add<LRGridPanel>();
    m_colours->setAlign(LRAlign::None);
    m_colours->setBounds(0, 0, Width, ColourRows * ColourRowHeight);
    m_colours->setRowCount(ColourRows);
    for (int i = 0; i < 8; ++i) {
        auto *cell = m_colours->add<LRItem>();
        cell->setAlign(i < 7 ? LRAlign::Left : LRAlign::Client);
        if (i < 7)
            cell->setWidth(ColourWidths[i]);
        cell->setLayout(TextLayout::Center);
        cell->setHMargin(4);
        cell->setVMargin(0);
        m_colourCells.push_back(cell);
    }
    m_colours->setOnPrintPanel(
        [this](LRGridPanel &, int, int row, const QRect &, PrintStatus &) { setColourCell(0, row); });

    m_caption = m_root->add<LRItem>();
    m_caption->setFont(font(12, true));
    m_caption->setLayout(TextLayout::Center);
    m_caption->setHMargin(0);
    m_caption->setText(texts::summaryClasses());

    for (int band = 0; band < MaxBands; ++band) {
        auto *grid = m_root->add<LRGridPanel>();
        grid->setAlign(LRAlign::None);
        grid->setBounds(0, 0, Width, BandHeight);
        grid->setRowCount(ClassRows);
        auto *cell = grid->add<LRItem>();
        cell->setAlign(LRAlign::Client);
        cell->setLayout(TextLayout::Center);
        cell->setHMargin(CellMargin);
        cell->setVMargin(0);
        grid->setOnPrintPanel([this, band](LRGridPanel &, int col, int row, const QRect &, PrintStatus &) {
            setClassCell(band, col, row);
        });
        m_bands.push_back(grid);
        m_bandCells.push_back(cell);
    }
}

const SummaryPage::Layout &SummaryPage::layout() const
{
    const ClassPageOptions &o = m_source.options;
    if (m_layout && m_layoutDistribution == o.distribution && m_layoutPlan == o.plan)
        return *m_layout;
    Layout l;
    const int columns = m_source.grid.columns(), rows = m_source.grid.rows();
    // A split the class pages refuse has no class table here.
    const bool fits = o.distribution.remainder(columns) >= 0 && o.distribution.pageCount() <= columns;
    l.table = PlanTable::compute(m_source.grid, o.plan,
                                 fits ? std::optional<Distribution>(o.distribution) : std::nullopt);

    QFont type(pageFontFamily());
    type.setPixelSize(ClassType);
    const QFontMetricsF metrics(type);
    double widest = qMax(
        metrics.horizontalAdvance(texts::planClass()),
        qMax(metrics.horizontalAdvance(texts::planColumns()), metrics.horizontalAdvance(texts::planTotal())));
    l.classTexts.reserve(l.table.classes.size());
    for (std::size_t k = 0; k < l.table.classes.size(); ++k) {
        const ClassNeeds &c = l.table.classes[k];
        QStringList t{QStringLiteral("No.%1").arg(k + 1),
                      QStringLiteral("%1–%2").arg(c.block.first + 1).arg(c.block.first + c.block.width)};
        int pieces = 0, cartons = 0;
        for (int n = 0; n < 16; ++n) {
            // A dash rather than a blank: nothing is needed, nothing was left out.
            t << (c.pieces[n] ? QStringLiteral("%1 (%2)").arg(c.pieces[n]).arg(c.cartons[n])
                              : QStringLiteral("–"));
            pieces += c.pieces[n];
            cartons += c.cartons[n];
        }
        t << QStringLiteral("%1 (%2)").arg(pieces).arg(cartons);
        for (const QString &s : t)
            widest = qMax(widest, metrics.horizontalAdvance(s));
        l.classTexts.push_back(t);
    }
    l.columnWidth = qMax(30, qCeil(widest) + 2 * CellMargin + 2);
    l.classesPerBand = qMax(1, Width / l.columnWidth - 1);
    // Full bands span the page.
    l.columnWidth = Width / (l.classesPerBand + 1);
    const int bands = int((l.classTexts.size() + l.classesPerBand - 1) / l.classesPerBand);

    const double unit = qMin(double(Width) / qMax(1, columns), double(MaxPictureHeight) / qMax(1, rows));
    l.pictureHeight = NumberStrip + qCeil(unit * qMax(1, rows));
    const int firstTop = HeaderHeight + Gap + l.pictureHeight + Gap + ColourRows * ColourRowHeight + Gap;
    const int nextTop = HeaderHeight + Gap;
    const auto bandsBelow = [](int top) {
        return qBound(0, (Height - top - CaptionHeight + Gap) / (BandHeight + Gap), int(MaxBands));
    };
    l.bandsFirst = bandsBelow(firstTop);
    l.bandsNext = qMax(1, bandsBelow(nextTop));
    l.pages = 1 + (qMax(0, bands - l.bandsFirst) + l.bandsNext - 1) / l.bandsNext;

    m_layout = std::move(l);
    m_layoutDistribution = o.distribution;
    m_layoutPlan = o.plan;
    return *m_layout;
}

int SummaryPage::pageCount() const
{
    return m_source.options.summary ? layout().pages : 0;
}

int SummaryPage::tableTop(int page) const
{
    const Layout &l = layout();
    return page == 0 ? HeaderHeight + Gap + l.pictureHeight + Gap + ColourRows * ColourRowHeight + Gap
                     : HeaderHeight + Gap;
}

void SummaryPage::prepare(const PageRef &page)
{
    const Layout &l = layout();
    m_page = page.classIndex;
    const bool first = m_page == 0;
    m_picture->setVisible(first);
    m_colours->setVisible(first);
    if (first) {
        m_picture->setBounds(0, HeaderHeight + Gap, Width, l.pictureHeight);
        m_picture->blocks.clear();
        for (const ClassNeeds &c : l.table.classes)
            m_picture->blocks.push_back(c.block);
        m_colours->setBounds(0, HeaderHeight + Gap + l.pictureHeight + Gap, Width,
                             ColourRows * ColourRowHeight);
    }

    const int bands = first ? l.bandsFirst : l.bandsNext;
    m_firstClass = first ? 0 : (l.bandsFirst + (m_page - 1) * l.bandsNext) * l.classesPerBand;
    const int classes = int(l.classTexts.size());
    int y = tableTop(m_page);
    m_caption->setVisible(m_firstClass < classes && bands > 0);
    m_caption->setBounds(0, y, Width, CaptionHeight);
    y += CaptionHeight;
    for (int band = 0; band < MaxBands; ++band) {
        const int from = m_firstClass + band * l.classesPerBand;
        const int shown = band < bands ? qMin(l.classesPerBand, classes - from) : 0;
        LRGridPanel *grid = m_bands[band];
        grid->setVisible(shown > 0);
        if (shown <= 0)
            continue;
        grid->setBounds(0, y, (shown + 1) * l.columnWidth, BandHeight);
        grid->setColCount(shown + 1);
        y += BandHeight + Gap;
    }

    // The summary's own counts: the whole design.
    for (int n = 0; n < 16; ++n)
        m_quantities[n] = l.table.colours[n].pieces;
}

void SummaryPage::setColourCell(int, int row)
{
    const Layout &l = layout();
    const bool head = row == 0, total = row == ColourRows - 1;
    QStringList t;
    if (head) {
        t = texts::planColourHeaders();
    } else {
        const int n = row - 1;
        const PlanLine &line = total ? l.table.total : l.table.colours[n];
        t << (total ? QString() : CellGrid::digit(n))
          << (total ? texts::planTotal() : m_source.palette[n].name()) << count(line.pieces)
          << (total ? QString() : count(line.perCarton)) << count(line.cartons) << optionalCount(line.stock)
          << count(line.toCollect) << count(line.cartonsToCollect);
    }
    for (int i = 0; i < 8; ++i) {
        LRItem *cell = m_colourCells[i];
        const int width = i < 7 ? ColourWidths[i] : Width - 630;
        cell->setText(t.value(i));
        // Headings in the type that fits their column.
        cell->setFont(font(head ? fittingHeight(t.value(i), true, width - 8, 11) : 11, head));
        cell->setAlignment(head || i == 0 ? TextAlignment::Center
                           : i == 1       ? TextAlignment::LeftJustify
                                          : TextAlignment::RightJustify);
        cell->setLines(head    ? LineStyle::Double
                       : total ? LineStyle::Double
                               : LineStyle::None,
                       i == 0 ? LineStyle::Double : LineStyle::Half,
                       i == 7 ? LineStyle::Double : LineStyle::None,
                       head || total ? LineStyle::Double : LineStyle::Half);
        cell->setTransparent(true);
        if (i == 0 && !head && !total) {
            const QRgb fill = m_source.printColours[row - 1];
            cell->setColor(QColor(fill));
            cell->setTransparent(false);
            cell->setFont(font(11, true, inkOn(fill)));
        }
    }
}

void SummaryPage::setClassCell(int band, int col, int row)
{
    const Layout &l = layout();
    LRItem *cell = m_bandCells[band];
    const int k = m_firstClass + band * l.classesPerBand + col - 1;
    const bool label = col == 0, head = row < 2, total = row == ClassRows - 1;
    QString text;
    if (label)
        text = row == 0   ? texts::planClass()
               : row == 1 ? texts::planColumns()
               : total    ? texts::planTotal()
                          : CellGrid::digit(row - 2);
    else
        text = l.classTexts[k].value(row);
    cell->setText(text);
    cell->setFont(font(ClassType, head || label));
    const bool none = !label && !head && text == QStringLiteral("–");
    cell->setAlignment(head || label || none ? TextAlignment::Center : TextAlignment::RightJustify);
    cell->setLines(row == 0 || total ? LineStyle::Double : LineStyle::None,
                   label      ? LineStyle::Double
                   : col == 1 ? LineStyle::Double
                              : LineStyle::Half,
                   col == m_bands[band]->colCount() - 1 ? LineStyle::Double : LineStyle::None,
                   row == 1 || total ? LineStyle::Double : LineStyle::Half);
    cell->setTransparent(true);
    if (label && !head && !total) {
        const QRgb fill = m_source.printColours[row - 2];
        cell->setColor(QColor(fill));
        cell->setTransparent(false);
        cell->setFont(font(ClassType, true, inkOn(fill)));
    }
}

} // namespace tessell
