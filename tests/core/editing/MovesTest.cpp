#include "core/editing/Moves.h"

#include "GridArt.h"

#include <QtTest>

using namespace tessell;
using Direction = Moves::Direction;

Q_DECLARE_METATYPE(Moves::Direction)

class MovesTest : public QObject {
    Q_OBJECT
private slots:
    void moveByOneCell_data();
    void moveByOneCell();
    void rightThenLeftLosesTheLastColumn();
};

void MovesTest::moveByOneCell_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<QStringList>("after");

    const QStringList square{"123", "456", "789"};
    QTest::newRow("left") << square << Direction::Left << QStringList{"23.", "56.", "89."};
    QTest::newRow("right") << square << Direction::Right << QStringList{".12", ".45", ".78"};
    QTest::newRow("up") << square << Direction::Up << QStringList{"456", "789", "..."};
    QTest::newRow("down") << square << Direction::Down << QStringList{"...", "123", "456"};
    QTest::newRow("up and left") << square << Direction::UpLeft << QStringList{"56.", "89.", "..."};
    QTest::newRow("up and right") << square << Direction::UpRight << QStringList{".45", ".78", "..."};
    QTest::newRow("down and left") << square << Direction::DownLeft << QStringList{"...", "23.", "56."};
    QTest::newRow("down and right") << square << Direction::DownRight << QStringList{"...", ".12", ".45"};
    QTest::newRow("left on one column")
        << QStringList{"A", "B", "C"} << Direction::Left << QStringList{".", ".", "."};
    QTest::newRow("up on one row") << QStringList{"ABC"} << Direction::Up << QStringList{"..."};
    QTest::newRow("down and right on one cell")
        << QStringList{"F"} << Direction::DownRight << QStringList{"."};
    QTest::newRow("wide rectangle down")
        << QStringList{"1234", "5678"} << Direction::Down << QStringList{"....", "1234"};
}

void MovesTest::moveByOneCell()
{
    QFETCH(QStringList, before);
    QFETCH(Direction, direction);
    QFETCH(QStringList, after);

    CellGrid grid = GridArt::grid(before);
    Moves::move(grid, direction);
    QCOMPARE(GridArt::art(grid), after);
}

void MovesTest::rightThenLeftLosesTheLastColumn()
{
    CellGrid grid = GridArt::grid({"1234", "5678"});
    Moves::move(grid, Direction::Right);
    Moves::move(grid, Direction::Left);
    QCOMPARE(GridArt::art(grid), (QStringList{"123.", "567."}));
}

QTEST_GUILESS_MAIN(MovesTest)
#include "MovesTest.moc"
