#include "core/print/Distribution.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace tessell;
using namespace tessell::test;

namespace {
// The six fields as "C1 C2 C3 W1 W2 W3" and back; "" for an empty field is written "_".
Distribution::Fields fieldsOf(const QString &six)
{
    const QStringList l = six.split(u' ');
    Distribution::Fields f;
    for (int i = 0; i < 6; ++i)
        f[i] = l[i] == u"_" ? QString() : l[i];
    return f;
}

QString textOf(const Distribution::Fields &f)
{
    return QStringList(f.begin(), f.end()).join(u' ');
}
} // namespace

class DistributionTest : public QObject {
    Q_OBJECT
private slots:
    void blocks_data();
    void blocks();
    void normalise_data();
    void normalise();
    void fromFields_data();
    void fromFields();
    void fair_data();
    void fair();
};

void DistributionTest::blocks_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("width");
    QTest::addColumn<qint64>("pages");
    QTest::addColumn<QString>("totalLine");
    const QString line = "合計 154列 : 余り6列";
    QTest::newRow("22 classes, page 1") << "7 7 8 7 7 7" << 0 << 0 << 7 << 22ll << line;
    QTest::newRow("22 classes, page 15") << "7 7 8 7 7 7" << 14 << 98 << 7 << 22ll << line;
    QTest::newRow("22 classes, page 22") << "7 7 8 7 7 7" << 21 << 147 << 7 << 22ll << line;
    QTest::newRow("first use") << "1 1 1 1 1 1" << 2 << 2 << 1 << 3ll << "合計 3列 : 余り157列";
    QTest::newRow("row 2 after row 1") << "2 3 1 10 5 4" << 2 << 20 << 5 << 6ll << "合計 39列 : 余り121列";
    QTest::newRow("row 3") << "2 3 1 10 5 4" << 5 << 35 << 4 << 6ll << "合計 39列 : 余り121列";
    QTest::newRow("more than the design")
        << "2 0 0 82 1 1" << 1 << 82 << 82 << 2ll << "合計 164列 : 余り-4列";
    // Counts as large as an int holds (the command line takes them): nothing wraps around.
    QTest::newRow("page count past an int") << "1 2147483647 2147483647 1 1 1" << 1 << 1 << 1 << 4294967295ll
                                            << "合計 4294967295列 : 余り-4294967135列";
    QTest::newRow("a block past the largest int")
        << "2 0 0 2147483647 1 1" << 1 << 2147483647 << 0 << 2ll << "合計 4294967294列 : 余り-4294967134列";
}

void DistributionTest::blocks()
{
    QFETCH(QString, fields);
    QFETCH(int, page);
    QFETCH(int, first);
    QFETCH(int, width);
    QFETCH(qint64, pages);
    QFETCH(QString, totalLine);
    const Distribution d = Distribution::fromFields(fieldsOf(fields));
    QCOMPARE(d.block(page), (Distribution::Block{first, width}));
    QCOMPARE(d.pageCount(), pages);
    QCOMPARE(d.totalLine(160), totalLine);
}

void DistributionTest::normalise_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown"); // empty: nothing changes
    QTest::newRow("leading zeros") << "07 07 08 07 07 07" << "7 7 8 7 7 7";
    QTest::newRow("0 classes in rows 2 and 3 stay") << "1 0 0 5 5 5" << "1 0 0 5 5 5";
    QTest::newRow("0 becomes 1 in row 1 and in columns") << "0 2 3 0 0 0" << "1 2 3 1 1 1";
    QTest::newRow("letters take the row's default") << "a b c d e f" << "1 0 0 1 1 1";
    QTest::newRow("a minus sign is an integer") << "-5 1 1 -1 1 1" << "-5 1 1 -1 1 1";
    QTest::newRow("an empty field stops it") << "7 _ x 7 7 7" << "";
}

void DistributionTest::normalise()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    const auto out = Distribution::normalise(fieldsOf(typed));
    QCOMPARE(out.has_value(), !shown.isEmpty());
    if (out) {
        QCOMPARE(textOf(*out), shown);
        // Typing the shown texts again changes nothing.
        QCOMPARE(textOf(*Distribution::normalise(*out)), shown);
    }
}

void DistributionTest::fromFields_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("positive"); // the check before pages are drawn, on 160 columns
    const QString none = "<no error>", positive = "正の整数値を入力してください。";
    const QString overColumns = "列数が有効範囲を超えています";
    QTest::newRow("valid") << "7 7 8 7 7 7" << none << none;
    QTest::newRow("emptied field") << "7 _ 8 7 7 7" << "'' は整数ではありません" << "";
    QTest::newRow("letter") << "7 7 8 q 7 7" << "'q' は整数ではありません" << "";
    QTest::newRow("negative classes") << "7 -2 8 7 7 7" << none << positive;
    QTest::newRow("negative columns") << "7 7 8 7 7 -7" << none << positive;
    QTest::newRow("no class") << "0 0 0 7 7 7" << none << positive;
    QTest::newRow("a page a column") << "100 60 0 1 1 1" << none << none;
    QTest::newRow("more pages than columns") << "100 61 0 1 1 1" << none << overColumns;
    QTest::newRow("page count past an int") << "1 2147483647 2147483647 1 1 1" << none << overColumns;
}

void DistributionTest::fromFields()
{
    QFETCH(QString, fields);
    QFETCH(QString, error);
    QFETCH(QString, positive);
    Distribution d;
    QCOMPARE(errorOf([&] { d = Distribution::fromFields(fieldsOf(fields)); }), error);
    if (error != "<no error>")
        return;
    QCOMPARE(textOf(d.fields()), fields);
    QCOMPARE(errorOf([&] { d.check(160); }), positive);
}

void DistributionTest::fair_data()
{
    QTest::addColumn<int>("classes");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("fields"); // or the error
    QTest::newRow("160 / 22") << 22 << 160 << "6 16 0 8 7 1";
    QTest::newRow("160 / 1") << 1 << 160 << "1 0 0 160 1 1";
    QTest::newRow("160 / 160") << 160 << 160 << "160 0 0 1 1 1";
    QTest::newRow("7 / 3") << 3 << 7 << "1 2 0 3 2 1";
    QTest::newRow("160 / 20") << 20 << 160 << "20 0 0 8 1 1";
    QTest::newRow("5 / 6") << 6 << 5 << "クラス数が列数を超えています。";
    QTest::newRow("no classes") << 0 << 5 << "正の整数値を入力してください。";
}

void DistributionTest::fair()
{
    QFETCH(int, classes);
    QFETCH(int, columns);
    QFETCH(QString, fields);
    Distribution d;
    const QString error = errorOf([&] { d = Distribution::fair(classes, columns); });
    if (error != "<no error>") {
        QCOMPARE(error, fields);
        return;
    }
    QCOMPARE(textOf(d.fields()), fields);
    QCOMPARE(d.pageCount(), classes);
    QCOMPARE(d.remainder(columns), 0);
}

QTEST_MAIN(DistributionTest)
#include "DistributionTest.moc"
