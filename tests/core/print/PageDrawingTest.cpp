// How the class pages are drawn: in passes as cell by cell, the digit colour
// on coloured cells, and large print's pages in one job.
#include "core/print/ClassPages.h"
#include "core/print/LRGridPanel.h"
#include "core/print/LargeSheet.h"
#include "core/print/PageFixtures.h"
#include "core/print/PagePixels.h"
#include "core/print/RecordingTarget.h"

#include <QPainter>
#include <QTest>

using namespace tessell;
using namespace tessell::test;

namespace {
// Every grid of the report drawn in passes, or cell by cell as the engine describes.
void drawInPasses(LRElement &element, bool passes)
{
    if (auto *grid = dynamic_cast<LRGridPanel *>(&element))
        grid->setDrawInPasses(passes);
    for (const auto &child : element.children())
        drawInPasses(*child, passes);
}

} // namespace

class PageDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void drawnInPasses_data();
    void drawnInPasses();
    void digitColour_data();
    void digitColour();
    void largePrintRun();
};

void PageDrawingTest::drawnInPasses_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<Distribution>("split");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("colour");
    QTest::addColumn<bool>("extras");
    QTest::addColumn<double>("scale");
    QTest::newRow("monochrome") << 160 << kSplit22 << 14 << false << false << 1.0;
    QTest::newRow("colour, overview and neighbours") << 160 << kSplit22 << 1 << true << true << 1.0;
    QTest::newRow("58 columns, colour")
        << 999 << Distribution({17, 58}, {0, 1}, {0, 1}) << 16 << true << false << 1.0;
    // A printer of 600 per inch; a part of the page.
    QTest::newRow("600 dpi") << 160 << kSplit22 << 21 << true << true << 6.25;
}

void PageDrawingTest::drawnInPasses()
{
    // The grids' fast drawing gives the page the engine draws cell by cell.
    QFETCH(int, columns);
    QFETCH(Distribution, split);
    QFETCH(int, page);
    QFETCH(bool, colour);
    QFETCH(bool, extras);
    QFETCH(double, scale);
    ClassPages pages(diagonal(columns), testPalette());
    pages.setOptions(optionsOf(split, colour, extras, extras));
    const auto draw = [&] {
        QImage image(scale == 1.0 ? QSize(794, 1123) : QSize(900, 700), QImage::Format_RGB32);
        QPainter painter(&image);
        // At 600 dpi: the grid's top right corner and the first rows of the tables.
        if (scale != 1.0)
            painter.translate(-3300, -380);
        pages.paintPage(painter, page, scale);
        return image;
    };
    const QImage inPasses = draw();
    drawInPasses(pages.report(), false);
    const QImage cellByCell = draw();
    QVERIFY(darkPixels(cellByCell, cellByCell.rect()) > 1000);
    QVERIFY(inPasses == cellByCell);
}

void PageDrawingTest::digitColour_data()
{
    // A fill of entry 0 and whether its digit is white (else black), on an
    // ordinary page and on a large-print sheet.
    QTest::addColumn<QRgb>("fill");
    QTest::addColumn<bool>("white");
    QTest::addColumn<bool>("large");
    for (bool large : {false, true}) {
        const char *kind = large ? "large print, " : "";
        QTest::addRow("%sblack", kind) << qRgb(0, 0, 0) << true << large;
        QTest::addRow("%snavy", kind) << qRgb(0, 0, 128) << true << large;
        QTest::addRow("%syellow", kind) << qRgb(255, 255, 0) << false << large;
    }
}

void PageDrawingTest::digitColour()
{
    QFETCH(QRgb, fill);
    QFETCH(bool, white);
    QFETCH(bool, large);
    Palette palette = testPalette();
    palette[0].fill(fill);
    ClassPages pages(CellGrid(3, 4, QStringLiteral("0")), palette);
    ClassPageOptions o = optionsOf(Distribution({1, 3}, {0, 1}, {0, 1}), true);
    o.largePrint = large;
    pages.setOptions(o);
    const QImage page = pages.pageImage(0);
    // The second row's middle cell, inside its lines: ordinary cells are 195 x 203
    // units from (37, 75); large ones (see LargeSheet::cellSize) from the grid's corner.
    const QSize cell = large ? LargeSheet::cellSize(3, SheetSplit::DefaultRows) : QSize(587 / 3, 1017 / 5);
    const QPoint corner =
        large ? QPoint(37 + LargeSheet::NumberWidth + LargeSheet::FrameRoom, 75 + LargeSheet::HeadingHeight)
              : QPoint(37, 75);
    const QRect inside(corner + QPoint(cell.width() + 4, 2 * cell.height() + 3), cell - QSize(8, 8));
    int darkest = 255, lightest = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            darkest = qMin(darkest, qGray(page.pixel(x, y)));
            lightest = qMax(lightest, qGray(page.pixel(x, y)));
        }
    // The digit is there in the one colour: nothing of the other beyond the fill.
    const QString seen = QStringLiteral("%1..%2 on %3").arg(darkest).arg(lightest).arg(qGray(fill));
    if (white)
        QVERIFY2(lightest >= 230 && darkest >= qGray(fill) - 2, qPrintable(seen));
    else
        QVERIFY2(darkest <= 40 && lightest <= qGray(fill) + 2, qPrintable(seen));
}

void PageDrawingTest::largePrintRun()
{
    // Two classes of 10 columns over 30 rows at 10 rows a sheet: 6 sheets, each
    // followed by its runs, in one job in the order the preview shows them.
    ClassPages pages(diagonal(20, 30), testPalette());
    ClassPageOptions o = optionsOf(Distribution({2, 10}, {0, 1}, {0, 1}), true, true, true);
    o.largePrint = true;
    o.rowsPerSheet = 10;
    o.runs = true;
    pages.setOptions(o);
    QCOMPARE(pages.pageCount(), 12);
    RecordingTarget target(QSize(794, 1123), 1123);
    pages.print(target);
    QCOMPARE(target.pages.size(), 12);
    for (int k : {0, 1, 4, 11})
        QVERIFY2(target.pages[k] == pages.pageImage(k), qPrintable(QStringLiteral("page %1").arg(k + 1)));
    // The sheet counts its own cells: 10 x 10 of the diagonal, every number.
    pages.pageImage(6);
    int sum = 0;
    for (int n : pages.quantities())
        sum += n;
    QCOMPARE(sum, 100);
}

QTEST_MAIN(PageDrawingTest)
#include "PageDrawingTest.moc"
