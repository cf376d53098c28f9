#include "core/document/RowLines.h"

#include "core/document/CellGrid.h"
#include "core/document/CommaList.h"
#include "core/document/TextFile.h"

namespace tessell {

namespace {
// An empty cell is written as the "0" the cell check makes of it: an empty
// item would read back as a blank, which the check refuses.
QString rowText(const CellGrid &grid, int row)
{
    const QString zero = QStringLiteral("0");
    QStringList items;
    items.reserve(grid.columns());
    for (int c = 0; c < grid.columns(); ++c)
        items << (grid.cell(c, row).isEmpty() ? zero : grid.cell(c, row));
    return CommaList::join(items);
}
} // namespace

void RowLines::apply(CellGrid &grid, const QStringList &lines, qsizetype first)
{
    for (qsizetype i = qMax<qsizetype>(first, 0); i < lines.size() && i - first < grid.rows(); ++i)
        grid.setRowFromList(int(i - first), CommaList::split(lines[i], grid.columns()));
}

QStringList RowLines::texts(const CellGrid &grid)
{
    QStringList rows;
    rows.reserve(grid.rows());
    for (int r = 0; r < grid.rows(); ++r)
        rows << rowText(grid, r);
    return rows;
}

void RowLines::applyBytes(CellGrid &grid, QByteArrayView bytes, qsizetype first)
{
    qsizetype i = 0;
    TextFile::forEachLine(bytes, first + grid.rows(), [&](QByteArrayView line) {
        const qsizetype row = i++ - first;
        if (row < 0 || grid.setRowFromPlainLine(int(row), line.data(), line.size()))
            return;
        grid.setRowFromList(int(row), CommaList::split(TextFile::decodeCp932(line), grid.columns()));
    });
}

void RowLines::appendBytes(const CellGrid &grid, QByteArray &out)
{
    out.reserve(out.size() + qsizetype(grid.rows()) * (2 * grid.columns() + 1));
    for (int r = 0; r < grid.rows(); ++r) {
        if (!grid.appendPlainRow(r, out))
            out += TextFile::encodeCp932(rowText(grid, r));
        out += "\r\n";
    }
}

} // namespace tessell
