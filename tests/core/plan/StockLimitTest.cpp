#include "core/plan/StockLimit.h"
#include "support/TestSupport.h"

#include <QRandomGenerator>
#include <QTest>

using namespace tessell;
using namespace tessell::test;

namespace {
// Greys of the halftone palette, so that every comparison sees them as they are.
const int kGreys[] = {0, 26, 53, 88, 114, 141, 167, 193, 220, 255};

// A picture's cells: a colour ramp with noise, so that neighbours look alike
// and some entries are wanted far more than others.
std::vector<QRgb> randomCells(QRandomGenerator &random, int columns, int rows)
{
    const QRgb from = random.generate(), to = random.generate();
    std::vector<QRgb> cells;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const double t = double(c + r) / (columns + rows);
            const auto channel = [&](int a, int b) {
                return std::clamp(int(a + (b - a) * t) + random.bounded(-40, 41), 0, 255);
            };
            cells.push_back(qRgb(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)),
                                 channel(qBlue(from), qBlue(to))));
        }
    return cells;
}

std::array<int, 16> countsOf(const std::vector<std::uint8_t> &entries)
{
    std::array<int, 16> counts{};
    for (std::uint8_t e : entries)
        ++counts[e & 15];
    return counts;
}
} // namespace

class StockLimitTest : public QObject {
    Q_OBJECT
private slots:
    void leastDifferenceMoves_data();
    void leastDifferenceMoves();
    void withinStock();
    void diffusionSpreadsTheStock_data();
    void diffusionSpreadsTheStock();
};

void StockLimitTest::leastDifferenceMoves_data()
{
    QTest::addColumn<int>("compare");
    QTest::addColumn<QString>("stock");  // entries 0 black, 1 white, 2 mid grey; the rest black, none on hand
    QTest::addColumn<QString>("result"); // the entries of the ten greys of kGreys, or the error
    const char *const rows[][3] = {
        // Of entry 2's four greys the darkest moves to black and the lightest to white: the cheapest moves.
        {"mid grey short", "1=5,2=2", "0,0,0,0,2,2,1,1,1,1"},
        {"white short", "1=1", "0,0,0,2,2,2,2,2,2,1"},
        {"white and grey short", "1=2,2=1", "0,0,0,0,0,0,2,0,1,1"},
        {"four cells too few", "0=1,1=1,2=4", "在庫が足りません (あと 4 枚)"},
    };
    for (int compare : {0, 1, 2})
        for (const auto &row : rows)
            QTest::addRow("comparison %d: %s", compare, row[0])
                << compare << row[1] << QString::fromUtf8(row[2]);
}

void StockLimitTest::leastDifferenceMoves()
{
    QFETCH(int, compare);
    QFETCH(QString, stock);
    QFETCH(QString, result);
    MeanColours means{qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(128, 128, 128)};
    std::fill(means.begin() + 3, means.end(), qRgb(0, 0, 0));
    Stock limits = *CollectionPlan::parseEntries(stock, CollectionPlan::parseStock);
    for (std::size_t n = 3; n < 16; ++n)
        limits[n] = 0;
    std::vector<QRgb> cells;
    for (int g : kGreys)
        cells.push_back(qRgb(g, g, g));
    QStringList got;
    const QString thrown = errorOf([&] {
        for (std::uint8_t e :
             StockLimit::match(cells, 10, 1, means, ScanOptions::fromItems(0, compare), limits))
            got << QString::number(e);
    });
    QCOMPARE(thrown == "<no error>" ? got.join(u',') : thrown, result);
}

