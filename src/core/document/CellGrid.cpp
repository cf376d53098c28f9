#include "core/document/CellGrid.h"

#include "core/document/CommaList.h"

namespace tessell {

CellGrid::CellGrid(int columns, int rows, const QString &fill) { reset(columns, rows, fill); }

std::optional<int> CellGrid::cellValue(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    // The common case first: one upper-case digit.
    if (text.size() == 1) {
        const char16_t c = text[0].unicode();
        if (c >= u'0' && c <= u'9')
            return int(c - u'0');
        if (c >= u'A' && c <= u'F')
            return int(c - u'A' + 10);
    }
    int value = 0;
    for (QChar c : text) {
        int d;
        if (c >= u'0' && c <= u'9')
            d = c.unicode() - '0';
        else if (c >= u'A' && c <= u'F')
            d = c.unicode() - 'A' + 10;
        else if (c >= u'a' && c <= u'f')
            d = c.unicode() - 'a' + 10;
        else
            return std::nullopt;
        value = value * 16 + d;
        if (value > 15)
            return std::nullopt;
    }
    return value;
}

void CellGrid::reset(int columns, int rows, const QString &fill)
{
    m_columns = qMax(0, columns);
    m_rows = qMax(0, rows);
    m_cells = QVector<QString>(qsizetype(m_columns) * m_rows, fill);
}

void CellGrid::resize(int columns, int rows)
{
    CellGrid grown(columns, rows);
    for (int r = 0; r < qMin(rows, m_rows); ++r)
        for (int c = 0; c < qMin(columns, m_columns); ++c)
            grown.setCell(c, r, cell(c, r));
    *this = std::move(grown);
}

QString CellGrid::rowText(int row) const
{
    QStringList items;
    items.reserve(m_columns);
    for (int c = 0; c < m_columns; ++c)
        items << cell(c, row);
    return CommaList::join(items);
}

QStringList CellGrid::rowTexts() const
{
    QStringList rows;
    rows.reserve(m_rows);
    for (int r = 0; r < m_rows; ++r)
        rows << rowText(r);
    return rows;
}

void CellGrid::setRowFromList(int row, const QStringList &items)
{
    if (row < 0 || row >= m_rows)
        return;
    for (int c = 0; c < m_columns; ++c)
        setCell(c, row, items.value(c).isEmpty() && c < items.size() ? QStringLiteral(" ") : items.value(c));
}

void CellGrid::setRowFromText(int row, const QString &line) { setRowFromList(row, CommaList::split(line)); }

} // namespace tessell
