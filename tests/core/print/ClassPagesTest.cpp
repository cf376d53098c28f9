#include "core/print/ClassPages.h"
#include "core/print/PageFixtures.h"
#include "core/print/PagePixels.h"
#include "core/print/RecordingTarget.h"
#include "support/TestSupport.h"

#include <QPainter>
#include <QTest>

using namespace tessell;
using namespace tessell::test;

namespace {
// Row r of the main grid at 100 rows starts at 75 + Trunc(r x 1017 / 101).
int rowTop(int r)
{
    return 75 + r * 1017 / 101;
}
} // namespace

class ClassPagesTest : public QObject {
    Q_OBJECT
private slots:
    void mainGridLines_data();
    void mainGridLines();
    void fills_data();
    void fills();
    void quantities();
    void lowerCaseDigits();
    void tablesSwitchedOff_data();
    void tablesSwitchedOff();
    void notesKeepEarlierText();
    void pageErrors_data();
    void pageErrors();
    void printRun_data();
    void printRun();
    void neighbours_data();
    void neighbours();
    void neighbourLook();
    void overview();
    void optionsOffGiveTodaysPages();
};

void ClassPagesTest::mainGridLines_data()
{
    // Page 15 of 7 x 7, 7 x 7, 8 x 7: 7 columns of 83 units at 37 + Trunc(c x 587 / 7),
    // 101 rows of 10 units. Probed at x 125 (inside column 1, clear of its digit).
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("line");
    QTest::newRow("heading row, half bottom line") << QPoint(125, 84) << true;
    QTest::newRow("heading row inside") << QPoint(125, 83) << false;
    QTest::newRow("row 5 has no bottom line") << QPoint(125, rowTop(5) + 9) << false;
    QTest::newRow("row 10, half line") << QPoint(125, rowTop(10) + 9) << true;
    QTest::newRow("row 10, one pixel only") << QPoint(125, rowTop(10) + 8) << false;
    QTest::newRow("row 11 starts clear") << QPoint(125, rowTop(11)) << false;
    QTest::newRow("row 100, double line") << QPoint(125, rowTop(100) + 9) << true;
    QTest::newRow("row 100, double line upper") << QPoint(125, rowTop(100) + 8) << true;
    QTest::newRow("row 100 inside") << QPoint(125, rowTop(100) + 7) << false;
    QTest::newRow("column 1, double left line") << QPoint(119, 150) << true;
    QTest::newRow("column 1, double left line inner") << QPoint(118, 150) << true;
    QTest::newRow("column 0 inside") << QPoint(117, 150) << false;
    QTest::newRow("column 2 at 204, left line") << QPoint(203, 150) << true;
    QTest::newRow("column 6 at 540, left line") << QPoint(539, 150) << true;
    QTest::newRow("column 6 inside") << QPoint(541, 150) << false;
    QTest::newRow("grid's top border") << QPoint(125, 74) << true;
    QTest::newRow("right border: the tables' left line") << QPoint(623, 150) << true;
}

void ClassPagesTest::mainGridLines()
{
    QFETCH(QPoint, at);
    QFETCH(bool, line);
    ClassPages pages(diagonal(), testPalette());
    pages.setOptions(optionsOf(kSplit22));
    QCOMPARE(pages.pageCount(), 22);
    QCOMPARE(dark(pages.pageImage(14), at.x(), at.y()), line);
}

void ClassPagesTest::fills_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("column"); // of the page
    QTest::addColumn<int>("row");    // of the main grid
    QTest::addColumn<int>("designColumn");
    QTest::newRow("page 1, first cell") << 0 << 0 << 1 << 0;
    QTest::newRow("page 15, column 1, row 10") << 14 << 1 << 10 << 99;
    QTest::newRow("page 15, last column, row 57") << 14 << 6 << 57 << 104;
    QTest::newRow("page 22, row 100") << 21 << 6 << 100 << 153;
}

