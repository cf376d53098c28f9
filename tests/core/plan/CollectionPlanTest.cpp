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
        .arg(name)
        .arg(l.pieces)
        .arg(l.perCarton)
        .arg(l.cartons)
        .arg(l.stock ? QString::number(*l.stock) : QStringLiteral("-"))
        .arg(l.toCollect)
        .arg(l.cartonsToCollect);
}

CellGrid gridOf(const QStringList &rows)
{
    CellGrid grid(int(rows.first().count(u',')) + 1, int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        grid.setRowFromText(r, rows[r]);
    return grid;
}
} // namespace

class CollectionPlanTest : public QObject {
    Q_OBJECT
private slots:
    void numbers_data();
    void numbers();
    void entries_data();
    void entries();
    void settings_data();
    void settings();
    void storedDistribution_data();
    void storedDistribution();
    void classesAsClassPagesCount();
};

void CollectionPlanTest::numbers_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("perCarton");
    QTest::addColumn<QString>("stock");
    QTest::addColumn<QStringList>("lines"); // the lines of entries 0, 1, 2, then the total
    // Entry 0: 13 cells, entry 1: 12 cells, entry 2: 5 cells.
    const QStringList rows{"0,0,0,0,0,0,0,0,0,0", "0,0,0,1,1,1,1,1,1,1", "1,1,1,1,1,2,2,2,2,2"};
    QTest::newRow("one a carton, no stock")
        << rows << ""
        << "" << QStringList{"0:13/1/13/-/0/0", "1:12/1/12/-/0/0", "2:5/1/5/-/0/0", "T:30/0/30/-/0/0"};
    QTest::newRow("cartons rounded up")
        << rows << "0=12,1=12,2=12"
        << "" << QStringList{"0:13/12/2/-/0/0", "1:12/12/1/-/0/0", "2:5/12/1/-/0/0", "T:30/0/4/-/0/0"};
    QTest::newRow("stock below, at and above the need")
        << rows << "0=4,1=4,2=4"
        << "0=2,1=12,2=40"
        << QStringList{"0:13/4/4/2/11/3", "1:12/4/3/12/0/0", "2:5/4/2/40/0/0", "T:30/0/9/54/11/3"};
    QTest::newRow("no stock at all") << rows << "A=9"
                                     << "0=0"
                                     << QStringList{"0:13/1/13/0/13/13", "1:12/1/12/-/0/0", "2:5/1/5/-/0/0",
                                                    "T:30/0/30/0/13/13"};
    // As reCount and the class pages count: lower case nowhere, "11" twice.
    QTest::newRow("cells of other forms")
        << QStringList{"0,a,11,2", "2,2, ,F"} << "1=2"
        << "" << QStringList{"0:1/1/1/-/0/0", "1:2/2/1/-/0/0", "2:3/1/3/-/0/0", "T:7/0/6/-/0/0"};
}

void CollectionPlanTest::numbers()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, perCarton);
    QFETCH(QString, stock);
    QFETCH(QStringList, lines);
    CollectionPlan plan;
    if (!perCarton.isEmpty())
        for (std::size_t n = 0; n < 16; ++n)
            if (const auto v = (*CollectionPlan::parseEntries(perCarton, CollectionPlan::parsePerCarton))[n])
                plan.perCarton[n] = *v;
    if (!stock.isEmpty())
        plan.stock = *CollectionPlan::parseEntries(stock, CollectionPlan::parseStock);
    const PlanTable table = PlanTable::compute(gridOf(rows), plan);
    const QStringList got{lineText("0", table.colours[0]), lineText("1", table.colours[1]),
                          lineText("2", table.colours[2]), lineText("T", table.total)};
    QCOMPARE(got, lines);
}

void CollectionPlanTest::entries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("perCarton"); // else stock
    QTest::addColumn<QString>("values"); // sixteen items, "-" for none; empty when refused
    QTest::newRow("numbers and hex digits")
        << "0=12,5=20,a=6,F=1" << true << "12 - - - - 20 - - - - 6 - - - - 1";
    QTest::newRow("decimal 15, blanks") << "15 = 3" << false << "- - - - - - - - - - - - - - - 3";
    QTest::newRow("stock 0 is a limit") << "3=0" << false << "- - - 0 - - - - - - - - - - - -";
    QTest::newRow("0 per carton refused") << "0=0" << true << "";
    QTest::newRow("10000 per carton refused") << "0=10000" << true << "";
    QTest::newRow("stock 999999") << "1=999999" << false << "- 999999 - - - - - - - - - - - - - -";
    QTest::newRow("stock 1000000 refused") << "1=1000000" << false << "";
    QTest::newRow("entry 16 refused") << "16=1" << false << "";
    QTest::newRow("entry G refused") << "G=1" << false << "";
    QTest::newRow("an entry twice") << "0=1,0=2" << false << "";
    QTest::newRow("no value") << "0=" << false << "";
    QTest::newRow("no equals sign") << "0" << false << "";
    QTest::newRow("negative") << "0=-1" << false << "";
    QTest::newRow("empty") << "" << false << "";
}

