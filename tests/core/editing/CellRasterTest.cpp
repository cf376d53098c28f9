#include "core/editing/CellRaster.h"

#include "GridArt.h"

#include <QtTest>

using namespace tessell;

Q_DECLARE_METATYPE(ShapeKind)

namespace {
// Draws one shape with number 1 on a blank grid and answers the picture.
QStringList drawn(int columns, int rows, ShapeKind kind, QPoint start, QPoint end, int width)
{
    CellGrid grid(columns, rows);
    CellRaster raster(grid);
    raster.drawShape(kind, start, end, width, 1);
    raster.writeBack(grid);
    return GridArt::art(grid);
}

QSet<QPoint> inkCells(const QStringList &art)
{
    QSet<QPoint> cells;
    for (int r = 0; r < art.size(); ++r)
        for (int c = 0; c < art[r].size(); ++c)
            if (art[r][c] != u'.')
                cells.insert(QPoint(c, r));
    return cells;
}
} // namespace

class CellRasterTest : public QObject {
    Q_OBJECT
private slots:
    void floodFill_data();
    void floodFill();
    void floodFillAnswersFilledCells();
    void writeBackNormalisesAndKeepsNonNumbers();
    void shapes_data();
    void shapes();
    void rectangleSameWhicheverWayDragged_data();
    void rectangleSameWhicheverWayDragged();
    void wideOutlinesCentredAndSymmetric_data();
    void wideOutlinesCentredAndSymmetric();
    void shapesAtTheEdgeStayInside_data();
    void shapesAtTheEdgeStayInside();
};

void CellRasterTest::floodFill_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("no leak through a corner") << QStringList{"11..", "11..", "..11", "..11"} << QPoint(0, 0)
                                              << 5 << QStringList{"55..", "55..", "..11", "..11"};
    QTest::newRow("own number changes nothing")
        << QStringList{"11..", "1.3.", "...."} << QPoint(0, 0) << 1 << QStringList{"11..", "1.3.", "...."};
    // The fill has to turn back up into each prong of the comb.
    QTest::newRow("comb reached from one prong")
        << QStringList{".......", ".1.1.1.", ".1.1.1.", ".11111.", "......."} << QPoint(1, 1) << 2
        << QStringList{".......", ".2.2.2.", ".2.2.2.", ".22222.", "......."};
    QTest::newRow("background around a closed ring")
        << QStringList{"......", ".333..", ".3.3..", ".333..", "......"} << QPoint(5, 4) << 7
        << QStringList{"777777", "733377", "73.377", "733377", "777777"};
    QTest::newRow("inside of a ring only")
        << QStringList{"......", ".333..", ".3.3..", ".333..", "......"} << QPoint(2, 2) << 15
        << QStringList{"......", ".333..", ".3F3..", ".333..", "......"};
    QTest::newRow("spiral corridor") << QStringList{"44444", "....4", "444.4", "4...4", "44444"}
                                     << QPoint(0, 1) << 9
                                     << QStringList{"44444", "99994", "44494", "49994", "44444"};
    QTest::newRow("a cell that is not a number fills nothing")
        << QStringList{"GG.", "G.."} << QPoint(0, 0) << 4 << QStringList{"GG.", "G.."};
}

void CellRasterTest::floodFill()
{
    QFETCH(QStringList, before);
    QFETCH(QPoint, cell);
    QFETCH(int, number);
    QFETCH(QStringList, after);

    CellGrid grid = GridArt::grid(before);
    CellRaster raster(grid);
    raster.floodFill(cell, number);
    raster.writeBack(grid);
    QCOMPARE(GridArt::art(grid), after);
}

void CellRasterTest::floodFillAnswersFilledCells()
{
    CellGrid grid = GridArt::grid({"......", ".333..", ".3.3..", ".333..", "......"});
    CellRaster raster(grid);
    QCOMPARE(raster.floodFill(QPoint(2, 1), 8), QRect(1, 1, 3, 3));
    QCOMPARE(raster.floodFill(QPoint(2, 1), 8), QRect());
    QCOMPARE(raster.floodFill(QPoint(6, 0), 8), QRect());
    QCOMPARE(raster.writeBack(grid), QRect(1, 1, 3, 3));
}

