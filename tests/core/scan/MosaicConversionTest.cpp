#include "core/scan/MosaicConversion.h"
#include "core/colour/Cielab.h"
#include "core/document/Design.h"
#include "core/scan/HalftonePalette.h"

#include "support/TestSupport.h"

#include <QSignalSpy>
#include <QtTest>

using namespace tessell;

Q_DECLARE_METATYPE(QList<QList<int>>)

namespace {
// A picture of grey pixels, one list per row.
QImage greys(const QList<QList<int>> &rows)
{
    QImage image(int(rows[0].size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(rows[y][x], rows[y][x], rows[y][x]));
    return image;
}

// The first entries as given, the others all rest.
MeanColours means(const QList<QRgb> &first, QRgb rest)
{
    MeanColours m;
    m.fill(rest);
    std::copy(first.begin(), first.end(), m.begin());
    return m;
}

// Pass 1 the plain way: every pixel of the enlarged picture looked up in the
// source, each block added up.
std::vector<QRgb> materialisedAverages(const QImage &source, int columns, int rows)
{
    const int q = MosaicConversion::blockSize(source.size(), columns, rows);
    const int ew = columns * q, eh = rows * q;
    std::vector<QRgb> out;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            qint64 red = 0, green = 0, blue = 0;
            for (int y = r * q; y < r * q + q; ++y)
                for (int x = c * q; x < c * q + q; ++x) {
                    const QRgb p = source.pixel(int(qint64(x) * source.width() / ew),
                                                int(qint64(y) * source.height() / eh));
                    red += qRed(p);
                    green += qGreen(p);
                    blue += qBlue(p);
                }
            const qint64 area = qint64(q) * q;
            out.push_back(qRgb(int(red / area), int(green / area), int(blue / area)));
        }
    return out;
}

// Pass 2 of the two channel comparisons written out plainly: the cell picture
// in the halftone palette, the first entry strictly nearer than the best
// difference so far, the error onto the four neighbours.
QStringList plainPass2(const std::vector<QRgb> &averages, int columns, int rows, const MeanColours &means,
                       bool diffusion, bool emphasized)
{
    std::vector<QRgb> cells;
    for (QRgb a : averages)
        cells.push_back(HalftonePalette::nearest(a));
    QStringList lines;
    for (int r = 0; r < rows; ++r) {
        QStringList digits;
        for (int c = 0; c < columns; ++c) {
            const QRgb cell = cells[std::size_t(r * columns + c)];
            const int v[3] = {qRed(cell), qGreen(cell), qBlue(cell)};
            const MosaicConversion::ChannelPair pair = MosaicConversion::channelPair(v[0], v[1], v[2]);
            const auto size = [&](const int *d) {
                return emphasized ? qAbs(d[pair.first]) + qAbs(d[pair.second])
                                  : qAbs(d[0]) + qAbs(d[1]) + qAbs(d[2]);
            };
            int best = 0, bd[3] = {255, 255, 255};
            bool found = false;
            for (int i = 0; i < 16; ++i) {
                const int d[3] = {v[0] - qRed(means[i]), v[1] - qGreen(means[i]), v[2] - qBlue(means[i])};
                if (size(d) < size(bd)) {
                    best = i;
                    std::copy(d, d + 3, bd);
                    found = true;
                }
            }
            if (!found)
                for (int k = 0; k < 3; ++k)
                    bd[k] = v[k] - (k == 0 ? qRed(means[0]) : k == 1 ? qGreen(means[0]) : qBlue(means[0]));
            digits << QString::number(best, 16).toUpper();
            if (!diffusion)
                continue;
            const int spread[4][3] = {{1, 0, 7}, {-1, 1, 3}, {0, 1, 5}, {1, 1, 1}};
            for (const auto &n : spread) {
                const int nc = c + n[0], nr = r + n[1];
                if (nc < 0 || nc >= columns || nr >= rows)
                    continue;
                QRgb &target = cells[std::size_t(nr * columns + nc)];
                const auto add = [&](int old, int d) {
                    return qBound(0, old + MosaicConversion::diffusionShare(d, n[2]), 255);
                };
                target = HalftonePalette::nearest(
                    qRgb(add(qRed(target), bd[0]), add(qGreen(target), bd[1]), add(qBlue(target), bd[2])));
            }
        }
        lines << digits.join(',');
    }
    return lines;
}

// Sixteen random mean colours, some of them repeated.
MeanColours randomMeans(quint32 seed)
{
    const QImage noise = test::noisePicture(16, 1, seed);
    MeanColours m;
    for (int i = 0; i < 16; ++i)
        m[std::size_t(i)] = noise.pixel(i % 13, 0);
    return m;
}
} // namespace

