#include "core/editing/Replace.h"
#include "core/Error.h"

#include "GridArt.h"

#include <QtTest>

using namespace tessell;

Q_DECLARE_METATYPE(Replace::Direction)

class ReplaceTest : public QObject {
    Q_OBJECT
private slots:
    void replaceNumbers_data();
    void replaceNumbers();
    void checkRange_data();
    void checkRange();
};

void ReplaceTest::replaceNumbers_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<Replace::Direction>("direction");
    QTest::addColumn<QRect>("range");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("changed");

    const auto oneWay = Replace::Direction::OneWay, exchange = Replace::Direction::Exchange;
    const QStringList mixed{"3713", "7733", ".F3E"};
    QTest::newRow("3 by 7 over the whole design")
        << mixed << 3 << 7 << oneWay << QRect() << QStringList{"7717", "7777", ".F7E"} << 5;
    QTest::newRow("3 and 7 exchanged over the whole design")
        << mixed << 3 << 7 << exchange << QRect() << QStringList{"7317", "3377", ".F7E"} << 8;
    QTest::newRow("3 and 7 exchanged inside a range only")
        << mixed << 3 << 7 << exchange << QRect(1, 0, 2, 2) << QStringList{"3313", "7373", ".F3E"} << 3;
    QTest::newRow("same number changes nothing") << mixed << 3 << 3 << exchange << QRect() << mixed << 0;
    QTest::newRow("number not present") << mixed << 9 << 1 << oneWay << QRect() << mixed << 0;
    QTest::newRow("F by 0 with a range reaching past the edge")
        << mixed << 15 << 0 << oneWay << QRect(1, 1, 10, 10) << QStringList{"3713", "7733", "..3E"} << 1;
    // Matching is case-sensitive; a cell that happens to hold the letter x
    // is no placeholder and stays as it is.
    QTest::newRow("lower case and other texts untouched")
        << QStringList{"aAx", "AaB"} << 10 << 11 << exchange << QRect() << QStringList{"aBx", "BaA"} << 3;
}

void ReplaceTest::replaceNumbers()
{
    QFETCH(QStringList, before);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(Replace::Direction, direction);
    QFETCH(QRect, range);
    QFETCH(QStringList, after);
    QFETCH(int, changed);

    CellGrid grid = GridArt::grid(before);
    QCOMPARE(Replace::replaceNumbers(grid, from, to, direction, range), changed);
    QCOMPARE(GridArt::art(grid), after);
}

void ReplaceTest::checkRange_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QRect>("range");
    QTest::addColumn<QString>("message");

    const QString columnRange = QString::fromUtf8("列は1～160までの数値を入力してください。");
    const QString rowRange = QString::fromUtf8("行は1～100までの数値を入力してください。");
    const QString columnOrder = QString::fromUtf8("列の指定が正しくありません。");
    const QString rowOrder = QString::fromUtf8("行の指定が正しくありません。");
    const QString notNumber = QString::fromUtf8("列・行に正しい数値を入力してください。");

    QTest::newRow("whole design") << QStringList{"1", "160", "1", "100"} << 160 << QRect(0, 0, 160, 100)
                                  << "";
    QTest::newRow("from a selection")
        << QStringList{"11", "20", "6", "9"} << 160 << QRect(10, 5, 10, 4) << "";
    QTest::newRow("one cell") << QStringList{"160", "160", "100", "100"} << 160 << QRect(159, 99, 1, 1) << "";
    QTest::newRow("column from 0") << QStringList{"0", "5", "1", "1"} << 160 << QRect() << columnRange;
    QTest::newRow("column from past the last")
        << QStringList{"161", "161", "1", "1"} << 160 << QRect() << columnRange;
    QTest::newRow("column to past the last")
        << QStringList{"1", "161", "1", "1"} << 160 << QRect() << columnRange;
    QTest::newRow("narrow design names its columns")
        << QStringList{"1", "51", "1", "1"} << 50 << QRect()
        << QString::fromUtf8("列は1～50までの数値を入力してください。");
    QTest::newRow("columns reversed") << QStringList{"9", "5", "1", "1"} << 160 << QRect() << columnOrder;
    QTest::newRow("row from 0") << QStringList{"1", "5", "0", "3"} << 160 << QRect() << rowRange;
    QTest::newRow("row to past the last") << QStringList{"1", "5", "3", "101"} << 160 << QRect() << rowRange;
    QTest::newRow("rows reversed") << QStringList{"1", "5", "9", "3"} << 160 << QRect() << rowOrder;
    QTest::newRow("letter in column from") << QStringList{"a", "5", "1", "1"} << 160 << QRect() << notNumber;
    QTest::newRow("letter in row to") << QStringList{"1", "5", "1", "x"} << 160 << QRect() << notNumber;
    QTest::newRow("empty field") << QStringList{"1", "5", "", "1"} << 160 << QRect() << notNumber;
    // Fields are checked in order: an earlier range failure wins over a later letter.
    QTest::newRow("column from 0 before a letter")
        << QStringList{"0", "a", "1", "1"} << 160 << QRect() << columnRange;
    QTest::newRow("reversed columns before a letter")
        << QStringList{"9", "5", "z", "1"} << 160 << QRect() << columnOrder;
    QTest::newRow("letter before a later range failure")
        << QStringList{"1", "b", "0", "1"} << 160 << QRect() << notNumber;
    QTest::newRow("number too big for an integer")
        << QStringList{"99999999999", "5", "1", "1"} << 160 << QRect() << notNumber;
}

void ReplaceTest::checkRange()
{
    QFETCH(QStringList, fields);
    QFETCH(int, columns);
    QFETCH(QRect, range);
    QFETCH(QString, message);

    try {
        const QRect checked = Replace::checkRange(fields[0], fields[1], fields[2], fields[3], columns, 100);
        QVERIFY2(message.isEmpty(), "accepted");
        QCOMPARE(checked, range);
    } catch (const Error &e) {
        QCOMPARE(e.text(), message);
    }
}

QTEST_GUILESS_MAIN(ReplaceTest)
#include "ReplaceTest.moc"
