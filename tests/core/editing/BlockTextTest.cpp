#include "core/editing/BlockText.h"
#include "core/Error.h"

#include "GridArt.h"

#include <QtTest>

using namespace tessell;

class BlockTextTest : public QObject {
    Q_OBJECT
private slots:
    void parseWellFormed_data();
    void parseWellFormed();
    void parseRefusesMalformed_data();
    void parseRefusesMalformed();
    void liftTakesCellsAndLeavesZeros_data();
    void liftTakesCellsAndLeavesZeros();
    void liftThenPlaceUnmovedRestores();
    void place_data();
    void place();
    void wideBlockIntoNarrowDesign();
};

void BlockTextTest::parseWellFormed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("formatted");

    QTest::newRow("two by one") << "tsdata,2,1,3,A" << 2 << 1 << QStringList{"3", "A"} << "tsdata,2,1,3,A";
    QTest::newRow("one cell") << "tsdata,1,1,F" << 1 << 1 << QStringList{"F"} << "tsdata,1,1,F";
    QTest::newRow("transparent values")
        << "tsdata,2,2,0,-1,-1,9" << 2 << 2 << QStringList{"0", "-1", "-1", "9"} << "tsdata,2,2,0,-1,-1,9";
    QTest::newRow("lower case taken as upper")
        << "tsdata,3,1,a,f,b" << 3 << 1 << QStringList{"A", "F", "B"} << "tsdata,3,1,A,F,B";
    QTest::newRow("line break after the text") << "tsdata,1,2,5,6\r\n"
                                               << 1 << 2 << QStringList{"5", "6"} << "tsdata,1,2,5,6";
    QTest::newRow("blanks between items")
        << "tsdata, 1, 1, 7" << 1 << 1 << QStringList{"7"} << "tsdata,1,1,7";
}

void BlockTextTest::parseWellFormed()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QStringList, values);
    QFETCH(QString, formatted);

    const BlockText block = BlockText::parse(text);
    QCOMPARE(block.width(), width);
    QCOMPARE(block.height(), height);
    QStringList read;
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c)
            read << block.value(c, r);
    QCOMPARE(read, values);
    QCOMPARE(block.format(), formatted);
    QCOMPARE(BlockText::parse(block.format()), block);
}

void BlockTextTest::parseRefusesMalformed_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("token only") << "tsdata";
    QTest::newRow("no height") << "tsdata,1";
    QTest::newRow("no values") << "tsdata,1,1";
    QTest::newRow("other token") << "tsdat,1,1,0";
    QTest::newRow("token in upper case") << "TSDATA,1,1,0";
    QTest::newRow("width not a number") << "tsdata,x,1,0";
    QTest::newRow("height not a number") << "tsdata,1,y,0";
    QTest::newRow("width with a fraction") << "tsdata,1.5,2,0,0,0";
    QTest::newRow("zero size") << "tsdata,0,0";
    QTest::newRow("zero width") << "tsdata,0,3";
    QTest::newRow("negative sizes whose product fits") << "tsdata,-1,-1,0";
    QTest::newRow("too few values") << "tsdata,2,1,0";
    QTest::newRow("too many values") << "tsdata,1,1,0,0";
    QTest::newRow("trailing comma") << "tsdata,1,1,0,";
    QTest::newRow("empty value") << "tsdata,2,1,,0";
    QTest::newRow("quoted empty value") << "tsdata,1,1,\"\"";
    QTest::newRow("value G") << "tsdata,1,1,G";
    QTest::newRow("value 10") << "tsdata,1,1,10";
    QTest::newRow("value with leading zero") << "tsdata,1,1,0F";
    QTest::newRow("value -2") << "tsdata,1,1,-2";
    QTest::newRow("value +1") << "tsdata,1,1,+1";
    QTest::newRow("value full-width digit") << QString::fromUtf8("tsdata,1,1,１");
}

void BlockTextTest::parseRefusesMalformed()
{
    QFETCH(QString, text);
    try {
        BlockText::parse(text);
        QFAIL("accepted");
    } catch (const Error &e) {
        QCOMPARE(e.text(), QString::fromUtf8("クリップボードの内容が正しくありません。"));
    }
}