void CellRasterTest::writeBackNormalisesAndKeepsNonNumbers()
{
    CellGrid grid = GridArt::grid({"a.G", "..."});
    grid.setCell(1, 1, QStringLiteral("0F"));
    CellRaster raster(grid);
    QCOMPARE(raster.number(0, 0), 10);
    QCOMPARE(raster.number(2, 0), int(CellRaster::NotANumber));
    QCOMPARE(raster.writeBack(grid), QRect(0, 0, 2, 2));
    QCOMPARE(GridArt::art(grid), (QStringList{"A.G", ".F."}));
}

void CellRasterTest::shapes_data()
{
    QTest::addColumn<ShapeKind>("kind");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("expected");

    const auto L = ShapeKind::Line, R = ShapeKind::Rectangle, E = ShapeKind::Ellipse;
    QTest::newRow("line end cell excluded")
        << L << QPoint(2, 2) << QPoint(6, 2) << 1
        << QStringList{"..........", "..........", "..1111....", "..........", ".........."};
    QTest::newRow("line drawn leftwards")
        << L << QPoint(6, 2) << QPoint(2, 2) << 1
        << QStringList{"..........", "..........", "...1111...", "..........", ".........."};
    QTest::newRow("line downwards") << L << QPoint(3, 0) << QPoint(3, 4) << 1
                                    << QStringList{"...1......", "...1......", "...1......", "...1......",
                                                   ".........."};
    QTest::newRow("line diagonal") << L << QPoint(1, 0) << QPoint(5, 4) << 1
                                   << QStringList{".1........", "..1.......", "...1......", "....1.....",
                                                  ".........."};
    // Exact halves (x = 1 and 3) round toward the end.
    QTest::newRow("line shallow with halves")
        << L << QPoint(0, 0) << QPoint(4, 2) << 1
        << QStringList{"1.........", ".11.......", "...1......", "..........", ".........."};
    QTest::newRow("line steep") << L << QPoint(0, 0) << QPoint(1, 3) << 1
                                << QStringList{"1.........", "1.........", ".1........", "..........",
                                               ".........."};
    QTest::newRow("line of one cell, width 1")
        << L << QPoint(4, 2) << QPoint(4, 2) << 1 << GridArt::blank(10, 5);
    QTest::newRow("line of one cell, width 3")
        << L << QPoint(4, 2) << QPoint(4, 2) << 3
        << QStringList{"..........", "...111....", "...111....", "...111....", ".........."};
    QTest::newRow("line width 2") << L << QPoint(2, 2) << QPoint(6, 2) << 2
                                  << QStringList{"..........", ".111111...", ".111111...", "..........",
                                                 ".........."};
    QTest::newRow("line width 3") << L << QPoint(2, 2) << QPoint(6, 2) << 3
                                  << QStringList{"..........", ".1111111..", ".1111111..", ".1111111..",
                                                 ".........."};
    QTest::newRow("line width 4") << L << QPoint(2, 2) << QPoint(6, 2) << 4
                                  << QStringList{".111111...", "11111111..", "11111111..", ".111111...",
                                                 ".........."};
    QTest::newRow("line width 5") << L << QPoint(2, 2) << QPoint(6, 2) << 5
                                  << QStringList{".1111111..", "111111111.", "111111111.", "111111111.",
                                                 ".1111111.."};

    QTest::newRow("rectangle width 1")
        << R << QPoint(2, 2) << QPoint(6, 5) << 1
        << QStringList{"..........", "..........", "..1111....", "..1..1....", "..1111....", ".........."};
    QTest::newRow("rectangle one cell")
        << R << QPoint(3, 3) << QPoint(4, 4) << 1
        << QStringList{"..........", "..........", "..........", "...1......", "..........", ".........."};
    QTest::newRow("rectangle sharing a column")
        << R << QPoint(2, 1) << QPoint(2, 5) << 3 << GridArt::blank(10, 6);
    QTest::newRow("rectangle sharing a row")
        << R << QPoint(1, 2) << QPoint(7, 2) << 1 << GridArt::blank(10, 6);
    QTest::newRow("rectangle width 3") << R << QPoint(1, 1) << QPoint(8, 7) << 3
                                       << QStringList{"111111111.", "111111111.", "111111111.", "111...111.",
                                                      "111...111.", "111111111.", "111111111.", "111111111."};

    QTest::newRow("ellipse 5 x 5") << E << QPoint(0, 0) << QPoint(5, 5) << 1
                                   << QStringList{".111.", "1...1", "1...1", "1...1", ".111."};
    QTest::newRow("ellipse dragged up and left")
        << E << QPoint(5, 5) << QPoint(0, 0) << 1 << QStringList{".111.", "1...1", "1...1", "1...1", ".111."};
    QTest::newRow("ellipse 4 x 4") << E << QPoint(0, 0) << QPoint(4, 4) << 1
                                   << QStringList{".11.", "1..1", "1..1", ".11."};
    QTest::newRow("ellipse 3 x 3") << E << QPoint(0, 0) << QPoint(3, 3) << 1
                                   << QStringList{".1.", "1.1", ".1."};
    QTest::newRow("ellipse flat 8 x 3")
        << E << QPoint(0, 0) << QPoint(8, 3) << 1 << QStringList{".111111.", "1......1", ".111111."};
    QTest::newRow("ellipse one column wide")
        << E << QPoint(2, 1) << QPoint(3, 4) << 1 << QStringList{"....", "..1.", "..1.", "..1.", "...."};
    QTest::newRow("ellipse sharing a row") << E << QPoint(0, 2) << QPoint(3, 2) << 2 << GridArt::blank(4, 4);
}

