#include "WindowFixture.h"

#include "core/render/TileRenderer.h"
#include "ui/editing/CountBar.h"
#include "ui/editing/NumberView.h"
#include "ui/editing/PaletteBar.h"
#include "ui/editing/PictureView.h"
#include "ui/editing/ToolBox.h"

#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>
#include <QtTest>

using namespace tessell;
using namespace tessell::test;

using Points = QList<QPoint>;
Q_DECLARE_METATYPE(Points)

namespace {

// The middle of a cell's tile, in picture pixels.
QPoint px(int column, int row) { return QPoint(6 * column + 2, 5 * row + 2); }

const QString kNew = QStringLiteral("新規作成");

} // namespace

// The pen, the bucket, the shape tools, the place indicator, the direct edit
// in the number view and the tool switch, driven by real mouse and key events.
// Cell pictures show the design's top-left corner, "." for "0".
class DrawingToolsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        f.start();
        // Every number its own colour, so that the shown picture tells them apart.
        Palette palette = w().design().palette();
        for (int n = 0; n < 16; ++n)
            palette[n].fill(qRgb(255 - 16 * n, 16 * n, (64 + 53 * n) % 256));
        w().design().setPalette(palette);
        w().editor().changeSetting(true);
        QTest::mouseClick(w().editor().paletteBar()->button(5), Qt::LeftButton);
        QCOMPARE(w().editor().currentNumber(), 5);
    }
    void cleanup() { f = WindowFixture(); }

    void penStrokeRecordsOnceOnRelease();
    void penFastMoveLeavesSeparateSquares();
    void penClickWithTheReleaseAlreadyQueued();
    void penMovesOutsideThePicture_data();
    void penMovesOutsideThePicture();
    void penDrawsOnlyTheStampedTiles();
    void bucketFillsFourWayRegion_data();
    void bucketFillsFourWayRegion();
    void bucketFillsFromTheLastCellPassed_data();
    void bucketFillsFromTheLastCellPassed();
    void bucketIgnoresOtherButtons();
    void shapesPaintCells_data();
    void shapesPaintCells();
    void rubberBandShowsAndLeavesNothing_data();
    void rubberBandShowsAndLeavesNothing();
    void placeIndicatorFollowsThePointer_data();
    void placeIndicatorFollowsThePointer();
    void numberViewMouseSetsCells();
    void numberViewSecondPressOfADoubleClick();
    void numberViewRightButton();
    void numberViewTyping_data();
    void numberViewTyping();
    void numberViewArrowsMoveTheCurrentCell();
    void widthMenuSetsTheWidth();
    void changeToolSwitches_data();
    void changeToolSwitches();

