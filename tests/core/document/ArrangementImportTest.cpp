#include "core/document/ArrangementImport.h"
#include "core/Error.h"
#include "core/document/Design.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace tessell;
using namespace tessell::test;

namespace {


// A design of the given size with every cell "5", a palette of its own and a file name.
void fiveDesign(Design &design, int columns, int rows)
{
    design.makeNew(columns, rows);
    CellGrid grid(columns, rows, QStringLiteral("5"));
    design.setGrid(grid);
    Palette p = design.palette();
    p[3].fill(qRgb(0, 0, 128));
    p[3].setName(QStringLiteral("Navy"));
    design.setPalette(p);
    design.setFileName(QStringLiteral("/designs/five.tsl"));
}
} // namespace

class ArrangementImportTest : public QObject {
    Q_OBJECT
private slots:
    void tenItemsOverFives();
    void lines_data();
    void lines();
    void lineEnds_data();
    void lineEnds();
    void longLine();
    void designFileOfAnotherSize();
    void unreadableFile();
};

// Three lines of ten A over a 160 x 100 design of 5s.
void ArrangementImportTest::tenItemsOverFives()
{
    Scratch scratch;
    const QString line = QStringLiteral("A,").repeated(9) + QStringLiteral("A");
    const QString path = scratch.write("ten.csv", fileOf({line, line, line}));
    Design design;
    fiveDesign(design, 160, 100);
    const Palette palette = design.palette();

    ArrangementImport::import(path, design);
    QCOMPARE(design.columns(), 160);
    QCOMPARE(design.rows(), 100);
    QVERIFY(design.palette() == palette);
    QCOMPARE(design.fileName(), QString());
    for (int r = 0; r < 100; ++r)
        for (int c = 0; c < 160; ++c) {
            const QString want = r < 3 ? (c < 10 ? "A" : "") : "5";
            if (design.cell(c, r) != want)
                QFAIL(qPrintable(QStringLiteral("cell %1,%2 is '%3'").arg(c).arg(r).arg(design.cell(c, r))));
        }
    // The check that follows every import makes the rest of those rows "0".
    QVERIFY(!design.listcheck());
    PieceCounts counts = design.reCount();
    QCOMPARE(counts[10], 30);
    QCOMPARE(counts[0], 3 * 150);
    QCOMPARE(counts[5], 97 * 160);
}

void ArrangementImportTest::lines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("cells");

    // Into a 4 x 3 design of 5s.
    QTest::newRow("commas") << QStringList{"0,1,2,3"} << QStringList{"0|1|2|3", "5|5|5|5", "5|5|5|5"};
    QTest::newRow("blanks instead of commas")
        << QStringList{"0 1 2"} << QStringList{"0|1|2|", "5|5|5|5", "5|5|5|5"};
    QTest::newRow("tabs and mixed separators")
        << QStringList{"0\t1, 2 ,3"} << QStringList{"0|1|2|3", "5|5|5|5", "5|5|5|5"};
    QTest::newRow("quoted items") << QStringList{"\"A\",\"B\",C"}
                                  << QStringList{"A|B|C|", "5|5|5|5", "5|5|5|5"};
    QTest::newRow("empty item is a blank")
        << QStringList{"0,,1"} << QStringList{"0| |1|", "5|5|5|5", "5|5|5|5"};
    QTest::newRow("empty line empties the row")
        << QStringList{"1,1,1,1", ""} << QStringList{"1|1|1|1", "|||", "5|5|5|5"};
    QTest::newRow("lines beyond the rows ignored")
        << QStringList{"1", "2", "3", "4", "6"} << QStringList{"1|||", "2|||", "3|||"};
    QTest::newRow("no lines at all") << QStringList{} << QStringList{"5|5|5|5", "5|5|5|5", "5|5|5|5"};
    // Only exactly "tsfile" makes a design file; other letter case is a row.
    QTest::newRow("TSFILE is a row") << QStringList{"TSFILE,2,2", "7"}
                                     << QStringList{"TSFILE|2|2|", "7|||", "5|5|5|5"};
    QTest::newRow("invalid items kept as they are")
        << QStringList{"10,G,a,0F"} << QStringList{"10|G|a|0F", "5|5|5|5", "5|5|5|5"};
}

void ArrangementImportTest::lines()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, cells);
    Scratch scratch;
    const QString path = scratch.write("a.csv", fileOf(lines));
    Design design;
    fiveDesign(design, 4, 3);
    ArrangementImport::import(path, design);
    QCOMPARE(cellsOf(design), cells);
    QCOMPARE(design.fileName(), QString());
}

void ArrangementImportTest::lineEnds_data()
{
    QTest::addColumn<QByteArray>("eol");
    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("CR") << QByteArray("\r");
    QTest::newRow("LF") << QByteArray("\n");
}

void ArrangementImportTest::lineEnds()
{
    QFETCH(QByteArray, eol);
    Scratch scratch;
    const QString path = scratch.write("e.csv", fileOf({"1,2", "3,4"}, eol));
    Design design;
    fiveDesign(design, 2, 3);
    ArrangementImport::import(path, design);
    QCOMPARE(cellsOf(design), (QStringList{"1|2", "3|4", "5|5"}));
}

// 200 items in a 160-column design: the last 40 go nowhere, not into the next row.
void ArrangementImportTest::longLine()
{
    QStringList items;
    for (int i = 0; i < 200; ++i)
        items << (i < 160 ? CellGrid::digit(i % 10) : QStringLiteral("F"));
    Scratch scratch;
    const QString path = scratch.write("long.csv", fileOf({items.join(',')}));
    Design design;
    fiveDesign(design, 160, 2);
    ArrangementImport::import(path, design);
    for (int c = 0; c < 160; ++c)
        QCOMPARE(design.cell(c, 0), CellGrid::digit(c % 10));
    QCOMPARE(design.grid().rowText(1), QStringLiteral("5,").repeated(159) + QStringLiteral("5"));
    QCOMPARE(design.reCount()[15], 0);
}

// A design file is taken by its cell lines only, laid into the current size.
void ArrangementImportTest::designFileOfAnotherSize()
{
    QStringList lines{"tsfile,2,2"};
    for (int n = 0; n < 16; ++n)
        lines << QStringLiteral("clRed,").repeated(20) + QStringLiteral("Red");
    lines << "1,2"
          << "3,4";
    Scratch scratch;
    const QString path = scratch.write("other.tsl", fileOf(lines));
    Design design;
    fiveDesign(design, 4, 3);
    const Palette palette = design.palette();
    ArrangementImport::import(path, design);
    QCOMPARE(design.columns(), 4);
    QCOMPARE(design.rows(), 3);
    QVERIFY(design.palette() == palette);
    QCOMPARE(cellsOf(design), (QStringList{"1|2||", "3|4||", "5|5|5|5"}));
    QCOMPARE(design.fileName(), QString());
}

void ArrangementImportTest::unreadableFile()
{
    Scratch scratch;
    const QString path = scratch.file("missing.csv");
    Design design;
    fiveDesign(design, 4, 3);
    const CellGrid grid = design.grid();
    try {
        ArrangementImport::import(path, design);
        QFAIL("no error");
    } catch (const Error &e) {
        QCOMPARE(e.text(), QString::fromUtf8("ファイル %1 は開けません").arg(path));
    }
    QVERIFY(design.grid() == grid);
    QCOMPARE(design.fileName(), QStringLiteral("/designs/five.tsl"));
}

QTEST_GUILESS_MAIN(ArrangementImportTest)
#include "ArrangementImportTest.moc"
