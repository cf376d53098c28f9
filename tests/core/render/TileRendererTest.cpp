#include "core/render/TileRenderer.h"

#include <QPainter>
#include <QTest>

using namespace tessell;

namespace {
// Every tile pixel a colour of its own: (number, x, y) can be told from the picture.
Palette codedPalette()
{
    Palette palette;
    for (int n = 0; n < 16; ++n)
        for (int y = 0; y < PaletteEntry::TileHeight; ++y)
            for (int x = 0; x < PaletteEntry::TileWidth; ++x)
                palette[n].setPixel(x, y, qRgb(n * 16, x * 40 + 10, y * 60 + 10));
    return palette;
}

CellGrid gridOf(const QStringList &rows)
{
    CellGrid grid(int(rows[0].split('|').size()), int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList cells = rows[r].split('|');
        for (int c = 0; c < cells.size(); ++c)
            grid.setCell(c, r, cells[c]);
    }
    return grid;
}

// The picture worked out pixel by pixel: a grid line, or the pixel of the
// cell's tile (white for a cell that is not a number).
QImage referencePicture(const CellGrid &grid, const Palette &palette, bool lines)
{
    const int pitchX = lines ? 6 : 5, pitchY = lines ? 5 : 4;
    const QSize size = lines ? QSize(6 * grid.columns() - 1, 5 * grid.rows() - 1)
                             : QSize(5 * grid.columns(), 4 * grid.rows());
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const int tx = x % pitchX, ty = y % pitchY;
            if (tx == 5 || ty == 4) {
                image.setPixel(x, y, TileRenderer::GridLineColour);
                continue;
            }
            const auto n = CellGrid::cellValue(grid.cell(x / pitchX, y / pitchY));
            image.setPixel(x, y, n ? palette[*n].pixel(tx, ty) : qRgb(255, 255, 255));
        }
    return image;
}
} // namespace

class TileRendererTest : public QObject {
    Q_OBJECT
private slots:
    void wholePictures_data();
    void wholePictures();
    void pictureImageIsReused();
    void drawCellsLeavesOtherCells();
    void paintsAtAScale();
};

void TileRendererTest::wholePictures_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("one cell") << QStringList{"7"};
    QTest::newRow("one row") << QStringList{"0|1|2|3|4|5|6|7|8|9|A|B|C|D|E|F"};
    QTest::newRow("one column") << QStringList{"F", "0", "a"};
    // Empty, blank, two-character and lower-case cells.
    QTest::newRow("odd cells") << QStringList{"1||  |10", "x|b|0F|あ", "C|D|E|F"};
}

void TileRendererTest::wholePictures()
{
    QFETCH(QStringList, rows);
    const CellGrid grid = gridOf(rows);
    const Palette palette = codedPalette();
    const TileRenderer renderer(palette);
    QCOMPARE(renderer.renderPicture(grid).convertToFormat(QImage::Format_RGB32),
             referencePicture(grid, palette, true));
    QCOMPARE(renderer.renderTiles(grid).convertToFormat(QImage::Format_RGB32), referencePicture(grid, palette, false));
    // Drawn in pieces of 2 x 2 cells, the first ones reaching past the edges,
    // onto a picture whose pixels were anything before.
    QImage pieces;
    TileRenderer::fitPicture(pieces, grid.columns(), grid.rows());
    pieces.fill(Qt::black);
    for (int r = -1; r < grid.rows(); r += 2)
        for (int c = -1; c < grid.columns(); c += 2)
            renderer.renderPictureCells(pieces, grid, QRect(c, r, 2, 2));
    QCOMPARE(pieces.convertToFormat(QImage::Format_RGB32), referencePicture(grid, palette, true));
    QImage blank;
    renderer.renderBlank(blank, grid.columns(), grid.rows());
    QCOMPARE(blank.convertToFormat(QImage::Format_RGB32),
             referencePicture(CellGrid(grid.columns(), grid.rows(), QString()), palette, true));
}

void TileRendererTest::pictureImageIsReused()
{
    const TileRenderer renderer(codedPalette());
    QImage picture;
    renderer.renderPicture(picture, CellGrid(40, 30));
    const uchar *bits = picture.constBits();
    CellGrid other(40, 30, QStringLiteral("5"));
    renderer.renderPicture(picture, other);
    QCOMPARE(picture.constBits(), bits);
    QCOMPARE(picture.pixel(0, 0), codedPalette()[5].pixel(0, 0));
    renderer.renderPicture(picture, CellGrid(41, 30));
    QCOMPARE(picture.size(), QSize(6 * 41 - 1, 5 * 30 - 1));
}

void TileRendererTest::drawCellsLeavesOtherCells()
{
    const Palette palette = codedPalette();
    const TileRenderer renderer(palette);
    CellGrid grid(4, 3);
    QImage picture = renderer.renderPicture(grid);
    grid.setCell(1, 1, QStringLiteral("9"));
    grid.setCell(2, 1, QStringLiteral("zz"));
    grid.setCell(3, 2, QStringLiteral("9"));
    renderer.drawCells(picture, grid, QRect(1, 1, 2, 1));
    QCOMPARE(picture.pixel(6 + 2, 5 + 3), palette[9].pixel(2, 3));
    // Not a number: the old tile stays; outside the rectangle: untouched.
    QCOMPARE(picture.pixel(12 + 2, 5 + 3), palette[0].pixel(2, 3));
    QCOMPARE(picture.pixel(18 + 2, 10 + 3), palette[0].pixel(2, 3));
    QCOMPARE(picture.pixel(6 + 5, 5 + 1), TileRenderer::GridLineColour);
}

void TileRendererTest::paintsAtAScale()
{
    const Palette palette = codedPalette();
    const TileRenderer renderer(palette);
    const CellGrid grid = gridOf({"1|2|3", "4|5|6"});
    for (const auto layout : {TileRenderer::Layout::Picture, TileRenderer::Layout::Tiles}) {
        const QSize size = TileRenderer::imageSize(layout, 2, 2) * 3;
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        renderer.paint(painter, grid, layout, 3.0, QRect(1, 0, 2, 2));
        painter.end();
        const QImage expected = referencePicture(gridOf({"2|3", "5|6"}), palette, layout == TileRenderer::Layout::Picture)
                                    .scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QCOMPARE(image, expected);
    }
}

QTEST_GUILESS_MAIN(TileRendererTest)
#include "TileRendererTest.moc"