private:
    MainWindow &w() { return *f.window; }
    PictureView *picture() { return w().editor().pictureView(); }
    // A move without a held button, which QTest cannot send to a widget.
    void hover(const QPoint &pixel)
    {
        QMouseEvent e(QEvent::MouseMove, pixel, picture()->mapToGlobal(pixel), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(picture(), &e);
    }
    void drag(const QPoint &from, const Points &via, const QPoint &to)
    {
        QTest::mousePress(picture(), Qt::LeftButton, {}, from);
        for (const QPoint &p : via)
            QTest::mouseMove(picture(), p);
        QTest::mouseMove(picture(), to);
        QTest::mouseRelease(picture(), Qt::LeftButton, {}, to);
    }
    void choose(ToolKind kind) { QTest::mouseClick(w().editor().toolBox()->button(kind), Qt::LeftButton); }
    void setCells(const QStringList &art)
    {
        for (int r = 0; r < art.size(); ++r)
            for (int c = 0; c < art[r].size(); ++c)
                w().design().setCell(c, r, art[r][c] == u'.' ? QStringLiteral("0") : QString(art[r][c]));
        w().editor().refreshPicture();
    }
    // The corner of the design as a picture, and whether the rest is still all "0".
    QStringList corner(int columns, int rows)
    {
        QStringList lines;
        for (int r = 0; r < rows; ++r) {
            QString line;
            for (int c = 0; c < columns; ++c) {
                const QString cell = w().design().cell(c, r);
                line += cell == QLatin1String("0") ? QStringLiteral(".") : cell;
            }
            lines << line;
        }
        return lines;
    }
    bool restIsZero(int columns, int rows)
    {
        for (int r = 0; r < w().design().rows(); ++r)
            for (int c = 0; c < w().design().columns(); ++c)
                if ((c >= columns || r >= rows) && w().design().cell(c, r) != QLatin1String("0"))
                    return false;
        return true;
    }
    QImage rendered()
    {
        return TileRenderer(w().design().palette()).renderPicture(w().design().grid()).convertToFormat(QImage::Format_RGB32);
    }
    QImage shot() { return picture()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QStringList names(const QString &recorded) { return {kNew, recorded}; }

    WindowFixture f;
};

void DrawingToolsTest::penStrokeRecordsOnceOnRelease()
{
    QTest::mousePress(picture(), Qt::LeftButton, {}, px(1, 1));
    QTest::mouseMove(picture(), px(2, 1));
    QTest::mouseMove(picture(), px(3, 2));
    // Nothing is recorded while the button is held.
    QCOMPARE(w().history().names(), QStringList{kNew});
    QCOMPARE(w().design().cell(3, 2), QStringLiteral("5"));
    QTest::mouseRelease(picture(), Qt::LeftButton, {}, px(3, 2));
    QCOMPARE(corner(5, 4), (QStringList{".....", ".55..", "...5.", "....."}));
    QVERIFY(restIsZero(5, 4));
    QCOMPARE(w().history().names(), names(QStringLiteral("ペンツール")));
    QCOMPARE(w().editor().countBar()->counts()[5], 3);
    QCOMPARE(w().editor().countBar()->counts()[0], 16000 - 3);
    // A move after the release draws nothing.
    QTest::mouseMove(picture(), px(4, 3));
    hover(px(4, 3));
    QCOMPARE(w().design().cell(4, 3), QStringLiteral("0"));
}

void DrawingToolsTest::penFastMoveLeavesSeparateSquares()
{
    w().editor().toolBox()->setPenWidth(2);
    drag(px(1, 1), {}, px(7, 2));
    QCOMPARE(corner(10, 5), (QStringList{"..........", ".55.......", ".55....55.", ".......55.", ".........."}));
    QVERIFY(restIsZero(10, 5));
    QCOMPARE(w().history().names(), names(QStringLiteral("ペンツール")));
    QCOMPARE(w().editor().countBar()->counts()[5], 8);
}

void DrawingToolsTest::penClickWithTheReleaseAlreadyQueued()
{
    // A quick click: its release is waiting when the press lets pending events run.
    const QPoint at = px(2, 2);
    QCoreApplication::postEvent(picture(), new QMouseEvent(QEvent::MouseButtonRelease, at, picture()->mapToGlobal(at),
                                                           Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    QMouseEvent press(QEvent::MouseButtonPress, at, picture()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(picture(), &press);
    QCoreApplication::processEvents();
    QCOMPARE(w().history().names(), names(QStringLiteral("ペンツール")));
    // The stroke is over: moving the pointer without a button draws nothing.
    hover(px(6, 6));
    QCOMPARE(w().design().cell(6, 6), QStringLiteral("0"));
    QCOMPARE(w().design().reCount()[5], 1);
    QCOMPARE(w().editor().countBar()->counts()[5], 1);
}

void DrawingToolsTest::penMovesOutsideThePicture_data()
{
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QPoint>("stamped"); // (-1, -1) when nothing more is stamped
    QTest::addColumn<int>("added");
    QTest::addColumn<QString>("place");
    const QString pressPlace = QStringLiteral("3列-3行:5");
    const QPoint none(-1, -1);
    QTest::newRow("left of it") << QPoint(-1, 12) << none << 0 << pressPlace;
    QTest::newRow("right of it") << QPoint(960, 12) << none << 0 << pressPlace;
    QTest::newRow("below it") << QPoint(12, 500) << none << 0 << pressPlace;
    QTest::newRow("far away") << QPoint(5000, -300) << none << 0 << pressPlace;
    // One pixel past the last pixel column and row still counts as the last
    // cell; the stamp there keeps inside the design.
    QTest::newRow("at width and height") << QPoint(959, 499) << QPoint(159, 99) << 1
                                         << QStringLiteral("160列-100行:");
    QTest::newRow("at width") << QPoint(959, 12) << QPoint(159, 2) << 2 << QStringLiteral("160列-3行:");
}

void DrawingToolsTest::penMovesOutsideThePicture()
{
    QFETCH(QPoint, to);
    QFETCH(QPoint, stamped);
    QFETCH(int, added);
    QFETCH(QString, place);
    w().editor().toolBox()->setPenWidth(2);
    QTest::mousePress(picture(), Qt::LeftButton, {}, px(2, 2));
    hover(px(2, 2)); // the press itself does not move the indicator
    QTest::mouseMove(picture(), to);
    QTest::mouseRelease(picture(), Qt::LeftButton, {}, to);
    QCOMPARE(w().design().reCount()[5], 4 + added);
    if (stamped.x() >= 0) {
        QCOMPARE(w().design().cell(stamped.x(), stamped.y()), QStringLiteral("5"));
        QCOMPARE(w().design().cell(stamped.x() - 1, stamped.y()), QStringLiteral("0"));
    }
    QVERIFY2(w().placeText().startsWith(place), qPrintable(w().placeText()));
    QCOMPARE(w().history().names(), names(QStringLiteral("ペンツール")));
    QCOMPARE(w().editor().countBar()->counts()[5], 4 + added);
}

void DrawingToolsTest::penDrawsOnlyTheStampedTiles()
{
    const QImage before = rendered();
    const QRgb planted = qRgb(12, 34, 56);
    // Pixels planted in the shown image: one in a tile the stamp covers, one in
    // a tile beside it, one on a grid line; only the first may be painted over.
    picture()->image().setPixel(6 * 3 + 1, 5 * 3 + 1, planted);
    picture()->image().setPixel(6 * 5 + 1, 5 * 3 + 1, planted);
    picture()->image().setPixel(6 * 4 - 1, 5 * 4 + 1, planted);
    w().editor().toolBox()->setPenWidth(2);
    drag(px(2, 3), {}, px(2, 3));
    QCOMPARE(w().history().names(), names(QStringLiteral("ペンツール")));

    const QImage image = shot();
    const QImage expected = rendered();
    QVERIFY(expected.pixel(6 * 3 + 1, 5 * 3 + 1) != before.pixel(6 * 3 + 1, 5 * 3 + 1));
    QCOMPARE(image.pixel(6 * 3 + 1, 5 * 3 + 1), expected.pixel(6 * 3 + 1, 5 * 3 + 1));
    QCOMPARE(image.pixel(6 * 2, 5 * 4), expected.pixel(6 * 2, 5 * 4));
    QCOMPARE(image.pixel(6 * 5 + 1, 5 * 3 + 1), planted);
    QCOMPARE(image.pixel(6 * 4 - 1, 5 * 4 + 1), planted);
}

void DrawingToolsTest::bucketFillsFourWayRegion_data()
{
    QTest::addColumn<QStringList>("art");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QStringList>("expected");
    const QStringList ring{"........", ".33333..", ".3...3..", ".3.7.3..", ".3...3..", ".33333..", "........"};
    QTest::newRow("inside a ring") << ring << QPoint(2, 2)
                                   << QStringList{"........", ".33333..", ".35553..", ".35753..", ".35553..",
                                                  ".33333..", "........"};
    QTest::newRow("a single other cell") << ring << QPoint(3, 3)
                                         << QStringList{"........", ".33333..", ".3...3..", ".3.5.3..", ".3...3..",
                                                        ".33333..", "........"};
    QTest::newRow("the wall itself") << ring << QPoint(1, 5)
                                     << QStringList{"........", ".55555..", ".5...5..", ".5.7.5..", ".5...5..",
                                                    ".55555..", "........"};
    // The triangle touches the rest only at the corners of the diagonal.
    const QStringList diagonal{"....3...", "...3....", "..3.....", ".3......", "3.......", "........"};
    QTest::newRow("not through corners") << diagonal << QPoint(0, 0)
                                         << QStringList{"55553...", "5553....", "553.....", "53......", "3.......",
                                                        "........"};
    QTest::newRow("own number") << QStringList{"..5..", ".555.", "..5.."} << QPoint(2, 1)
                                << QStringList{"..5..", ".555.", "..5.."};
}

void DrawingToolsTest::bucketFillsFourWayRegion()
{
    QFETCH(QStringList, art);
    QFETCH(QPoint, at);
    QFETCH(QStringList, expected);
    setCells(art);
    choose(ToolKind::Bucket);
    const QPoint pixel = px(at.x(), at.y());
    hover(pixel);
    QTest::mouseClick(picture(), Qt::LeftButton, {}, pixel);
    QCOMPARE(corner(art.first().size(), art.size()), expected);
    QVERIFY(restIsZero(art.first().size(), art.size()));
    // Recorded even when nothing changed; the whole picture is redrawn and recounted.
    QCOMPARE(w().history().names(), names(QStringLiteral("バケツツール")));
    QCOMPARE(w().editor().countBar()->counts()[5], int(expected.join(QString()).count(u'5')));
    QCOMPARE(shot(), rendered());
}

void DrawingToolsTest::bucketFillsFromTheLastCellPassed_data()
{
    QTest::addColumn<Points>("moves");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("left of the picture") << Points{px(20, 30), QPoint(-4, 5 * 40 + 2)} << QPoint(-4, 5 * 40 + 2)
                                         << QPoint(20, 40);
    QTest::newRow("below the picture") << Points{px(20, 30), QPoint(6 * 25 + 2, 520)} << QPoint(6 * 25 + 2, 600)
                                       << QPoint(25, 30);
    QTest::newRow("both axes outside") << Points{px(20, 40)} << QPoint(-30, 900) << QPoint(20, 40);
    QTest::newRow("at the picture width") << Points{px(20, 40)} << QPoint(959, 5 * 40 + 2) << QPoint(159, 40);
    QTest::newRow("at the picture height") << Points{px(20, 40)} << QPoint(6 * 20 + 2, 499) << QPoint(20, 99);
    QTest::newRow("no move before") << Points{} << px(7, 8) << QPoint(7, 8);
}

void DrawingToolsTest::bucketFillsFromTheLastCellPassed()
{
    QFETCH(Points, moves);
    QFETCH(QPoint, release);
    QFETCH(QPoint, origin);
    // A lone 3 at the origin: filling from anywhere else would flood the zeros.
    w().design().setCell(origin.x(), origin.y(), QStringLiteral("3"));
    w().editor().refreshPicture();
    choose(ToolKind::Bucket);
    QTest::mousePress(picture(), Qt::LeftButton, {}, moves.isEmpty() ? release : moves.first());
    for (const QPoint &p : moves)
        QTest::mouseMove(picture(), p);
    QTest::mouseRelease(picture(), Qt::LeftButton, {}, release);
    QCOMPARE(w().design().cell(origin.x(), origin.y()), QStringLiteral("5"));
    QCOMPARE(w().editor().countBar()->counts()[5], 1);
    QCOMPARE(w().editor().countBar()->counts()[0], 15999);
    QCOMPARE(w().history().names(), names(QStringLiteral("バケツツール")));
}

void DrawingToolsTest::bucketIgnoresOtherButtons()
{
    choose(ToolKind::Bucket);
    hover(px(4, 4));
    QTest::mouseClick(picture(), Qt::RightButton, {}, px(4, 4));
    QTest::mouseClick(picture(), Qt::MiddleButton, {}, px(4, 4));
    QCOMPARE(w().design().reCount()[0], 16000);
    QCOMPARE(w().history().names(), QStringList{kNew});
}

void DrawingToolsTest::shapesPaintCells_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("width");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<Points>("via");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("place");
    const int line = int(ToolKind::Line), rect = int(ToolKind::Rectangle), ellipse = int(ToolKind::Ellipse);
    const QStringList blank8{"........", "........", "........", "........", "........", "........"};

    // Width 1 leaves out the end cell, and the larger corner's column and row.
    QTest::newRow("line (2,2)-(6,2)") << line << 1 << px(2, 2) << Points{px(4, 2)} << px(6, 2)
                                      << QStringList{"........", "........", "..5555..", "........"}
                                      << QStringLiteral("7列-3行");
    QTest::newRow("line (6,2)-(2,2)") << line << 1 << px(6, 2) << Points{px(4, 2)} << px(2, 2)
                                      << QStringList{"........", "........", "...5555.", "........"}
                                      << QStringLiteral("3列-3行");
    QTest::newRow("line on one cell") << line << 1 << px(3, 3) << Points{} << px(3, 3) << blank8
                                      << QStringLiteral("4列-4行");
    const QStringList outline{"........", "........", "..5555..", "..5..5..", "..5555..", "........"};
    QTest::newRow("rectangle (2,2)-(6,5)") << rect << 1 << px(2, 2) << Points{px(4, 4)} << px(6, 5) << outline
                                           << QStringLiteral("7列-6行");
    QTest::newRow("rectangle (6,5)-(2,2)") << rect << 1 << px(6, 5) << Points{px(4, 4)} << px(2, 2) << outline
                                           << QStringLiteral("3列-3行");
    QTest::newRow("rectangle (6,2)-(2,5)") << rect << 1 << px(6, 2) << Points{px(4, 4)} << px(2, 5) << outline
                                           << QStringLiteral("3列-6行");
    QTest::newRow("ellipse in 3 x 3") << ellipse << 1 << px(2, 2) << Points{px(3, 3)} << px(5, 5)
                                      << QStringList{"........", "........", "...5....", "..5.5...", "...5....",
                                                     "........"}
                                      << QStringLiteral("6列-6行");
    QTest::newRow("ellipse in 5 x 3") << ellipse << 1 << px(7, 5) << Points{px(3, 3)} << px(2, 2)
                                      << QStringList{"........", "........", "...555..", "..5...5.", "...555..",
                                                     "........"}
                                      << QStringLiteral("3列-3行");
    // Width 3: a round brush of three cells, centred on the path, ends included.
    QTest::newRow("line width 3") << line << 3 << px(2, 2) << Points{px(4, 2)} << px(6, 2)
                                  << QStringList{".........", ".5555555.", ".5555555.", ".5555555.", "........."}
                                  << QStringLiteral("7列-3行");
    QTest::newRow("rectangle width 3") << rect << 3 << px(7, 7) << Points{px(4, 4)} << px(2, 2)
                                       << QStringList{".........", ".5555555.", ".5555555.", ".5555555.",
                                                      ".555.555.", ".5555555.", ".5555555.", ".5555555.",
                                                      "........."}
                                       << QStringLiteral("3列-3行");
    // Outside the picture each axis keeps the end it had.
    QTest::newRow("release below") << rect << 1 << px(2, 2) << Points{px(6, 5)} << QPoint(6 * 5 + 2, 700)
                                   << QStringList{"........", "........", "..555...", "..5.5...", "..555...",
                                                  "........"}
                                   << QStringLiteral("6列-6行");
    QTest::newRow("release left") << line << 1 << px(6, 1) << Points{px(3, 1)} << QPoint(-10, 5 * 1 + 2)
                                  << QStringList{"........", "....555.", "........"} << QStringLiteral("4列-2行");
    QTest::newRow("release far off") << rect << 1 << px(2, 2) << Points{px(5, 4), QPoint(-50, 2000)}
                                     << QPoint(2000, -50)
                                     << QStringList{"........", "........", "..555...", "..555...", "........"}
                                     << QStringLiteral("6列-5行");
    // X equal to the picture width is the last column; one more keeps the last X taken.
    const QString lastNine = QString(150, u'.') + QString(9, u'5') + QStringLiteral(".");
    const QString blank160(160, u'.');
    QTest::newRow("release at the picture width") << line << 1 << px(150, 0) << Points{} << QPoint(959, 3)
                                                  << QStringList{lastNine, blank160} << QStringLiteral("160列-1行");
    QTest::newRow("release past the picture width") << line << 1 << px(150, 1) << Points{QPoint(959, 7)}
                                                    << QPoint(960, 7) << QStringList{blank160, lastNine}
                                                    << QStringLiteral("160列-2行");
}

void DrawingToolsTest::shapesPaintCells()
{
    QFETCH(int, kind);
    QFETCH(int, width);
    QFETCH(QPoint, from);
    QFETCH(Points, via);
    QFETCH(QPoint, to);
    QFETCH(QStringList, expected);
    QFETCH(QString, place);
    choose(ToolKind(kind));
    w().editor().toolBox()->setPenWidth(width);
    drag(from, via, to);
    QCOMPARE(corner(expected.first().size(), expected.size()), expected);
    QVERIFY(restIsZero(expected.first().size(), expected.size()));
    const QString name = kind == int(ToolKind::Line)        ? QStringLiteral("直線ツール")
                         : kind == int(ToolKind::Rectangle) ? QStringLiteral("四角形ツール")
                                                            : QStringLiteral("楕円ツール");
    QCOMPARE(w().history().names(), names(name));
    QCOMPARE(w().placeText(), place);
    QCOMPARE(w().editor().countBar()->counts()[5], int(expected.join(QString()).count(u'5')));
    QCOMPARE(shot(), rendered());
}


void DrawingToolsTest::rubberBandShowsAndLeavesNothing_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("abandon");
    QTest::newRow("line") << int(ToolKind::Line) << 1 << false;
    QTest::newRow("rectangle width 2") << int(ToolKind::Rectangle) << 2 << false;
    QTest::newRow("ellipse width 3") << int(ToolKind::Ellipse) << 3 << false;
    QTest::newRow("rectangle dropped by a tool change") << int(ToolKind::Rectangle) << 1 << true;
}

void DrawingToolsTest::rubberBandShowsAndLeavesNothing()
{
    QFETCH(int, kind);
    QFETCH(int, width);
    QFETCH(bool, abandon);
    setCells({"77777777777777777", "7..............7", "7.3.3.3.3.3.3..7"});
    choose(ToolKind(kind));
    w().editor().toolBox()->setPenWidth(width);
    // From (32, 27) to (92, 62): every shape has its top at y = 27 near x = 62.
    const QPoint from = px(5, 5), to = px(15, 12);
    QTest::mousePress(picture(), Qt::LeftButton, {}, from);
    QTest::mouseMove(picture(), px(9, 20));
    QTest::mouseMove(picture(), kind == int(ToolKind::Line) ? QPoint(to.x(), from.y()) : to);

    const QImage before = rendered();
    const QImage during = shot();
    // The band inverts what lies under it, 6 x width pixels thick, and the
    // picture image itself stays as the cells are.
    QCOMPARE(picture()->image().convertToFormat(QImage::Format_RGB32), before);
    const auto inverted = [](QRgb p) { return qRgb(255 - qRed(p), 255 - qGreen(p), 255 - qBlue(p)); };
    const QPoint onBand(62, 27 + 3 * width - 1), offBand(62, 27 + 3 * width + 2);
    QCOMPARE(during.pixel(onBand), inverted(before.pixel(onBand)));
    QCOMPARE(during.pixel(offBand), before.pixel(offBand));
    QCOMPARE(during.pixel(600, 300), before.pixel(600, 300));
    // The old band went with the move: nothing is left near the earlier end.
    QCOMPARE(during.pixel(px(9, 20)), before.pixel(px(9, 20)));

    if (abandon)
        w().editor().changeTool(ToolKind::Pen);
    QTest::mouseRelease(picture(), Qt::LeftButton, {}, to);
    QCOMPARE(shot(), rendered());
    QCOMPARE(picture()->image().convertToFormat(QImage::Format_RGB32), rendered());
    QCOMPARE(w().history().names().size(), abandon ? 1 : 2);
    QVERIFY(abandon ? w().design().reCount()[5] == 0 : w().design().reCount()[5] > 0);
}

void DrawingToolsTest::placeIndicatorFollowsThePointer_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<Points>("moves");
    QTest::addColumn<QString>("place");
    const int pen = int(ToolKind::Pen), bucket = int(ToolKind::Bucket);
    const QString overA = QStringLiteral("12列-34行:A");
    QTest::newRow("pen over a cell") << pen << Points{px(11, 33)} << overA;
    QTest::newRow("pen leaves the picture") << pen << Points{px(11, 33), QPoint(-5, 102)} << overA;
    QTest::newRow("pen at the picture width") << pen << Points{QPoint(959, 5 * 33 + 2)}
                                              << QStringLiteral("160列-34行:0");
    QTest::newRow("bucket over a cell") << bucket << Points{px(11, 33)} << overA;
    // Outside the picture the bucket and shape tools keep the axis they had.
    QTest::newRow("bucket left of the picture") << bucket << Points{px(11, 33), QPoint(-5, 102)}
                                                << QStringLiteral("12列-21行:0");
    QTest::newRow("bucket below the picture") << bucket << Points{px(11, 33), QPoint(6 * 40 + 2, 800)}
                                              << QStringLiteral("41列-34行:0");
    QTest::newRow("bucket at width and height") << bucket << Points{QPoint(959, 499)}
                                                << QStringLiteral("160列-100行:0");
    QTest::newRow("line right of the picture") << int(ToolKind::Line) << Points{px(11, 33), QPoint(1200, 5 * 20 + 2)}
                                               << QStringLiteral("12列-21行:0");
}

void DrawingToolsTest::placeIndicatorFollowsThePointer()
{
    QFETCH(int, kind);
    QFETCH(Points, moves);
    QFETCH(QString, place);
    w().design().setCell(11, 33, QStringLiteral("A"));
    choose(ToolKind(kind));
    for (const QPoint &p : moves)
        hover(p);
    QCOMPARE(w().placeText(), place);
    QCOMPARE(w().history().names(), QStringList{kNew});
}

void DrawingToolsTest::numberViewMouseSetsCells()
{
    QTest::mouseClick(w().commands().button(Command::ToggleView), Qt::LeftButton);
    NumberView *view = w().editor().numberView();
    QVERIFY(view->isVisible());
    const auto at = [view](int c, int r) { return view->visualRect(view->model()->index(r, c)).center(); };
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at(3, 2));
    QCOMPARE(view->currentCell(), QPoint(3, 2));
    QCOMPARE(w().design().cell(3, 2), QStringLiteral("5"));
    for (const QPoint &cell : {QPoint(4, 2), QPoint(5, 2), QPoint(5, 3)})
        QTest::mouseMove(view->viewport(), at(cell.x(), cell.y()));
    QCOMPARE(w().history().names(), QStringList{kNew});
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at(5, 3));
    QCOMPARE(corner(7, 5), (QStringList{".......", ".......", "...555.", ".....5.", "......."}));
    QVERIFY(restIsZero(7, 5));
    QCOMPARE(view->currentCell(), QPoint(5, 3));
    QCOMPARE(w().history().names(), names(QStringLiteral("直接編集")));
    QCOMPARE(w().editor().countBar()->counts()[5], 4);
    // A move after the release sets nothing.
    QTest::mouseMove(view->viewport(), at(6, 4));
    QCOMPARE(w().design().cell(6, 4), QStringLiteral("0"));
}

