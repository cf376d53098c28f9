#include "core/Texts.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "core/plan/CollectionPlan.h"

#include "support/CliRun.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace tessell;
using namespace tessell::test;

namespace {
// 20 x 6 cells: column c holds c mod 5, and names a spreadsheet must quote.
QString writeDesign(const Scratch &scratch)
{
    Design design;
    design.makeNew(20, 6);
    Palette palette = distinctPalette();
    palette[0].setName(QStringLiteral("赤, こい"));
    palette[1].setName(QStringLiteral("\"空\" 色"));
    design.setPalette(palette);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 20; ++c)
            design.setCell(c, r, CellGrid::digit(c % 5));
    const QString path = scratch.file(QStringLiteral("design.tsl"));
    DesignFile::write(design, path);
    return path;
}
} // namespace

class PlanCommandTest : public QObject {
    Q_OBJECT
private slots:
    void plan_data();
    void plan();
    void failures_data();
    void failures();
};

void PlanCommandTest::plan_data()
{
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<QString>("entry0");  // pieces/perCarton/cartons/stock/toCollect/cartonsToCollect
    QTest::addColumn<QString>("classes"); // each class's pieces and cartons of entry 0, "-" for no table
    QTest::newRow("no options") << QStringList{} << "24/1/24/null/0/0"
                                << "-";
    QTest::newRow("cartons and stock")
        << QStringList{"--per-carton", "0=5,4=2", "--stock", "0=7"} << "24/5/5/7/17/4"
        << "-";
    // 7 + 7 + 6 columns; column 0, 5, 10, 15 hold entry 0.
    QTest::newRow("fair split") << QStringList{"--classes-fair", "3", "--per-carton", "0=4"}
                                << "24/4/6/null/0/0"
                                << "12:3 6:2 6:2";
    // 2 x 6 columns leave 8 columns to nobody.
    QTest::newRow("classes and columns left over")
        << QStringList{"--classes", "2x6", "--per-carton", "0=5"} << "24/5/5/null/0/0"
        << "12:3 6:2 +6:2";
}

void PlanCommandTest::plan()
{
    QFETCH(QStringList, flags);
    QFETCH(QString, entry0);
    QFETCH(QString, classes);
    Scratch scratch;
    const Run r = cli(QStringList{"plan", writeDesign(scratch)} + flags);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    const QJsonObject plan = QJsonDocument::fromJson(r.out).object();
    const QJsonObject e = plan["colours"].toArray()[0].toObject();
    QCOMPARE(e["name"].toString(), QStringLiteral("赤, こい"));
    const auto text = [](const QJsonValue &v) {
        return v.isNull() ? QStringLiteral("null") : QString::number(v.toInt());
    };
    QCOMPARE(QStringList({text(e["pieces"]), text(e["perCarton"]), text(e["cartons"]), text(e["stock"]),
                          text(e["toCollect"]), text(e["cartonsToCollect"])})
                 .join(u'/'),
             entry0);
    QCOMPARE(plan["total"].toObject()["pieces"].toInt(), 120);
    QStringList got;
    for (const QJsonValue &c : plan["classes"].toArray())
        got << QStringLiteral("%1:%2").arg(c["pieces"][0].toInt()).arg(c["cartons"][0].toInt());
    if (plan.contains("leftOver"))
        got << QStringLiteral("+%1:%2")
                   .arg(plan["leftOver"]["pieces"][0].toInt())
                   .arg(plan["leftOver"]["cartons"][0].toInt());
    QCOMPARE(got.isEmpty() ? QStringLiteral("-") : got.join(u' '), classes);
}

void PlanCommandTest::failures_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error"); // the whole of standard error, or how it starts with the usage
    const auto args = [](const QString &line) { return QStringList{"plan"} + line.split(' '); };
    const auto usage = [](const char *message) { return QString::fromUtf8(message) + "\n使い方:"; };
    QTest::newRow("0 per carton") << args("DESIGN --per-carton 0=0") << 2
                                  << usage("--per-carton には N=K,... を指定してください");
    QTest::newRow("stock past 999999")
        << args("DESIGN --stock 1=1000000") << 2 << usage("--stock には N=K,... を指定してください");
    QTest::newRow("entry 16") << args("DESIGN --stock 16=1") << 2
                              << usage("--stock には N=K,... を指定してください");
    QTest::newRow("both splits") << args("DESIGN --classes 2x6 --classes-fair 3") << 2
                                 << usage("--classes と --classes-fair は同時に指定できません");
    QTest::newRow("more columns than the design")
        << args("DESIGN --classes 3x7") << 2 << texts::distributionTotal(21, -1) + '\n';
    QTest::newRow("design missing") << args("MISSING") << 2 << texts::cannotOpen("MISSING") + '\n';
    QTest::newRow("invalid cell") << args("INVALID") << 1 << texts::errorFound() + '\n';
    QTest::newRow("csv not writable")
        << args("DESIGN --csv FOLDER") << 2 << texts::cannotCreate("FOLDER") + '\n';
}

void PlanCommandTest::failures()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    Scratch scratch;
    const QString invalid = scratch.file("invalid.tsl");
    {
        Design design;
        design.makeNew(4, 2);
        design.setCell(1, 1, QStringLiteral("G"));
        DesignFile::write(design, invalid);
    }
    const QMap<QString, QString> files{{"DESIGN", writeDesign(scratch)},
                                       {"MISSING", scratch.file("missing.tsl")},
                                       {"INVALID", invalid},
                                       {"FOLDER", scratch.path()}};
    for (QString &a : args)
        a = files.value(a, a);
    for (const QString name : {"MISSING", "FOLDER"})
        error.replace(name, files[name]);
    const Run r = cli(args);
    QCOMPARE(r.exitCode, exitCode);
    if (error.endsWith(QString::fromUtf8("使い方:")))
        QVERIFY2(r.err.startsWith(error), qPrintable(r.err));
    else
        QCOMPARE(r.err, error);
    QVERIFY(r.out.isEmpty());
}

QTEST_GUILESS_MAIN(PlanCommandTest)
#include "PlanCommandTest.moc"
