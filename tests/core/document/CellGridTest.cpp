#include "core/document/CellGrid.h"
#include "core/document/CommaList.h"
#include "core/document/RowLines.h"
#include "core/document/TextFile.h"
#include "core/editing/Replace.h"

#include <QRandomGenerator>
#include <QTest>

using namespace tessell;

// The whole-grid work done on the one-byte store (counts, the cell check,
// replace, the history's rows as bytes) against the cell texts, over random
// grids that mix ordinary cells with every other form a file can bring.
class CellGridTest : public QObject {
    Q_OBJECT
private slots:
    void bytePathsMatchTheTexts_data();
    void bytePathsMatchTheTexts();
};

namespace {
QString randomCell(QRandomGenerator &random, int otherPercent)
{
    static const QStringList others{QString(),  QStringLiteral(" "),  QStringLiteral("a"),  QStringLiteral("0F"),
                                    QStringLiteral("10"), QStringLiteral("AA"), QStringLiteral("G"),  QStringLiteral("\""),
                                    QStringLiteral(","),  QStringLiteral("3 7"), QStringLiteral("色"), QStringLiteral("\t")};
    if (int(random.bounded(100)) < otherPercent)
        return others[random.bounded(int(others.size()))];
    return CellGrid::digit(int(random.bounded(16)));
}

// What the history wrote before its rows went straight to bytes.
QByteArray rowsAsTexts(const CellGrid &grid)
{
    QString text;
    for (const QString &row : RowLines::texts(grid))
        text += row + QLatin1String("\r\n");
    return TextFile::encodeCp932(text);
}

std::optional<QPoint> checkByTexts(CellGrid &grid)
{
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.columns(); ++c) {
            if (grid.cell(c, r).isEmpty())
                grid.setCell(c, r, QStringLiteral("0"));
            if (!CellGrid::cellValue(grid.cell(c, r)))
                return QPoint(c, r);
        }
    return std::nullopt;
}
} // namespace

void CellGridTest::bytePathsMatchTheTexts_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("otherPercent");
    QTest::newRow("ordinary cells only") << 37 << 11 << 0;
    QTest::newRow("a few others") << 23 << 17 << 2;
    QTest::newRow("many others") << 9 << 13 << 40;
    QTest::newRow("one column") << 1 << 7 << 10;
    QTest::newRow("one row") << 50 << 1 << 5;
}

void CellGridTest::bytePathsMatchTheTexts()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, otherPercent);
    QRandomGenerator random(quint32(columns * 1000 + rows * 10 + otherPercent));
    const auto randomGrid = [&] {
        CellGrid grid(columns, rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                grid.setCell(c, r, randomCell(random, otherPercent));
        return grid;
    };
    for (int round = 0; round < 40; ++round) {
        const CellGrid grid = randomGrid();

        PieceCounts counted{};
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                addPieces(counted, grid.cell(c, r));
        QCOMPARE(grid.pieceCounts(), counted);

        // The history's rows: written as bytes, read back from them, and the
        // general reader over the same bytes gives the same grid.
        QByteArray bytes = "header\r\n";
        RowLines::appendBytes(grid, bytes);
        QCOMPARE(bytes.mid(8), rowsAsTexts(grid));
        // Lines of other lengths, other line ends and a final line without
        // its end, as a hand-edited or half-written file may hold.
        if (round % 4 == 1)
            bytes += "1,2\r\n5";
        else if (round % 4 == 2)
            bytes.chop(5);
        else if (round % 4 == 3)
            bytes.replace(bytes.indexOf("\r\n", 9), 2, round % 8 == 3 ? "\n" : "\r");
        // Read into a grid that holds cells of every form, as an undo does.
        CellGrid fromBytes = randomGrid(), fromTexts = fromBytes;
        RowLines::applyBytes(fromBytes, bytes, 1);
        RowLines::apply(fromTexts, TextFile::splitLines(TextFile::decodeCp932(bytes)), 1);
        QVERIFY(fromBytes == fromTexts);

        const int from = int(random.bounded(16)), to = int(random.bounded(16));
        const auto direction = round % 2 ? Replace::Direction::Exchange : Replace::Direction::OneWay;
        const QRect range(int(random.bounded(columns)), int(random.bounded(rows)), 1 + int(random.bounded(columns)),
                          1 + int(random.bounded(rows)));
        CellGrid replaced = grid, expected = grid;
        const QChar a = CellGrid::digit(from)[0], b = CellGrid::digit(to)[0];
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c) {
                if (!range.contains(c, r) || a == b)
                    continue;
                QString text = grid.cell(c, r);
                for (QChar &ch : text)
                    ch = ch == a ? b : ch == b && direction == Replace::Direction::Exchange ? a : ch;
                expected.setCell(c, r, text);
            }
        Replace::replaceNumbers(replaced, from, to, direction, range);
        QVERIFY(replaced == expected);

        CellGrid checked = grid, expectedChecked = grid;
        bool filled = false;
        const std::optional<QPoint> bad = checked.fillEmptyAndCheck(&filled);
        QCOMPARE(bad, checkByTexts(expectedChecked));
        QVERIFY(checked == expectedChecked);
    }
}

QTEST_GUILESS_MAIN(CellGridTest)
#include "CellGridTest.moc"