void DrawingToolsTest::numberViewSecondPressOfADoubleClick()
{
    QTest::mouseClick(w().commands().button(Command::ToggleView), Qt::LeftButton);
    NumberView *view = w().editor().numberView();
    const auto at = [view](int c, int r) { return view->visualRect(view->model()->index(r, c)).center(); };
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at(1, 1));
    // A quick second press on the same cell arrives as a double click; dragging
    // from it sets the cells passed like any other stroke.
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at(1, 1));
    QTest::mouseMove(view->viewport(), at(2, 1));
    QTest::mouseMove(view->viewport(), at(3, 1));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at(3, 1));
    QCOMPARE(corner(5, 3), (QStringList{".....", ".555.", "....."}));
    QCOMPARE(w().history().names(), (QStringList{kNew, QStringLiteral("直接編集"), QStringLiteral("直接編集")}));
    QCOMPARE(w().editor().countBar()->counts()[5], 3);
}

void DrawingToolsTest::numberViewRightButton()
{
    QTest::mouseClick(w().commands().button(Command::ToggleView), Qt::LeftButton);
    NumberView *view = w().editor().numberView();
    const auto at = [view](int c, int r) { return view->visualRect(view->model()->index(r, c)).center(); };
    view->setCurrentCell(QPoint(2, 1));
    // Only the left button moves the current cell; another sets the current
    // cell where it is, and no second cell.
    QTest::mousePress(view->viewport(), Qt::RightButton, {}, at(6, 4));
    QTest::mouseMove(view->viewport(), at(7, 4));
    QTest::mouseRelease(view->viewport(), Qt::RightButton, {}, at(7, 4));
    QCOMPARE(corner(8, 6), (QStringList{"........", "..5.....", "........", "........", "........", "........"}));
    QVERIFY(restIsZero(8, 6));
    QCOMPARE(view->currentCell(), QPoint(2, 1));
    QCOMPARE(w().history().names(), names(QStringLiteral("直接編集")));
}

