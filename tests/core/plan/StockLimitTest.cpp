#include "core/plan/StockLimit.h"
#include "support/TestSupport.h"

#include <QRandomGenerator>
#include <QTest>

using namespace tessell;
using namespace tessell::test;

namespace {
// Greys of the halftone palette, so that every comparison sees them as they are.
const int kGreys[] = {0, 26, 53, 88, 114, 141, 167, 193, 220, 255};

const ScanOptions kAllOptions[] = {
    ScanOptions::fromItems(0, 0), ScanOptions::fromItems(0, 1), ScanOptions::fromItems(0, 2),
    ScanOptions::fromItems(1, 0), ScanOptions::fromItems(1, 1), ScanOptions::fromItems(1, 2),
    ScanOptions::fromItems(2, 0), ScanOptions::fromItems(2, 1), ScanOptions::fromItems(2, 2),
};

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
    QTest::addColumn<QString>("result"); // the ten greys of kGreys; empty: refused
    QTest::addColumn<QString>("error");
    for (int compare : {0, 1, 2}) {
        const QByteArray name = QByteArray("comparison ") + QByteArray::number(compare);
        QTest::newRow(name + ": enough") << compare << "0=5,1=5,2=10"
                                         << "0,0,0,2,2,2,2,1,1,1"
                                         << "";
        // Of entry 2's four greys the darkest moves to black and the lightest to white: the cheapest moves.
        QTest::newRow(name + ": mid grey short") << compare << "1=5,2=2"
                                                 << "0,0,0,0,2,2,1,1,1,1"
                                                 << "";
        QTest::newRow(name + ": white short") << compare << "1=1"
                                              << "0,0,0,2,2,2,2,2,2,1"
                                              << "";
        QTest::newRow(name + ": white and grey short") << compare << "1=2,2=1"
                                                       << "0,0,0,0,0,0,2,0,1,1"
                                                       << "";
        QTest::newRow(name + ": four cells too few")
            << compare << "0=1,1=1,2=4,3=0,4=0,5=0,6=0,7=0,8=0,9=0,A=0,B=0,C=0,D=0,E=0,F=0"
            << ""
            << "在庫が足りません (あと 4 枚)";
    }
}

void StockLimitTest::leastDifferenceMoves()
{
    QFETCH(int, compare);
    QFETCH(QString, stock);
    QFETCH(QString, result);
    QFETCH(QString, error);
    MeanColours means;
    means.fill(qRgb(0, 0, 0));
    means[1] = qRgb(255, 255, 255);
    means[2] = qRgb(128, 128, 128);
    Stock limits = *CollectionPlan::parseEntries(stock, CollectionPlan::parseStock);
    for (std::size_t n = 3; n < 16; ++n)
        limits[n] = 0;
    std::vector<QRgb> cells;
    for (int g : kGreys)
        cells.push_back(qRgb(g, g, g));
    const ScanOptions o = ScanOptions::fromItems(0, compare);
    QStringList got;
    const QString thrown = errorOf([&] {
        for (std::uint8_t e : StockLimit::match(cells, 10, 1, means, o, limits))
            got << QString::number(e);
    });
    QCOMPARE(thrown, error.isEmpty() ? QStringLiteral("<no error>") : error);
    QCOMPARE(got.join(u','), result);
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
        const ScanOptions &options = kAllOptions[round % 9];
        const QByteArray where = QByteArray("round ") + QByteArray::number(round);
        const std::vector<std::uint8_t> today = MosaicConversion::match(cells, columns, rows, means, options);

        // Without limits, and with just the pieces today's result takes: today's result.
        QVERIFY2(StockLimit::match(cells, columns, rows, means, options, Stock{}) == today, where);
        Stock exact;
        const std::array<int, 16> todayCounts = countsOf(today);
        for (std::size_t n = 0; n < 16; ++n)
            exact[n] = todayCounts[n];
        QVERIFY2(StockLimit::match(cells, columns, rows, means, options, exact) == today, where);

        // Random limits on some entries; with every entry limited, at least enough pieces.
        Stock stock;
        const bool allLimited = round % 3 == 0;
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
                QVERIFY2(!stock[today[i]] ? entries[i] == today[i] : true, where);
        for (std::uint8_t e : entries)
            QVERIFY(e < 16);
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
// rows, rather than running out on the way.
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
    MeanColours means;
    means.fill(qRgb(255, 255, 255));
    means[0] = qRgb(0, 0, 0);
    means[1] = qRgb(90, 80, 70);
    means[2] = qRgb(170, 150, 130);
    const ScanOptions options = ScanOptions::fromItems(scanType, compare);
    const std::vector<std::uint8_t> free = MosaicConversion::match(cells, columns, rows, means, options);
    Stock stock;
    stock[0] = countsOf(free)[0] / 3;
    QVERIFY(*stock[0] > 50);
    const std::vector<std::uint8_t> held = StockLimit::match(cells, columns, rows, means, options, stock);
    QCOMPARE(countsOf(held)[0], *stock[0]);
    // The last rows, the darkest, keep much of their black; the stock did not
    // run out on the way down (a cap in conversion order leaves them none).
    const auto blackIn = [&](const std::vector<std::uint8_t> &entries, int firstRow) {
        return std::count(entries.begin() + firstRow * columns, entries.end(), 0);
    };
    QVERIFY2(
        blackIn(held, rows - 5) * 4 >= blackIn(free, rows - 5),
        qPrintable(QStringLiteral("%1 of %2").arg(blackIn(held, rows - 5)).arg(blackIn(free, rows - 5))));
    // And the black used lies lower on average than the black the free conversion uses.
    const auto meanRow = [&](const std::vector<std::uint8_t> &entries) {
        double sum = 0;
        int n = 0;
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i] == 0)
                sum += double(i / columns), ++n;
        return sum / n;
    };
    QVERIFY(meanRow(held) > meanRow(free));
}

QTEST_MAIN(StockLimitTest)
#include "StockLimitTest.moc"
