#include "core/editing/PenStamp.h"

#include <QtTest>

using namespace tessell;

class PenStampTest : public QObject {
    Q_OBJECT
private slots:
    void stampCoversGrowingSquareClipped_data();
    void stampCoversGrowingSquareClipped();
};

void PenStampTest::stampCoversGrowingSquareClipped_data()
{
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<int>("width");
    QTest::addColumn<QRect>("changed");

    QTest::newRow("width 1 at the origin") << QPoint(0, 0) << 1 << QRect(0, 0, 1, 1);
    // Grows right and down, not centred on the pressed cell.
    QTest::newRow("width 5 inside") << QPoint(10, 20) << 5 << QRect(10, 20, 5, 5);
    QTest::newRow("width 3 at column 158 of 160") << QPoint(158, 10) << 3 << QRect(158, 10, 2, 3);
    QTest::newRow("width 3 at the last row") << QPoint(40, 99) << 3 << QRect(40, 99, 3, 1);
    QTest::newRow("width 5 at the last cell") << QPoint(159, 99) << 5 << QRect(159, 99, 1, 1);
    QTest::newRow("width 2 straddling both edges") << QPoint(159, 98) << 2 << QRect(159, 98, 1, 2);
}

void PenStampTest::stampCoversGrowingSquareClipped()
{
    QFETCH(QPoint, cell);
    QFETCH(int, width);
    QFETCH(QRect, changed);

    CellGrid grid(160, 100);
    QCOMPARE(PenStamp::stamp(grid, cell, width, 11), changed);
    QCOMPARE(grid.columns(), 160);
    QCOMPARE(grid.rows(), 100);
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.columns(); ++c)
            QCOMPARE(grid.cell(c, r), QString(changed.contains(c, r) ? "B" : "0"));
}

QTEST_GUILESS_MAIN(PenStampTest)
#include "PenStampTest.moc"