void StockLimitTest::withinStock()
{
    QRandomGenerator random(2028);
    for (int round = 0; round < 60; ++round) {
        const int columns = random.bounded(1, 31), rows = random.bounded(1, 21);
        const std::size_t cellCount = std::size_t(columns) * rows;
        const std::vector<QRgb> cells = randomCells(random, columns, rows);
        MeanColours means;
        for (QRgb &m : means)
            m = random.generate() | 0xFF000000u;
        const ScanOptions options = ScanOptions::fromItems(round / 3 % 3, round % 3);
        const QByteArray where = QByteArray("round ") + QByteArray::number(round);
        const std::vector<std::uint8_t> today = MosaicConversion::match(cells, columns, rows, means, options);

        // Without limits, and with just the pieces today's result takes: today's result.
        QVERIFY2(StockLimit::match(cells, columns, rows, means, options, Stock{}) == today, where);
        Stock exact;
        const std::array<int, 16> todayCounts = countsOf(today);
        std::copy(todayCounts.begin(), todayCounts.end(), exact.begin());
        QVERIFY2(StockLimit::match(cells, columns, rows, means, options, exact) == today, where);

        // Random limits on some entries; with every entry limited, at least enough pieces.
        Stock stock;
        const bool allLimited = round % 2 == 0;
        int total = 0;
        for (std::size_t n = 0; n < 16; ++n)
            if (allLimited || random.bounded(2) == 0) {
                stock[n] = random.bounded(int(cellCount) / 4 + 2);
                total += *stock[n];
            }
        if (allLimited && total < int(cellCount))
            *stock[std::size_t(random.bounded(16))] += int(cellCount) - total;
        const std::vector<std::uint8_t> entries =
            StockLimit::match(cells, columns, rows, means, options, stock);
        QCOMPARE(entries.size(), cellCount);
        const std::array<int, 16> counts = countsOf(entries);
        for (std::size_t n = 0; n < 16; ++n)
            QVERIFY2(!stock[n] || counts[n] <= *stock[n], where + " entry " + QByteArray::number(int(n)));
        // A cell with an entry that has no limit keeps its nearest one where nothing diffuses.
        if (options.dithering == Dithering::None)
            for (std::size_t i = 0; i < cellCount; ++i)
                QVERIFY2(stock[today[i]] || entries[i] == today[i], where);
        QVERIFY(std::all_of(entries.begin(), entries.end(), [](std::uint8_t e) { return e < 16; }));
    }
}

void StockLimitTest::diffusionSpreadsTheStock_data()
{
    QTest::addColumn<int>("scanType");
    QTest::addColumn<int>("compare");
    for (int scanType : {1, 2})
        for (int compare : {0, 2})
            QTest::addRow("diffusion %d, comparison %d", scanType, compare) << scanType << compare;
}

// A picture that darkens downwards, with a third of the black it would take:
// the black there is goes where the picture is darkest, down to its last
// rows, rather than running out on the way (a cap in conversion order leaves them none).
void StockLimitTest::diffusionSpreadsTheStock()
{
    QFETCH(int, scanType);
    QFETCH(int, compare);
    const int columns = 40, rows = 60;
    std::vector<QRgb> cells;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const int v = std::max(0, 200 - r * 5 + (c * 7) % 11);
            cells.push_back(qRgb(v, v * 9 / 10, v * 8 / 10));
        }
    MeanColours means{qRgb(0, 0, 0), qRgb(90, 80, 70), qRgb(170, 150, 130)};
    std::fill(means.begin() + 3, means.end(), qRgb(255, 255, 255));
    const ScanOptions options = ScanOptions::fromItems(scanType, compare);
    const std::vector<std::uint8_t> free = MosaicConversion::match(cells, columns, rows, means, options);
    Stock stock;
    stock[0] = countsOf(free)[0] / 3;
    QVERIFY(*stock[0] > 50);
    const std::vector<std::uint8_t> held = StockLimit::match(cells, columns, rows, means, options, stock);
    QCOMPARE(countsOf(held)[0], *stock[0]);
    const auto lastRowsBlack = [&](const std::vector<std::uint8_t> &e) {
        return int(std::count(e.end() - 5 * columns, e.end(), 0));
    };
    QVERIFY2(lastRowsBlack(held) * 4 >= lastRowsBlack(free),
             qPrintable(QStringLiteral("%1 of %2").arg(lastRowsBlack(held)).arg(lastRowsBlack(free))));
}

QTEST_MAIN(StockLimitTest)
#include "StockLimitTest.moc"
