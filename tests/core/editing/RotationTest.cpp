#include "core/editing/Rotation.h"

#include "GridArt.h"

#include <QtTest>

using namespace tessell;

namespace {
// Every cell names itself, so a turned grid shows where each cell came from.
CellGrid labelled(int columns, int rows)
{
    CellGrid grid(columns, rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            grid.setCell(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
    return grid;
}

QString label(int c, int r)
{
    return c >= 0 && r >= 0 && c < 160 && r < 100 ? QStringLiteral("%1:%2").arg(c).arg(r)
                                                  : QStringLiteral("0");
}
} // namespace

class RotationTest : public QObject {
    Q_OBJECT
private slots:
    void defaultDesign_data();
    void defaultDesign();
    void smallGrids_data();
    void smallGrids();
};

void RotationTest::defaultDesign_data()
{
    QTest::addColumn<int>("degrees");
    QTest::newRow("0") << 0;
    QTest::newRow("90") << 90;
    QTest::newRow("180") << 180;
    QTest::newRow("270") << 270;
}

// The worked examples on 160 x 100, centre (80, 50).
void RotationTest::defaultDesign()
{
    QFETCH(int, degrees);

    CellGrid grid = labelled(160, 100);
    Rotation::rotate(grid, degrees);
    QCOMPARE(grid.columns(), 160);
    QCOMPARE(grid.rows(), 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 160; ++x) {
            QString expected;
            switch (degrees) {
            case 0:
                expected = label(x, y);
                break;
            case 90:
                expected = label(130 - y, x - 30);
                break;
            case 180:
                expected = label(160 - x, 100 - y);
                break;
            case 270:
                expected = label(30 + y, 130 - x);
                break;
            }
            if (grid.cell(x, y) != expected)
                QFAIL(qPrintable(QStringLiteral("new cell %1,%2 holds %3, expected %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(grid.cell(x, y), expected)));
        }
    if (degrees == 90) {
        QCOMPARE(grid.cell(30, 0), QStringLiteral("130:0"));
        QCOMPARE(grid.cell(29, 50), QStringLiteral("0"));
        QCOMPARE(grid.cell(130, 50), QStringLiteral("0"));
    }
    if (degrees == 180) {
        QCOMPARE(grid.cell(0, 40), QStringLiteral("0"));
        QCOMPARE(grid.cell(70, 0), QStringLiteral("0"));
        QCOMPARE(grid.cell(1, 1), QStringLiteral("159:99"));
    }
}

void RotationTest::smallGrids_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("degrees");
    QTest::addColumn<QStringList>("after");

    // Counter-clockwise on screen: the top edge goes to the left.
    QTest::newRow("3 x 3 by 90") << QStringList{"123", "456", "789"} << 90
                                 << QStringList{"369", "258", "147"};
    QTest::newRow("3 x 3 by 180") << QStringList{"123", "456", "789"} << 180
                                  << QStringList{"987", "654", "321"};
    QTest::newRow("4 x 2 by 90") << QStringList{"1234", "5678"} << 90 << QStringList{".48.", ".37."};
    QTest::newRow("4 x 2 by 180") << QStringList{"1234", "5678"} << 180 << QStringList{"....", ".876"};
    QTest::newRow("1 x 1 by 45") << QStringList{"A"} << 45 << QStringList{"A"};
}

void RotationTest::smallGrids()
{
    QFETCH(QStringList, before);
    QFETCH(int, degrees);
    QFETCH(QStringList, after);

    CellGrid grid = GridArt::grid(before);
    Rotation::rotate(grid, degrees);
    QCOMPARE(GridArt::art(grid), after);
}

QTEST_GUILESS_MAIN(RotationTest)
#include "RotationTest.moc"