void DrawingToolsTest::numberViewTyping_data()
{
    QTest::addColumn<char>("key");
    QTest::addColumn<QString>("cell");
    QTest::newRow("a") << 'a' << QStringLiteral("A");
    QTest::newRow("f") << 'f' << QStringLiteral("F");
    QTest::newRow("7") << '7' << QStringLiteral("7");
    // Everything else is dropped, upper-case digits included; none of it may
    // reach the table's own search for a cell starting with the letter.
    QTest::newRow("A") << 'A' << QStringLiteral("3");
    QTest::newRow("g") << 'g' << QStringLiteral("3");
    QTest::newRow("plus") << '+' << QStringLiteral("3");
}

void DrawingToolsTest::numberViewTyping()
{
    QFETCH(char, key);
    QFETCH(QString, cell);
    w().design().setCell(2, 1, QStringLiteral("3"));
    w().design().setCell(2, 5, QStringLiteral("A"));
    w().design().setCell(2, 6, QStringLiteral("F"));
    w().design().setCell(2, 7, QStringLiteral("3"));
    QTest::mouseClick(w().commands().button(Command::ToggleView), Qt::LeftButton);
    NumberView *view = w().editor().numberView();
    view->setCurrentCell(QPoint(2, 1));
    QTest::keyClick(view, key);
    QCOMPARE(view->currentCell(), QPoint(2, 1));
    QCOMPARE(w().design().cell(2, 1), cell);
    QCOMPARE(view->model()->index(1, 2).data().toString(), cell);
    QCOMPARE(w().design().reCount()[0], 16000 - 4 + (cell == QLatin1String("0") ? 1 : 0));
    QCOMPARE(w().history().names(), QStringList{kNew});
}

