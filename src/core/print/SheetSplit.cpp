#include "core/print/SheetSplit.h"

#include <QtGlobal>

namespace tessell {

namespace {
int bands(int extent, int band)
{
    return qMax(1, (extent + band - 1) / band);
}
} // namespace

SheetSplit::SheetSplit(const Distribution &distribution, int designRows, int rowsPerSheet)
    : m_distribution(distribution), m_designRows(qMax(1, designRows)),
      m_rowsPerSheet(qBound(MinRows, rowsPerSheet, MaxRows)), m_rowBands(bands(m_designRows, m_rowsPerSheet))
{
    for (int i = 0; i < 3; ++i) {
        const Distribution::Row &row = m_distribution.row(i);
        m_sheets += row.classes * m_rowBands * bands(row.columns, BandColumns);
    }
}

int SheetSplit::sheetsOfClass(int k) const
{
    return m_rowBands * bands(m_distribution.block(k).width, BandColumns);
}

int SheetSplit::widestBand(int k) const
{
    return qMin(BandColumns, qMax(1, m_distribution.block(k).width));
}

Sheet SheetSplit::sheet(int n) const
{
    // The classes of one row of the distribution have the same sheets.
    Sheet s;
    int first = 0, before = 0;
    for (int i = 0; i < 3; ++i) {
        const Distribution::Row &row = m_distribution.row(i);
        const int each = m_rowBands * bands(row.columns, BandColumns);
        if (n < before + row.classes * each || i == 2) {
            s.classIndex = first + (n - before) / each;
            s.index = (n - before) % each;
            s.count = each;
            break;
        }
        first += row.classes;
        before += row.classes * each;
    }
    const Distribution::Block block = m_distribution.block(s.classIndex);
    const int columnBands = bands(block.width, BandColumns);
    const int rowBand = s.index / columnBands, columnBand = s.index % columnBands;
    const int top = rowBand * m_rowsPerSheet, left = columnBand * BandColumns;
    s.cells = QRect(block.first + left, top, qMin(BandColumns, block.width - left),
                    qMin(m_rowsPerSheet, m_designRows - top));
    return s;
}

} // namespace tessell