class MosaicConversionTest : public QObject {
    Q_OBJECT
private slots:
    void blockSize_data();
    void blockSize();
    void channelPair_data();
    void channelPair();
    void nearestEntry_data();
    void nearestEntry();
    void diffusionShare_data();
    void diffusionShare();
    void streamedEqualsMaterialised_data();
    void streamedEqualsMaterialised();
    void convert_data();
    void convert();
    void progress_data();
    void progress();
    void writeIntoCells();
    void partModesCellForCell_data();
    void partModesCellForCell();
    void perceptualIsTheLeastDifference();
    void smoothDiffusionKeepsTheTone();
};

void MosaicConversionTest::blockSize_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("design");
    QTest::addColumn<int>("q");
    QTest::newRow("320 x 200: q 3, enlarged 480 x 300") << QSize(320, 200) << QSize(160, 100) << 3;
    QTest::newRow("100 x 50: one pixel a cell") << QSize(100, 50) << QSize(160, 100) << 1;
    QTest::newRow("1000 x 1000: 7 is too short, then 11") << QSize(1000, 1000) << QSize(160, 100) << 11;
    QTest::newRow("one pixel wide, tall") << QSize(1, 1000) << QSize(160, 100) << 11;
    QTest::newRow("exactly Rows q high keeps q") << QSize(300, 200) << QSize(160, 100) << 2;
}

void MosaicConversionTest::blockSize()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, design);
    QFETCH(int, q);
    QCOMPARE(MosaicConversion::blockSize(picture, design.width(), design.height()), q);
}

void MosaicConversionTest::channelPair_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("G < B < R: red, blue") << QColor(204, 102, 153) << 0 << 2;
    QTest::newRow("B < R < G: green, red") << QColor(100, 200, 50) << 1 << 0;
    QTest::newRow("R < B < G: green, blue") << QColor(50, 200, 100) << 1 << 2;
    QTest::newRow("G < R < B: blue, red") << QColor(100, 50, 200) << 2 << 0;
    QTest::newRow("R < G < B: blue, green") << QColor(50, 100, 200) << 2 << 1;
    QTest::newRow("R > G > B: red, green") << QColor(200, 100, 50) << 0 << 1;
    QTest::newRow("red and green equal, blue strongest") << QColor(102, 102, 204) << 0 << 1;
    QTest::newRow("red and blue equal") << QColor(30, 200, 30) << 0 << 1;
    QTest::newRow("green and blue equal") << QColor(10, 90, 90) << 0 << 1;
    QTest::newRow("all equal") << QColor(7, 7, 7) << 0 << 1;
}

void MosaicConversionTest::channelPair()
{
    QFETCH(QColor, colour);
    QFETCH(int, first);
    QFETCH(int, second);
    const MosaicConversion::ChannelPair pair =
        MosaicConversion::channelPair(colour.red(), colour.green(), colour.blue());
    QCOMPARE(pair.first, first);
    QCOMPARE(pair.second, second);
}

