// The zoom of the picture view is a mapping only: the tools get picture pixels
// at every step, the picture image keeps its size, and the zoom is kept.
#include "WindowFixture.h"

#include "core/render/TileRenderer.h"
#include "core/settings/SettingsStore.h"
#include "ui/editing/PaletteBar.h"
#include "ui/editing/PictureView.h"
#include "ui/editing/ToolBox.h"
#include "ui/editing/WorkArea.h"

#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

using namespace tessell;
using namespace tessell::test;

class ZoomTest : public QObject {
    Q_OBJECT
private slots:
    void init() { f.start(); }
    void cleanup() { f = WindowFixture(); }

    void clickLandsInItsCell_data();
    void clickLandsInItsCell();
    void rectangleSameAtEveryZoom();
    void floatingBlockMovesByWholeCells();
    void wheelKeepsTheCellUnderThePointer();
    void shownPartIsDrawn_data();
    void shownPartIsDrawn();
    void zoomIsKept();

private:
    MainWindow &w() { return *f.window; }
    PictureView *picture() { return w().editor().pictureView(); }
    void zoom(int percent) { w().workArea()->zoomPicture(percent); }
    // A widget point inside the cell, near its middle, at the current zoom.
    QPoint inCell(int column, int row) { return picture()->toWidget(QPoint(6 * column + 2, 5 * row + 2)); }
    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(picture(), Qt::LeftButton, {}, from);
        QTest::mouseMove(picture(), (from + to) / 2);
        QTest::mouseMove(picture(), to);
        QTest::mouseRelease(picture(), Qt::LeftButton, {}, to);
    }
    QStringList paintedCells()
    {
        QStringList cells;
        for (int r = 0; r < w().design().rows(); ++r)
            for (int c = 0; c < w().design().columns(); ++c)
                if (w().design().cell(c, r) != QLatin1String("0"))
                    cells << QStringLiteral("%1,%2").arg(c).arg(r);
        return cells;
    }
    WindowFixture f;
};

void ZoomTest::clickLandsInItsCell_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<QPoint>("widgetPoint");
    QTest::addColumn<QPoint>("cell");
    // At 300 % a cell is 18 x 15 widget pixels.
    QTest::newRow("300 %, first pixel of a cell") << 300 << QPoint(18 * 7, 15 * 4) << QPoint(7, 4);
    QTest::newRow("300 %, last pixel of a cell") << 300 << QPoint(18 * 8 - 1, 15 * 5 - 1) << QPoint(7, 4);
    QTest::newRow("800 %") << 800 << QPoint(48 * 2 + 30, 40 * 3 + 5) << QPoint(2, 3);
}

