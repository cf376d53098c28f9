// The colour module against published reference values, and the properties
// the image scan window relies on: adjustments at zero change nothing, the
// colour choice is repeatable and gives the colours asked for.
#include "core/colour/Adjustments.h"
#include "core/colour/Cielab.h"
#include "core/colour/ColourNames.h"
#include "core/colour/KMeans.h"

#include <QtTest>

#include <algorithm>
#include <random>
#include <set>

using namespace tessell;

class ColourScienceTest : public QObject {
    Q_OBJECT
private slots:
    void ciede2000_data();
    void ciede2000();
    void srgbToLab_data();
    void srgbToLab();
    void adjustmentsAtZeroChangeNothing();
    void adjustments_data();
    void adjustments();
    void kMeans_data();
    void kMeans();
    void names_data();
    void names();
};

// Sharma, Wu and Dalal (2005), table 1: the 34 pairs with their CIEDE2000.
void ColourScienceTest::ciede2000_data()
{
    QTest::addColumn<QList<double>>("pair"); // L1 a1 b1 L2 a2 b2
    QTest::addColumn<double>("difference");
    const double table[34][7] = {
        {50.0000, 2.6772, -79.7751, 50.0000, 0.0000, -82.7485, 2.0425},
        {50.0000, 3.1571, -77.2803, 50.0000, 0.0000, -82.7485, 2.8615},
        {50.0000, 2.8361, -74.0200, 50.0000, 0.0000, -82.7485, 3.4412},
        {50.0000, -1.3802, -84.2814, 50.0000, 0.0000, -82.7485, 1.0000},
        {50.0000, -1.1848, -84.8006, 50.0000, 0.0000, -82.7485, 1.0000},
        {50.0000, -0.9009, -85.5211, 50.0000, 0.0000, -82.7485, 1.0000},
        {50.0000, 0.0000, 0.0000, 50.0000, -1.0000, 2.0000, 2.3669},
        {50.0000, -1.0000, 2.0000, 50.0000, 0.0000, 0.0000, 2.3669},
        {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0009, 7.1792},
        {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0010, 7.1792},
        {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0011, 7.2195},
        {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0012, 7.2195},
        {50.0000, -0.0010, 2.4900, 50.0000, 0.0009, -2.4900, 4.8045},
        {50.0000, -0.0010, 2.4900, 50.0000, 0.0010, -2.4900, 4.8045},
        {50.0000, -0.0010, 2.4900, 50.0000, 0.0011, -2.4900, 4.7461},
        {50.0000, 2.5000, 0.0000, 50.0000, 0.0000, -2.5000, 4.3065},
        {50.0000, 2.5000, 0.0000, 73.0000, 25.0000, -18.0000, 27.1492},
        {50.0000, 2.5000, 0.0000, 61.0000, -5.0000, 29.0000, 22.8977},
        {50.0000, 2.5000, 0.0000, 56.0000, -27.0000, -3.0000, 31.9030},
        {50.0000, 2.5000, 0.0000, 58.0000, 24.0000, 15.0000, 19.4535},
        {50.0000, 2.5000, 0.0000, 50.0000, 3.1736, 0.5854, 1.0000},
        {50.0000, 2.5000, 0.0000, 50.0000, 3.2972, 0.0000, 1.0000},
        {50.0000, 2.5000, 0.0000, 50.0000, 1.8634, 0.5757, 1.0000},
        {50.0000, 2.5000, 0.0000, 50.0000, 3.2592, 0.3350, 1.0000},
        {60.2574, -34.0099, 36.2677, 60.4626, -34.1751, 39.4387, 1.2644},
        {63.0109, -31.0961, -5.8663, 62.8187, -29.7946, -4.0864, 1.2630},
        {61.2901, 3.7196, -5.3901, 61.4292, 2.2480, -4.9620, 1.8731},
        {35.0831, -44.1164, 3.7933, 35.0232, -40.0716, 1.5901, 1.8645},
        {22.7233, 20.0904, -46.6940, 23.0331, 14.9730, -42.5619, 2.0373},
        {36.4612, 47.8580, 18.3852, 36.2715, 50.5065, 21.2231, 1.4146},
        {90.8027, -2.0831, 1.4410, 91.1528, -1.6435, 0.0447, 1.4441},
        {90.9257, -0.5406, -0.9208, 88.6381, -0.8985, -0.7239, 1.5381},
        {6.7747, -0.2908, -2.4247, 5.8714, -0.0985, -2.2286, 0.6377},
        {2.0776, 0.0795, -1.1350, 0.9033, -0.0636, -0.5514, 0.9082},
    };
    for (int i = 0; i < 34; ++i)
        QTest::addRow("pair %d", i + 1) << QList<double>(table[i], table[i] + 6) << table[i][6];
}