void ClassPagesTest::fills()
{
    QFETCH(int, page);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(int, designColumn);
    const Palette palette = testPalette();
    ClassPages pages(diagonal(), palette);
    const QPoint inside(37 + column * 587 / 7 + 4, rowTop(row) + 1);
    const QPoint heading(inside.x(), rowTop(0) + 1);
    pages.setOptions(optionsOf(kSplit22, true));
    const QImage colour = pages.pageImage(page);
    const QRgb expected = palette[(designColumn + row - 1) % 16].meanColor();
    QCOMPARE(QColor(colour.pixel(inside)), QColor(expected));
    QVERIFY(expected != palette[(designColumn + row - 1) % 16].pixel(0, 0));
    QCOMPARE(colour.pixel(heading), qRgb(255, 255, 255));
    // Monochrome: digits only.
    pages.setOptions(optionsOf(kSplit22, false));
    QCOMPARE(pages.pageImage(page).pixel(inside), qRgb(255, 255, 255));
}

void ClassPagesTest::quantities()
{
    // Column c holds c mod 16: page 15 (columns 98..104) has digits 2..8, 100 each.
    CellGrid grid(160, 100);
    for (int r = 0; r < 100; ++r)
        for (int c = 0; c < 160; ++c)
            grid.setCell(c, r, CellGrid::digit(c % 16));
    ClassPages pages(grid, testPalette());
    pages.setOptions(optionsOf(kSplit22));
    pages.pageImage(14);
    const PieceCounts expected{0, 0, 100, 100, 100, 100, 100, 100, 100, 0, 0, 0, 0, 0, 0, 0};
    QCOMPARE(pages.quantities(), expected);
}

void ClassPagesTest::lowerCaseDigits()
{
    // A lower-case cell prints as stored, takes its entry's colour and counts nowhere.
    const Palette palette = testPalette();
    CellGrid upper(7, 20, QStringLiteral("3"));
    upper.setCell(2, 4, QStringLiteral("A"));
    CellGrid lower = upper;
    lower.setCell(2, 4, QStringLiteral("a"));
    ClassPages a(upper, palette), b(lower, palette);
    for (ClassPages *p : {&a, &b})
        p->setOptions(optionsOf(Distribution({1, 7}, {0, 1}, {0, 1}), true));
    const QImage withUpper = a.pageImage(0), withLower = b.pageImage(0);
    // Cell (2, row 5): 20 rows + 1 in 1017 units are 48 high, at 75 + Trunc(5 x 1017 / 21).
    const QRect cell(37 + 2 * 587 / 7, 75 + 5 * 1017 / 21, 83, 48);
    QCOMPARE(QColor(withLower.pixel(cell.topLeft() + QPoint(3, 3))), QColor(palette[10].meanColor()));
    QVERIFY(withUpper.copy(cell) != withLower.copy(cell));
    QCOMPARE(a.quantities()[10], 1);
    QCOMPARE(b.quantities()[10], 0);
    QCOMPARE(b.quantities()[3], 139);
}

void ClassPagesTest::tablesSwitchedOff_data()
{
    QTest::addColumn<bool>("numbers");
    QTest::addColumn<bool>("counts");
    QTest::newRow("both on") << true << true;
    QTest::newRow("number table off") << false << true;
    QTest::newRow("quantity table off") << true << false;
    QTest::newRow("both off") << false << false;
}

