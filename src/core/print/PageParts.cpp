#include "core/print/PageParts.h"

#include "core/print/LRGridPanel.h"
#include "core/print/LRLayoutPanel.h"
#include "core/print/LightRep.h"
#include "core/print/PageFont.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>

#include <cmath>

namespace tessell {

namespace {
int trunc(double v)
{
    return int(std::trunc(v));
}

// sRGB channel to linear light, as WCAG's relative luminance takes it.
double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
} // namespace

PageSource::PageSource(const CellGrid &grid, const Palette &palette) : grid(grid), palette(palette)
{
    for (int n = 0; n < 16; ++n)
        printColours[n] = palette[n].meanColor();
    picture = QImage(grid.columns(), grid.rows(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.columns(); ++c)
            if (const auto n = CellGrid::cellValue(grid.cell(c, r)))
                picture.setPixel(c, r, printColours[*n]);
}

PageKind::PageKind(LightRep &report, PageSource &source) : m_source(source)
{
    m_root = report.add<LRLayoutPanel>();
    m_root->setAlign(LRAlign::Client);
    m_root->setVisible(false);
}

PageKind::~PageKind() = default;

namespace pageparts {

LRFont font(int height, bool bold, QColor colour)
{
    return LRFont{pageFontFamily(), height, bold, colour};
}

QColor neighbourText()
{
    return QColor(128, 128, 128);
}

QColor dimmed(QRgb c)
{
    return QColor((qRed(c) + 255) / 2, (qGreen(c) + 255) / 2, (qBlue(c) + 255) / 2);
}

QColor inkOn(QRgb fill)
{
    // A page has a few fills and thousands of cells.
    static QHash<QRgb, QColor> known;
    if (const auto it = known.constFind(fill); it != known.constEnd())
        return *it;
    if (known.size() > 4096)
        known.clear();
    const double l =
        0.2126 * linear(qRed(fill)) + 0.7152 * linear(qGreen(fill)) + 0.0722 * linear(qBlue(fill));
    // Contrast with black (l + 0.05) / 0.05 against white 1.05 / (l + 0.05).
    return *known.insert(fill, (l + 0.05) * (l + 0.05) < 0.05 * 1.05 ? QColor(Qt::white) : QColor(Qt::black));
}

namespace {
// Metrics at a height large enough for shares; kept, fonts are costly to make.
const QFontMetricsF &metrics(bool bold)
{
    static const QFontMetricsF *kept[2] = {};
    if (!kept[bold]) {
        QFont f(pageFontFamily());
        f.setPixelSize(100);
        f.setBold(bold);
        kept[bold] = new QFontMetricsF(f);
    }
    return *kept[bold];
}
} // namespace

int fittingHeight(const QString &text, bool bold, double width, int maxHeight)
{
    const double perUnit = metrics(bold).horizontalAdvance(text) / 100.0;
    if (perUnit <= 0)
        return maxHeight;
    return qBound(6, int(width / perUnit), qMax(6, maxHeight));
}

double digitInkShare(bool bold)
{
    return metrics(bold).tightBoundingRect(QStringLiteral("0")).height() / 100.0;
}

PieceCounts countPieces(const CellGrid &grid, const QRect &cells)
{
    PieceCounts counts{};
    const QRect inside = cells & QRect(0, 0, grid.columns(), grid.rows());
    for (int r = inside.top(); r <= inside.bottom(); ++r)
        for (int c = inside.left(); c <= inside.right(); ++c)
            addPieces(counts, grid.cell(c, r));
    return counts;
}

Header addHeader(LRLayoutPanel &root, bool sheets)
{
    auto *panel = root.add<LRLayoutPanel>();
    panel->setAlign(LRAlign::Top);
    panel->setHeight(44);
    Header h;
    h.panel = panel;
    h.title = panel->add<LRItem>();
    if (sheets) {
        h.sheet = panel->add<LRItem>();
        h.sheet->setAlign(LRAlign::Right);
        h.sheet->setWidth(96);
    }
    h.classNumber = panel->add<LRItem>();
    h.classNumber->setAlign(LRAlign::Right);
    h.classNumber->setWidth(112);
    h.title->setAlign(LRAlign::Client);
    for (LRItem *item : {h.title, h.classNumber, h.sheet}) {
        if (!item)
            continue;
        item->setFont(font(27));
        item->setAlignment(TextAlignment::Center);
        item->setLayout(TextLayout::Center);
    }
    h.title->setLines(LineStyle::Double, LineStyle::Double, LineStyle::Single, LineStyle::Double);
    h.classNumber->setLines(LineStyle::Double, LineStyle::None,
                            sheets ? LineStyle::Single : LineStyle::Double, LineStyle::Double);
    if (h.sheet)
        h.sheet->setLines(LineStyle::Double, LineStyle::None, LineStyle::Double, LineStyle::Double);
    return h;
}

void fillHeader(const Header &header, const PageSource &source, const PageRef &page)
{
    header.title->setText(source.options.title);
    header.classNumber->setText(QStringLiteral("No.") + QString::number(page.classIndex + 1));
    if (header.sheet) {
        // A wide class of a tall design has sheets up to "120/120": smaller type, never cut.
        const QString text = QStringLiteral("%1/%2").arg(page.sheet.index + 1).arg(page.sheet.count);
        const int room = header.sheet->width() - 2 * header.sheet->hMargin() - 6;
        header.sheet->setFont(font(fittingHeight(text, false, room, 27)));
        header.sheet->setText(text);
    }
}

LRGridPanel *addTable(LRLayoutPanel &side, int height, std::function<QString(int)> text,
                      std::function<bool()> shown)
{
    auto *table = side.add<LRGridPanel>();
    table->setHeight(height);
    table->setDrawInPasses(true);
    table->setRowCount(16);
    auto *left = table->add<LRItem>();
    auto *right = table->add<LRItem>();
    for (LRItem *item : {left, right}) {
        item->setFont(font(12));
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

void OverviewItem::printItem(QPainter &painter, const QRect &rect, PrintStatus status, double scale)
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
    const int columns = picture.width(), rows = picture.height();
    const int left = qBound(0, area.left(), columns), right = qBound(0, area.left() + area.width(), columns);
    const int top = qBound(0, area.top(), rows), bottom = qBound(0, area.top() + area.height(), rows);
    const int x0 = p.left() + int(qint64(left) * p.width() / columns);
    const int x1 = p.left() + int(qint64(right) * p.width() / columns);
    const int y0 = p.top() + int(qint64(top) * p.height() / rows);
    const int y1 = p.top() + int(qint64(bottom) * p.height() / rows);
    const QColor veil(255, 255, 255, 160);
    painter.fillRect(QRect(p.left(), p.top(), x0 - p.left(), p.height()), veil);
    painter.fillRect(QRect(x1, p.top(), p.left() + p.width() - x1, p.height()), veil);
    painter.fillRect(QRect(x0, p.top(), x1 - x0, y0 - p.top()), veil);
    painter.fillRect(QRect(x0, y1, x1 - x0, p.top() + p.height() - y1), veil);
    // The frame lies outside the cells, so that a narrow block stays visible.
    painter.fillRect(QRect(x0 - frame, y0 - frame, x1 - x0 + 2 * frame, frame), Qt::black);
    painter.fillRect(QRect(x0 - frame, y1, x1 - x0 + 2 * frame, frame), Qt::black);
    painter.fillRect(QRect(x0 - frame, y0, frame, y1 - y0), Qt::black);
    painter.fillRect(QRect(x1, y0, frame, y1 - y0), Qt::black);
}

Notes addNotes(LRLayoutPanel &side, int top, PageSource &source)
{
    const int width = side.width();
    Notes n;
    n.notes = side.add<LRItem>();
    n.notes->setBounds(0, top, width, 1001 - top);
    n.notes->setFont(font(12));
    n.notes->setWordWrap(true);
    n.notes->setHMargin(20);
    n.notes->setVMargin(20);
    n.notes->setLines(LineStyle::None, LineStyle::Double, LineStyle::Double, LineStyle::None);
    auto *footer = side.add<LRItem>();
    footer->setBounds(0, 1001, width, 15);
    footer->setFont(font(12, true, Qt::white));
    footer->setAlignment(TextAlignment::Center);
    footer->setLayout(TextLayout::Center);
    footer->setVMargin(0);
    footer->setLines(LineStyle::Half, LineStyle::Double, LineStyle::Double, LineStyle::Double);
    footer->setColor(Qt::black);
    footer->setTransparent(false);
    footer->setText(QStringLiteral("Tessell"));
    n.overview = side.add<OverviewItem>();
    n.overview->setVisible(false);
    // The overview keeps the design's shape, at most as wide as the box and this high.
    const int columns = qMax(1, source.grid.columns()), rows = qMax(1, source.grid.rows());
    int w = width - 2 * 6 - 2 * OverviewItem::Inset, h = qMax(1, qRound(double(w) * rows / columns));
    if (h > 160) {
        h = 160;
        w = qMax(1, qRound(160.0 * columns / rows));
    }
    w += 2 * OverviewItem::Inset;
    h += 2 * OverviewItem::Inset;
    n.overview->setBounds((width - w) / 2, 1001 - 8 - h, w, h);
    n.overview->picture = source.picture;
    side.setBeforePrint([n, &source](CustomLRPanel &, const QRect &, PrintStatus &) {
        // Emptied notes keep what the box showed last.
        if (!source.options.notes.isEmpty())
            source.shownNotes = source.options.notes;
        n.notes->setText(source.shownNotes);
        n.overview->setVisible(source.options.overview);
    });
    return n;
}

} // namespace pageparts

} // namespace tessell