void ColourScienceTest::ciede2000()
{
    QFETCH(QList<double>, pair);
    QFETCH(double, difference);
    const Lab first{pair[0], pair[1], pair[2]}, second{pair[3], pair[4], pair[5]};
    const double there = Cielab::ciede2000(first, second), back = Cielab::ciede2000(second, first);
    QVERIFY2(qAbs(there - difference) < 5e-5, qPrintable(QString::number(there, 'f', 6)));
    QVERIFY2(qAbs(back - difference) < 5e-5, qPrintable(QString::number(back, 'f', 6)));
    // The bound used to pass over candidates never exceeds the difference.
    QVERIFY(Cielab::ciede2000Bound(first, second) <= there + 1e-12);
}

// sRGB (D65) to CIELAB as the reference calculators give it.
void ColourScienceTest::srgbToLab_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QList<double>>("lab");
    QTest::newRow("white") << QColor(255, 255, 255) << QList<double>{100.0, 0.0, 0.0};
    QTest::newRow("black") << QColor(0, 0, 0) << QList<double>{0.0, 0.0, 0.0};
    QTest::newRow("red") << QColor(255, 0, 0) << QList<double>{53.2408, 80.0925, 67.2032};
    QTest::newRow("green") << QColor(0, 255, 0) << QList<double>{87.7347, -86.1827, 83.1793};
    QTest::newRow("blue") << QColor(0, 0, 255) << QList<double>{32.2970, 79.1875, -107.8602};
    QTest::newRow("mid grey") << QColor(128, 128, 128) << QList<double>{53.5850, 0.0, 0.0};
    // Below the linear toe of the transfer curve.
    QTest::newRow("near black") << QColor(10, 10, 10) << QList<double>{2.7417, 0.0, 0.0};
}

void ColourScienceTest::srgbToLab()
{
    QFETCH(QColor, colour);
    QFETCH(QList<double>, lab);
    for (const Lab got :
         {Cielab::fromRgb(colour.rgb()), Cielab::fromSrgb(colour.red(), colour.green(), colour.blue())}) {
        QVERIFY2(qAbs(got.L - lab[0]) < 2e-3 && qAbs(got.a - lab[1]) < 2e-3 && qAbs(got.b - lab[2]) < 2e-3,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(got.L).arg(got.a).arg(got.b)));
    }
}

void ColourScienceTest::adjustmentsAtZeroChangeNothing()
{
    std::vector<QRgb> all(1 << 24);
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = 0xFF000000u | QRgb(i);
    std::vector<QRgb> adjusted = all;
    Adjustments().apply(adjusted);
    QVERIFY(adjusted == all);
}

void ColourScienceTest::adjustments_data()
{
    QTest::addColumn<QList<int>>("settings"); // brightness, contrast, saturation
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QColor>("adjusted");
    QTest::newRow("brighter by half the range")
        << QList<int>{100, 0, 0} << QColor(0, 100, 200) << QColor(128, 228, 255);
    QTest::newRow("no contrast: mid-grey")
        << QList<int>{0, -100, 0} << QColor(0, 100, 200) << QColor(128, 128, 128);
    QTest::newRow("four times the contrast")
        << QList<int>{0, 100, 0} << QColor(110, 127, 140) << QColor(58, 126, 178);
    QTest::newRow("no saturation: the luma")
        << QList<int>{0, 0, -100} << QColor(200, 100, 10) << QColor(120, 120, 120);
    QTest::newRow("twice the saturation, clamped")
        << QList<int>{0, 0, 100} << QColor(200, 100, 50) << QColor(255, 76, 0);
    QTest::newRow("values beyond the range count as its ends")
        << QList<int>{0, -250, 0} << QColor(0, 100, 200) << QColor(128, 128, 128);
    QTest::newRow("brightness before contrast")
        << QList<int>{20, 100, 0} << QColor(100, 100, 100) << QColor(120, 120, 120);
}

