#include "core/print/SheetSplit.h"

#include <QTest>

using namespace tessell;

class SheetSplitTest : public QObject {
    Q_OBJECT
private slots:
    void split_data();
    void split();
};

void SheetSplitTest::split_data()
{
    // A design's rows, the classes, rows a sheet; the sheets in all; one sheet
    // n and what it holds: class, sheet of the class, sheets of the class, cells.
    QTest::addColumn<int>("rows");
    QTest::addColumn<Distribution>("split");
    QTest::addColumn<int>("rowsPerSheet");
    QTest::addColumn<int>("sheets");
    QTest::addColumn<int>("n");
    QTest::addColumn<Sheet>("sheet");
    const Distribution mural({7, 7}, {7, 7}, {8, 7}), wide({17, 58}, {0, 1}, {0, 1}),
        mixed({2, 30}, {1, 5}, {0, 1});
    const auto row = [](const char *name, int rows, const Distribution &d, int perSheet, int sheets, int n,
                        Sheet s) { QTest::newRow(name) << rows << d << perSheet << sheets << n << s; };
    row("160 x 100, 22 classes: first", 100, mural, 25, 88, 0, {0, 0, 4, QRect(0, 0, 7, 25)});
    row("160 x 100: the class's last band", 100, mural, 25, 88, 3, {0, 3, 4, QRect(0, 75, 7, 25)});
    row("160 x 100: the second class", 100, mural, 25, 88, 4, {1, 0, 4, QRect(7, 0, 7, 25)});
    row("160 x 100: the last sheet", 100, mural, 25, 88, 87, {21, 3, 4, QRect(147, 75, 7, 25)});
    row("999 x 999, 17 x 58: first", 999, wide, 25, 2040, 0, {0, 0, 120, QRect(0, 0, 20, 25)});
    row("999 x 999: the narrow third band", 999, wide, 25, 2040, 2, {0, 2, 120, QRect(40, 0, 18, 25)});
    row("999 x 999: the next rows", 999, wide, 25, 2040, 3, {0, 3, 120, QRect(0, 25, 20, 25)});
    row("999 x 999: the class's last, 24 rows", 999, wide, 25, 2040, 119,
        {0, 119, 120, QRect(40, 975, 18, 24)});
    row("999 x 999: the second class", 999, wide, 25, 2040, 120, {1, 0, 120, QRect(58, 0, 20, 25)});
    row("999 x 999: the last sheet", 999, wide, 25, 2040, 2039, {16, 119, 120, QRect(968, 975, 18, 24)});
    row("1 x 1", 1, Distribution({1, 1}, {0, 1}, {0, 1}), 25, 1, 0, {0, 0, 1, QRect(0, 0, 1, 1)});
    row("rows of different widths", 30, mixed, 10, 15, 13, {2, 1, 3, QRect(60, 10, 5, 10)});
    row("5 rows a sheet are 10", 30, mixed, 5, 15, 13, {2, 1, 3, QRect(60, 10, 5, 10)});
    row("60 rows a sheet are 50", 100, mural, 60, 44, 43, {21, 1, 2, QRect(147, 50, 7, 50)});
}

void SheetSplitTest::split()
{
    QFETCH(int, rows);
    QFETCH(Distribution, split);
    QFETCH(int, rowsPerSheet);
    QFETCH(int, sheets);
    QFETCH(int, n);
    QFETCH(Sheet, sheet);
    const SheetSplit sheetSplit(split, rows, rowsPerSheet);
    QCOMPARE(sheetSplit.sheetCount(), sheets);
    const Sheet s = sheetSplit.sheet(n);
    QCOMPARE(s.classIndex, sheet.classIndex);
    QCOMPARE(s.index, sheet.index);
    QCOMPARE(s.count, sheet.count);
    QCOMPARE(s.cells, sheet.cells);
    QCOMPARE(sheetSplit.sheetsOfClass(s.classIndex), s.count);
}

QTEST_APPLESS_MAIN(SheetSplitTest)
#include "SheetSplitTest.moc"
