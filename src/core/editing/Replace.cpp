#include "core/editing/Replace.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/document/CommaList.h"

namespace tessell {

namespace {
QString columnsOutOfRange(int columns)
{
    return CoreTexts::tr("列は1～%1までの数値を入力してください。").arg(columns);
}
QString columnsReversed()
{
    return CoreTexts::tr("列の指定が正しくありません。");
}
QString rowsOutOfRange(int rows)
{
    return CoreTexts::tr("行は1～%1までの数値を入力してください。").arg(rows);
}
QString rowsReversed()
{
    return CoreTexts::tr("行の指定が正しくありません。");
}
QString notANumber()
{
    return CoreTexts::tr("列・行に正しい数値を入力してください。");
}

// A field read as a whole number; anything else stops the check at once.
qint64 fieldNumber(const QString &text)
{
    qint64 value = 0;
    if (!parseInteger(text, &value))
        throw Error(notANumber());
    return value;
}
} // namespace

int Replace::replaceNumbers(CellGrid &grid, int from, int to, Direction direction, const QRect &range)
{
    const QRect whole(0, 0, grid.columns(), grid.rows());
    const QRect area = range.isNull() ? whole : range.intersected(whole);
    const QChar a = CellGrid::digit(from)[0];
    const QChar b = CellGrid::digit(to)[0];
    if (area.isEmpty() || a == b)
        return 0;
    const bool exchange = direction == Direction::Exchange;
    const auto byteA = quint8(a.unicode()), byteB = quint8(b.unicode());
    int changed = 0;
    for (int r = area.top(); r <= area.bottom(); ++r)
        for (int c = area.left(); c <= area.right(); ++c) {
            // A one-character cell is its byte: compared and written as such.
            const quint8 code = grid.rowCodes(r)[c];
            if (code < CellGrid::OtherText) {
                if (code == byteA || (exchange && code == byteB)) {
                    grid.setCode(c, r, code == byteA ? byteB : byteA);
                    ++changed;
                }
                continue;
            }
            QString text = grid.cell(c, r);
            bool touched = false;
            for (QChar &ch : text) {
                if (ch == a) {
                    ch = b;
                    touched = true;
                } else if (ch == b && exchange) {
                    ch = a;
                    touched = true;
                }
            }
            if (touched) {
                grid.setCell(c, r, text);
                ++changed;
            }
        }
    return changed;
}

QRect Replace::checkRange(const QString &columnFrom, const QString &columnTo, const QString &rowFrom,
                          const QString &rowTo, int columns, int rows)
{
    const qint64 c0 = fieldNumber(columnFrom);
    if (c0 < 1 || c0 > columns)
        throw Error(columnsOutOfRange(columns));
    const qint64 c1 = fieldNumber(columnTo);
    if (c1 < 1 || c1 > columns)
        throw Error(columnsOutOfRange(columns));
    if (c1 < c0)
        throw Error(columnsReversed());
    const qint64 r0 = fieldNumber(rowFrom);
    if (r0 < 1 || r0 > rows)
        throw Error(rowsOutOfRange(rows));
    const qint64 r1 = fieldNumber(rowTo);
    if (r1 < 1 || r1 > rows)
        throw Error(rowsOutOfRange(rows));
    if (r1 < r0)
        throw Error(rowsReversed());
    return QRect(QPoint(int(c0 - 1), int(r0 - 1)), QPoint(int(c1 - 1), int(r1 - 1)));
}

} // namespace tessell