void DrawingToolsTest::numberViewArrowsMoveTheCurrentCell()
{
    w().design().setCell(3, 2, QStringLiteral("7"));
    QTest::mouseClick(w().commands().button(Command::ToggleView), Qt::LeftButton);
    NumberView *view = w().editor().numberView();
    view->setCurrentCell(QPoint(2, 1));
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(view->currentCell(), QPoint(3, 2));
    QCOMPARE(w().placeText(), QStringLiteral("4列-3行:7"));
    QTest::keyClick(view, Qt::Key_Left);
    QCOMPARE(view->currentCell(), QPoint(2, 2));
    QCOMPARE(w().design().reCount()[0], 16000 - 1);
    QCOMPARE(w().history().names(), QStringList{kNew});
}

void DrawingToolsTest::widthMenuSetsTheWidth()
{
    QToolButton *button = w().editor().toolBox()->widthButton();
    const QList<QAction *> items = button->menu()->actions();
    QCOMPARE(items.size(), 5);
    // Downward, so that stepping could not pass for setting.
    for (int width = 5; width >= 1; --width) {
        QCOMPARE(items[width - 1]->text(), QStringLiteral("  %1").arg(width));
        items[width - 1]->trigger();
        QCOMPARE(w().editor().penWidth(), width);
        QCOMPARE(button->toolTip(), QStringLiteral("太さ : %1").arg(width));
    }
    items[3]->trigger();
    QTest::mouseClick(picture(), Qt::LeftButton, {}, px(1, 1));
    QCOMPARE(corner(6, 6), (QStringList{"......", ".5555.", ".5555.", ".5555.", ".5555.", "......"}));
    QVERIFY(restIsZero(6, 6));
}

