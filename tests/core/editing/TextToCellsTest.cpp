#include "core/editing/TextToCells.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QtTest>

using namespace tessell;

namespace {
QFont gothic()
{
    return QFont(QStringLiteral("IPAGothic"));
}

QList<QPoint> inkOf(const BlockText &block)
{
    QList<QPoint> ink;
    for (int r = 0; r < block.height(); ++r)
        for (int c = 0; c < block.width(); ++c)
            if (!block.isTransparent(c, r))
                ink << QPoint(c, r);
    return ink;
}
} // namespace

class TextToCellsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void blockIsFontHighWithInkAndTransparency_data();
    void blockIsFontHighWithInkAndTransparency();
    void horizontalStrokeIsOneSolidBand_data();
    void horizontalStrokeIsOneSolidBand();
    void textWithoutInk_data();
    void textWithoutInk();
    void lineHeightFitsTheCells_data();
    void lineHeightFitsTheCells();
};

void TextToCellsTest::initTestCase()
{
    QCOMPARE(QFontInfo(gothic()).family(), QStringLiteral("IPAGothic"));
}

void TextToCellsTest::blockIsFontHighWithInkAndTransparency_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("height");
    QTest::newRow("latin at the default 9") << "Tessell" << 9;
    QTest::newRow("kanji at 12") << QString::fromUtf8("文字") << 12;
    QTest::newRow("mixed at 24") << QString::fromUtf8("第3組") << 24;
    QTest::newRow("one letter at 60") << "W" << 60;
}

void TextToCellsTest::blockIsFontHighWithInkAndTransparency()
{
    QFETCH(QString, text);
    QFETCH(int, height);

    const BlockText five = TextToCells::enterWord(text, gothic(), height, 5);
    QCOMPARE(five.height(), height);
    QVERIFY(five.width() > 1);
    const QList<QPoint> ink = inkOf(five);
    QVERIFY(!ink.isEmpty());
    QVERIFY(ink.size() < five.width() * five.height());
    for (const QPoint &p : ink)
        QCOMPARE(five.value(p.x(), p.y()), QStringLiteral("5"));

    // Choosing another number recolours the same cells.
    const BlockText twelve = TextToCells::enterWord(text, gothic(), height, 12);
    QCOMPARE(twelve.width(), five.width());
    QCOMPARE(inkOf(twelve), ink);
    QCOMPARE(twelve.value(ink.first().x(), ink.first().y()), QStringLiteral("C"));

    // What a rendered block puts on the clipboard reads back the same.
    QCOMPARE(BlockText::parse(five.format()), five);
}

void TextToCellsTest::horizontalStrokeIsOneSolidBand_data()
{
    QTest::addColumn<int>("height");
    QTest::newRow("12") << 12;
    QTest::newRow("32") << 32;
}

// The kanji for "one" is a single horizontal bar: unsmoothed, its ink is a
// run of whole rows, each one run of cells spanning most of the glyph.
void TextToCellsTest::horizontalStrokeIsOneSolidBand()
{
    QFETCH(int, height);
    const BlockText block = TextToCells::enterWord(QString::fromUtf8("一"), gothic(), height, 1);
    QList<int> inkRows;
    for (int r = 0; r < block.height(); ++r) {
        int first = -1, last = -1, count = 0;
        for (int c = 0; c < block.width(); ++c)
            if (!block.isTransparent(c, r)) {
                if (first < 0)
                    first = c;
                last = c;
                ++count;
            }
        if (count == 0)
            continue;
        inkRows << r;
        QCOMPARE(count, last - first + 1);
        QVERIFY(count > block.width() / 2);
    }
    QVERIFY(!inkRows.isEmpty());
    QCOMPARE(inkRows.last() - inkRows.first() + 1, inkRows.size());
    // A bar, not a box: it is far thinner than the line.
    QVERIFY(inkRows.size() <= height / 3);
}

void TextToCellsTest::textWithoutInk_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("wide");
    QTest::newRow("cleared field") << "" << 9 << false;
    QTest::newRow("blanks") << "   " << 14 << true;
}

void TextToCellsTest::textWithoutInk()
{
    QFETCH(QString, text);
    QFETCH(int, height);
    QFETCH(bool, wide);

    const BlockText block = TextToCells::enterWord(text, gothic(), height, 7);
    QCOMPARE(block.height(), height);
    if (wide)
        QVERIFY(block.width() > 1);
    else
        QCOMPARE(block.width(), 1);
    QVERIFY(inkOf(block).isEmpty());
}

void TextToCellsTest::lineHeightFitsTheCells_data()
{
    QTest::addColumn<int>("height");
    for (int n : {1, 5, 9, 12, 100})
        QTest::addRow("%d", n) << n;
}

void TextToCellsTest::lineHeightFitsTheCells()
{
    QFETCH(int, height);
    const QFont font = TextToCells::cellFont(gothic(), height);
    const QFontMetrics metrics(font);
    QVERIFY(metrics.ascent() + metrics.descent() <= height || font.pixelSize() == 1);
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("IPAGothic"));
    QVERIFY(font.styleStrategy() & QFont::NoAntialias);
}

QTEST_MAIN(TextToCellsTest)
#include "TextToCellsTest.moc"