void ClassPagesTest::tablesSwitchedOff()
{
    QFETCH(bool, numbers);
    QFETCH(bool, counts);
    ClassPages pages(diagonal(), testPalette());
    ClassPageOptions o = optionsOf(kSplit22);
    o.numberTable = numbers;
    o.quantityTable = counts;
    pages.setOptions(o);
    const QImage page = pages.pageImage(0);
    // Number table rows at 75 + Trunc(r x 305 / 16), quantity rows at 380 + Trunc(r x 312 / 16);
    // each 133 x 19, a left cell 33 wide and a right cell 100 wide.
    QCOMPARE(darkPixels(page, QRect(626, 77, 29, 15)) > 0, numbers); // "0 :"
    QCOMPARE(darkPixels(page, QRect(660, 77, 90, 15)) > 0, numbers); // "Name0"
    QCOMPARE(darkPixels(page, QRect(626, 382, 29, 15)) > 0, counts); // "0 :"
    QCOMPARE(darkPixels(page, QRect(660, 382, 90, 15)) > 0, counts); // "n 枚"
    // The frame lines stay: double left and right lines, a double line under row 15.
    for (const QPoint &p :
         {QPoint(622, 85), QPoint(623, 85), QPoint(755, 85), QPoint(756, 85), QPoint(700, 377),
          QPoint(700, 378), QPoint(622, 500), QPoint(756, 500), QPoint(700, 689), QPoint(700, 690)})
        QVERIFY2(dark(page, p.x(), p.y()), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    QVERIFY(!dark(page, 700, 376));
    QVERIFY(!dark(page, 700, 98));
}

void ClassPagesTest::notesKeepEarlierText()
{
    // Notes box (624, 692) 133 x 384, text from 20 units inside.
    const QRect notes(646, 712, 100, 30);
    ClassPageOptions o = optionsOf(kSplit22);
    ClassPages fresh(diagonal(), testPalette());
    fresh.setOptions(o);
    QCOMPARE(darkPixels(fresh.pageImage(0), notes), 0);
    ClassPages pages(diagonal(), testPalette());
    o.notes = QStringLiteral("メモ\n二行目");
    pages.setOptions(o);
    QVERIFY(darkPixels(pages.pageImage(0), notes) > 0);
    o.notes.clear();
    pages.setOptions(o);
    QVERIFY(darkPixels(pages.pageImage(1), notes) > 0);
}

void ClassPagesTest::pageErrors_data()
{
    QTest::addColumn<Distribution>("split");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("error");
    QTest::newRow("58 columns") << Distribution({1, 58}, {0, 1}, {0, 1}) << 100 << "<no error>";
    QTest::newRow("59 columns") << Distribution({1, 58}, {1, 59}, {0, 1}) << 100
                                << "列数が有効範囲を超えています";
    QTest::newRow("101 rows") << Distribution({1, 7}, {0, 1}, {0, 1}) << 101
                              << "行数が有効範囲を超えています";
    QTest::newRow("negative classes")
        << Distribution({1, 7}, {-1, 7}, {0, 1}) << 100 << "正の整数値を入力してください。";
    QTest::newRow("negative columns")
        << Distribution({1, -7}, {0, 1}, {0, 1}) << 100 << "正の整数値を入力してください。";
}

void ClassPagesTest::pageErrors()
{
    QFETCH(Distribution, split);
    QFETCH(int, rows);
    QFETCH(QString, error);
    ClassPages pages(diagonal(160, rows), testPalette());
    pages.setOptions(optionsOf(split));
    // The failing page is the last: drawing it stops before anything is drawn.
    QImage image(794, 1123, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    {
        QPainter p(&image);
        QCOMPARE(errorOf([&] { pages.paintPage(p, pages.pageCount() - 1); }), error);
    }
    QCOMPARE(image.pixel(400, 600) == qRgb(255, 0, 255), error != "<no error>");
    QCOMPARE(pages.report().state(), LightRep::State::Idle);
    // A print run checks every page before the job opens.
    RecordingTarget target(QSize(10, 10), 1123);
    QCOMPARE(errorOf([&] { pages.print(target); }), error);
    QCOMPARE(target.calls.isEmpty(), error != "<no error>");
}

void ClassPagesTest::printRun_data()
{
    QTest::addColumn<bool>("extras");
    QTest::newRow("plain pages") << false;
    // The overview frames the block of the page being printed, not of the one before.
    QTest::newRow("overview and neighbours") << true;
}

void ClassPagesTest::printRun()
{
    QFETCH(bool, extras);
    ClassPages pages(diagonal(), testPalette());
    pages.setOptions(optionsOf(kSplit22, true, extras, extras));
    // A sheet 1123 pixels high prints at scale 1: the printed pages are the previews.
    RecordingTarget target(QSize(794, 1123), 1123);
    QList<int> progress;
    pages.print(target, [&](int k, int total) {
        QCOMPARE(total, 22);
        progress << k;
        // A preview asked for meanwhile is refused and changes nothing.
        QImage image(10, 10, QImage::Format_RGB32);
        QPainter p(&image);
        QCOMPARE(errorOf([&] { pages.paintPage(p, 0); }),
                 QStringLiteral("プリンタが印刷中のため、プレヴューを開始できません"));
    });
    QCOMPARE(progress.size(), 22);
    QCOMPARE(progress.last(), 21);
    QCOMPARE(target.calls.size(), 2 + 21 + 1);
    QCOMPARE(target.calls.first(), QStringLiteral("paper A4 portrait"));
    QCOMPARE(target.calls[1], QStringLiteral("begin ")); // the report has no title: the job no name
    QCOMPARE(target.calls.last(), QStringLiteral("end"));
    for (int k : {0, 14, 21})
        QVERIFY2(target.pages[k] == pages.pageImage(k), qPrintable(QStringLiteral("page %1").arg(k + 1)));
}

void ClassPagesTest::neighbours_data()
{
    // Mono pages probed on row 7's last pixel row (y 154), which digits never reach.
    // Lines left of a column at 37 + Trunc(c x 587 / n) - 1; the thick line at the
    // block's edge is 4 pixels, the others 2.
    QTest::addColumn<Distribution>("split");
    QTest::addColumn<int>("page");
    QTest::addColumn<QList<int>>("darkXs");
    QTest::addColumn<QList<int>>("clearXs");
    QTest::addColumn<int>("blockColumns");
    // Block 7..13 with columns 6 and 14: 9 columns of 65; thick at 101 and 557.
    QTest::newRow("both neighbours") << kSplit22 << 1 << QList<int>{99, 100, 101, 102, 165, 166, 555, 558}
                                     << QList<int>{98, 103, 164, 167, 554} << 7;
    // Block 0..6 with column 7: 8 columns of 73; thick only at 549.
    QTest::newRow("first block") << kSplit22 << 0 << QList<int>{108, 109, 547, 550}
                                 << QList<int>{107, 110, 546} << 7;
    // Block 147..153 of 160 columns with 146 and 154.
    QTest::newRow("last block") << kSplit22 << 21 << QList<int>{99, 102, 555, 558} << QList<int>{98, 103}
                                << 7;
    // 58 columns leave no room; 57 take the left one only.
    QTest::newRow("58 columns") << Distribution({2, 58}, {0, 1}, {0, 1}) << 1 << QList<int>{45, 46}
                                << QList<int>{43, 44, 47} << 58;
    QTest::newRow("57 columns") << Distribution({2, 57}, {0, 1}, {0, 1}) << 1 << QList<int>{44, 45, 46, 47}
                                << QList<int>{43, 48} << 57;
}

void ClassPagesTest::neighbours()
{
    QFETCH(Distribution, split);
    QFETCH(int, page);
    QFETCH(QList<int>, darkXs);
    QFETCH(QList<int>, clearXs);
    QFETCH(int, blockColumns);
    ClassPages pages(diagonal(), testPalette());
    pages.setOptions(optionsOf(split, false, true));
    const QImage image = pages.pageImage(page);
    for (int x : darkXs)
        QVERIFY2(dark(image, x, rowTop(7) + 9), qPrintable(QString::number(x)));
    for (int x : clearXs)
        QVERIFY2(!dark(image, x, rowTop(7) + 9), qPrintable(QString::number(x)));
    // The quantities count the block only.
    int sum = 0;
    for (int n : pages.quantities())
        sum += n;
    QCOMPARE(sum, blockColumns * 100);
}

void ClassPagesTest::neighbourLook()
{
    // Page 2: neighbour column 6 from 37 to 101, the block's column 7 from 102.
    const Palette palette = testPalette();
    ClassPages pages(diagonal(), palette);
    pages.setOptions(optionsOf(kSplit22, false, true));
    const QImage mono = pages.pageImage(1);
    const auto darkest = [&](const QRect &area) {
        int g = 255;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                g = qMin(g, qGray(mono.pixel(x, y)));
        return g;
    };
    // Grey digits and headings beside, black in the block.
    QVERIFY(darkest(QRect(40, 76, 58, 8)) > 90);
    QVERIFY(darkest(QRect(40, rowTop(5), 58, 8)) > 90);
    QVERIFY(darkest(QRect(105, rowTop(5), 58, 8)) < 60);
    // On colour pages the neighbour's colours are dimmed, the block's are not.
    pages.setOptions(optionsOf(kSplit22, true, true));
    const QImage colour = pages.pageImage(1);
    const QColor own(palette[(6 + 0) % 16].meanColor()), beside(colour.pixel(40, rowTop(1) + 1));
    QVERIFY(beside.red() > own.red() && beside.green() > own.green() && beside.blue() > own.blue());
    QCOMPARE(QColor(colour.pixel(105, rowTop(1) + 1)), QColor(palette[7].meanColor()));
}

void ClassPagesTest::overview()
{
    // Columns 98..104 (page 15's block) hold 5, the rest 3. The picture: 115 x 72
    // at (633, 993), block from 633 + Trunc(98 x 115 / 160) = 703 to 708, framed
    // 2 pixels outside.
    const Palette palette = testPalette();
    CellGrid grid(160, 100, QStringLiteral("3"));
    for (int r = 0; r < 100; ++r)
        for (int c = 98; c <= 104; ++c)
            grid.setCell(c, r, QStringLiteral("5"));
    ClassPages pages(grid, palette);
    pages.setOptions(optionsOf(kSplit22, false, false, true));
    const QImage image = pages.pageImage(14);
    const QColor three(palette[3].meanColor());
    QCOMPARE(QColor(image.pixel(705, 1030)), QColor(palette[5].meanColor()));
    QCOMPARE(image.pixel(702, 1030), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(709, 1030), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(705, 992), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(705, 1065), qRgb(0, 0, 0));
    for (const QPoint &p : {QPoint(650, 1000), QPoint(700, 1030), QPoint(740, 1060)}) {
        // The rest is the colour, dimmed towards white.
        const QColor c(image.pixel(p));
        QVERIFY(c.red() > three.red() + 40 && c.green() >= three.green() && c.blue() > three.blue() + 40);
    }
    // The notes box keeps its frame.
    QVERIFY(dark(image, 623, 1030));
    QVERIFY(dark(image, 756, 1030));
}

void ClassPagesTest::optionsOffGiveTodaysPages()
{
    for (bool colour : {false, true}) {
        ClassPages today(diagonal(), testPalette()), toggled(diagonal(), testPalette());
        today.setOptions(optionsOf(kSplit22, colour));
        toggled.setOptions(optionsOf(kSplit22, colour, true, true));
        for (int k : {0, 14, 21})
            QVERIFY2(toggled.pageImage(k) != today.pageImage(k), qPrintable(QString::number(k)));
        toggled.setOptions(optionsOf(kSplit22, colour));
        for (int k : {0, 14, 21})
            QVERIFY2(toggled.pageImage(k) == today.pageImage(k), qPrintable(QString::number(k)));
    }
}

QTEST_MAIN(ClassPagesTest)
#include "ClassPagesTest.moc"