void DrawingToolsTest::changeToolSwitches_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to"); // -1: the number view switch
    QTest::addColumn<bool>("widthEnabled");
    const int sel = int(ToolKind::Selection), pen = int(ToolKind::Pen), bucket = int(ToolKind::Bucket),
              line = int(ToolKind::Line), ellipse = int(ToolKind::Ellipse), text = int(ToolKind::Text);
    QTest::newRow("bucket to line") << bucket << line << true;
    QTest::newRow("bucket to pen") << bucket << pen << true;
    QTest::newRow("text to pen") << text << pen << true;
    QTest::newRow("line to bucket") << line << bucket << false;
    QTest::newRow("ellipse to selection") << ellipse << sel << false;
    QTest::newRow("pen to text") << pen << text << false;
    QTest::newRow("pen again") << pen << pen << true;
    QTest::newRow("bucket again") << bucket << bucket << false;
    QTest::newRow("bucket to the number view") << bucket << -1 << true;
}

void DrawingToolsTest::changeToolSwitches()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, widthEnabled);
    choose(ToolKind(from));
    w().design().setCell(0, 0, QStringLiteral("3"));
    if (to < 0)
        QTest::mouseClick(w().commands().button(Command::ToggleView), Qt::LeftButton);
    else
        choose(ToolKind(to));
    const auto kind = to < 0 ? ToolKind::Pen : ToolKind(to);
    QCOMPARE(w().editor().toolBox()->currentKind(), kind);
    QVERIFY(w().editor().toolBox()->button(kind)->isChecked());
    QCOMPARE(w().editor().pictureView()->tool(), w().editor().toolBox()->tool(kind));
    QCOMPARE(w().editor().toolBox()->widthButton()->isEnabledTo(w().editor().toolBox()), widthEnabled);
    // Every tool change recounts.
    QCOMPARE(w().editor().countBar()->counts()[3], 1);
    if (to < 0)
        QTest::mouseClick(w().commands().button(Command::ToggleView), Qt::LeftButton);
    // The new tool works on the picture: the pen stamps, the others do not.
    QTest::mouseClick(picture(), Qt::LeftButton, {}, px(4, 4));
    if (kind == ToolKind::Pen)
        QCOMPARE(w().design().cell(4, 4), QStringLiteral("5"));
    else if (kind != ToolKind::Bucket)
        QCOMPARE(w().design().cell(4, 4), QStringLiteral("0"));
}

QTEST_MAIN(DrawingToolsTest)
#include "DrawingToolsTest.moc"
