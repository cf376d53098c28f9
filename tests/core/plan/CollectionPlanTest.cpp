#include "core/plan/CollectionPlan.h"
#include "core/print/ClassPages.h"
#include "core/settings/SettingsStore.h"
#include "support/TestSupport.h"

#include <QRandomGenerator>
#include <QTest>

using namespace tessell;
using namespace tessell::test;

namespace {
// "n:pieces/perCarton/cartons/stock/toCollect/cartonsToCollect", stock "-" for none.
QString lineText(const QString &name, const PlanLine &l)
{
    return QStringLiteral("%1:%2/%3/%4/%5/%6/%7")
        .arg(name, QString::number(l.pieces), QString::number(l.perCarton), QString::number(l.cartons),
             l.stock ? QString::number(*l.stock) : QStringLiteral("-"), QString::number(l.toCollect),
             QString::number(l.cartonsToCollect));
}

// "n=value,..." of the items set, n in decimal.
QString itemsOf(const Stock &values)
{
    QStringList items;
    for (std::size_t n = 0; n < 16; ++n)
        if (values[n])
            items << QStringLiteral("%1=%2").arg(n).arg(*values[n]);
    return items.join(u',');
}

Stock parsed(const QString &text, std::optional<int> (*parse)(const QString &))
{
    return CollectionPlan::parseEntries(text, parse).value_or(Stock{});
}
} // namespace

class CollectionPlanTest : public QObject {
    Q_OBJECT
private slots:
    void numbers_data();
    void numbers();
    void entries_data();
    void entries();
    void stored_data();
    void stored();
    void classesAsClassPagesCount();
};

void CollectionPlanTest::numbers_data()
{
    QTest::addColumn<QString>("rows"); // "|" between rows
    QTest::addColumn<QString>("perCarton");
    QTest::addColumn<QString>("stock");
    QTest::addColumn<QString>("lines"); // the lines of entries 0, 1, 2, then the total
    // Entry 0: 13 cells, entry 1: 12 cells, entry 2: 5 cells.
    const QString rows = "0,0,0,0,0,0,0,0,0,0|0,0,0,1,1,1,1,1,1,1|1,1,1,1,1,2,2,2,2,2";
    QTest::newRow("cartons rounded up") << rows << "0=12,1=12,2=12" << QString()
                                        << "0:13/12/2/-/0/0 1:12/12/1/-/0/0 2:5/12/1/-/0/0 T:30/0/4/-/0/0";
    QTest::newRow("stock below, at and above the need")
        << rows << "0=4,1=4,2=4"
        << "0=2,1=12,2=40"
        << "0:13/4/4/2/11/3 1:12/4/3/12/0/0 2:5/4/2/40/0/0 T:30/0/9/54/11/3";
    QTest::newRow("no stock at all") << rows << "A=9"
                                     << "0=0"
                                     << "0:13/1/13/0/13/13 1:12/1/12/-/0/0 2:5/1/5/-/0/0 T:30/0/30/0/13/13";
    // As reCount and the class pages count: lower case nowhere, "11" twice.
    QTest::newRow("cells of other forms")
        << "0,a,11,2|2,2, ,F"
        << "1=2" << QString() << "0:1/1/1/-/0/0 1:2/2/1/-/0/0 2:3/1/3/-/0/0 T:7/0/6/-/0/0";
}

void CollectionPlanTest::numbers()
{
    QFETCH(QString, rows);
    QFETCH(QString, perCarton);
    QFETCH(QString, stock);
    QFETCH(QString, lines);
    const QStringList texts = rows.split(u'|');
    CellGrid grid(int(texts[0].count(u',')) + 1, int(texts.size()));
    for (int r = 0; r < texts.size(); ++r)
        grid.setRowFromText(r, texts[r]);
    CollectionPlan plan;
    const Stock per = parsed(perCarton, CollectionPlan::parsePerCarton);
    for (std::size_t n = 0; n < 16; ++n)
        plan.perCarton[n] = per[n].value_or(1);
    plan.stock = parsed(stock, CollectionPlan::parseStock);
    const PlanTable table = PlanTable::compute(grid, plan);
    const QStringList got{lineText("0", table.colours[0]), lineText("1", table.colours[1]),
                          lineText("2", table.colours[2]), lineText("T", table.total)};
    QCOMPARE(got.join(u' '), lines);
}

void CollectionPlanTest::entries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("perCarton"); // else stock
    QTest::addColumn<QString>("values"); // "<refused>" when refused
    QTest::newRow("numbers and hex digits") << "0=12,5=20,a=6,F=1" << true << "0=12,5=20,10=6,15=1";
    QTest::newRow("decimal 15, blanks") << "15 = 3" << false << "15=3";
    QTest::newRow("stock 0 is a limit, 999999 the most") << "3=0,1=999999" << false << "1=999999,3=0";
    QTest::newRow("9999 per carton") << "0=9999" << true << "0=9999";
    for (const char *refused : {"0=0", "0=10000"})
        QTest::addRow("per carton %s refused", refused) << refused << true << "<refused>";
    for (const char *refused : {"1=1000000", "16=1", "G=1", "0=1,0=2", "0=", "0", "0=-1", ""})
        QTest::addRow("stock \"%s\" refused", refused) << refused << false << "<refused>";
}

