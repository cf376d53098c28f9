#include "support/TestSupport.h"
#include "core/document/Design.h"
#include "core/document/CellGrid.h"

#include <QSignalSpy>
#include <QTest>

using namespace tessell;
using namespace tessell::test;

Q_DECLARE_METATYPE(std::optional<QPoint>)

namespace {
// Rows of cells written as "a|b|c" so that empty cells and blanks stay visible.
CellGrid gridOf(const QStringList &rows)
{
    const int columns = int(rows.value(0).split('|').size());
    CellGrid grid(columns, int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList cells = rows[r].split('|');
        for (int c = 0; c < columns; ++c)
            grid.setCell(c, r, cells.value(c));
    }
    return grid;
}

} // namespace

class DesignTest : public QObject {
    Q_OBJECT
private slots:
    void defaultDesign();
    void setRow_data();
    void setRow();
    void rowText_data();
    void rowText();
    void cellsOfEveryForm_data();
    void cellsOfEveryForm();
    void editCellsReportsWhatChanged();
    void reCount_data();
    void reCount();
    void listcheck_data();
    void listcheck();
    void modified();
    void resizeCanvas();
};

void DesignTest::defaultDesign()
{
    Design design;
    design.makeNew(Design::DefaultColumns, Design::DefaultRows);
    QCOMPARE(design.columns(), 160);
    QCOMPARE(design.rows(), 100);
    PieceCounts expected{};
    expected[0] = 16000;
    QCOMPARE(design.reCount(), expected);
    for (const PaletteEntry &e : design.palette()) {
        QCOMPARE(e.name(), QStringLiteral("None"));
        QCOMPARE(e.meanColor(), qRgb(255, 255, 255));
    }
    QVERIFY(!design.isModified());
    QVERIFY(!design.listcheck());
}

void DesignTest::setRow_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("cells");

    // A 5 x 2 grid starting as all 7.
    QTest::newRow("full row") << "0,0,3,F,F" << 0 << QStringList{"0|0|3|F|F", "7|7|7|7|7"};
    QTest::newRow("short row leaves cells empty") << "1,2" << 0 << QStringList{"1|2|||", "7|7|7|7|7"};
    QTest::newRow("empty item is a blank") << "1,,2" << 1 << QStringList{"7|7|7|7|7", "1| |2||"};
    QTest::newRow("trailing comma is a blank cell") << "1," << 0 << QStringList{"1| |||", "7|7|7|7|7"};
    QTest::newRow("extra items dropped") << "1,2,3,4,5,6,7,8" << 0 << QStringList{"1|2|3|4|5", "7|7|7|7|7"};
    QTest::newRow("empty line empties the row") << "" << 1 << QStringList{"7|7|7|7|7", "||||"};
    QTest::newRow("blanks instead of commas") << "A B C" << 0 << QStringList{"A|B|C||", "7|7|7|7|7"};
    QTest::newRow("quoted item kept whole") << "\"1 2\",3" << 0 << QStringList{"1 2|3|||", "7|7|7|7|7"};
    QTest::newRow("row past the last ignored") << "1,1,1,1,1" << 2 << QStringList{"7|7|7|7|7", "7|7|7|7|7"};
    QTest::newRow("negative row ignored") << "1,1,1,1,1" << -1 << QStringList{"7|7|7|7|7", "7|7|7|7|7"};
}

void DesignTest::setRow()
{
    QFETCH(QString, line);
    QFETCH(int, row);
    QFETCH(QStringList, cells);
    CellGrid grid(5, 2, QStringLiteral("7"));
    grid.setRowFromText(row, line);
    QCOMPARE(cellsOf(grid), cells);
}

void DesignTest::rowText_data()
{
    QTest::addColumn<QString>("cells");
    QTest::addColumn<QString>("text");
    QTest::newRow("digits") << "0|A|F"
                            << "0,A,F";
    QTest::newRow("empty cells") << "1||"
                                 << "1,,";
    QTest::newRow("blank cell quoted") << "1| |2"
                                       << "1,\" \",2";
    QTest::newRow("one column, empty cell") << ""
                                            << "\"\"";
    // Cells kept aside from the one-byte store, and characters that need quotes.
    QTest::newRow("long, wide and quoted cells") << "10|あ|\"|,|a"
                                                 << "10,あ,\"\"\"\",\",\",a";
}