void MosaicConversionTest::nearestEntry_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QList<QRgb>>("entries");
    QTest::addColumn<QRgb>("rest");
    QTest::addColumn<bool>("emphasized");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QList<int>>("difference");

    const QRgb far = qRgb(255, 0, 255);
    QTest::newRow("halfway between two entries: the lower")
        << QColor(105, 100, 100) << QList<QRgb>{far, far, far, qRgb(100, 100, 100), far, qRgb(110, 100, 100)}
        << far << false << 3 << QList<int>{5, 0, 0};
    QTest::newRow("halfway, emphasized: the lower")
        << QColor(105, 100, 100) << QList<QRgb>{far, far, far, qRgb(110, 100, 100), far, qRgb(100, 100, 100)}
        << far << true << 3 << QList<int>{-5, 0, 0};
    // (204, 102, 153): red and blue only; green is ignored, the difference keeps it.
    QTest::newRow("emphasized ignores the third channel")
        << QColor(204, 102, 153) << QList<QRgb>{far, far, qRgb(204, 102, 160), qRgb(204, 0, 153)} << far
        << true << 3 << QList<int>{0, 102, 0};
    QTest::newRow("the same cell by the average")
        << QColor(204, 102, 153) << QList<QRgb>{far, far, qRgb(204, 102, 160), qRgb(204, 0, 153)} << far
        << false << 2 << QList<int>{0, 0, -7};
    // (102, 102, 204): two equal channels, so red and green, not blue.
    QTest::newRow("two equal channels compare red and green")
        << QColor(102, 102, 204) << QList<QRgb>{far, qRgb(110, 110, 204), qRgb(102, 102, 0)} << far << true
        << 2 << QList<int>{0, 0, 204};
    QTest::newRow("the same cell by the average, blue counts")
        << QColor(102, 102, 204) << QList<QRgb>{far, qRgb(110, 110, 204), qRgb(102, 102, 0)} << far << false
        << 1 << QList<int>{-8, -8, 0};
    QTest::newRow("sixteen equal entries: 0")
        << QColor(40, 50, 60) << QList<QRgb>{} << qRgb(90, 90, 90) << false << 0 << QList<int>{-50, -40, -30};
    // Nothing is nearer than the starting bound 765: entry 0, with its own difference.
    QTest::newRow("black against white entries") << QColor(0, 0, 0) << QList<QRgb>{} << qRgb(255, 255, 255)
                                                 << false << 0 << QList<int>{-255, -255, -255};
    QTest::newRow("emphasized bound 510 not beaten")
        << QColor(0, 0, 90) << QList<QRgb>{} << qRgb(255, 255, 0) << true << 0 << QList<int>{-255, -255, 90};
}

void MosaicConversionTest::nearestEntry()
{
    QFETCH(QColor, colour);
    QFETCH(QList<QRgb>, entries);
    QFETCH(QRgb, rest);
    QFETCH(bool, emphasized);
    QFETCH(int, entry);
    QFETCH(QList<int>, difference);
    const MosaicConversion::Choice choice = MosaicConversion::nearestEntry(
        {colour.red(), colour.green(), colour.blue()}, means(entries, rest), emphasized);
    QCOMPARE(choice.entry, entry);
    QCOMPARE((QList<int>{choice.difference[0], choice.difference[1], choice.difference[2]}), difference);
}

void MosaicConversionTest::diffusionShare_data()
{
    QTest::addColumn<int>("difference");
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("share");
    // A difference of 8: 3.5, 1.5, 2.5 and 0.5, halves to the even neighbour.
    QTest::newRow("8 x 7 / 16 = 3.5") << 8 << 7 << 4;
    QTest::newRow("8 x 3 / 16 = 1.5") << 8 << 3 << 2;
    QTest::newRow("8 x 5 / 16 = 2.5") << 8 << 5 << 2;
    QTest::newRow("8 x 1 / 16 = 0.5") << 8 << 1 << 0;
    QTest::newRow("-8 x 7 / 16 = -3.5") << -8 << 7 << -4;
    QTest::newRow("-8 x 5 / 16 = -2.5") << -8 << 5 << -2;
    QTest::newRow("255 x 7 / 16 = 111.5625") << 255 << 7 << 112;
    QTest::newRow("-255 x 1 / 16 = -15.9375") << -255 << 1 << -16;
}

void MosaicConversionTest::diffusionShare()
{
    QFETCH(int, difference);
    QFETCH(int, weight);
    QFETCH(int, share);
    QCOMPARE(MosaicConversion::diffusionShare(difference, weight), share);
}

void MosaicConversionTest::streamedEqualsMaterialised_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("design");
    QTest::newRow("101 x 57 into 7 x 5, rows not whole chunks") << QSize(101, 57) << QSize(7, 5);
    QTest::newRow("one pixel wide") << QSize(1, 9) << QSize(5, 4);
    QTest::newRow("one pixel high") << QSize(9, 1) << QSize(4, 5);
    QTest::newRow("smaller than the design") << QSize(33, 17) << QSize(40, 30);
    QTest::newRow("320 x 200 into 160 x 100") << QSize(320, 200) << QSize(160, 100);
    QTest::newRow("tall, q from the height") << QSize(23, 397) << QSize(6, 9);
    QTest::newRow("wide rows taken in parts, many rows a block") << QSize(1100, 60) << QSize(10, 2);
    QTest::newRow("blocks over 257 pixels: the wide sums") << QSize(603, 3) << QSize(2, 1);
}

void MosaicConversionTest::streamedEqualsMaterialised()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, design);
    const QImage source = test::noisePicture(picture.width(), picture.height(),
                                             quint32(picture.width() * 31 + picture.height()));
    QCOMPARE(MosaicConversion::cellAverages(source, design.width(), design.height()),
             materialisedAverages(source, design.width(), design.height()));
}

