// The plan's CSV as a spreadsheet program gets it, read back by Python's csv
// module (label python): tessell-cli plan --csv against its own JSON.
#include "core/Texts.h"

#include "support/CliRun.h"
#include "support/PlanDesign.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTest>

using namespace tessell;
using namespace tessell::test;

class PlanCsvTest : public QObject {
    Q_OBJECT
private slots:
    void csvForSpreadsheets();
};

// Every field of the JSON plan, the names with their comma and quotes, the
// Japanese headers without the byte-order mark.
void PlanCsvTest::csvForSpreadsheets()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty(),
             "python3 is missing (scripts/install-deps test)");
    Scratch scratch;
    const QString design = writePlanDesign(scratch), out = scratch.file("plan.csv");
    const QStringList flags{"--classes-fair", "3", "--per-carton", "0=4,3=7", "--stock", "1=10,2=30"};
    const Run csv = cli(QStringList{"plan", design, "--csv", out} + flags);
    QCOMPARE(csv.err, QString());
    QCOMPARE(csv.exitCode, 0);
    QVERIFY(csv.out.isEmpty());
    QVERIFY(readAll(out).startsWith("\xEF\xBB\xBF"));
    const Run python =
        runProgram("python3", {"-c",
                               "import csv, json, sys\n"
                               "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
                               "    print(json.dumps(list(csv.reader(f))))\n",
                               out});
    QCOMPARE(python.err, QString());
    const QJsonArray rows = QJsonDocument::fromJson(python.out).array();
    const auto row = [&](int i) { return rows[i].toVariant().toStringList(); };

    const QJsonObject plan = QJsonDocument::fromJson(cli(QStringList{"plan", design} + flags).out).object();
    QCOMPARE(row(0), texts::planColourHeaders());
    for (int n = 0; n < 16; ++n) {
        const QJsonValue e = plan["colours"][n];
        QStringList expected{e["number"].toString(), e["name"].toString()};
        for (const char *key : kPlanLineKeys)
            expected << jsonNumber(e[key]);
        QCOMPARE(row(n + 1), expected);
    }
    QCOMPARE(row(17).value(0), texts::planTotal());
    QCOMPARE(row(17).value(2), jsonNumber(plan["total"]["pieces"]));
    QCOMPARE(row(18), QStringList()); // the blank line between the tables
    QCOMPARE(row(19).value(2), texts::planPiecesOf(QStringLiteral("0 赤, こい")));
    QCOMPARE(row(19).value(5), texts::planCartonsOf(QStringLiteral("1 \"空\" 色")));
    const QJsonArray classes = plan["classes"].toArray();
    QCOMPARE(rows.size(), 20 + classes.size());
    for (int k = 0; k < classes.size(); ++k) {
        const QJsonValue c = classes[k];
        QStringList expected{QStringLiteral("No.%1").arg(k + 1),
                             texts::planColumnRange(c["firstColumn"].toInt(), c["lastColumn"].toInt())};
        int pieces = 0, cartons = 0;
        for (int n = 0; n < 16; ++n) {
            expected << jsonNumber(c["pieces"][n]) << jsonNumber(c["cartons"][n]);
            pieces += c["pieces"][n].toInt();
            cartons += c["cartons"][n].toInt();
        }
        QCOMPARE(row(20 + k), expected << QString::number(pieces) << QString::number(cartons));
    }
}

QTEST_GUILESS_MAIN(PlanCsvTest)
#include "PlanCsvTest.moc"