// The row text is what files hold and what the unsaved-change check compares.
void DesignTest::rowText()
{
    QFETCH(QString, cells);
    QFETCH(QString, text);
    const CellGrid grid = gridOf({cells});
    QCOMPARE(grid.rowText(0), text);
}

void DesignTest::cellsOfEveryForm_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("digit") << "7" << 7;
    QTest::newRow("letter") << "F" << 15;
    QTest::newRow("lower case") << "b" << 11;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("blank") << " " << -1;
    QTest::newRow("two characters") << "10" << -1;
    QTest::newRow("leading zero") << "0A" << 10;
    QTest::newRow("wide character") << "あ" << -1;
    QTest::newRow("control character") << QString(QChar(1)) << -1;
}

// Ordinary cells take one byte and others are kept aside; either way a cell
// reads back as written, and overwriting it leaves no trace.
void DesignTest::cellsOfEveryForm()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    CellGrid grid(3, 2);
    grid.setCell(1, 1, text);
    QCOMPARE(grid.cell(1, 1), text);
    QCOMPARE(grid.numberAt(1, 1), number);
    QCOMPARE(grid.numberAt(1, 1), CellGrid::cellValue(text).value_or(-1));
    QCOMPARE(grid.cell(0, 1), QStringLiteral("0"));
    QVERIFY(grid != CellGrid(3, 2) || text == QLatin1String("0"));
    grid.setCell(1, 1, QStringLiteral("0"));
    QCOMPARE(grid, CellGrid(3, 2));
    // A whole grid filled with the text keeps it in every cell.
    const CellGrid filled(2, 2, text);
    QCOMPARE(filled.cell(1, 1), text);
    CellGrid resized = filled;
    resized.resize(3, 3);
    QCOMPARE(resized.cell(1, 1), text);
    QCOMPARE(resized.cell(2, 2), QStringLiteral("0"));
}

void DesignTest::editCellsReportsWhatChanged()
{
    Design design;
    QSignalSpy spy(&design, &Design::cellsChanged);
    const QRect changed = design.editCells([](CellGrid &grid) {
        grid.setCell(3, 4, QStringLiteral("A"));
        return QRect(3, 4, 1, 1);
    });
    QCOMPARE(changed, QRect(3, 4, 1, 1));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy[0][0].toRect(), QRect(3, 4, 1, 1));
    // An edit that changed nothing tells nobody.
    design.editCells([](CellGrid &) { return QRect(); });
    QCOMPARE(spy.size(), 1);
}

void DesignTest::reCount_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QList<int>>("counts");

    auto counts = [](std::initializer_list<std::pair<int, int>> pairs) {
        QList<int> c(16, 0);
        for (auto [n, v] : pairs)
            c[n] = v;
        return c;
    };
    QTest::newRow("digits") << QStringList{"0|1|2", "F|F|A"}
                            << counts({{0, 1}, {1, 1}, {2, 1}, {10, 1}, {15, 2}});
    QTest::newRow("lower case counted nowhere") << QStringList{"a|f|A"} << counts({{10, 1}});
    QTest::newRow("leading zero counts both digits")
        << QStringList{"0F|1"} << counts({{0, 1}, {15, 1}, {1, 1}});
    QTest::newRow("empty and blank cells count nothing") << QStringList{"| |5"} << counts({{5, 1}});
    QTest::newRow("invalid cells count their digits")
        << QStringList{"10|G|AA"} << counts({{1, 1}, {0, 1}, {10, 2}});
}

void DesignTest::reCount()
{
    QFETCH(QStringList, rows);
    QFETCH(QList<int>, counts);
    Design design;
    design.setGrid(gridOf(rows));
    const PieceCounts got = design.reCount();
    QCOMPARE(QList<int>(got.begin(), got.end()), counts);
}