void CellRasterTest::shapes()
{
    QFETCH(ShapeKind, kind);
    QFETCH(QPoint, start);
    QFETCH(QPoint, end);
    QFETCH(int, width);
    QFETCH(QStringList, expected);

    QCOMPARE(drawn(int(expected.first().size()), int(expected.size()), kind, start, end, width), expected);
}

void CellRasterTest::rectangleSameWhicheverWayDragged_data()
{
    QTest::addColumn<int>("width");
    for (int w = 1; w <= 5; ++w)
        QTest::addRow("width %d", w) << w;
}

void CellRasterTest::rectangleSameWhicheverWayDragged()
{
    QFETCH(int, width);
    for (ShapeKind kind : {ShapeKind::Rectangle, ShapeKind::Ellipse}) {
        const QStringList fromTopLeft = drawn(16, 14, kind, QPoint(3, 3), QPoint(12, 10), width);
        QVERIFY(inkCells(fromTopLeft).size() > 0);
        QCOMPARE(drawn(16, 14, kind, QPoint(12, 10), QPoint(3, 3), width), fromTopLeft);
        QCOMPARE(drawn(16, 14, kind, QPoint(12, 3), QPoint(3, 10), width), fromTopLeft);
        QCOMPARE(drawn(16, 14, kind, QPoint(3, 10), QPoint(12, 3), width), fromTopLeft);
    }
    if (width == 1)
        QCOMPARE(drawn(10, 8, ShapeKind::Rectangle, QPoint(6, 5), QPoint(2, 2), 1),
                 drawn(10, 8, ShapeKind::Rectangle, QPoint(2, 2), QPoint(6, 5), 1));
}

