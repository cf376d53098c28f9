#include "core/Texts.h"

#include "support/PlanDesign.h"
#include "support/PrintedPages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace tessell;
using namespace tessell::test;

class PlanCommandTest : public QObject {
    Q_OBJECT
private slots:
    void plan_data();
    void plan();
};

void PlanCommandTest::plan_data()
{
    QTest::addColumn<QString>("args"); // DESIGN, MISSING, INVALID and FOLDER stand for files
    QTest::addColumn<int>("exitCode");
    // Entry 0's pieces/perCarton/cartons/stock/toCollect/cartonsToCollect, then each class's
    // pieces:cartons of entry 0, "+" the columns left over; else standard error, or how it starts.
    QTest::addColumn<QString>("answer");
    const auto usage = [](const char *message) { return QString::fromUtf8(message) + "\n使い方:"; };
    QTest::newRow("cartons and stock") << "DESIGN --per-carton 0=5,4=2 --stock 0=7" << 0 << "24/5/5/7/17/4";
    // 7 + 7 + 6 columns; columns 0, 5, 10, 15 hold entry 0.
    QTest::newRow("fair split") << "DESIGN --classes-fair 3 --per-carton 0=4" << 0
                                << "24/4/6//0/0 12:3 6:2 6:2";
    QTest::newRow("classes and columns left over")
        << "DESIGN --classes 2x6 --per-carton 0=5" << 0 << "24/5/5//0/0 12:3 6:2 +6:2";
    QTest::newRow("0 per carton") << "DESIGN --per-carton 0=0" << 2
                                  << usage("--per-carton には N=K,... を指定してください");
    QTest::newRow("entry 16") << "DESIGN --stock 16=1" << 2
                              << usage("--stock には N=K,... を指定してください");
    QTest::newRow("both splits") << "DESIGN --classes 2x6 --classes-fair 3" << 2
                                 << usage("--classes と --classes-fair は同時に指定できません");
    QTest::newRow("more columns than the design")
        << "DESIGN --classes 3x7" << 2 << texts::distributionTotal(21, -1) + '\n';
    QTest::newRow("design missing") << "MISSING" << 2 << texts::cannotOpen("MISSING") + '\n';
    QTest::newRow("invalid cell") << "INVALID" << 1 << texts::errorFound() + '\n';
    QTest::newRow("csv not writable") << "DESIGN --csv FOLDER" << 2 << texts::cannotCreate("FOLDER") + '\n';
}

void PlanCommandTest::plan()
{
    QFETCH(QString, args);
    QFETCH(int, exitCode);
    QFETCH(QString, answer);
    Scratch scratch;
    const QMap<QString, QString> files{
        {"DESIGN", writePlanDesign(scratch)},
        {"MISSING", scratch.file("missing.tsl")},
        {"INVALID", scratch.write("invalid.tsl", patternDesign(2, 1, {"1,0,G"}))},
        {"FOLDER", scratch.path()}};
    QStringList call{"plan"};
    for (const QString &a : args.split(u' '))
        call << files.value(a, a);
    for (const QString name : {"MISSING", "FOLDER"})
        answer.replace(name, files[name]);
    const Run r = cli(call);
    QCOMPARE(r.exitCode, exitCode);
    if (exitCode != 0) {
        QVERIFY2(r.err.startsWith(answer) && (r.err == answer || answer.endsWith(u':')), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        return;
    }
    QCOMPARE(r.err, QString());
    const QJsonObject plan = QJsonDocument::fromJson(r.out).object();
    const QJsonValue e = plan["colours"][0];
    QCOMPARE(e["name"].toString(), QStringLiteral("赤, こい"));
    QCOMPARE(plan["total"]["pieces"].toInt(), 120);
    QStringList got;
    for (const char *key : kPlanLineKeys)
        got << jsonNumber(e[key]);
    got = QStringList{got.join(u'/')};
    for (const QJsonValue &c : plan["classes"].toArray())
        got << QStringLiteral("%1:%2").arg(c["pieces"][0].toInt()).arg(c["cartons"][0].toInt());
    if (plan.contains("leftOver"))
        got << QStringLiteral("+%1:%2")
                   .arg(plan["leftOver"]["pieces"][0].toInt())
                   .arg(plan["leftOver"]["cartons"][0].toInt());
    QCOMPARE(got.join(u' '), answer);
}

QTEST_GUILESS_MAIN(PlanCommandTest)
#include "PlanCommandTest.moc"