void CollectionPlanTest::entries()
{
    QFETCH(QString, text);
    QFETCH(bool, perCarton);
    QFETCH(QString, values);
    const std::optional<Stock> got = CollectionPlan::parseEntries(
        text, perCarton ? CollectionPlan::parsePerCarton : CollectionPlan::parseStock);
    QCOMPARE(got.has_value(), !values.isEmpty());
    if (!got)
        return;
    QStringList items;
    for (const std::optional<int> &v : *got)
        items << (v ? QString::number(*v) : QStringLiteral("-"));
    QCOMPARE(items.join(u' '), values);
}

void CollectionPlanTest::settings_data()
{
    QTest::addColumn<QString>("perCarton"); // as stored; "<none>" for a missing key
    QTest::addColumn<QString>("stock");
    QTest::addColumn<QString>("read"); // per carton, then the stock, "-" for none
    const QString defaults = "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 | - - - - - - - - - - - - - - - -";
    QTest::newRow("missing keys") << "<none>"
                                  << "<none>" << defaults;
    QTest::newRow("as written") << "12,1,1,1,1,20,1,1,1,1,1,1,1,1,1,1"
                                << ",500,,,,,,,,,,,,,,0"
                                << "12 1 1 1 1 20 1 1 1 1 1 1 1 1 1 1 | - 500 - - - - - - - - - - - - - 0";
    QTest::newRow("bad items read as defaults")
        << "0,x,-3,10000,7"
        << "abc,-1,1000000,42"
        << "1 1 1 1 7 1 1 1 1 1 1 1 1 1 1 1 | - - - 42 - - - - - - - - - - - -";
}

void CollectionPlanTest::settings()
{
    QFETCH(QString, perCarton);
    QFETCH(QString, stock);
    QFETCH(QString, read);
    Scratch scratch;
    SettingsStore store(scratch.file("data.dat"));
    if (perCarton != "<none>")
        store.writeString("plan", "percarton", perCarton);
    if (stock != "<none>")
        store.writeString("plan", "stock", stock);
    const CollectionPlan plan = CollectionPlan::read(store);
    QStringList a, b;
    for (std::size_t n = 0; n < 16; ++n) {
        a << QString::number(plan.perCarton[n]);
        b << (plan.stock[n] ? QString::number(*plan.stock[n]) : QStringLiteral("-"));
    }
    QCOMPARE(a.join(u' ') + " | " + b.join(u' '), read);
    // What is written reads back the same.
    SettingsStore other(scratch.file("other.dat"));
    QVERIFY(plan.write(other));
    QCOMPARE(CollectionPlan::read(other), plan);
}

void CollectionPlanTest::storedDistribution_data()
{
    QTest::addColumn<QStringList>("fields"); // keys "1".."6"; "<none>" for a missing key
    QTest::addColumn<int>("pages");          // 0: not valid
    QTest::newRow("first use") << QStringList{"<none>", "<none>", "<none>", "<none>", "<none>", "<none>"}
                               << 3;
    QTest::newRow("22 classes") << QStringList{"7", "7", "8", "7", "7", "7"} << 22;
    QTest::newRow("normalised as the dialog shows it") << QStringList{"07", "x", "0", "7", "0", "y"} << 7;
    QTest::newRow("an empty field") << QStringList{"7", "", "8", "7", "7", "7"} << 0;
    QTest::newRow("more columns than the design") << QStringList{"7", "7", "9", "7", "7", "7"} << 0;
    QTest::newRow("a negative count") << QStringList{"-2", "0", "0", "7", "1", "1"} << 0;
}

void CollectionPlanTest::storedDistribution()
{
    QFETCH(QStringList, fields);
    QFETCH(int, pages);
    Scratch scratch;
    SettingsStore store(scratch.file("data.dat"));
    for (int i = 0; i < 6; ++i)
        if (fields[i] != "<none>")
            store.writeString("print", QString::number(i + 1), fields[i]);
    const std::optional<Distribution> d = tessell::storedDistribution(store, 160);
    QCOMPARE(d ? d->pageCount() : 0, pages);
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
