#include "core/document/ColorValue.h"
#include "core/Error.h"
#include "core/document/CommaList.h"
#include "core/document/PaletteEntry.h"

#include <QTest>

using namespace tessell;

class ColorValueTest : public QObject {
    Q_OBJECT
private slots:
    void identifiers_data();
    void identifiers();
    void numbers_data();
    void numbers();
    void reading_data();
    void reading();
    void notAColour_data();
    void notAColour();

    void tileText_data();
    void tileText();
    void tileOrder();
    void setTileFromItems();
    void meanColour_data();
    void meanColour();
};

void ColorValueTest::identifiers_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");

    QTest::newRow("clBlack") << "clBlack" << 0 << 0 << 0;
    QTest::newRow("clMaroon") << "clMaroon" << 128 << 0 << 0;
    QTest::newRow("clGreen") << "clGreen" << 0 << 128 << 0;
    QTest::newRow("clOlive") << "clOlive" << 128 << 128 << 0;
    QTest::newRow("clNavy") << "clNavy" << 0 << 0 << 128;
    QTest::newRow("clPurple") << "clPurple" << 128 << 0 << 128;
    QTest::newRow("clTeal") << "clTeal" << 0 << 128 << 128;
    QTest::newRow("clGray") << "clGray" << 128 << 128 << 128;
    QTest::newRow("clSilver") << "clSilver" << 192 << 192 << 192;
    QTest::newRow("clRed") << "clRed" << 255 << 0 << 0;
    QTest::newRow("clLime") << "clLime" << 0 << 255 << 0;
    QTest::newRow("clYellow") << "clYellow" << 255 << 255 << 0;
    QTest::newRow("clBlue") << "clBlue" << 0 << 0 << 255;
    QTest::newRow("clFuchsia") << "clFuchsia" << 255 << 0 << 255;
    QTest::newRow("clAqua") << "clAqua" << 0 << 255 << 255;
    QTest::newRow("clWhite") << "clWhite" << 255 << 255 << 255;
    QTest::newRow("clMoneyGreen") << "clMoneyGreen" << 192 << 220 << 192;
    QTest::newRow("clSkyBlue") << "clSkyBlue" << 166 << 202 << 240;
    QTest::newRow("clCream") << "clCream" << 255 << 251 << 240;
    QTest::newRow("clMedGray") << "clMedGray" << 160 << 160 << 164;
}

// Every identifier both ways, and read regardless of letter case.
void ColorValueTest::identifiers()
{
    QFETCH(QString, identifier);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    const QRgb colour = qRgb(red, green, blue);
    QCOMPARE(ColorValue::toText(colour), identifier);
    QCOMPARE(ColorValue::fromText(identifier), colour);
    QCOMPARE(ColorValue::fromText(identifier.toUpper()), colour);
    QCOMPARE(ColorValue::fromText(identifier.toLower()), colour);
}

void ColorValueTest::numbers_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<QString>("text");

    QTest::newRow("red 0 green 128 blue 255") << 0 << 128 << 255 << "$00FF8000";
    QTest::newRow("1 2 3") << 1 << 2 << 3 << "$00030201";
    QTest::newRow("almost white") << 255 << 255 << 254 << "$00FEFFFF";
    QTest::newRow("almost black") << 0 << 0 << 1 << "$00010000";
    QTest::newRow("near clMedGray") << 160 << 160 << 165 << "$00A5A0A0";
    QTest::newRow("upper-case hex") << 171 << 205 << 239 << "$00EFCDAB";
}

void ColorValueTest::numbers()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(QString, text);
    QCOMPARE(ColorValue::toText(qRgb(red, green, blue)), text);
    QCOMPARE(ColorValue::fromText(text), qRgb(red, green, blue));
}

void ColorValueTest::reading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");

    QTest::newRow("lower-case hex digits") << "$00ff8000" << 0 << 128 << 255;
    QTest::newRow("short hex") << "$FF" << 255 << 0 << 0;
    QTest::newRow("decimal 255 is red") << "255" << 255 << 0 << 0;
    QTest::newRow("decimal 16711680 is blue") << "16711680" << 0 << 0 << 255;
    QTest::newRow("decimal 197121") << "197121" << 1 << 2 << 3;
    QTest::newRow("decimal 0") << "0" << 0 << 0 << 0;
    QTest::newRow("mixed-case identifier") << "ClSkYbLuE" << 166 << 202 << 240;
}

void ColorValueTest::reading()
{
    QFETCH(QString, text);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QCOMPARE(ColorValue::fromText(text), qRgb(red, green, blue));
}

void ColorValueTest::notAColour_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("unknown identifier") << "clPink";
    QTest::newRow("identifier with prefix missing") << "White";
    QTest::newRow("empty") << "";
    QTest::newRow("digits then letters") << "12a";
    QTest::newRow("dollar with non-hex") << "$GG";
    QTest::newRow("dollar alone") << "$";
    QTest::newRow("hash notation") << "#FF0000";
    QTest::newRow("name") << "None";
}

