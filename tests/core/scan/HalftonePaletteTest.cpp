#include "core/scan/HalftonePalette.h"

#include <QtTest>

using namespace tessell;

namespace {
int squaredDistance(int r, int g, int b, QRgb c)
{
    return (r - qRed(c)) * (r - qRed(c)) + (g - qGreen(c)) * (g - qGreen(c)) +
           (b - qBlue(c)) * (b - qBlue(c));
}

// Every entry in turn, the first of the nearest kept.
int slowNearest(int r, int g, int b)
{
    int best = 0;
    for (int i = 1; i < HalftonePalette::Size; ++i)
        if (squaredDistance(r, g, b, HalftonePalette::colour(i)) <
            squaredDistance(r, g, b, HalftonePalette::colour(best)))
            best = i;
    return best;
}
} // namespace

class HalftonePaletteTest : public QObject {
    Q_OBJECT
private slots:
    void nearest_data();
    void nearest();
    void nearestMatchesEveryEntryInTurn();
};

void HalftonePaletteTest::nearest_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("entry");
    QTest::newRow("an entry is its own nearest") << QColor(192, 220, 192) << 223 << QColor(192, 220, 192);
    QTest::newRow("25 above a step stays on it") << QColor(25, 255, 0) << 30 << QColor(0, 255, 0);
    QTest::newRow("26 above a step goes to the next") << QColor(26, 255, 0) << 66 << QColor(51, 255, 0);
    QTest::newRow("a grey nearer than the cube") << QColor(120, 120, 120) << 241 << QColor(123, 123, 123);
    // 130 lies 2 from both 128 (index 227) and 132 (grey k = 15, index 242).
    QTest::newRow("halfway between two entries: the lower index")
        << QColor(130, 130, 130) << 227 << QColor(128, 128, 128);
    QTest::newRow("halfway between two greys: the lower index")
        << QColor(22, 22, 22) << 229 << QColor(18, 18, 18);
}

void HalftonePaletteTest::nearest()
{
    QFETCH(QColor, colour);
    QFETCH(int, index);
    QFETCH(QColor, entry);
    QCOMPARE(int(HalftonePalette::nearestIndex(colour.red(), colour.green(), colour.blue())), index);
    QCOMPARE(QColor(HalftonePalette::nearest(colour.rgb())), entry);
}

void HalftonePaletteTest::nearestMatchesEveryEntryInTurn()
{
    // A grid through the whole colour space plus the values either side of
    // every cube step, where the boxes of the quick search meet.
    QList<int> values;
    for (int v = 0; v < 256; v += 5)
        values << v;
    for (int step = 0; step < 256; step += 51)
        values << qMax(0, step - 26) << qMax(0, step - 25) << qMin(255, step + 25) << qMin(255, step + 26);
    values << 255;
    for (int r : values)
        for (int g : values)
            for (int b : values)
                if (HalftonePalette::nearestIndex(r, g, b) != slowNearest(r, g, b))
                    QFAIL(qPrintable(QStringLiteral("(%1, %2, %3): %4, not %5")
                                         .arg(r)
                                         .arg(g)
                                         .arg(b)
                                         .arg(HalftonePalette::nearestIndex(r, g, b))
                                         .arg(slowNearest(r, g, b))));
}

QTEST_APPLESS_MAIN(HalftonePaletteTest)
#include "HalftonePaletteTest.moc"