void DesignTest::listcheck_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<std::optional<QPoint>>("bad");
    QTest::addColumn<QStringList>("after");

    const std::optional<QPoint> none;
    QTest::newRow("all valid") << QStringList{"0|9|F", "A|B|C"} << none << QStringList{"0|9|F", "A|B|C"};
    QTest::newRow("empty cells become 0") << QStringList{"||", "||"} << none << QStringList{"0|0|0", "0|0|0"};
    QTest::newRow("valid other forms kept")
        << QStringList{"0F|a|f", "00|000F|e"} << none << QStringList{"0F|a|f", "00|000F|e"};
    QTest::newRow("10 fails") << QStringList{"0|0|10", "0|0|0"} << std::optional<QPoint>(QPoint(2, 0))
                              << QStringList{"0|0|10", "0|0|0"};
    QTest::newRow("blank then 5 fails")
        << QStringList{"0|0|0", " 5|0|0"} << std::optional<QPoint>(QPoint(0, 1))
        << QStringList{"0|0|0", " 5|0|0"};
    QTest::newRow("G fails") << QStringList{"0|G|0", "0|0|0"} << std::optional<QPoint>(QPoint(1, 0))
                             << QStringList{"0|G|0", "0|0|0"};
    QTest::newRow("blank cell fails") << QStringList{"0|0|0", "0| |0"} << std::optional<QPoint>(QPoint(1, 1))
                                      << QStringList{"0|0|0", "0| |0"};
    QTest::newRow("sign fails") << QStringList{"-1|0|0", "0|0|0"} << std::optional<QPoint>(QPoint(0, 0))
                                << QStringList{"-1|0|0", "0|0|0"};
    QTest::newRow("hex prefix fails") << QStringList{"$5|0|0", "0|0|0"} << std::optional<QPoint>(QPoint(0, 0))
                                      << QStringList{"$5|0|0", "0|0|0"};
    // Row by row: (1, 0) comes before (0, 1) although its column is later.
    QTest::newRow("first by row then column")
        << QStringList{"0|X|0", "Y|0|0"} << std::optional<QPoint>(QPoint(1, 0))
        << QStringList{"0|X|0", "Y|0|0"};
    // The visit stops at the first invalid cell: empty cells after it stay empty.
    QTest::newRow("stops at the first")
        << QStringList{"|G|", "||"} << std::optional<QPoint>(QPoint(1, 0)) << QStringList{"0|G|", "||"};
}

void DesignTest::listcheck()
{
    QFETCH(QStringList, rows);
    QFETCH(std::optional<QPoint>, bad);
    QFETCH(QStringList, after);
    Design design;
    design.setGrid(gridOf(rows));
    QCOMPARE(design.listcheck(), bad);
    QCOMPARE(cellsOf(design.grid()), after);
}

void DesignTest::modified()
{
    Design design;
    design.makeNew(3, 2);
    design.changeFirstContent();
    QVERIFY(!design.isModified());

    design.setCell(1, 1, QStringLiteral("A"));
    QVERIFY(design.isModified());
    design.setCell(1, 1, QStringLiteral("0"));
    QVERIFY(!design.isModified());

    // Palette changes alone do not count.
    Palette palette = design.palette();
    palette[3].fill(qRgb(1, 2, 3));
    palette[3].setName(QStringLiteral("Dark"));
    design.setPalette(palette);
    QVERIFY(!design.isModified());

    // An emptied cell differs from "0" until the check fills it in.
    design.setCell(0, 0, QString());
    QVERIFY(design.isModified());
    QVERIFY(!design.listcheck());
    QVERIFY(!design.isModified());
}

void DesignTest::resizeCanvas()
{
    Design design;
    design.setGrid(gridOf({"1|2", "3|4"}));
    QSignalSpy sized(&design, &Design::sizeChanged);
    design.resizeCanvas(3, 1);
    QCOMPARE(cellsOf(design.grid()), (QStringList{"1|2|0"}));
    design.resizeCanvas(1, 2);
    QCOMPARE(cellsOf(design.grid()), (QStringList{"1", "0"}));
    QCOMPARE(sized.count(), 2);
}

QTEST_GUILESS_MAIN(DesignTest)
#include "DesignTest.moc"