void ColorValueTest::notAColour()
{
    QFETCH(QString, text);
    try {
        ColorValue::fromText(text);
        QFAIL("no error");
    } catch (const Error &e) {
        QCOMPARE(e.text(), QString::fromUtf8("'%1' は整数ではありません").arg(text));
    }
}

void ColorValueTest::tileText_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<QString>("value");

    QTest::newRow("default white") << 255 << 255 << 255 << "clWhite";
    QTest::newRow("pure blue") << 0 << 0 << 255 << "clBlue";
    QTest::newRow("cream") << 255 << 251 << 240 << "clCream";
    QTest::newRow("odd colour") << 1 << 2 << 3 << "$00030201";
}

// A tile of one colour is that value and a comma, twenty times over.
void ColorValueTest::tileText()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(QString, value);
    PaletteEntry entry;
    entry.fill(qRgb(red, green, blue));
    QCOMPARE(entry.tileText(), QString(value + ',').repeated(20));
}

// Rows top to bottom, pixels left to right within a row.
void ColorValueTest::tileOrder()
{
    PaletteEntry entry;
    entry.setPixel(4, 0, qRgb(255, 0, 0));
    entry.setPixel(0, 1, qRgb(0, 255, 0));
    entry.setPixel(1, 0, qRgb(1, 2, 3));
    entry.setPixel(4, 3, qRgb(0, 0, 0));
    const QString w = QStringLiteral("clWhite,");
    const QString expected = w + "$00030201," + w + w + "clRed," + "clLime," + w.repeated(13) + "clBlack,";
    QCOMPARE(entry.tileText(), expected);
}

void ColorValueTest::setTileFromItems()
{
    QStringList items(20, QStringLiteral("clWhite"));
    items[0] = QStringLiteral("$00030201"); // column 0, row 0
    items[4] = QStringLiteral("clred");     // column 4, row 0
    items[5] = QStringLiteral("65280");     // column 0, row 1: green in decimal
    items[19] = QStringLiteral("clNavy");   // column 4, row 3
    items << QStringLiteral("name");        // a 21st item is not a pixel
    PaletteEntry entry;
    entry.setTileFromItems(items);
    QCOMPARE(entry.pixel(0, 0), qRgb(1, 2, 3));
    QCOMPARE(entry.pixel(4, 0), qRgb(255, 0, 0));
    QCOMPARE(entry.pixel(0, 1), qRgb(0, 255, 0));
    QCOMPARE(entry.pixel(4, 3), qRgb(0, 0, 128));
    QCOMPARE(entry.pixel(3, 3), qRgb(255, 255, 255));
    QCOMPARE(entry.name(), QStringLiteral("None"));

    // A bad value leaves the tile as it was.
    const PaletteEntry before = entry;
    items[10] = QStringLiteral("clPink");
    QVERIFY_THROWS_EXCEPTION(Error, entry.setTileFromItems(items));
    QCOMPARE(entry, before);
}

void ColorValueTest::meanColour_data()
{
    QTest::addColumn<QList<QRgb>>("pixels");
    QTest::addColumn<QRgb>("mean");

    QTest::newRow("all white") << QList<QRgb>(20, qRgb(255, 255, 255)) << qRgb(255, 255, 255);
    {
        // Red 0..19 sums to 190 (9.5), green one 255 (12.75), blue 19 each (19).
        QList<QRgb> p;
        for (int i = 0; i < 20; ++i)
            p << qRgb(i, i == 7 ? 255 : 0, 19);
        QTest::newRow("remainder dropped, never rounded") << p << qRgb(9, 12, 19);
    }
    {
        // 19 in every channel of one pixel only: 19 / 20 drops to 0.
        QList<QRgb> p(20, qRgb(0, 0, 0));
        p[19] = qRgb(19, 19, 19);
        QTest::newRow("below one drops to zero") << p << qRgb(0, 0, 0);
    }
    {
        // Half black, half white: 2550 / 20 = 127.5.
        QList<QRgb> p;
        for (int i = 0; i < 20; ++i)
            p << (i % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        QTest::newRow("half and half") << p << qRgb(127, 127, 127);
    }
}

void ColorValueTest::meanColour()
{
    QFETCH(QList<QRgb>, pixels);
    QFETCH(QRgb, mean);
    PaletteEntry entry;
    for (int i = 0; i < 20; ++i)
        entry.setPixel(i % 5, i / 5, pixels[i]);
    QCOMPARE(entry.meanColor(), mean);
}

QTEST_GUILESS_MAIN(ColorValueTest)
#include "ColorValueTest.moc"