void MosaicConversionTest::convert_data()
{
    QTest::addColumn<QList<QList<int>>>("picture");
    QTest::addColumn<QSize>("design");
    QTest::addColumn<int>("scanType");
    QTest::addColumn<QStringList>("lines");

    // Entries: 0 black, 1 grey 60, the others black again (never nearer than 0).
    // A picture of Columns x Rows pixels gives each cell its own pixel, and
    // these greys are halftone colours, so a cell's colour is its pixel's.
    QTest::newRow("paint: every cell on its own")
        << QList<QList<int>>{{255, 0, 0}} << QSize(3, 1) << 0 << QStringList{"1,0,0"};
    // 255 takes grey 60 and passes 195 x 7/16 = 85 on (stored as grey 88),
    // which again takes grey 60 and passes 12 on (stored as 9), which takes black.
    QTest::newRow("diffusion: the error reaches the next cells")
        << QList<QList<int>>{{255, 0, 0}} << QSize(3, 1) << 1 << QStringList{"1,1,0"};
    QTest::newRow("scan type 3 is no diffusion")
        << QList<QList<int>>{{255, 0, 0}} << QSize(3, 1) << 3 << QStringList{"1,0,0"};
    // Smooth diffusion, no halftone step: 35 takes grey 60 and passes -25 x 7/16 on.
    QTest::newRow("smooth diffusion: the first row left to right")
        << QList<QList<int>>{{35, 35}} << QSize(2, 1) << 2 << QStringList{"1,0"};
    QTest::newRow("smooth diffusion: the second row right to left")
        << QList<QList<int>>{{0, 0}, {35, 35}} << QSize(2, 2) << 2 << QStringList{"0,0", "0,1"};
    // The last column's error passed to the right would land on the next row's
    // first cell and turn it to 1.
    QTest::newRow("diffusion: the last column passes nothing right, the last row nothing down")
        << QList<QList<int>>{{0, 123}, {0, 0}, {0, 0}} << QSize(2, 3) << 1
        << QStringList{"0,1", "0,0", "0,0"};
    // The first column's error passed down-left would land on the same row's
    // last cell and turn it to 1.
    QTest::newRow("diffusion: the first column passes nothing down-left")
        << QList<QList<int>>{{123, 0}, {0, 0}} << QSize(2, 2) << 1 << QStringList{"1,0", "0,0"};
    QTest::newRow("one pixel wide picture: every line has Columns digits")
        << QList<QList<int>>{{255}} << QSize(5, 3) << 0 << QStringList(3, "1,1,1,1,1");
    QTest::newRow("one pixel, diffusion")
        << QList<QList<int>>{{255}} << QSize(4, 2) << 1 << QStringList{"1,1,1,1", "1,1,1,1"};
    QTest::newRow("a picture in another aspect fills the design")
        << QList<QList<int>>{{255, 255, 0, 0}} << QSize(2, 3) << 0 << QStringList(3, "1,0");
}

void MosaicConversionTest::convert()
{
    QFETCH(QList<QList<int>>, picture);
    QFETCH(QSize, design);
    QFETCH(int, scanType);
    QFETCH(QStringList, lines);
    const MeanColours m = means({qRgb(0, 0, 0), qRgb(60, 60, 60)}, qRgb(0, 0, 0));
    QCOMPARE(MosaicConversion::convert(greys(picture), design.width(), design.height(), m,
                                       ScanOptions::fromItems(scanType, 0)),
             lines);
}

void MosaicConversionTest::progress_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("reports");
    // Pass 1 at every row (0 .. Rows - 1), the caption, pass 2 one more a row
    // up to 2 Rows - 2 (the bar is full), then back to 0.
    QTest::newRow("three rows") << 3
                                << QStringList{"0/4", "1/4", "2/4", "reading", "3/4", "4/4", "4/4", "0/4"};
    QTest::newRow("one row: a bar of one step") << 1 << QStringList{"0/1", "reading", "1/1", "0/1"};
}

void MosaicConversionTest::progress()
{
    QFETCH(int, rows);
    QFETCH(QStringList, reports);
    QStringList seen;
    ScanProgress progress;
    progress.progress = [&](int done, int total) { seen << QStringLiteral("%1/%2").arg(done).arg(total); };
    progress.reading = [&] { seen << QStringLiteral("reading"); };
    MosaicConversion::convert(greys({{10, 20}, {30, 40}}), 4, rows, means({}, qRgb(0, 0, 0)), ScanOptions{},
                              progress);
    QCOMPARE(seen, reports);
}