void ZoomTest::clickLandsInItsCell()
{
    QFETCH(int, percent);
    QFETCH(QPoint, widgetPoint);
    QFETCH(QPoint, cell);
    zoom(percent);
    QCOMPARE(picture()->zoom(), percent);
    QCOMPARE(picture()->image().size(), QSize(6 * 160 - 1, 5 * 100 - 1));
    QCOMPARE(picture()->size(), picture()->image().size() * (percent / 100));
    QTest::mouseClick(w().editor().paletteBar()->button(9), Qt::LeftButton);
    // A move without a held button, which QTest cannot send to a widget.
    QMouseEvent hover(QEvent::MouseMove, widgetPoint, picture()->mapToGlobal(widgetPoint), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(picture(), &hover);
    QTest::mouseClick(picture(), Qt::LeftButton, {}, widgetPoint);
    QCOMPARE(paintedCells(), QStringList{QStringLiteral("%1,%2").arg(cell.x()).arg(cell.y())});
    QCOMPARE(w().placeText(), QStringLiteral("%1列-%2行:9").arg(cell.x() + 1).arg(cell.y() + 1));
    // The tile is shown at the zoom: every widget pixel of the cell's tile has its colour.
    const QImage shot = picture()->grab(QRect(picture()->toWidget(QPoint(6 * cell.x(), 5 * cell.y())),
                                              QSize(5, 4) * (percent / 100)))
                            .toImage();
    const QRgb tile = w().design().entry(9).pixel(0, 0);
    QCOMPARE(shot.pixel(0, 0), tile);
    QCOMPARE(shot.pixel(shot.width() - 1, shot.height() - 1), tile);
}

void ZoomTest::rectangleSameAtEveryZoom()
{
    QTest::mouseClick(w().editor().toolBox()->button(ToolKind::Rectangle), Qt::LeftButton);
    QTest::mouseClick(w().editor().paletteBar()->button(4), Qt::LeftButton);
    drag(inCell(3, 2), inCell(9, 6));
    const QStringList at100 = paintedCells();
    QVERIFY(at100.size() > 10);
    QTest::mouseClick(w().commands().button(Command::Undo), Qt::LeftButton);
    QVERIFY(paintedCells().isEmpty());
    zoom(200);
    drag(inCell(3, 2), inCell(9, 6));
    QCOMPARE(paintedCells(), at100);
}

void ZoomTest::floatingBlockMovesByWholeCells()
{
    w().design().setCell(1, 1, QStringLiteral("A"));
    w().editor().refreshPicture();
    zoom(400);
    QTest::mouseClick(w().editor().toolBox()->button(ToolKind::Selection), Qt::LeftButton);
    drag(inCell(1, 1), inCell(2, 2));
    QCOMPARE(w().editor().floatingBlock().origin(), QPoint(1, 1));
    // At 400 % a cell is 24 widget pixels wide: 60 pixels are two whole cells and a half.
    drag(inCell(1, 1), inCell(1, 1) + QPoint(60, 0));
    QCOMPARE(w().editor().floatingBlock().origin(), QPoint(3, 1));
    w().editor().changeTool(ToolKind::Pen);
    QCOMPARE(w().design().cell(3, 1), QStringLiteral("A"));
    QCOMPARE(w().design().cell(1, 1), QStringLiteral("0"));
}

void ZoomTest::wheelKeepsTheCellUnderThePointer()
{
    QWidget *viewport = w().workArea()->viewport();
    const QPoint at = picture()->mapTo(viewport, inCell(120, 80));
    for (int i = 0; i < 3; ++i) {
        QWheelEvent wheel(picture()->mapFrom(viewport, at), picture()->mapToGlobal(picture()->mapFrom(viewport, at)),
                          QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(picture(), &wheel);
    }
    QCOMPARE(picture()->zoom(), 400);
    QVERIFY(w().workArea()->horizontalScrollBar()->value() > 0);
    // The cell under the pointer is the one it was over before.
    const QPoint pixel = picture()->toPicture(picture()->mapFrom(viewport, at));
    QCOMPARE(QPoint(pixel.x() / 6, pixel.y() / 5), QPoint(120, 80));
    // Without Ctrl the wheel scrolls and leaves the zoom.
    QWheelEvent plain(picture()->mapFrom(viewport, at), QPoint(), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(picture(), &plain);
    QCOMPARE(picture()->zoom(), 400);
}

void ZoomTest::zoomIsKept()
{
    QTest::keyClick(&w(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(picture()->zoom(), 200);
    QTest::keyClick(&w(), Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(&w(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(picture()->zoom(), 200);
    QCOMPARE(w().settings().readInteger(QStringLiteral("view"), QStringLiteral("zoom"), 0), 200);
    QVERIFY(f.close());
    f.stop();
    f.start();
    QCOMPARE(picture()->zoom(), 200);
    QTest::keyClick(&w(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(picture()->zoom(), 100);
}

void ZoomTest::shownPartIsDrawn_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<QRect>("cells");
    QTest::newRow("100 %, the last cells") << 100 << QRect(120, 60, 40, 40);
    // Across four blocks, out of the part the window shows.
    QTest::newRow("300 %, across blocks") << 300 << QRect(126, 62, 5, 5);
}

// The picture is drawn where it is shown: what a paint shows is the whole
// picture's part, whichever blocks it crosses.
void ZoomTest::shownPartIsDrawn()
{
    QFETCH(int, percent);
    QFETCH(QRect, cells);
    Design &design = w().design();
    for (int r = 0; r < design.rows(); ++r)
        for (int c = 0; c < design.columns(); ++c)
            design.setCell(c, r, CellGrid::digit(c * 7 + r));
    zoom(percent);
    // Whatever was drawn before does not count.
    picture()->canvas().fill(Qt::black);
    QVERIFY(w().editor().refreshPicture());
    const QRect pixels(QPoint(6 * cells.left(), 5 * cells.top()),
                       QPoint(6 * cells.right() + 5, 5 * cells.bottom() + 4));
    const QRect shown = pixels.intersected(picture()->canvas().rect());
    const QImage shot =
        picture()->grab(QRect(picture()->toWidget(shown.topLeft()), shown.size() * (percent / 100))).toImage();
    const QImage expected = TileRenderer(design.palette())
                                .renderPicture(design.grid())
                                .copy(shown)
                                .scaled(shot.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QCOMPARE(shot.convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));
}

QTEST_MAIN(ZoomTest)
#include "ZoomTest.moc"