void CellRasterTest::wideOutlinesCentredAndSymmetric_data()
{
    QTest::addColumn<ShapeKind>("kind");
    QTest::addColumn<int>("width");
    QTest::addColumn<QRect>("box");
    for (int w = 1; w <= 5; ++w) {
        QTest::addRow("rectangle odd box width %d", w) << ShapeKind::Rectangle << w << QRect(6, 5, 9, 7);
        QTest::addRow("ellipse odd box width %d", w) << ShapeKind::Ellipse << w << QRect(6, 5, 11, 9);
        QTest::addRow("ellipse even box width %d", w) << ShapeKind::Ellipse << w << QRect(6, 5, 12, 8);
        QTest::addRow("ellipse flat box width %d", w) << ShapeKind::Ellipse << w << QRect(5, 8, 16, 3);
    }
}

// The outline's cells lie around the box's path with the brush's reach on
// each side, and mirror into themselves about the box's middle (even widths
// sit half a cell further up and left, so they mirror one cell shorter).
void CellRasterTest::wideOutlinesCentredAndSymmetric()
{
    QFETCH(ShapeKind, kind);
    QFETCH(int, width);
    QFETCH(QRect, box);

    const QStringList art = drawn(26, 22, kind, box.topLeft(), box.bottomRight() + QPoint(1, 1), width);
    const QSet<QPoint> cells = inkCells(art);
    const int before = width / 2, after = (width - 1) / 2;
    const QRect reach = box.adjusted(-before, -before, after, after);
    int left = 99, right = -1, top = 99, bottom = -1;
    for (const QPoint &p : cells) {
        left = qMin(left, p.x());
        right = qMax(right, p.x());
        top = qMin(top, p.y());
        bottom = qMax(bottom, p.y());
    }
    QCOMPARE(QRect(QPoint(left, top), QPoint(right, bottom)), reach);
    const int mirrorX = box.left() + box.right() - (width % 2 == 0 ? 1 : 0);
    const int mirrorY = box.top() + box.bottom() - (width % 2 == 0 ? 1 : 0);
    for (const QPoint &p : cells) {
        QVERIFY2(cells.contains(QPoint(mirrorX - p.x(), p.y())), qPrintable(art.join(u'\n')));
        QVERIFY2(cells.contains(QPoint(p.x(), mirrorY - p.y())), qPrintable(art.join(u'\n')));
    }
    // The middle of a box wider than the pen on both sides stays clear.
    if (qMin(box.width(), box.height()) > width + 1)
        QCOMPARE(art[box.center().y()][box.center().x()], QChar(u'.'));
}

void CellRasterTest::shapesAtTheEdgeStayInside_data()
{
    QTest::addColumn<ShapeKind>("kind");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<QStringList>("expected");

    // Width 5 reaches two cells out; the parts beyond the grid are dropped.
    QTest::newRow("line along the top edge")
        << ShapeKind::Line << QPoint(0, 0) << QPoint(3, 0)
        << QStringList{"111111....", "111111....", "11111.....", ".........."};
    QTest::newRow("rectangle over the whole grid")
        << ShapeKind::Rectangle << QPoint(0, 0) << QPoint(10, 4)
        << QStringList{"1111111111", "1111111111", "1111111111", "1111111111"};
    QTest::newRow("line to the far corner")
        << ShapeKind::Line << QPoint(9, 3) << QPoint(9, 3)
        << QStringList{"..........", "........11", ".......111", ".......111"};
}

void CellRasterTest::shapesAtTheEdgeStayInside()
{
    QFETCH(ShapeKind, kind);
    QFETCH(QPoint, start);
    QFETCH(QPoint, end);
    QFETCH(QStringList, expected);

    CellGrid grid(10, 4);
    CellRaster raster(grid);
    const QRect covered = raster.drawShape(kind, start, end, 5, 1);
    QVERIFY(QRect(0, 0, 10, 4).contains(covered));
    raster.writeBack(grid);
    QCOMPARE(grid.columns(), 10);
    QCOMPARE(grid.rows(), 4);
    QCOMPARE(GridArt::art(grid), expected);
}

QTEST_GUILESS_MAIN(CellRasterTest)
#include "CellRasterTest.moc"