void MosaicConversionTest::writeIntoCells()
{
    Design design;
    design.makeNew(3, 2);
    design.setCell(0, 1, QStringLiteral("x"));
    QSignalSpy cells(&design, &Design::cellsChanged);
    MosaicConversion::writeIntoCells({QStringLiteral("1,2,3"), QStringLiteral("A,B,F")}, design);
    QCOMPARE(test::cellsOf(design), (QStringList{"1|2|3", "A|B|F"}));
    QCOMPARE(cells.size(), 1);
    QCOMPARE(cells[0][0].toRect(), QRect(0, 0, 3, 2));
}

void MosaicConversionTest::partModesCellForCell_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("design");
    QTest::newRow("photo-sized blocks") << QSize(331, 207) << QSize(40, 25);
    QTest::newRow("a pixel a cell") << QSize(30, 20) << QSize(30, 20);
    QTest::newRow("tall") << QSize(21, 160) << QSize(9, 14);
}

// The four modes of the window's first two choices, with every adjustment at
// zero, give what the plain pass 2 gives on the same averages.
void MosaicConversionTest::partModesCellForCell()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, design);
    for (quint32 seed = 1; seed <= 4; ++seed) {
        const QImage source = test::noisePicture(picture.width(), picture.height(), seed);
        const MeanColours m = randomMeans(seed * 97);
        const std::vector<QRgb> averages =
            MosaicConversion::cellAverages(source, design.width(), design.height());
        for (int scanType : {0, 1})
            for (int compare : {0, 1}) {
                ScanOptions options = ScanOptions::fromItems(scanType, compare);
                options.adjustments = Adjustments{0, 0, 0};
                QCOMPARE(
                    MosaicConversion::convert(source, design.width(), design.height(), m, options),
                    plainPass2(averages, design.width(), design.height(), m, scanType == 1, compare == 1));
            }
    }
}

// "見た目で比較" without diffusion picks, cell by cell, the entry of least
// CIEDE2000 (every entry tried), so its mean difference is never above the
// average comparison's.
void MosaicConversionTest::perceptualIsTheLeastDifference()
{
    for (quint32 seed = 1; seed <= 6; ++seed) {
        const int columns = 23, rows = 17;
        const std::vector<QRgb> cells =
            MosaicConversion::cellAverages(test::noisePicture(97, 61, seed), columns, rows);
        const MeanColours m = randomMeans(seed + 1000);
        const auto entries = [&](int compare) {
            return MosaicConversion::match(cells, columns, rows, m, ScanOptions::fromItems(0, compare));
        };
        const std::vector<std::uint8_t> perceptual = entries(2);
        double least = 0;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            double best = 1e9;
            for (QRgb mean : m)
                best = std::min(best, Cielab::ciede2000(Cielab::fromRgb(cells[i]), Cielab::fromRgb(mean)));
            const double chosen =
                Cielab::ciede2000(Cielab::fromRgb(cells[i]), Cielab::fromRgb(m[perceptual[i]]));
            QCOMPARE(chosen, best);
            least += best;
        }
        const double mean = MosaicConversion::meanDifference(cells, perceptual, m);
        QVERIFY(qAbs(mean - least / double(cells.size())) < 1e-9);
        QVERIFY(mean <= MosaicConversion::meanDifference(cells, entries(0), m));
    }
}

// Black and white pieces for a flat grey: the share of white follows the grey.
void MosaicConversionTest::smoothDiffusionKeepsTheTone()
{
    for (int grey : {40, 128, 200}) {
        const std::vector<QRgb> cells(40 * 30, qRgb(grey, grey, grey));
        const MeanColours m = means({qRgb(0, 0, 0), qRgb(255, 255, 255)}, qRgb(0, 0, 0));
        const std::vector<std::uint8_t> entries =
            MosaicConversion::match(cells, 40, 30, m, ScanOptions::fromItems(2, 0));
        const double white = double(std::count(entries.begin(), entries.end(), 1)) / double(entries.size());
        QVERIFY2(qAbs(white - grey / 255.0) < 0.01, qPrintable(QString::number(white)));
    }
}

QTEST_APPLESS_MAIN(MosaicConversionTest)
#include "MosaicConversionTest.moc"