void BlockTextTest::liftTakesCellsAndLeavesZeros_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("block");
    QTest::addColumn<QStringList>("left");

    QTest::newRow("one cell") << QRect(2, 1, 1, 1) << "tsdata,1,1,8"
                              << QStringList{"12345", "67.9A", "BCDEF"};
    QTest::newRow("two by two") << QRect(3, 1, 2, 2) << "tsdata,2,2,9,A,E,F"
                                << QStringList{"12345", "678..", "BCD.."};
    QTest::newRow("clipped to the grid")
        << QRect(3, 2, 5, 4) << "tsdata,2,1,E,F" << QStringList{"12345", "6789A", "BCD.."};
    QTest::newRow("whole grid") << QRect(0, 0, 5, 3) << "tsdata,5,3,1,2,3,4,5,6,7,8,9,A,B,C,D,E,F"
                                << GridArt::blank(5, 3);
}

void BlockTextTest::liftTakesCellsAndLeavesZeros()
{
    QFETCH(QRect, rect);
    QFETCH(QString, block);
    QFETCH(QStringList, left);

    CellGrid grid = GridArt::grid({"12345", "6789A", "BCDEF"});
    QCOMPARE(BlockText::lift(grid, rect).format(), block);
    QCOMPARE(GridArt::art(grid), left);
}

void BlockTextTest::liftThenPlaceUnmovedRestores()
{
    const QStringList before{"1a345", "67G9A", "BCDEF"};
    CellGrid grid = GridArt::grid(before);
    grid.setCell(0, 2, QStringLiteral("0B"));
    const CellGrid original = grid;
    const BlockText block = BlockText::lift(grid, QRect(0, 0, 4, 3));
    QCOMPARE(GridArt::art(grid), (QStringList{"....5", "....A", "....F"}));
    QCOMPARE(block.place(grid, QPoint(0, 0)), QRect(0, 0, 4, 3));
    QCOMPARE(grid, original);
}

void BlockTextTest::place_data()
{
    QTest::addColumn<QString>("block");
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QRect>("changed");

    const QStringList ones{"11111", "11111", "11111"};
    QTest::newRow("transparent cells keep the design")
        << "tsdata,3,2,-1,7,-1,7,-1,7" << QPoint(1, 0) << ones << QStringList{"11711", "17171", "11111"}
        << QRect(1, 0, 3, 2);
    QTest::newRow("all transparent changes nothing")
        << "tsdata,2,2,-1,-1,-1,-1" << QPoint(0, 0) << ones << ones << QRect();
    QTest::newRow("beyond the right and bottom edges dropped")
        << "tsdata,3,3,2,3,4,5,6,7,8,9,A" << QPoint(3, 1) << ones << QStringList{"11111", "11123", "11156"}
        << QRect(3, 1, 2, 2);
    QTest::newRow("beyond the left and top edges dropped")
        << "tsdata,2,2,2,3,4,5" << QPoint(-1, -1) << ones << QStringList{"51111", "11111", "11111"}
        << QRect(0, 0, 1, 1);
    QTest::newRow("entirely outside") << "tsdata,1,1,9" << QPoint(5, 0) << ones << ones << QRect();
}

void BlockTextTest::place()
{
    QFETCH(QString, block);
    QFETCH(QPoint, origin);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QRect, changed);

    CellGrid grid = GridArt::grid(before);
    QCOMPARE(BlockText::parse(block).place(grid, origin), changed);
    QCOMPARE(GridArt::art(grid), after);
}

// A block copied from a 160-column design and placed into a 50-column one:
// only its first 50 columns arrive.
void BlockTextTest::wideBlockIntoNarrowDesign()
{
    CellGrid wide(160, 100);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 160; ++c)
            wide.setCell(c, 10 + r, CellGrid::digit((c + r) % 15 + 1));
    const QString clipboard = BlockText::lift(wide, QRect(0, 10, 160, 3)).format();

    CellGrid narrow(50, 20);
    QCOMPARE(BlockText::parse(clipboard).place(narrow, QPoint(0, 0)), QRect(0, 0, 50, 3));
    QCOMPARE(narrow.columns(), 50);
    for (int r = 0; r < 20; ++r)
        for (int c = 0; c < 50; ++c)
            QCOMPARE(narrow.cell(c, r), r < 3 ? CellGrid::digit((c + r) % 15 + 1) : QStringLiteral("0"));
}

QTEST_GUILESS_MAIN(BlockTextTest)
#include "BlockTextTest.moc"