void ColourScienceTest::adjustments()
{
    QFETCH(QList<int>, settings);
    QFETCH(QColor, colour);
    QFETCH(QColor, adjusted);
    const Adjustments a{settings[0], settings[1], settings[2]};
    QCOMPARE(QColor(a.apply(colour.rgb())), adjusted);
}

void ColourScienceTest::kMeans_data()
{
    QTest::addColumn<int>("groups"); // colours the picture is made of, each with a little noise
    QTest::addColumn<int>("count");  // colours asked for
    QTest::addColumn<int>("answered");
    QTest::newRow("sixteen of many") << 40 << 16 << 16;
    QTest::newRow("two of many") << 40 << 2 << 2;
    QTest::newRow("three groups, three colours: one each") << 3 << 3 << 3;
    QTest::newRow("fewer distinct colours than asked") << 0 << 16 << 5;
}

// The same colours in any order give the same answer; distinct colours come
// back, as many as asked, and clear groups are found.
void ColourScienceTest::kMeans()
{
    QFETCH(int, groups);
    QFETCH(int, count);
    QFETCH(int, answered);
    std::mt19937 random(7);
    std::vector<QRgb> centres, colours;
    if (groups == 0) {
        // Five colours only, each many times.
        for (int i = 0; i < 500; ++i)
            colours.push_back(qRgb(50 * (i % 5), 20, 200));
    } else {
        for (int g = 0; g < groups; ++g)
            centres.push_back(
                qRgb(int(random() % 200) + 28, int(random() % 200) + 28, int(random() % 200) + 28));
        for (int i = 0; i < 4000; ++i) {
            const QRgb c = centres[std::size_t(i) % centres.size()];
            const auto noise = [&](int v) { return std::clamp(v + int(random() % 9) - 4, 0, 255); };
            colours.push_back(qRgb(noise(qRed(c)), noise(qGreen(c)), noise(qBlue(c))));
        }
    }
    const std::vector<QRgb> chosen = KMeans::chooseColours(colours, count);
    QCOMPARE(int(chosen.size()), answered);
    QCOMPARE(int(std::set<QRgb>(chosen.begin(), chosen.end()).size()), answered);
    std::shuffle(colours.begin(), colours.end(), random);
    QCOMPARE(KMeans::chooseColours(colours, count), chosen);
    if (groups == count) {
        // Each group's centre is within the noise of one colour chosen.
        for (QRgb c : centres) {
            const bool found = std::any_of(chosen.begin(), chosen.end(), [c](QRgb k) {
                return qAbs(qRed(k) - qRed(c)) <= 1 && qAbs(qGreen(k) - qGreen(c)) <= 1 &&
                       qAbs(qBlue(k) - qBlue(c)) <= 1;
            });
            QVERIFY2(found, qPrintable(QColor(c).name()));
        }
    }
}

void ColourScienceTest::names_data()
{
    QTest::addColumn<QList<QRgb>>("colours");
    QTest::addColumn<QStringList>("names");
    // The nearest everyday name; one that comes again gets its count.
    QTest::newRow("names") << QList<QRgb>{qRgb(30, 140, 60), qRgb(250, 250, 248), qRgb(20, 40, 100),
                                          qRgb(40, 150, 70), qRgb(240, 205, 175), qRgb(20, 130, 50)}
                           << QStringList{"緑", "白", "紺", "緑2", "肌色", "緑3"};
}

void ColourScienceTest::names()
{
    QFETCH(QList<QRgb>, colours);
    QFETCH(QStringList, names);
    QCOMPARE(ColourNames::forColours(std::vector<QRgb>(colours.begin(), colours.end())), names);
}

QTEST_APPLESS_MAIN(ColourScienceTest)
#include "ColourScienceTest.moc"