void CollectionPlanTest::entries()
{
    QFETCH(QString, text);
    QFETCH(bool, perCarton);
    QFETCH(QString, values);
    const std::optional<Stock> got = CollectionPlan::parseEntries(
        text, perCarton ? CollectionPlan::parsePerCarton : CollectionPlan::parseStock);
    QCOMPARE(got ? itemsOf(*got) : QStringLiteral("<refused>"), values);
}

// The plan and the print dialog's distribution as read from the settings store.
void CollectionPlanTest::stored_data()
{
    QTest::addColumn<QStringList>("keys"); // "section/key=value"
    QTest::addColumn<QString>("read");     // per carton other than 1 | stock | class pages, 0: none
    QTest::newRow("first use") << QStringList{} << "||3";
    QTest::newRow("bad items read as defaults")
        << QStringList{"plan/percarton=0,x,-3,10000,7", "plan/stock=abc,-1,1000000,42"} << "4=7|3=42|3";
    QTest::newRow("as written") << QStringList{"plan/percarton=12,1,1,1,1,20",
                                               "plan/stock=,500,,,,,,,,,,,,,,0"}
                                << "0=12,5=20|1=500,15=0|3";
    const auto split = [](const QString &six) {
        QStringList keys;
        for (int i = 0; i < 6; ++i)
            keys << QStringLiteral("print/%1=%2").arg(i + 1).arg(six.section(u',', i, i));
        return keys;
    };
    QTest::newRow("normalised as the dialog shows it") << split("07,x,0,7,0,y") << "||7";
    QTest::newRow("an empty field") << split("7,,8,7,7,7") << "||0";
    QTest::newRow("more columns than the design") << split("7,7,9,7,7,7") << "||0";
    QTest::newRow("a negative count") << split("-2,0,0,7,1,1") << "||0";
}

void CollectionPlanTest::stored()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, read);
    Scratch scratch;
    SettingsStore store(scratch.file("data.dat"));
    for (const QString &k : keys)
        store.writeString(k.section(u'/', 0, 0), k.section(u'/', 1).section(u'=', 0, 0), k.section(u'=', 1));
    const CollectionPlan plan = CollectionPlan::read(store);
    Stock perCarton;
    for (std::size_t n = 0; n < 16; ++n)
        if (plan.perCarton[n] != 1)
            perCarton[n] = plan.perCarton[n];
    const std::optional<Distribution> d = storedDistribution(store, 160);
    QCOMPARE(
        QStringLiteral("%1|%2|%3").arg(itemsOf(perCarton), itemsOf(plan.stock)).arg(d ? d->pageCount() : 0),
        read);
    // What is written reads back the same.
    SettingsStore other(scratch.file("other.dat"));
    QVERIFY(plan.write(other));
    QCOMPARE(CollectionPlan::read(other), plan);
}

void CollectionPlanTest::classesAsClassPagesCount()
{
    // Random cells, with some that count nowhere or twice, over a few distributions.
    QRandomGenerator random(28);
    CellGrid grid(37, 23);
    const QStringList odd{"a", "FF", "", "x"};
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.columns(); ++c)
            grid.setCell(
                c, r, random.bounded(10) == 0 ? odd[random.bounded(4)] : CellGrid::digit(random.bounded(16)));
    CollectionPlan plan;
    for (int n = 0; n < 16; ++n)
        plan.perCarton[std::size_t(n)] = 1 + n % 5;
    ClassPages pages(grid, distinctPalette());
    for (const Distribution &d : {Distribution({37, 1}, {0, 1}, {0, 1}), Distribution({3, 5}, {2, 4}, {1, 6}),
                                  Distribution::fair(4, 37)}) {
        const PlanTable table = PlanTable::compute(grid, plan, d);
        ClassPageOptions options;
        options.distribution = d;
        pages.setOptions(options);
        QCOMPARE(int(table.classes.size()), d.pageCount());
        PieceCounts sum = table.leftOver.pieces;
        for (int k = 0; k < d.pageCount(); ++k) {
            pages.pageImage(k);
            const ClassNeeds &needs = table.classes[std::size_t(k)];
            QCOMPARE(needs.pieces, pages.quantities());
            for (int n = 0; n < 16; ++n) {
                QCOMPARE(needs.cartons[n], (needs.pieces[n] + plan.perCarton[n] - 1) / plan.perCarton[n]);
                sum[n] += needs.pieces[n];
            }
        }
        // The classes and the columns left over make the whole design.
        for (int n = 0; n < 16; ++n)
            QCOMPARE(sum[n], table.colours[std::size_t(n)].pieces);
        QCOMPARE(table.leftOver.block.width, 37 - d.total());
    }
}

QTEST_MAIN(CollectionPlanTest)
#include "CollectionPlanTest.moc"
